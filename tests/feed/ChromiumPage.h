#pragma once
// One page in Debian's headless Chromium, driven over its DevTools socket (Qt WebSockets): for
// the feed's tests and benchmark, which look at the pages where a browser shows them.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebSocket>

#include "feed/FeedTestClient.h"

class ChromiumPage
{
public:
    ~ChromiumPage()
    {
        m_socket.close();
        if (m_browser.state() != QProcess::NotRunning) {
            m_browser.terminate();
            if (!m_browser.waitForFinished(5000))
                m_browser.kill();
            m_browser.waitForFinished(2000);
        }
    }

    // Starts the browser on url; false with the reason in error() when it cannot.
    bool Open(const QString& url, int width, int height)
    {
        const QString binary = QStringLiteral("/usr/bin/chromium");
        m_browser.setProgram(binary);
        m_browser.setArguments(
            {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
             QStringLiteral("--no-first-run"), QStringLiteral("--hide-scrollbars"), QStringLiteral("--mute-audio"),
             QStringLiteral("--disable-background-timer-throttling"),
             QStringLiteral("--disable-renderer-backgrounding"), QStringLiteral("--remote-allow-origins=*"),
             QStringLiteral("--remote-debugging-port=0"), QStringLiteral("--user-data-dir=") + m_profile.path(),
             QStringLiteral("--window-size=%1,%2").arg(width).arg(height), url});
        // The browser's complaints about the missing desktop bus are not the test's concern.
        m_browser.setStandardErrorFile(QProcess::nullDevice());
        m_browser.setStandardOutputFile(QProcess::nullDevice());
        m_browser.start();
        if (!m_browser.waitForStarted(10000))
            return fail(QStringLiteral("chromium did not start"));
        // The browser names its DevTools port in its profile.
        QElapsedTimer timer;
        timer.start();
        QByteArray port;
        while (port.isEmpty() && timer.elapsed() < 20000) {
            QFile file(m_profile.filePath(QStringLiteral("DevToolsActivePort")));
            if (file.open(QIODevice::ReadOnly))
                port = file.readLine().trimmed();
            if (port.isEmpty())
                Wait(100);
        }
        if (port.isEmpty())
            return fail(QStringLiteral("chromium opened no DevTools port"));
        QString socketUrl;
        while (socketUrl.isEmpty() && timer.elapsed() < 20000) {
            const FeedTest::Reply list = FeedTest::Get(static_cast<quint16>(port.toUInt()), "/json/list");
            for (const QJsonValue& target : QJsonDocument::fromJson(list.body).array())
                if (target.toObject().value(QStringLiteral("type")).toString() == QStringLiteral("page"))
                    socketUrl = target.toObject().value(QStringLiteral("webSocketDebuggerUrl")).toString();
            if (socketUrl.isEmpty())
                Wait(100);
        }
        if (socketUrl.isEmpty())
            return fail(QStringLiteral("chromium shows no page"));
        QObject::connect(&m_socket, &QWebSocket::textMessageReceived, [this](const QString& text) {
            const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
            if (message.contains(QStringLiteral("id")))
                m_replies.insert(message.value(QStringLiteral("id")).toInt(), message);
        });
        QEventLoop loop;
        QObject::connect(&m_socket, &QWebSocket::connected, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        m_socket.open(QUrl(socketUrl));
        loop.exec();
        if (m_socket.state() != QAbstractSocket::ConnectedState)
            return fail(QStringLiteral("no DevTools connection"));
        return true;
    }

    // A DevTools command and its result; an empty object after the time.
    QJsonObject Call(const QString& method, const QJsonObject& params = {}, int timeoutMs = 10000)
    {
        const int id = ++m_nextId;
        m_socket.sendTextMessage(QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("id"), id},
                                                                             {QStringLiteral("method"), method},
                                                                             {QStringLiteral("params"), params}})
                                                       .toJson(QJsonDocument::Compact)));
        QElapsedTimer timer;
        timer.start();
        while (!m_replies.contains(id) && timer.elapsed() < timeoutMs)
            Wait(1);
        return m_replies.take(id).value(QStringLiteral("result")).toObject();
    }

    // The value of a script expression on the page.
    QJsonValue Evaluate(const QString& expression)
    {
        const QJsonObject result = Call(QStringLiteral("Runtime.evaluate"), {{QStringLiteral("expression"), expression},
                                                                             {QStringLiteral("returnByValue"), true}});
        return result.value(QStringLiteral("result")).toObject().value(QStringLiteral("value"));
    }

    // Waits until the expression is true on the page.
    bool WaitUntil(const QString& expression, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (Evaluate(expression).toBool())
                return true;
            Wait(10);
        }
        return false;
    }

    // Loads another address into the page.
    void Navigate(const QString& url) { Call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}}); }

    // What the page shows at this viewport size, with what it leaves transparent transparent.
    QImage Screenshot(int width, int height)
    {
        Call(QStringLiteral("Emulation.setDeviceMetricsOverride"), {{QStringLiteral("width"), width},
                                                                    {QStringLiteral("height"), height},
                                                                    {QStringLiteral("deviceScaleFactor"), 1},
                                                                    {QStringLiteral("mobile"), false}});
        Call(QStringLiteral("Emulation.setDefaultBackgroundColorOverride"),
             {{QStringLiteral("color"), QJsonObject{{QStringLiteral("r"), 0},
                                                    {QStringLiteral("g"), 0},
                                                    {QStringLiteral("b"), 0},
                                                    {QStringLiteral("a"), 0}}}});
        const QJsonObject shot =
            Call(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("format"), QStringLiteral("png")}});
        return QImage::fromData(QByteArray::fromBase64(shot.value(QStringLiteral("data")).toString().toLatin1()));
    }

    QString error() const { return m_error; }

    static void Wait(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }

private:
    bool fail(const QString& why)
    {
        m_error = why;
        return false;
    }

    QTemporaryDir m_profile;
    QProcess m_browser;
    QWebSocket m_socket;
    QHash<int, QJsonObject> m_replies;
    int m_nextId = 0;
    QString m_error;
};
