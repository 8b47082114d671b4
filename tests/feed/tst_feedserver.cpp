// The feed as a client on the network meets it: the access code, the paths that exist and the
// ones that do not, the headers every page carries, /state, and /events resuming without a gap.
#include "feed/FeedHub.h"
#include "feed/FeedServer.h"
#include "feed/FeedState.h"

#include "feed/FeedTestClient.h"

#include <QTest>

using namespace FeedTest;

namespace {

const QByteArray Code = "K7PQ2M";

FeedState Board(qint32 lot, qint32 amount)
{
    FeedState state;
    state.sale = QStringLiteral("2024-05-04T10:00:00.000+02:00");
    state.lotNumber = lot;
    state.amount = amount;
    state.note = QStringLiteral("Oak chest <b>&</b>");
    return state;
}

} // namespace

class tst_FeedServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void accessCode_data();
    void accessCode();
    void cookieFromCodeOpensThePages();
    void onlyTheFeedsPathsExist_data();
    void onlyTheFeedsPathsExist();
    void pagesCarryTheirPolicy_data();
    void pagesCarryTheirPolicy();
    void stateIsTheLatestBoard();
    void wrongCodesBlockTheAddress();
    void eventsResumeWithoutGap();
    void clientTooFarBehindGetsTheWholeState();
    void webSocketChecksOrigin();

private:
    FeedHub m_hub;
    std::unique_ptr<FeedServer> m_server;
    quint16 m_port = 0;
};

void tst_FeedServer::initTestCase()
{
    m_port = FreePort();
    m_server = std::make_unique<FeedServer>(m_hub);
    FeedServer::Config config;
    config.port = m_port;
    config.address = "127.0.0.1";
    config.accessCode = Code;
    config.maxConnections = 50;
    QString error;
    QVERIFY2(m_server->Start(config, &error), qPrintable(error));
    m_hub.Publish(Board(12, 950));
}

void tst_FeedServer::cleanupTestCase()
{
    m_server.reset();
}

void tst_FeedServer::accessCode_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("headers");
    QTest::addColumn<int>("status");
    for (const char* path : {"/", "/board", "/overlay", "/state", "/events", "/ws", "/nothing"}) {
        const QByteArray p(path);
        QTest::addRow("%s without a code", path) << p << QByteArray() << 403;
        QTest::addRow("%s with a wrong code", path) << p + "?code=AAAAAA" << QByteArray() << 403;
        QTest::addRow("%s with a wrong cookie", path) << p << QByteArray("Cookie: gavelor_feed=AAAAAA\r\n") << 403;
    }
    QTest::newRow("code one character short") << QByteArray("/state?code=K7PQ2") << QByteArray() << 403;
    QTest::newRow("code with one more") << QByteArray("/state?code=K7PQ2MX") << QByteArray() << 403;
    QTest::newRow("code in lower case") << QByteArray("/state?code=k7pq2m") << QByteArray() << 200;
    QTest::newRow("code among other parameters")
        << QByteArray("/overlay?scale=2&code=K7PQ2M&position=top") << QByteArray() << 200;
}

void tst_FeedServer::accessCode()
{
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, headers);
    QFETCH(int, status);
    const Reply reply = Get(m_port, target, headers);
    QCOMPARE(reply.status, status);
    if (status == 403) {
        QVERIFY(!reply.body.contains("Oak chest"));
        QVERIFY(reply.Header("Set-Cookie").isEmpty());
    }
}

void tst_FeedServer::cookieFromCodeOpensThePages()
{
    const Reply first = Get(m_port, "/?code=" + Code);
    QCOMPARE(first.status, 200);
    const QByteArray cookie = first.Header("Set-Cookie");
    QVERIFY(cookie.startsWith("gavelor_feed=" + Code + ";"));
    QVERIFY(cookie.contains("HttpOnly"));
    // The page's own requests carry the cookie, not the code.
    const Reply state = Get(m_port, "/state", "Cookie: " + cookie.left(cookie.indexOf(';')) + "\r\n");
    QCOMPARE(state.status, 200);
}

