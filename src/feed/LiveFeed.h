#pragma once

#include "feed/FeedHub.h"
#include "feed/FeedSettings.h"
#include "feed/FeedState.h"

#include <QString>

#include <memory>

class FeedServer;
class MqttPublisher;
class SettingsStore;

// The live feed as the program uses it: the board's state in, pages, streams and the MQTT
// broker out, started and stopped as its settings say. Off, it opens no port and starts no
// thread. Publish is made on the interface thread and never waits for the network.
class LiveFeed
{
public:
    explicit LiveFeed(SettingsStore& store);
    ~LiveFeed();

    // Takes the stored settings (again) and starts, restarts or stops what they ask for.
    void Reload();
    void Apply(const FeedSettings& settings);

    void Publish(const FeedState& state);

    const FeedSettings& settings() const { return m_settings; }
    bool isServing() const;
    // Why the feed is not serving although it is turned on (the port is taken, say).
    const QString& error() const { return m_error; }
    int viewers() const { return m_hub.viewers; }
    bool isMqttConfigured() const;
    bool isMqttConnected() const;
    FeedHub& hub() { return m_hub; }

private:
    SettingsStore& m_store;
    FeedSettings m_settings;
    FeedHub m_hub;
    std::unique_ptr<FeedServer> m_server;
    std::unique_ptr<MqttPublisher> m_mqtt;
    QString m_error;
};
