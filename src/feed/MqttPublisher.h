#pragma once

#include <QByteArray>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

struct mosquitto;

// Publishes the feed to an MQTT broker (libmosquitto), which fans it out beyond the house: the
// current state retained on <prefix>/state and every change on <prefix>/events, QoS 1. The
// connection is made and kept on its own thread, reconnecting by itself; publishing never waits
// for the broker. While the broker is out of reach nothing queues up: on reconnecting it gets
// the state as it is then.
class MqttPublisher
{
public:
    struct Config
    {
        QByteArray host;
        int port = 1883;
        QByteArray prefix = "gavelor";
        QByteArray user;
        QByteArray password;
    };

    MqttPublisher();
    ~MqttPublisher();
    MqttPublisher(const MqttPublisher&) = delete;
    MqttPublisher& operator=(const MqttPublisher&) = delete;

    void Start(const Config& config);
    void Stop();
    bool isRunning() const { return m_thread.joinable(); }
    bool isConnected() const { return m_connected; }

    // state: the whole state ("state" message); change: the change that led to it.
    void Publish(const QByteArray& state, const QByteArray& change);

private:
    void Run();
    void SendState();
    static void OnConnect(mosquitto* client, void* self, int result);
    static void OnDisconnect(mosquitto* client, void* self, int result);

    Config m_config;
    mosquitto* m_client = nullptr;
    std::thread m_thread;
    std::atomic_bool m_stopping{false};
    std::atomic_bool m_connected{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    QByteArray m_state;
};
