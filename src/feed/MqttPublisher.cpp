#include "feed/MqttPublisher.h"

#include "feed/WebServer.h"

#include <mosquitto.h>

#include <QByteArray>

#include <chrono>

namespace {

constexpr int QoS = 1;
constexpr int KeepAliveSeconds = 30;
// Between attempts to reach a broker that is not there.
constexpr auto RetryDelay = std::chrono::seconds(1);

void InitialiseLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

} // namespace

MqttPublisher::MqttPublisher()
{
    InitialiseLibrary();
}

MqttPublisher::~MqttPublisher()
{
    Stop();
}

void MqttPublisher::Start(const Config& config)
{
    Stop();
    m_config = config;
    m_stopping = false;
    m_client = mosquitto_new(nullptr, true, this);
    if (!m_client)
        return;
    mosquitto_threaded_set(m_client, true);
    mosquitto_int_option(m_client, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_reconnect_delay_set(m_client, 1, 5, false);
    if (!m_config.user.isEmpty())
        mosquitto_username_pw_set(m_client, m_config.user.constData(),
                                  m_config.password.isEmpty() ? nullptr : m_config.password.constData());
    mosquitto_connect_callback_set(m_client, &MqttPublisher::OnConnect);
    mosquitto_disconnect_callback_set(m_client, &MqttPublisher::OnDisconnect);
    m_thread = std::thread([this] { Run(); });
}

void MqttPublisher::Stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    mosquitto_disconnect(m_client);
    m_thread.join();
    mosquitto_destroy(m_client);
    m_client = nullptr;
    m_connected = false;
}

void MqttPublisher::Run()
{
    WebServer::YieldToInterface();
    // The host name is looked up here, never on the interface thread.
    while (!m_stopping) {
        if (mosquitto_connect(m_client, m_config.host.constData(), m_config.port, KeepAliveSeconds) ==
            MOSQ_ERR_SUCCESS) {
            // Reconnects by itself after a lost connection; returns once disconnected on purpose.
            mosquitto_loop_forever(m_client, 1000, 1);
        }
        m_connected = false;
        std::unique_lock lock(m_mutex);
        m_wake.wait_for(lock, RetryDelay, [this] { return m_stopping.load(); });
    }
}

void MqttPublisher::OnConnect(mosquitto*, void* self, int result)
{
    auto* publisher = static_cast<MqttPublisher*>(self);
    publisher->m_connected = result == 0;
    if (result == 0)
        publisher->SendState();
}

void MqttPublisher::OnDisconnect(mosquitto*, void* self, int)
{
    static_cast<MqttPublisher*>(self)->m_connected = false;
}

void MqttPublisher::SendState()
{
    QByteArray state;
    {
        std::lock_guard lock(m_mutex);
        state = m_state;
    }
    if (state.isEmpty())
        return;
    const QByteArray topic = m_config.prefix + "/state";
    mosquitto_publish(m_client, nullptr, topic.constData(), static_cast<int>(state.size()), state.constData(), QoS,
                      true);
}

void MqttPublisher::Publish(const QByteArray& state, const QByteArray& change)
{
    {
        std::lock_guard lock(m_mutex);
        m_state = state;
    }
    if (!m_client || !m_connected)
        return;
    SendState();
    if (change.isEmpty())
        return;
    const QByteArray topic = m_config.prefix + "/events";
    mosquitto_publish(m_client, nullptr, topic.constData(), static_cast<int>(change.size()), change.constData(), QoS,
                      false);
}
