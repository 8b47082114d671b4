#pragma once

#include "records/SettingsStore.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The per-user settings file: a JSON object
//   {"application": "Gavelor", "version": 1, "sections": {NAME: [[KEY, VALUE], ...], ...}}
// Every commit replaces the whole file atomically (QSaveFile) under a cross-process lock
// (QLockFile), after re-reading it so that another running copy's changes survive. Nothing the file
// held is lost without a copy: an unreadable file is moved aside when it is found, and a file that
// could be read only in part is copied aside before the first commit writes over it.
class JsonSettingsStore : public SettingsStore
{
public:
    // The store at the default location: $XDG_CONFIG_HOME/Gavelor/settings.json.
    JsonSettingsStore();
    explicit JsonSettingsStore(const QString& filePath);

    static QString DefaultFilePath();

    QString Get(const QString& section, const QString& key, const QString& defaultValue) const override;
    SettingsPairs GetAll(const QString& section) const override;
    bool Commit(const SettingsChange& change) override;
    QString lastError() const override { return m_lastError; }
    void MarkReadInPart() override { m_fileReadWhole = false; }

    // Reads the file again, replacing what is held in memory.
    void Reload();
    QString filePath() const { return m_filePath; }
    // Whether the last reading found a file it could not read at all, and where that file was
    // kept (empty when it could not be moved aside).
    bool foundUnreadable() const { return m_foundUnreadable; }
    QString keptUnreadableAs() const { return m_keptUnreadableAs; }
    // How long a commit waits for another copy's commit to finish before it gives up.
    void setLockTimeout(int milliseconds) { m_lockTimeoutMs = milliseconds; }

    // The file's text form. Parse gives nothing for a text that is not a settings document;
    // entries of the wrong type inside a readable document are skipped. readWhole, if given, is
    // set to whether the sections hold everything the document did, unchanged: no entry or section
    // skipped, no text that was not UTF-8, and a document of this application and format version.
    static std::optional<SettingsSections> Parse(const QByteArray& text, bool* readWhole = nullptr);
    static QByteArray Serialize(const SettingsSections& sections);

    // Files larger than this are not settings this program wrote; they are treated as unreadable.
    static constexpr qint64 MaxFileSize = qint64(256) << 20;

private:
    enum class ReadResult
    {
        Missing,
        Read,
        ReadInPart, // read, but without something the file held
        Unreadable
    };
    // Reads the file into sections (and its bytes), or leaves sections alone when it is missing
    // or unreadable.
    ReadResult readFile(SettingsSections& sections, QByteArray& bytes) const;
    // Moves an unreadable file aside so that nothing the user had is lost. Call under the lock.
    // Returns where it went, or nothing.
    QString keepUnreadableFile() const;
    // Copies a file read in part aside, byte for byte, before it is written over. Call under the lock.
    bool keepFileReadInPart(const QByteArray& bytes);
    // Removes what a copy killed in the middle of a commit left of its new file. Call under the lock.
    void removeLeftoverTemporaries() const;
    // The same when the file is read: takes the lock only if there is something to remove.
    void removeLeftoverTemporariesAtStart() const;

    QString m_filePath;
    SettingsSections m_data;
    // The file's bytes when m_data was last read from or written to it; a commit that finds the
    // same bytes need not parse them again. Empty when m_data holds changes the file lacks.
    QByteArray m_fileBytes;
    bool m_fileReadWhole = true; // of m_fileBytes
    // The bytes of the file last kept aside, so that a commit that failed after keeping them does
    // not keep them a second time.
    QByteArray m_keptBytes;
    QString m_lastError;
    int m_lockTimeoutMs;
    bool m_foundUnreadable = false;
    QString m_keptUnreadableAs;
};
