// The feed beyond the house: a real mosquitto broker on loopback, started by the test, and
// mosquitto_sub as the far side. The state arrives retained, every change as an event, and
// publishing resumes by itself when the broker comes back mid-sale.
#include "feed/FeedSettings.h"
#include "feed/FeedState.h"
#include "feed/LiveFeed.h"
#include "records/SettingsStore.h"

#include "feed/FeedTestClient.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace FeedTest;

class tst_FeedMqtt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void retainedStateAndEvents();
    void resumesAfterBrokerRestart();

private:
    bool startBroker();
    void stopBroker();
    // The retained state as a new subscriber gets it.
    FeedState retainedState();
    FeedState publish(qint32 amount);

    QTemporaryDir m_directory;
    QProcess m_broker;
    quint16 m_port = 0;
    MemorySettingsStore m_store;
    std::unique_ptr<LiveFeed> m_feed;
    int m_lot = 1;
};

bool tst_FeedMqtt::startBroker()
{
    const QString config = m_directory.filePath(QStringLiteral("mosquitto.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("listener " + QByteArray::number(m_port) + " 127.0.0.1\nallow_anonymous true\npersistence false\n");
    file.close();
    m_broker.start(QStringLiteral("/usr/sbin/mosquitto"), {QStringLiteral("-c"), config});
    if (!m_broker.waitForStarted(5000))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000) {
        const int fd = Connect(m_port);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        QTest::qWait(50);
    }
    return false;
}

void tst_FeedMqtt::stopBroker()
{
    m_broker.terminate();
    m_broker.waitForFinished(5000);
}

void tst_FeedMqtt::initTestCase()
{
    m_port = FreePort();
    QVERIFY(startBroker());
    m_feed = std::make_unique<LiveFeed>(m_store);
    FeedSettings settings;
    settings.enabled = true;
    settings.port = FreePort();
    settings.accessCode = QStringLiteral("MQTT22");
    settings.mqttBroker = QStringLiteral("127.0.0.1");
    settings.mqttPort = m_port;
    settings.mqttPrefix = QStringLiteral("house/room1");
    m_feed->Apply(settings);
    QTRY_VERIFY_WITH_TIMEOUT(m_feed->isMqttConnected(), 10000);
}

void tst_FeedMqtt::cleanupTestCase()
{
    m_feed.reset();
    stopBroker();
}

FeedState tst_FeedMqtt::publish(qint32 amount)
{
    FeedState state;
    state.lotNumber = m_lot;
    state.amount = amount;
    m_feed->Publish(state);
    return state;
}

FeedState tst_FeedMqtt::retainedState()
{
    QProcess sub;
    sub.start(QStringLiteral("mosquitto_sub"),
              {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port),
               QStringLiteral("-t"), QStringLiteral("house/room1/state"), QStringLiteral("-C"), QStringLiteral("1"),
               QStringLiteral("-W"), QStringLiteral("5")});
    sub.waitForFinished(8000);
    FeedState state;
    FeedState::FromJson(sub.readAllStandardOutput().trimmed(), &state);
    return state;
}

void tst_FeedMqtt::retainedStateAndEvents()
{
    publish(100);
    // A subscriber that comes later still gets the state, and no event it did not see.
    QTRY_COMPARE_WITH_TIMEOUT(retainedState().amount, 100, 10000);

    QProcess events;
    events.start(QStringLiteral("mosquitto_sub"),
                 {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QString::number(m_port),
                  QStringLiteral("-q"), QStringLiteral("1"), QStringLiteral("-t"), QStringLiteral("house/room1/events"),
                  QStringLiteral("-C"), QStringLiteral("3"), QStringLiteral("-W"), QStringLiteral("10")});
    QVERIFY(events.waitForStarted());
    // Time for the subscription to reach the broker.
    QTest::qWait(500);
    publish(110);
    publish(120);
    publish(130);
    QVERIFY(events.waitForFinished(12000));
    const QList<QByteArray> lines = events.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    qint64 previous = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        FeedState state;
        QString type;
        QVERIFY(FeedState::FromJson(lines[i], &state, &type));
        QCOMPARE(type, QStringLiteral("change"));
        QCOMPARE(state.amount, 110 + 10 * static_cast<int>(i));
        if (previous)
            QCOMPARE(state.sequence, previous + 1);
        previous = state.sequence;
    }
    QCOMPARE(retainedState().amount, 130);
}

void tst_FeedMqtt::resumesAfterBrokerRestart()
{
    publish(200);
    QTRY_COMPARE_WITH_TIMEOUT(retainedState().amount, 200, 10000);
    stopBroker();
    QTRY_VERIFY_WITH_TIMEOUT(!m_feed->isMqttConnected(), 10000);
    // The sale goes on without the broker, and the board does not wait for it.
    ++m_lot;
    publish(300);
    publish(350);
    QVERIFY(startBroker());
    QTRY_VERIFY_WITH_TIMEOUT(m_feed->isMqttConnected(), 15000);
    // The broker kept nothing, yet it has the state as it is now.
    FeedState state;
    QTRY_VERIFY_WITH_TIMEOUT((state = retainedState()).amount == 350, 10000);
    QCOMPARE(state.lotNumber, m_lot);
    publish(400);
    QTRY_COMPARE_WITH_TIMEOUT(retainedState().amount, 400, 10000);
}

QTEST_GUILESS_MAIN(tst_FeedMqtt)
#include "tst_feedmqtt.moc"