void tst_FeedServer::onlyTheFeedsPathsExist_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    const QByteArray code = "code=" + Code;
    auto get = [&](const QByteArray& target) {
        return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    };
    QTest::newRow("traversal") << get("/../../../../etc/passwd?" + code) << 404;
    QTest::newRow("encoded traversal") << get("/%2e%2e/%2e%2e/etc/passwd?" + code) << 404;
    QTest::newRow("encoded slash after a page") << get("/board%2F..%2F..%2Fetc%2Fpasswd?" + code) << 404;
    QTest::newRow("page with a trailing slash") << get("/board/?" + code) << 404;
    QTest::newRow("page with a suffix") << get("/board.html?" + code) << 404;
    QTest::newRow("resource path") << get("/feed.js?" + code) << 404;
    QTest::newRow("double slash") << get("//state?" + code) << 404;
    QTest::newRow("double encoded") << get("/%2573tate?" + code) << 404;
    QTest::newRow("post") << "POST /state?" + code + " HTTP/1.1\r\nHost: x\r\nContent-Length: 2\r\n\r\n{}" << 405;
    QTest::newRow("put") << "PUT /?" + code + " HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\n\r\n" << 405;
    QTest::newRow("ws without upgrade") << get("/ws?" + code) << 400;
}

void tst_FeedServer::onlyTheFeedsPathsExist()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    const Reply reply = Raw(m_port, request);
    QCOMPARE(reply.status, status);
    QVERIFY(!reply.body.contains("root:"));
    // Nothing changed the sale.
    QCOMPARE(m_hub.CurrentState().amount, 950);
}

void tst_FeedServer::pagesCarryTheirPolicy_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("type");
    QTest::newRow("phone") << QByteArray("/") << QByteArray("text/html");
    QTest::newRow("board") << QByteArray("/board") << QByteArray("text/html");
    QTest::newRow("overlay") << QByteArray("/overlay") << QByteArray("text/html");
    QTest::newRow("state") << QByteArray("/state") << QByteArray("application/json");
    QTest::newRow("not found") << QByteArray("/missing") << QByteArray("text/plain");
}

void tst_FeedServer::pagesCarryTheirPolicy()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, type);
    const Reply reply = Get(m_port, path + "?code=" + Code);
    QVERIFY(reply.Header("Content-Type").startsWith(type));
    QCOMPARE(reply.Header("X-Content-Type-Options"), QByteArray("nosniff"));
    const QByteArray policy = reply.Header("Content-Security-Policy");
    QVERIFY(policy.startsWith("default-src 'none'"));
    QVERIFY(!policy.contains("unsafe-inline"));
    if (type == "text/html") {
        // Everything the page needs is inside it: nothing from another server.
        QVERIFY(!QByteArray(reply.body).replace("http://www.w3.org/2000/svg", "").contains("http://"));
        QVERIFY(!reply.body.contains("https://"));
        QVERIFY(!reply.body.contains("{{"));
        QVERIFY(policy.contains("script-src 'sha256-"));
    }
}

void tst_FeedServer::stateIsTheLatestBoard()
{
    m_hub.Publish(Board(12, 1050));
    const Reply reply = Get(m_port, "/state?code=" + Code);
    FeedState state;
    QString type;
    QVERIFY(FeedState::FromJson(reply.body, &state, &type));
    QCOMPARE(type, QStringLiteral("state"));
    QCOMPARE(state.amount, 1050);
    QCOMPARE(state.note, QStringLiteral("Oak chest <b>&</b>"));
    QCOMPARE(state.sequence, m_hub.Sequence());
}

