#include "feed/WebServer.h"

#include "platform/ThreadPriority.h"

#include <civetweb.h>

#include <QVarLengthArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// CivetWeb's opcodes (RFC 6455).
constexpr int OpcodeText = 0x1;
constexpr int OpcodeClose = 0x8;
constexpr int OpcodePing = 0x9;
constexpr int OpcodePong = 0xA;

// How long an idle WebSocket waits before the server pings it; a client that does not answer is
// closed.
constexpr int WebSocketIdleMs = 30000;

const char* StatusText(int status)
{
    const char* text = mg_get_response_code_text(nullptr, status);
    return text ? text : "";
}

WebServer::Request ReadRequest(const mg_connection* conn)
{
    const mg_request_info* info = mg_get_request_info(conn);
    WebServer::Request request;
    request.method = info->request_method;
    // The path as sent (decoded once), not as cleaned up: "//state" is not "/state".
    QByteArray target = info->request_uri ? QByteArray(info->request_uri) : QByteArray();
    const qsizetype query = target.indexOf('?');
    if (query >= 0)
        target.truncate(query);
    request.path = target;
    request.query = info->query_string ? QByteArray(info->query_string) : QByteArray();
    request.remoteAddress = info->remote_addr;
    request.headers.reserve(info->num_headers);
    for (int i = 0; i < info->num_headers; ++i)
        request.headers.append({QByteArray(info->http_headers[i].name), QByteArray(info->http_headers[i].value)});
    return request;
}

void WriteHead(mg_connection* conn, const WebServer::Response& response, qsizetype contentLength)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + StatusText(response.status) + "\r\n";
    for (const auto& [name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    if (contentLength >= 0)
        head += "Content-Length: " + QByteArray::number(contentLength) + "\r\n";
    head += "Connection: close\r\n\r\n";
    mg_write(conn, head.constData(), static_cast<size_t>(head.size()));
}

} // namespace

QByteArray WebServer::Request::Header(QByteArrayView name) const
{
    for (const auto& [key, value] : headers)
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

QByteArray WebServer::Request::Query(const char* name) const
{
    QVarLengthArray<char, 256> value(qMax<qsizetype>(query.size() + 1, 2));
    const int length = mg_get_var(query.constData(), static_cast<size_t>(query.size()), name, value.data(),
                                  static_cast<size_t>(value.size()));
    return length > 0 ? QByteArray(value.data(), length) : QByteArray();
}

QByteArray WebServer::Request::Cookie(const char* name) const
{
    const QByteArray cookies = Header("Cookie");
    if (cookies.isEmpty())
        return {};
    QVarLengthArray<char, 256> value(cookies.size() + 1);
    const int length = mg_get_cookie(cookies.constData(), name, value.data(), static_cast<size_t>(value.size()));
    return length > 0 ? QByteArray(value.data(), length) : QByteArray();
}

struct WebServer::Private
{
    explicit Private(Handler& handler) : handler(handler) {}

    class CivetSocket : public Socket
    {
    public:
        explicit CivetSocket(mg_connection* conn) : m_conn(conn) { request = ReadRequest(conn); }
        bool Send(QByteArrayView text) override
        {
            return mg_websocket_write(m_conn, OpcodeText, text.data(), static_cast<size_t>(text.size())) > 0;
        }

    private:
        mg_connection* m_conn;
    };

    static int BeginRequest(mg_connection* conn)
    {
        YieldToInterface();
        auto* self = static_cast<Private*>(mg_get_user_data(mg_get_context(conn)));
        const Request request = ReadRequest(conn);
        const Response response = self->handler.Respond(request);
        switch (response.kind) {
        case Response::Kind::Upgrade:
            // CivetWeb does the handshake and calls the socket handlers below.
            return 0;
        case Response::Kind::Stream:
            WriteHead(conn, response, -1);
            self->handler.Stream(request, [conn](QByteArrayView data) {
                return mg_write(conn, data.data(), static_cast<size_t>(data.size())) == data.size();
            });
            return response.status;
        case Response::Kind::Reply:
            break;
        }
        WriteHead(conn, response, response.body.size());
        if (request.method != "HEAD" && !response.body.isEmpty())
            mg_write(conn, response.body.constData(), static_cast<size_t>(response.body.size()));
        return response.status;
    }

    static int LogMessage(const mg_connection*, const char*)
    {
        // Nothing is logged.
        return 1;
    }

    static int SocketConnect(const mg_connection*, void*)
    {
        // The request was let through in BeginRequest.
        return 0;
    }

    static void SocketReady(mg_connection* conn, void* data)
    {
        auto* self = static_cast<Private*>(data);
        auto* socket = new CivetSocket(conn);
        mg_set_user_connection_data(conn, socket);
        self->handler.SocketOpened(*socket);
    }

    static int SocketData(mg_connection* conn, int flags, char* payload, size_t length, void*)
    {
        const int opcode = flags & 0xF;
        if (opcode == OpcodeClose)
            return 0;
        if (length > static_cast<size_t>(MaxClientMessage))
            return 0;
        if (opcode == OpcodePing)
            mg_websocket_write(conn, OpcodePong, payload, length);
        // The feed is read-only: whatever else a client sends is ignored.
        return 1;
    }

    static void SocketClose(const mg_connection* conn, void* data)
    {
        auto* self = static_cast<Private*>(data);
        auto* socket = static_cast<CivetSocket*>(mg_get_user_connection_data(conn));
        if (!socket)
            return;
        self->handler.SocketClosed(*socket);
        delete socket;
    }

    Handler& handler;
    mg_context* context = nullptr;
    // Where a connection reaches the server's own listening socket.
    in_addr_t wakeAddress = htonl(INADDR_LOOPBACK);
};

namespace {

// Opens and drops a connection, which wakes a listening thread that sleeps in poll().
void Knock(in_addr_t host, int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = host;
    ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
}

} // namespace

void WebServer::YieldToInterface()
{
    thread_local bool yielded = false;
    if (yielded)
        return;
    yielded = true;
    // Hundreds of clients' threads wake at each change: the room's frame comes first.
    ThreadPriority::YieldToInterface();
}

WebServer::WebServer(Handler& handler) : d(std::make_unique<Private>(handler))
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { mg_init_library(0); });
}

