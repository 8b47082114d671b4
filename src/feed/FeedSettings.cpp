#include "feed/FeedSettings.h"

#include "records/NumberText.h"
#include "records/SettingsStore.h"

#include <QRandomGenerator>

namespace {

// No 0/O, 1/I/L: read off a screen across a room, or typed on a phone.
constexpr char16_t CodeAlphabet[] = u"ABCDEFGHJKMNPQRSTUVWXYZ23456789";
constexpr qsizetype CodeAlphabetSize = std::size(CodeAlphabet) - 1;

const QString KeyEnabled = QStringLiteral("Enabled");
const QString KeyPort = QStringLiteral("Port");
const QString KeyAccessCode = QStringLiteral("AccessCode");
const QString KeyMaxConnections = QStringLiteral("MaxConnections");
const QString KeyMqttBroker = QStringLiteral("MqttBroker");
const QString KeyMqttPort = QStringLiteral("MqttPort");
const QString KeyMqttPrefix = QStringLiteral("MqttPrefix");
const QString KeyMqttUser = QStringLiteral("MqttUser");
const QString KeyMqttPassword = QStringLiteral("MqttPassword");

qint64 Whole(const SettingsStore& store, const QString& key, qint64 fallback, qint64 minimum, qint64 maximum)
{
    const QString text = store.Get(FeedSettings::Section, key, QString());
    return NumberText::ToWholeNumber(text, minimum, maximum).value_or(fallback);
}

} // namespace

FeedSettings FeedSettings::Load(const SettingsStore& store)
{
    FeedSettings settings;
    settings.enabled = Whole(store, KeyEnabled, 0, 0, 1) == 1;
    settings.port = static_cast<quint16>(Whole(store, KeyPort, DefaultPort, 1, 65535));
    const QString code = store.Get(Section, KeyAccessCode, QString());
    settings.accessCode = IsAccessCode(code) ? code.toUpper() : QString();
    settings.maxConnections =
        static_cast<int>(Whole(store, KeyMaxConnections, DefaultMaxConnections, 1, 10 * DefaultMaxConnections));
    settings.mqttBroker = store.Get(Section, KeyMqttBroker, QString()).trimmed();
    settings.mqttPort = static_cast<quint16>(Whole(store, KeyMqttPort, DefaultMqttPort, 1, 65535));
    const QString prefix = store.Get(Section, KeyMqttPrefix, DefaultMqttPrefix);
    settings.mqttPrefix = IsTopicPrefix(prefix) ? prefix : DefaultMqttPrefix;
    settings.mqttUser = store.Get(Section, KeyMqttUser, QString());
    settings.mqttPassword = store.Get(Section, KeyMqttPassword, QString());
    return settings;
}

bool FeedSettings::IsStored(const SettingsStore& store)
{
    return !store.GetAll(Section).isEmpty();
}

bool FeedSettings::Save(SettingsStore& store) const
{
    SettingsChange change;
    change.Save(Section, KeyEnabled, NumberText::Plain(enabled ? 1 : 0));
    change.Save(Section, KeyPort, NumberText::Plain(port));
    change.Save(Section, KeyAccessCode, accessCode);
    change.Save(Section, KeyMaxConnections, NumberText::Plain(maxConnections));
    change.Save(Section, KeyMqttBroker, mqttBroker);
    change.Save(Section, KeyMqttPort, NumberText::Plain(mqttPort));
    change.Save(Section, KeyMqttPrefix, mqttPrefix);
    change.Save(Section, KeyMqttUser, mqttUser);
    change.Save(Section, KeyMqttPassword, mqttPassword);
    return store.Commit(change);
}

QString FeedSettings::NewAccessCode()
{
    QString code;
    for (int i = 0; i < AccessCodeLength; ++i)
        code += QChar(CodeAlphabet[QRandomGenerator::system()->bounded(static_cast<quint32>(CodeAlphabetSize))]);
    return code;
}

bool FeedSettings::IsAccessCode(const QString& text)
{
    if (text.size() != AccessCodeLength)
        return false;
    for (QChar c : text)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            return false;
    return true;
}

bool FeedSettings::IsTopicPrefix(const QString& text)
{
    return !text.isEmpty() && !text.contains(u'#') && !text.contains(u'+') && !text.contains(QChar(0)) &&
           !text.startsWith(u'/') && !text.endsWith(u'/') && text.toUtf8().size() < 1024;
}
