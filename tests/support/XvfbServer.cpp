#include "support/XvfbServer.h"

#include "support/XClients.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>

#include <cstdio>

XvfbServer::XvfbServer(const QStringList& extraArguments)
{
    QStringList arguments{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                          QStringLiteral("-nolisten"), QStringLiteral("tcp")};
    arguments += extraArguments;
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.setStandardErrorFile(QProcess::nullDevice());
    m_server.start(QStringLiteral("Xvfb"), arguments);
    if (!m_server.waitForStarted(10000)) {
        m_error = QStringLiteral("Xvfb could not be started: ") + m_server.errorString();
        return;
    }
    // The server writes its display number once it accepts clients.
    QByteArray line;
    QDeadlineTimer deadline(20000);
    while (!line.contains('\n') && !deadline.hasExpired()) {
        if (!m_server.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
        line += m_server.readAllStandardOutput();
    }
    bool ok = false;
    const int number = line.trimmed().toInt(&ok);
    if (!ok) {
        m_error = QStringLiteral("Xvfb did not report a display number");
        m_server.kill();
        m_server.waitForFinished(5000);
        return;
    }
    m_display = QStringLiteral(":%1").arg(number);
}

XvfbServer::~XvfbServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}

int XvfbServer::runClient(const QString& program, const QStringList& arguments, QByteArray* output) const
{
    return RunXClient(m_display, program, arguments, output);
}

int RunOnXvfb(int argc, char** argv, QObject* test, const QStringList& serverArguments)
{
    XvfbServer server(serverArguments);
    if (!server.isRunning()) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(server.error()));
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(test, argc, argv);
}
