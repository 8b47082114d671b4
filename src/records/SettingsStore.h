#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <utility>

using SettingsPair = QPair<QString, QString>;
using SettingsPairs = QList<SettingsPair>;

// A group of store writes that land together or not at all: saves create or replace
// one value, deleting a section removes it with all its keys. Applied in the order given.
class SettingsChange
{
public:
    struct Operation
    {
        enum Kind
        {
            Save,
            DeleteSection
        } kind;
        QString section;
        QString key;
        QString value;
    };

    void Save(const QString& section, const QString& key, const QString& value)
    {
        m_operations.append({Operation::Save, section, key, value});
    }
    void DeleteSection(const QString& section) { m_operations.append({Operation::DeleteSection, section, {}, {}}); }

    void reserve(qsizetype operations) { m_operations.reserve(operations); }

    const QList<Operation>& operations() const { return m_operations; }
    bool isEmpty() const { return m_operations.isEmpty(); }

private:
    QList<Operation> m_operations;
};

// The per-user store of sections holding (key, text) pairs in the order written.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text, or the default when the key is absent.
    virtual QString Get(const QString& section, const QString& key, const QString& defaultValue) const = 0;
    // The section's pairs in the order written; empty when the section is absent or empty.
    virtual SettingsPairs GetAll(const QString& section) const = 0;
    // Applies the change atomically. Returns false when it could not be stored; the
    // values in memory then still reflect the change.
    virtual bool Commit(const SettingsChange& change) = 0;
    // Why the last commit failed, in the words of the system call that failed ("Permission
    // denied", "No space left on device"); empty after a commit that succeeded.
    virtual QString lastError() const { return {}; }
    // The reader of the values could not use some of them (out of range, not whole numbers) and
    // went on without them: the next commit keeps the file as it was aside first, as for entries
    // the store itself could not read.
    virtual void MarkReadInPart() {}

    // Convenience single-operation commits.
    bool Save(const QString& section, const QString& key, const QString& value);
    bool DeleteSection(const QString& section);
};

// Sections in the order first written; each an ordered list of pairs.
class SettingsSections
{
public:
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    SettingsPairs pairs(const QString& section) const;
    void apply(const SettingsChange& change);

    const QList<QPair<QString, SettingsPairs>>& sections() const { return m_sections; }
    QList<QPair<QString, SettingsPairs>>& sections() { return m_sections; }

private:
    QList<QPair<QString, SettingsPairs>> m_sections;
};

// A store that lives in memory only; for tests and for running without a writable home.
class MemorySettingsStore : public SettingsStore
{
public:
    MemorySettingsStore() = default;
    explicit MemorySettingsStore(SettingsSections data) : m_data(std::move(data)) {}

    QString Get(const QString& section, const QString& key, const QString& defaultValue) const override
    {
        return m_data.value(section, key, defaultValue);
    }
    SettingsPairs GetAll(const QString& section) const override { return m_data.pairs(section); }
    bool Commit(const SettingsChange& change) override
    {
        m_data.apply(change);
        ++m_commits;
        return true;
    }

    int commitCount() const { return m_commits; }

private:
    SettingsSections m_data;
    int m_commits = 0;
};
