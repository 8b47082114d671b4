#pragma once

#include <QString>
#include <QtGlobal>

class SettingsStore;

// The live feed's settings, in the store's "FeedSettings" section. The section is written only
// once the feed has been turned on; until then the feed is off and nothing of it is stored.
struct FeedSettings
{
    static inline const QString Section = QStringLiteral("FeedSettings");
    static constexpr quint16 DefaultPort = 8765;
    static constexpr quint16 DefaultMqttPort = 1883;
    static constexpr int DefaultMaxConnections = 500;
    static constexpr int AccessCodeLength = 6;
    static inline const QString DefaultMqttPrefix = QStringLiteral("gavelor");

    bool enabled = false;
    quint16 port = DefaultPort;
    QString accessCode;
    int maxConnections = DefaultMaxConnections;
    // An MQTT broker to publish to as well; none when the broker is empty.
    QString mqttBroker;
    quint16 mqttPort = DefaultMqttPort;
    QString mqttPrefix = DefaultMqttPrefix;
    QString mqttUser;
    QString mqttPassword;

    // Stored values that cannot be used take their defaults.
    static FeedSettings Load(const SettingsStore& store);
    // Whether the section has ever been written.
    static bool IsStored(const SettingsStore& store);
    // Every key in one commit; false when the store could not be written.
    bool Save(SettingsStore& store) const;

    // Six characters from letters and digits that cannot be mistaken for one another.
    static QString NewAccessCode();
    static bool IsAccessCode(const QString& text);
    // A topic prefix that MQTT admits for publishing: no wildcards, no empty text.
    static bool IsTopicPrefix(const QString& text);

    bool operator==(const FeedSettings&) const = default;
};
