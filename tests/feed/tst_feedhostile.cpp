// Clients that mean harm, on loopback: malformed and oversized requests, slow-loris, a flood of
// connection attempts, broken WebSocket frames, a client that never reads. Throughout, the board
// goes on publishing and a client that behaves keeps receiving every change.
#include "feed/FeedHub.h"
#include "feed/FeedServer.h"
#include "feed/FeedState.h"

#include "feed/FeedTestClient.h"

#include <QTest>

#include <sys/resource.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace FeedTest;

namespace {

const QByteArray Code = "H3XW9R";

FeedState Amount(qint32 amount)
{
    FeedState state;
    state.lotNumber = 7;
    state.amount = amount;
    return state;
}

QByteArray Upgrade(quint16 port)
{
    return "GET /ws?code=" + Code + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port) +
           "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
           "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n\r\n";
}

// A client's frame: FIN, opcode, optionally masked, length up to 65535.
QByteArray Frame(int opcode, const QByteArray& payload, bool masked)
{
    QByteArray frame;
    frame.append(static_cast<char>(0x80 | opcode));
    const char mask = masked ? static_cast<char>(0x80) : static_cast<char>(0);
    if (payload.size() < 126) {
        frame.append(static_cast<char>(mask | static_cast<char>(payload.size())));
    } else {
        frame.append(static_cast<char>(mask | 126));
        frame.append(static_cast<char>(payload.size() >> 8));
        frame.append(static_cast<char>(payload.size() & 0xFF));
    }
    const char key[4] = {0x12, 0x34, 0x56, 0x78};
    if (masked)
        frame.append(key, 4);
    for (qsizetype i = 0; i < payload.size(); ++i)
        frame.append(masked ? static_cast<char>(payload[i] ^ key[i % 4]) : payload[i]);
    return frame;
}

} // namespace

class tst_FeedHostile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void malformedRequests_data();
    void malformedRequests();
    void requestTakesTooLong();
    void slowLorisLeavesValidClientsServed();
    void connectionFlood();
    void invalidWebSocketFrames_data();
    void invalidWebSocketFrames();
    void clientThatNeverReads();

private:
    // The feed is still there for a client that behaves.
    void verifyServes();

    FeedHub m_hub;
    std::unique_ptr<FeedServer> m_server;
    quint16 m_port = 0;
    int m_amount = 100;
};

void tst_FeedHostile::initTestCase()
{
    // Thousands of sockets, both ends in this process.
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

void tst_FeedHostile::init()
{
    m_port = FreePort();
    m_server = std::make_unique<FeedServer>(m_hub);
    FeedServer::Config config;
    config.port = m_port;
    config.address = "127.0.0.1";
    config.accessCode = Code;
    // Short, so that a test of the limit takes seconds.
    config.requestTimeoutMs = 1500;
    QVERIFY(m_server->Start(config));
    m_hub.Publish(Amount(m_amount));
}

void tst_FeedHostile::cleanup()
{
    m_server.reset();
}

void tst_FeedHostile::verifyServes()
{
    m_hub.Publish(Amount(++m_amount));
    const Reply reply = Get(m_port, "/state?code=" + Code);
    QCOMPARE(reply.status, 200);
    FeedState state;
    QVERIFY(FeedState::FromJson(reply.body, &state));
    QCOMPARE(state.amount, m_amount);
}

void tst_FeedHostile::malformedRequests_data()
{
    QTest::addColumn<QByteArray>("request");
    const QByteArray code = "?code=" + Code;
    QTest::newRow("garbage") << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11);
    QTest::newRow("no version") << "GET /state" + code + "\r\n\r\n";
    QTest::newRow("bad version") << "GET /state" + code + " HTTP/9.9\r\n\r\n";
    QTest::newRow("header without colon") << "GET /state" + code + " HTTP/1.1\r\nHost\r\n\r\n";
    QTest::newRow("headers of 9 KiB") << "GET /state" + code + " HTTP/1.1\r\nX-Big: " + QByteArray(9 * 1024, 'a') +
                                             "\r\n\r\n";
    QTest::newRow("path of 9 KiB") << "GET /" + QByteArray(9 * 1024, 'a') + code + " HTTP/1.1\r\n\r\n";
    QTest::newRow("many headers") << "GET /state" + code + " HTTP/1.1\r\n" + QByteArray("X: y\r\n").repeated(200) +
                                         "\r\n";
    QTest::newRow("negative length") << "POST /state" + code + " HTTP/1.1\r\nContent-Length: -5\r\n\r\n";
    QTest::newRow("huge length") << "POST /state" + code + " HTTP/1.1\r\nContent-Length: 99999999999999999999\r\n\r\n";
    QTest::newRow("nul in the line") << QByteArray("GET /st\0ate HTTP/1.1\r\n\r\n", 25);
    QTest::newRow("bare line feeds") << "GET /state" + code + " HTTP/1.1\nHost: x\n\n";
}

void tst_FeedHostile::malformedRequests()
{
    QFETCH(QByteArray, request);
    const Reply reply = Raw(m_port, request, 4000);
    // Refused, or understood and answered as a well-formed request would be; nothing else.
    FeedState state;
    QVERIFY2(reply.status == 0 || reply.status >= 400 ||
                 (reply.status == 200 && FeedState::FromJson(reply.body, &state)),
             reply.head.constData());
    QVERIFY(reply.status != 200 || !request.contains(QByteArray(9 * 1024, 'a')));
    verifyServes();
}

