#pragma once

#include "records/SettingsStore.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The per-user settings file: a JSON object
//   {"application": "Gavelor", "version": 1, "sections": {NAME: [[KEY, VALUE], ...], ...}}
// Every commit replaces the whole file atomically (QSaveFile) under a cross-process lock
// (QLockFile), after re-reading it so that another running copy's changes survive.
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

    // Reads the file again, replacing what is held in memory.
    void Reload();
    QString filePath() const { return m_filePath; }

    // The file's text form. Parse gives nothing for a text that is not a settings document;
    // entries of the wrong type inside a readable document are skipped.
    static std::optional<SettingsSections> Parse(const QByteArray& text);
    static QByteArray Serialize(const SettingsSections& sections);

    // Files larger than this are not settings this program wrote; they are treated as unreadable.
    static constexpr qint64 MaxFileSize = qint64(256) << 20;

private:
    enum class ReadResult
    {
        Missing,
        Read,
        Unreadable
    };
    // Reads the file into sections (and its bytes), or leaves sections alone when it is missing
    // or unreadable.
    ReadResult readFile(SettingsSections& sections, QByteArray& bytes) const;
    // Moves an unreadable file aside so that nothing the user had is lost. Call under the lock.
    void keepUnreadableFile() const;

    QString m_filePath;
    SettingsSections m_data;
    // The file's bytes when m_data was last read from or written to it; a commit that finds the
    // same bytes need not parse them again. Empty when m_data holds changes the file lacks.
    QByteArray m_fileBytes;
};
