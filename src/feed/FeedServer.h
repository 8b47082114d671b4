#pragma once

#include "feed/AccessGate.h"
#include "feed/FeedHub.h"
#include "feed/FeedPages.h"
#include "feed/WebServer.h"

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

// The feed over HTTP: the three pages, /state, /events (Server-Sent Events) and /ws
// (WebSocket), all read-only and all behind the access code. Each stream's client has a
// thread that sends what it has not seen yet from the hub; a client that does not read holds
// up nobody but itself.
class FeedServer : public WebServer::Handler
{
public:
    struct Config
    {
        quint16 port = 8765;
        // Empty: every address of the computer.
        QByteArray address;
        QByteArray accessCode;
        int maxConnections = 500;
        int requestTimeoutMs = 10000;
    };

    static constexpr const char* CookieName = "gavelor_feed";
    // A stream with nothing to say sends a comment this often, so dead clients are found.
    static constexpr int KeepAliveMs = 10000;

    explicit FeedServer(FeedHub& hub);
    ~FeedServer() override;

    bool Start(const Config& config, QString* error = nullptr);
    void Stop();
    bool isRunning() const { return m_web.isRunning(); }
    void setAccessCode(const QByteArray& code) { m_gate.setCode(code); }

    WebServer::Response Respond(const WebServer::Request& request) override;
    void Stream(const WebServer::Request& request, const std::function<bool(QByteArrayView)>& write) override;
    void SocketOpened(WebServer::Socket& socket) override;
    void SocketClosed(WebServer::Socket& socket) override;

private:
    struct Sender;
    static qint64 ResumeFrom(const WebServer::Request& request);

    FeedHub& m_hub;
    FeedPages m_pages;
    AccessGate m_gate;
    QElapsedTimer m_clock;
    // Ends this server's streams, whatever other server the hub feeds.
    std::atomic_bool m_stopping{false};
    WebServer m_web;
};