void tst_FeedHostile::requestTakesTooLong()
{
    // Half a request, then silence, then a byte now and then: the server gives up on it.
    const int fd = Connect(m_port);
    QVERIFY(fd >= 0);
    SendAll(fd, "GET /state?code=" + Code + " HTTP/1.1\r\n");
    bool closed = false;
    QElapsedTimer timer;
    timer.start();
    while (!closed && timer.elapsed() < 8000) {
        SendAll(fd, "X");
        ReadFor(
            fd, 400, [](const QByteArray&) { return false; }, &closed);
    }
    ::close(fd);
    QVERIFY2(closed, "the server kept a request that never ended");
    verifyServes();
}

void tst_FeedHostile::slowLorisLeavesValidClientsServed()
{
    SseStream valid(m_port, "/events?code=" + Code);
    QCOMPARE(valid.WaitFor(1).size(), 1);

    // 1,000 connections, each trickling a request a byte at a time.
    std::vector<int> loris;
    for (int i = 0; i < 1000; ++i) {
        const int fd = Connect(m_port);
        if (fd >= 0)
            loris.push_back(fd);
    }
    QVERIFY(loris.size() >= 900);
    std::atomic_bool done{false};
    std::thread trickle([&] {
        const QByteArray start = "GET /state?code=" + Code + " HTTP/1.1\r\n";
        for (int round = 0; !done && round < 40; ++round) {
            for (int fd : loris)
                SendAll(fd, round < start.size() ? start.mid(round, 1) : QByteArray("X"));
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
    });
    // The sale goes on meanwhile; the valid client gets every change.
    constexpr int Changes = 20;
    for (int i = 0; i < Changes; ++i) {
        m_hub.Publish(Amount(++m_amount));
        QTest::qWait(100);
    }
    const QList<Event> events = valid.WaitFor(1 + Changes, 5000);
    done = true;
    trickle.join();
    for (int fd : loris)
        ::close(fd);
    QCOMPARE(events.size(), 1 + Changes);
    FeedState last;
    QVERIFY(FeedState::FromJson(events.last().data, &last));
    QCOMPARE(last.amount, m_amount);
    QTRY_VERIFY_WITH_TIMEOUT(Get(m_port, "/state?code=" + Code).status == 200, 10000);
}

void tst_FeedHostile::connectionFlood()
{
    // 5,000 connection attempts in bursts of 500, as fast as the kernel takes them: each dropped
    // as soon as it is made, half of them after the start of a request.
    for (int burst = 0; burst < 10; ++burst) {
        std::vector<int> attempts;
        for (int i = 0; i < 500; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_port = htons(m_port);
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
            attempts.push_back(fd);
        }
        for (size_t i = 0; i < attempts.size(); ++i) {
            pollfd p{attempts[i], POLLOUT, 0};
            if (i % 2 && ::poll(&p, 1, 20) == 1)
                ::send(attempts[i], "GET /", 5, MSG_NOSIGNAL);
            ::close(attempts[i]);
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(Get(m_port, "/state?code=" + Code).status == 200, 10000);
    verifyServes();
}

void tst_FeedHostile::invalidWebSocketFrames_data()
{
    QTest::addColumn<QByteArray>("frames");
    QTest::newRow("unmasked") << Frame(0x1, "hello", false);
    QTest::newRow("reserved opcode") << Frame(0x3, "x", true);
    QTest::newRow("reserved bits") << QByteArray("\xF1\x81\x00\x00\x00\x00\x41", 7);
    QTest::newRow("message over 1 KiB") << Frame(0x1, QByteArray(2000, 'a'), true);
    QTest::newRow("length beyond what comes") << QByteArray("\x81\xFF\x7F\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 10);
    QTest::newRow("control frame too long") << Frame(0x9, QByteArray(200, 'p'), true);
    QTest::newRow("garbage") << QByteArray(64, '\xFF');
    QTest::newRow("a write to the sale") << Frame(0x1, "{\"amount\":1}", true);
}

void tst_FeedHostile::invalidWebSocketFrames()
{
    QFETCH(QByteArray, frames);
    const int fd = Connect(m_port);
    SendAll(fd, Upgrade(m_port));
    const QByteArray opened = ReadFor(fd, 3000, [](const QByteArray& d) { return d.contains("\"type\":\"state\""); });
    QVERIFY(opened.startsWith("HTTP/1.1 101"));
    SendAll(fd, frames);
    ReadFor(fd, 500, [](const QByteArray&) { return false; });
    ::close(fd);
    verifyServes();
    // Whatever came in, the sale is as the board left it.
    QCOMPARE(m_hub.CurrentState().amount, m_amount);
}

void tst_FeedHostile::clientThatNeverReads()
{
    // Several sockets that take no data, with the receive buffers as small as they go.
    std::vector<int> stuck;
    for (int i = 0; i < 8; ++i) {
        const int fd = Connect(m_port);
        int small = 1024;
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        SendAll(fd, i % 2 ? Upgrade(m_port) : "GET /events?code=" + Code + " HTTP/1.1\r\n\r\n");
        stuck.push_back(fd);
    }
    SseStream valid(m_port, "/events?code=" + Code);
    QCOMPARE(valid.WaitFor(1).size(), 1);
    // Large states, many of them: far more than the stuck sockets' buffers hold.
    FeedState big = Amount(0);
    big.note = QString(4000, u'N');
    constexpr int Changes = 300;
    for (int i = 0; i < Changes; ++i) {
        big.amount = ++m_amount;
        m_hub.Publish(big);
    }
    // The valid client catches up, whole state or every change, and ends on the latest.
    QVERIFY(valid.WaitForText("\"amount\":" + QByteArray::number(m_amount) + ',', 5000));
    for (int fd : stuck)
        ::close(fd);
    verifyServes();
}

QTEST_GUILESS_MAIN(tst_FeedHostile)
#include "tst_feedhostile.moc"
