#include "feed/LiveFeed.h"

#include "feed/FeedServer.h"
#include "feed/MqttPublisher.h"

#include <QCoreApplication>

LiveFeed::LiveFeed(SettingsStore& store) : m_store(store) {}

LiveFeed::~LiveFeed()
{
    if (m_server)
        m_server->Stop();
    if (m_mqtt)
        m_mqtt->Stop();
}

void LiveFeed::Reload()
{
    Apply(FeedSettings::Load(m_store));
}

void LiveFeed::Apply(const FeedSettings& settings)
{
    const bool serverChanged = settings.enabled != m_settings.enabled || settings.port != m_settings.port ||
                               settings.maxConnections != m_settings.maxConnections ||
                               (settings.enabled && !isServing());
    const bool mqttChanged = settings.enabled != m_settings.enabled || settings.mqttBroker != m_settings.mqttBroker ||
                             settings.mqttPort != m_settings.mqttPort || settings.mqttPrefix != m_settings.mqttPrefix ||
                             settings.mqttUser != m_settings.mqttUser ||
                             settings.mqttPassword != m_settings.mqttPassword;
    m_settings = settings;

    if (serverChanged) {
        if (m_server)
            m_server->Stop();
        m_error.clear();
        if (m_settings.enabled) {
            if (!m_server)
                m_server = std::make_unique<FeedServer>(m_hub);
            FeedServer::Config config;
            config.port = m_settings.port;
            config.accessCode = m_settings.accessCode.toLatin1();
            config.maxConnections = m_settings.maxConnections;
            QString why;
            if (!m_server->Start(config, &why))
                m_error = QCoreApplication::translate("LiveFeed", "Port %1 could not be opened: %2")
                              .arg(m_settings.port)
                              .arg(why);
        }
    } else if (m_server) {
        m_server->setAccessCode(m_settings.accessCode.toLatin1());
    }

    if (mqttChanged) {
        if (m_mqtt)
            m_mqtt->Stop();
        if (m_settings.enabled && !m_settings.mqttBroker.isEmpty()) {
            if (!m_mqtt)
                m_mqtt = std::make_unique<MqttPublisher>();
            MqttPublisher::Config config;
            config.host = m_settings.mqttBroker.toUtf8();
            config.port = m_settings.mqttPort;
            config.prefix = m_settings.mqttPrefix.toUtf8();
            config.user = m_settings.mqttUser.toUtf8();
            config.password = m_settings.mqttPassword.toUtf8();
            m_mqtt->Start(config);
            const FeedHub::Message state = m_hub.Current();
            if (state.sequence > 0)
                m_mqtt->Publish(state.json, {});
        }
    }
}

void LiveFeed::Publish(const FeedState& state)
{
    // Kept while off as well, so that turning the feed on shows the board as it is.
    if (m_hub.Publish(state) == 0)
        return;
    if (m_mqtt && m_mqtt->isRunning())
        m_mqtt->Publish(m_hub.Current().json, m_hub.LatestChange());
}

bool LiveFeed::isServing() const
{
    return m_server && m_server->isRunning();
}

bool LiveFeed::isMqttConfigured() const
{
    return m_settings.enabled && !m_settings.mqttBroker.isEmpty();
}

bool LiveFeed::isMqttConnected() const
{
    return m_mqtt && m_mqtt->isConnected();
}
