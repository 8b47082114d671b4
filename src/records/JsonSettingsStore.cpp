#include "records/JsonSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace {

const QString ApplicationName = QStringLiteral("Gavelor");
constexpr int FormatVersion = 1;
// Long enough for a 100,000-lot save on a slow disk, short enough not to hang the room.
constexpr int LockTimeoutMs = 10000;

void warn(const QString& message)
{
    std::fprintf(stderr, "gavelor: %s\n", qUtf8Printable(message));
}

} // namespace

JsonSettingsStore::JsonSettingsStore() : JsonSettingsStore(DefaultFilePath()) {}

JsonSettingsStore::JsonSettingsStore(const QString& filePath) : m_filePath(filePath)
{
    Reload();
}

QString JsonSettingsStore::DefaultFilePath()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base + QLatin1Char('/') + ApplicationName + QStringLiteral("/settings.json");
}

QString JsonSettingsStore::Get(const QString& section, const QString& key, const QString& defaultValue) const
{
    return m_data.value(section, key, defaultValue);
}

SettingsPairs JsonSettingsStore::GetAll(const QString& section) const
{
    return m_data.pairs(section);
}

void JsonSettingsStore::Reload()
{
    m_data = readFile();
}

std::optional<SettingsSections> JsonSettingsStore::Parse(const QByteArray& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonValue sectionsValue = document.object().value(QLatin1String("sections"));
    if (!sectionsValue.isObject())
        return std::nullopt;

    SettingsSections result;
    const QJsonObject sections = sectionsValue.toObject();
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
        if (!it.value().isArray())
            continue;
        const QJsonArray entries = it.value().toArray();
        SettingsPairs pairs;
        pairs.reserve(entries.size());
        for (const QJsonValue& entry : entries) {
            if (!entry.isArray())
                continue;
            const QJsonArray pair = entry.toArray();
            if (pair.size() != 2 || !pair.at(0).isString() || !pair.at(1).isString())
                continue;
            pairs.append({pair.at(0).toString(), pair.at(1).toString()});
        }
        result.sections().append({it.key(), pairs});
    }
    return result;
}

QByteArray JsonSettingsStore::Serialize(const SettingsSections& sections)
{
    QJsonObject sectionsObject;
    for (const auto& [name, pairs] : sections.sections()) {
        QJsonArray entries;
        for (const SettingsPair& pair : pairs)
            entries.append(QJsonArray{pair.first, pair.second});
        sectionsObject.insert(name, entries);
    }
    QJsonObject root;
    root.insert(QLatin1String("application"), ApplicationName);
    root.insert(QLatin1String("version"), FormatVersion);
    root.insert(QLatin1String("sections"), sectionsObject);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SettingsSections JsonSettingsStore::readFile() const
{
    QFile file(m_filePath);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("cannot read %1: %2; starting with default settings").arg(m_filePath, file.errorString()));
        return {};
    }
    const QByteArray text = file.readAll();
    file.close();
    if (std::optional<SettingsSections> sections = Parse(text))
        return *std::move(sections);
    keepUnreadableFile();
    return {};
}

void JsonSettingsStore::keepUnreadableFile() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_filePath + QStringLiteral(".unreadable-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_filePath + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(m_filePath, target))
        warn(QStringLiteral("settings file %1 could not be read; kept it as %2 and started with defaults")
                 .arg(m_filePath, target));
    else
        warn(QStringLiteral("settings file %1 could not be read and could not be moved aside").arg(m_filePath));
}

bool JsonSettingsStore::Commit(const SettingsChange& change)
{
    if (change.isEmpty())
        return true;

    const QFileInfo info(m_filePath);
    if (!QDir().mkpath(info.absolutePath())) {
        warn(QStringLiteral("cannot create %1; settings not saved").arg(info.absolutePath()));
        m_data.apply(change);
        return false;
    }

    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    if (!lock.tryLock(LockTimeoutMs)) {
        warn(QStringLiteral("settings file %1 is locked by another process; settings not saved").arg(m_filePath));
        m_data.apply(change);
        return false;
    }

    // Another running copy may have written since we read: start from the file as it is now.
    SettingsSections current = readFile();
    current.apply(change);

    QSaveFile file(m_filePath);
    bool written = file.open(QIODevice::WriteOnly);
    if (written)
        written = file.write(Serialize(current)) >= 0;
    if (written)
        written = file.commit();
    else
        file.cancelWriting();
    if (!written) {
        warn(QStringLiteral("cannot write %1: %2; settings not saved").arg(m_filePath, file.errorString()));
        m_data.apply(change);
        return false;
    }
    m_data = std::move(current);
    return true;
}
