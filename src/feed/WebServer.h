#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>

// The one place that knows the embedded HTTP and WebSocket server (CivetWeb): requests come in as
// plain values, answers go out as plain values, so another server can take its place. The server
// reads no files; every answer comes from the handler.
class WebServer
{
public:
    struct Options
    {
        // Where to listen, as "port" (every IPv4 address) or "address:port".
        QByteArray listen = "8765";
        // Connections served at once (one thread each); more wait in the server's queue.
        int maxConnections = 500;
        // To send the request, and the longest a write may wait for a client that does not read.
        int requestTimeoutMs = 10000;
        // The request line and headers together.
        int maxRequestBytes = 8192;
    };

    struct Request
    {
        QByteArray method;
        // The decoded path ("/board"), and the query string as sent ("code=AB12CD&scale=2").
        QByteArray path;
        QByteArray query;
        QByteArray remoteAddress;
        QList<QPair<QByteArray, QByteArray>> headers;

        // The value of a header (case-insensitive name), empty when absent.
        QByteArray Header(QByteArrayView name) const;
        // The value of a query parameter, decoded; empty when absent.
        QByteArray Query(const char* name) const;
        // The value of a cookie, empty when absent.
        QByteArray Cookie(const char* name) const;
    };

    struct Response
    {
        enum class Kind
        {
            // status, headers and body are sent and the connection closes.
            Reply,
            // status and headers are sent, then Handler::Stream writes for as long as it likes.
            Stream,
            // The request goes on to become a WebSocket.
            Upgrade
        };
        Kind kind = Kind::Reply;
        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
    };

    // One open WebSocket. Send may be called from any thread until Handler::SocketClosed returns.
    class Socket
    {
    public:
        virtual ~Socket() = default;
        // A text message; false once the client is gone or did not take it in time.
        virtual bool Send(QByteArrayView text) = 0;
        // The request that opened it.
        Request request;
        // The handler's own data for this socket.
        void* data = nullptr;
    };

    // What is served. Called on the server's threads, several at once.
    class Handler
    {
    public:
        virtual ~Handler() = default;
        virtual Response Respond(const Request& request) = 0;
        // For a Stream answer: writes through write until it returns false or the handler is done.
        virtual void Stream(const Request& request, const std::function<bool(QByteArrayView)>& write) = 0;
        virtual void SocketOpened(Socket& socket) = 0;
        virtual void SocketClosed(Socket& socket) = 0;
    };

    explicit WebServer(Handler& handler);
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Starts listening; false with the reason when the port cannot be opened.
    bool Start(const Options& options, QString* error = nullptr);
    // Closes every connection and waits for the server's threads; the handler must let its
    // streams end (they are written to until then).
    void Stop();
    bool isRunning() const;

    // Puts the calling thread behind the interface thread: when the two cores are busy, the
    // board's frames come first and the network waits.
    static void YieldToInterface();

    // The most a client may send in one WebSocket message (beyond it the socket closes).
    static constexpr qsizetype MaxClientMessage = 1024;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