WebServer::~WebServer()
{
    Stop();
}

bool WebServer::Start(const Options& options, QString* error)
{
    Stop();
    const qsizetype colon = options.listen.lastIndexOf(':');
    in_addr bound{};
    d->wakeAddress = colon > 0 && inet_pton(AF_INET, options.listen.left(colon).constData(), &bound) == 1 &&
                             bound.s_addr != htonl(INADDR_ANY)
                         ? bound.s_addr
                         : htonl(INADDR_LOOPBACK);
    const QByteArray threads = QByteArray::number(qMax(1, options.maxConnections));
    const QByteArray timeout = QByteArray::number(options.requestTimeoutMs);
    const QByteArray requestSize = QByteArray::number(options.maxRequestBytes);
    const QByteArray idle = QByteArray::number(WebSocketIdleMs);
    const char* civetOptions[] = {"listening_ports",
                                  options.listen.constData(),
                                  "num_threads",
                                  threads.constData(),
                                  "request_timeout_ms",
                                  timeout.constData(),
                                  "max_request_size",
                                  requestSize.constData(),
                                  "enable_keep_alive",
                                  "no",
                                  "tcp_nodelay",
                                  "1",
                                  "websocket_timeout_ms",
                                  idle.constData(),
                                  "enable_websocket_ping_pong",
                                  "yes",
                                  "enable_directory_listing",
                                  "no",
                                  nullptr};
    mg_callbacks callbacks{};
    callbacks.begin_request = &Private::BeginRequest;
    callbacks.log_message = &Private::LogMessage;
    mg_init_data init{};
    init.callbacks = &callbacks;
    init.user_data = d.get();
    init.configuration_options = civetOptions;
    char message[256] = {};
    mg_error_data failure{};
    failure.text = message;
    failure.text_buffer_size = sizeof message;
    d->context = mg_start2(&init, &failure);
    if (!d->context) {
        if (error)
            *error = QString::fromUtf8(message);
        return false;
    }
    mg_set_websocket_handler(d->context, "/ws", &Private::SocketConnect, &Private::SocketReady, &Private::SocketData,
                             &Private::SocketClose, d.get());
    return true;
}

void WebServer::Stop()
{
    if (!d->context)
        return;
    mg_server_port ports[4] = {};
    const int count = mg_get_server_ports(d->context, 4, ports);
    // CivetWeb's listening thread looks at its stop flag only every two seconds, unless a
    // connection comes in: knocking on its port ends the wait at once.
    std::atomic_bool stopped{false};
    std::thread stopper([this, &stopped] {
        mg_stop(d->context);
        stopped = true;
    });
    for (int attempt = 0; !stopped && attempt < 100; ++attempt) {
        for (int i = 0; i < count; ++i)
            Knock(d->wakeAddress, ports[i].port);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    stopper.join();
    d->context = nullptr;
}

bool WebServer::isRunning() const
{
    return d->context != nullptr;
}