void tst_FeedServer::wrongCodesBlockTheAddress()
{
    // A server of its own: the block outlasts the test.
    FeedServer server(m_hub);
    FeedServer::Config config;
    config.port = FreePort();
    config.address = "127.0.0.1";
    config.accessCode = Code;
    QVERIFY(server.Start(config));
    const quint16 port = config.port;
    for (int attempt = 1; attempt < AccessGate::MaxFailures; ++attempt)
        QCOMPARE(Get(port, "/state?code=WRONG1").status, 403);
    // Asking without a code is no guess.
    QCOMPARE(Get(port, "/state").status, 403);
    QCOMPARE(Get(port, "/state?code=" + Code).status, 200);
    QCOMPARE(Get(port, "/state?code=WRONG1").status, 403);
    // The twentieth wrong code: the right one no longer helps.
    QCOMPARE(Get(port, "/state?code=" + Code).status, 429);
    QCOMPARE(Get(port, "/?code=" + Code).status, 429);
}

void tst_FeedServer::eventsResumeWithoutGap()
{
    const qint64 first = m_hub.Sequence();
    qint64 dropped = 0;
    {
        SseStream stream(m_port, "/events?code=" + Code);
        QList<Event> events = stream.WaitFor(1);
        QCOMPARE(events.size(), 1);
        QCOMPARE(events[0].name, QByteArray("state"));
        QCOMPARE(events[0].id.toLongLong(), first);
        m_hub.Publish(Board(12, 1000));
        m_hub.Publish(Board(12, 1100));
        events = stream.WaitFor(3);
        QCOMPARE(events.size(), 3);
        QCOMPARE(events[1].name, QByteArray("change"));
        dropped = events.last().id.toLongLong();
        QCOMPARE(dropped, first + 2);
    }
    // The sale moves on while the client is away.
    for (int amount = 1200; amount <= 1600; amount += 100)
        m_hub.Publish(Board(12, amount));
    SseStream again(m_port, "/events?code=" + Code, QByteArray::number(dropped));
    const QList<Event> events = again.WaitFor(5);
    QCOMPARE(events.size(), 5);
    for (qsizetype i = 0; i < events.size(); ++i) {
        QCOMPARE(events[i].name, QByteArray("change"));
        QCOMPARE(events[i].id.toLongLong(), dropped + 1 + i);
        FeedState state;
        QVERIFY(FeedState::FromJson(events[i].data, &state));
        QCOMPARE(state.amount, 1200 + 100 * static_cast<int>(i));
    }
    // Nothing more: no duplicate follows.
    QCOMPARE(again.WaitFor(6, 300).size(), 5);
}

void tst_FeedServer::clientTooFarBehindGetsTheWholeState()
{
    const qint64 old = m_hub.Sequence();
    for (int i = 1; i <= FeedHub::Backlog + 10; ++i)
        m_hub.Publish(Board(12, 950 + i));
    for (const QByteArray& lastId :
         {QByteArray::number(old), QByteArray::number(m_hub.Sequence() + 50), QByteArray("not a number")}) {
        SseStream stream(m_port, "/events?code=" + Code, lastId);
        const QList<Event> events = stream.WaitFor(2, 500);
        QCOMPARE(events.size(), 1);
        QCOMPARE(events[0].name, QByteArray("state"));
        QCOMPARE(events[0].id.toLongLong(), m_hub.Sequence());
    }
}

void tst_FeedServer::webSocketChecksOrigin()
{
    const QByteArray upgrade = "GET /ws?code=" + Code + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(m_port) +
                               "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                               "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n";
    QCOMPARE(Raw(m_port, upgrade + "Origin: http://evil.example\r\n\r\n").status, 403);
    QCOMPARE(Raw(m_port, upgrade + "Origin: http://127.0.0.1:1\r\n\r\n").status, 403);
    const int fd = Connect(m_port);
    SendAll(fd, upgrade + "Origin: http://127.0.0.1:" + QByteArray::number(m_port) + "\r\n\r\n");
    const QByteArray opened =
        ReadFor(fd, 3000, [](const QByteArray& data) { return data.contains("\"type\":\"state\""); });
    ::close(fd);
    QVERIFY2(opened.startsWith("HTTP/1.1 101"), opened.constData());
    QVERIFY(opened.contains("\"type\":\"state\""));
}

QTEST_GUILESS_MAIN(tst_FeedServer)
#include "tst_feedserver.moc"
