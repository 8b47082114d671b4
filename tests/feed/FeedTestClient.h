#pragma once
// Plain-socket clients for the feed's tests: what a browser, a curl or a hostile program sends,
// byte for byte, on loopback.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace FeedTest {

// A port nothing listens on now.
inline quint16 FreePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

// A connected socket, or -1.
inline int Connect(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

inline bool SendAll(int fd, QByteArrayView data)
{
    qsizetype sent = 0;
    while (sent < data.size()) {
        const ssize_t n = ::send(fd, data.data() + sent, static_cast<size_t>(data.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += n;
    }
    return true;
}

// Whatever arrives within the time; stops early once `enough` says so or the peer closes.
template <typename Enough> inline QByteArray ReadFor(int fd, int timeoutMs, Enough enough, bool* closed = nullptr)
{
    QByteArray data;
    QElapsedTimer timer;
    timer.start();
    if (closed)
        *closed = false;
    while (!enough(data)) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            break;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0)
            break;
        char buffer[16384];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            if (closed)
                *closed = true;
            break;
        }
        data.append(buffer, n);
    }
    return data;
}

inline QByteArray ReadUntilClosed(int fd, int timeoutMs, bool* closed = nullptr)
{
    return ReadFor(
        fd, timeoutMs, [](const QByteArray&) { return false; }, closed);
}

struct Reply
{
    int status = 0;
    QByteArray head;
    QByteArray body;

    QByteArray Header(const QByteArray& name) const
    {
        for (const QByteArray& line : head.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }
};

inline Reply Parse(const QByteArray& raw)
{
    Reply reply;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    reply.head = end < 0 ? raw : raw.left(end);
    reply.body = end < 0 ? QByteArray() : raw.mid(end + 4);
    const QList<QByteArray> status = reply.head.left(reply.head.indexOf('\r')).split(' ');
    if (status.size() >= 2 && status[0].startsWith("HTTP/"))
        reply.status = status[1].toInt();
    return reply;
}

// One whole request as given, the answer read until the server closes.
inline Reply Raw(quint16 port, const QByteArray& request, int timeoutMs = 5000)
{
    const int fd = Connect(port);
    if (fd < 0)
        return {};
    SendAll(fd, request);
    const QByteArray raw = ReadUntilClosed(fd, timeoutMs);
    ::close(fd);
    return Parse(raw);
}

inline Reply Get(quint16 port, const QByteArray& target, const QByteArray& extraHeaders = {})
{
    return Raw(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) + "\r\n" +
                         extraHeaders + "\r\n");
}

// One Server-Sent Event as read off the stream.
struct Event
{
    QByteArray id;
    QByteArray name;
    QByteArray data;
};

inline QList<Event> ParseEvents(const QByteArray& stream)
{
    QList<Event> events;
    const qsizetype start = stream.indexOf("\r\n\r\n");
    const QList<QByteArray> blocks = stream.mid(start < 0 ? 0 : start + 4).split('\n');
    Event current;
    bool any = false;
    for (const QByteArray& line : blocks) {
        if (line.isEmpty()) {
            if (any && !current.data.isEmpty())
                events.append(current);
            current = {};
            any = false;
        } else if (line.startsWith("id: ")) {
            current.id = line.mid(4);
            any = true;
        } else if (line.startsWith("event: ")) {
            current.name = line.mid(7);
            any = true;
        } else if (line.startsWith("data: ")) {
            current.data = line.mid(6);
            any = true;
        }
    }
    return events;
}

// An open /events stream.
class SseStream
{
public:
    SseStream(quint16 port, const QByteArray& target, const QByteArray& lastEventId = {})
    {
        m_fd = Connect(port);
        QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: text/event-stream\r\n";
        if (!lastEventId.isEmpty())
            request += "Last-Event-ID: " + lastEventId + "\r\n";
        if (m_fd >= 0)
            SendAll(m_fd, request + "\r\n");
    }
    ~SseStream() { Close(); }
    void Close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    bool isOpen() const { return m_fd >= 0; }

    // Reads until `count` events in all have come, or the time is up.
    QList<Event> WaitFor(qsizetype count, int timeoutMs = 5000)
    {
        m_raw +=
            ReadFor(m_fd, timeoutMs, [&](const QByteArray& more) { return ParseEvents(m_raw + more).size() >= count; });
        return ParseEvents(m_raw);
    }

    // Reads until the stream has carried the text, or the time is up.
    bool WaitForText(const QByteArray& text, int timeoutMs = 5000)
    {
        const qsizetype from = std::max<qsizetype>(0, m_raw.size() - text.size());
        if (m_raw.indexOf(text, from) >= 0)
            return true;
        m_raw += ReadFor(m_fd, timeoutMs, [&](const QByteArray& more) {
            return more.contains(text) || (m_raw + more.left(text.size())).indexOf(text, from) >= 0;
        });
        return m_raw.indexOf(text, from) >= 0;
    }

private:
    int m_fd = -1;
    QByteArray m_raw;
};

} // namespace FeedTest
