#include "feed/FeedServer.h"

#include <chrono>

namespace {

using Headers = QList<QPair<QByteArray, QByteArray>>;

void AddCommonHeaders(Headers& headers, const QByteArray& policy)
{
    headers.emplaceBack("Content-Security-Policy", policy);
    headers.emplaceBack("X-Content-Type-Options", "nosniff");
    headers.emplaceBack("Referrer-Policy", "no-referrer");
    headers.emplaceBack("Cache-Control", "no-store");
}

WebServer::Response Plain(int status, const QByteArray& text)
{
    WebServer::Response response;
    response.status = status;
    response.headers.emplaceBack("Content-Type", "text/plain; charset=utf-8");
    AddCommonHeaders(response.headers, FeedPages::StrictPolicy());
    response.body = text + '\n';
    return response;
}

QByteArray SseEvent(const FeedHub::Message& message)
{
    return "id: " + QByteArray::number(message.sequence) +
           (message.full ? "\nevent: state\ndata: " : "\nevent: change\ndata: ") + message.json + "\n\n";
}

// The host part of a Host header or an Origin's authority: "192.168.1.5:8765" from either.
QByteArray Authority(QByteArray origin)
{
    const qsizetype scheme = origin.indexOf("://");
    if (scheme >= 0)
        origin = origin.mid(scheme + 3);
    return origin.toLower();
}

} // namespace

// A WebSocket's own sending thread.
struct FeedServer::Sender
{
    std::atomic_bool closed{false};
    std::thread thread;
};

FeedServer::FeedServer(FeedHub& hub) : m_hub(hub), m_pages(FeedPages::Build()), m_web(*this)
{
    m_clock.start();
}

FeedServer::~FeedServer()
{
    Stop();
}

bool FeedServer::Start(const Config& config, QString* error)
{
    Stop();
    m_gate.setCode(config.accessCode);
    m_stopping = false;
    WebServer::Options options;
    options.listen = (config.address.isEmpty() ? QByteArray() : config.address + ':') + QByteArray::number(config.port);
    options.maxConnections = config.maxConnections;
    options.requestTimeoutMs = config.requestTimeoutMs;
    return m_web.Start(options, error);
}

void FeedServer::Stop()
{
    if (!m_web.isRunning())
        return;
    // The streams end when woken; then the server can close.
    m_stopping = true;
    m_hub.Wake();
    m_web.Stop();
}

qint64 FeedServer::ResumeFrom(const WebServer::Request& request)
{
    QByteArray last = request.Header("Last-Event-ID");
    if (last.isEmpty())
        last = request.Query("last");
    bool ok = false;
    const qint64 seen = last.trimmed().toLongLong(&ok);
    return ok && seen >= 0 ? seen : -1;
}

WebServer::Response FeedServer::Respond(const WebServer::Request& request)
{
    const QByteArray queryCode = request.Query("code");
    const QByteArray presented = queryCode.isEmpty() ? request.Cookie(CookieName) : queryCode;
    switch (m_gate.Check(request.remoteAddress, presented, m_clock.elapsed())) {
    case AccessGate::Verdict::Blocked:
        return Plain(429, "Too many wrong access codes; try again in a minute.");
    case AccessGate::Verdict::Refused:
        return Plain(403, "This live feed needs its access code.");
    case AccessGate::Verdict::Granted:
        break;
    }
    if (request.method != "GET" && request.method != "HEAD")
        return Plain(405, "The live feed is read-only.");

    WebServer::Response response;
    const QByteArray& path = request.path;
    if (const FeedPages::Page* page = m_pages.Find(path)) {
        response.headers.emplaceBack("Content-Type", "text/html; charset=utf-8");
        AddCommonHeaders(response.headers, page->contentSecurityPolicy);
        response.body = page->html;
    } else if (path == "/state") {
        response.headers.emplaceBack("Content-Type", "application/json");
        AddCommonHeaders(response.headers, FeedPages::StrictPolicy());
        response.body = m_hub.Current().json;
    } else if (path == "/events") {
        response.kind = WebServer::Response::Kind::Stream;
        response.headers.emplaceBack("Content-Type", "text/event-stream");
        AddCommonHeaders(response.headers, FeedPages::StrictPolicy());
    } else if (path == "/ws") {
        // Only a page of this feed may open the socket: a browser names the page's origin, which
        // must be the host the request went to.
        const QByteArray origin = request.Header("Origin");
        if (!origin.isEmpty() && Authority(origin) != Authority(request.Header("Host")))
            return Plain(403, "This live feed's socket is for its own pages.");
        if (request.Header("Upgrade").compare("websocket", Qt::CaseInsensitive) != 0)
            return Plain(400, "This is a WebSocket.");
        response.kind = WebServer::Response::Kind::Upgrade;
    } else {
        return Plain(404, "Not found.");
    }
    // A code in the address is remembered, so that the page's own requests carry it.
    if (!queryCode.isEmpty())
        response.headers.emplaceBack("Set-Cookie", QByteArray(CookieName) + '=' + queryCode.toUpper() +
                                                       "; Path=/; HttpOnly; SameSite=Strict");
    return response;
}

void FeedServer::Stream(const WebServer::Request& request, const std::function<bool(QByteArrayView)>& write)
{
    ++m_hub.viewers;
    // The browser retries this soon after a dropped connection, carrying the last id it saw.
    bool alive = write("retry: 1000\n\n");
    qint64 seen = ResumeFrom(request);
    std::vector<FeedHub::Message> messages;
    while (alive) {
        messages.clear();
        const FeedHub::Next next = m_hub.Take(seen, messages, std::chrono::milliseconds(KeepAliveMs), &m_stopping);
        if (next == FeedHub::Next::Stopped)
            break;
        if (next == FeedHub::Next::Timeout) {
            alive = write(": keep-alive\n\n");
            continue;
        }
        QByteArray out;
        for (const FeedHub::Message& message : messages)
            out += SseEvent(message);
        alive = write(out);
    }
    --m_hub.viewers;
}

void FeedServer::SocketOpened(WebServer::Socket& socket)
{
    auto* sender = new Sender;
    socket.data = sender;
    ++m_hub.viewers;
    sender->thread = std::thread([this, sender, &socket] {
        WebServer::YieldToInterface();
        qint64 seen = ResumeFrom(socket.request);
        std::vector<FeedHub::Message> messages;
        while (!sender->closed && !m_stopping) {
            messages.clear();
            const FeedHub::Next next =
                m_hub.Take(seen, messages, std::chrono::milliseconds(KeepAliveMs), &sender->closed, &m_stopping);
            if (next == FeedHub::Next::Stopped)
                break;
            if (next == FeedHub::Next::Timeout)
                continue;
            bool sent = true;
            for (const FeedHub::Message& message : messages)
                sent = sent && socket.Send(message.json);
            if (!sent)
                break;
        }
    });
}

void FeedServer::SocketClosed(WebServer::Socket& socket)
{
    auto* sender = static_cast<Sender*>(socket.data);
    if (!sender)
        return;
    sender->closed = true;
    m_hub.Wake();
    if (sender->thread.joinable())
        sender->thread.join();
    delete sender;
    socket.data = nullptr;
    --m_hub.viewers;
}
