#include "support/XClients.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

// Xlib last: its macros clash with names in Qt's headers.
#include <X11/Xlib.h>

namespace {

constexpr int WindowWait = 40000;

QProcessEnvironment EnvironmentFor(const QString& display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    return environment;
}

// A monitor of `size` pixels at `x`, at 96 dpi, as xrandr --setmonitor takes it.
QString MonitorGeometry(QSize size, int x)
{
    const auto mm = [](int pixels) {
        return qRound(pixels * 25.4 / 96);
    };
    return QStringLiteral("%1/%2x%3/%4+%5+0")
        .arg(size.width())
        .arg(mm(size.width()))
        .arg(size.height())
        .arg(mm(size.height()))
        .arg(x);
}

bool Xrandr(const QStringList& arguments)
{
    return RunXClient({}, QStringLiteral("xrandr"), arguments) == 0;
}

} // namespace

int RunXClient(const QString& display, const QString& program, const QStringList& arguments, QByteArray* output)
{
    QProcess client;
    client.setProcessEnvironment(EnvironmentFor(display));
    client.start(program, arguments);
    if (!client.waitForStarted(10000) || !client.waitForFinished(20000))
        return -1;
    if (output)
        *output = client.readAllStandardOutput();
    return client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
}

QStringList VisibleWindows(const QString& display, const QString& title)
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    QByteArray output;
    if (RunXClient(display, QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern},
                   &output) != 0)
        return {};
    QStringList ids;
    for (const QByteArray& id : output.trimmed().split('\n')) {
        if (!id.isEmpty())
            ids.append(QString::fromLatin1(id));
    }
    return ids;
}

QString WaitForWindow(const QString& display, const QString& title)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < WindowWait) {
        const QStringList ids = VisibleWindows(display, title);
        if (!ids.isEmpty())
            return ids.last();
        QThread::msleep(100);
    }
    return {};
}

bool WaitForWindowGone(const QString& display, const QString& title)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < WindowWait) {
        if (VisibleWindows(display, title).isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool SendCloseBox(const QString& display, const QString& window)
{
    Display* connection = XOpenDisplay(display.isEmpty() ? nullptr : display.toLatin1().constData());
    if (!connection)
        return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.toULong();
    event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(connection, event.xclient.window, False, NoEventMask, &event) != 0;
    XFlush(connection);
    XCloseDisplay(connection);
    return sent;
}

bool SetMonitors(QSize left, QSize right)
{
    Xrandr({QStringLiteral("--delmonitor"), QStringLiteral("left")});
    Xrandr({QStringLiteral("--delmonitor"), QStringLiteral("right")});
    if (!left.isEmpty() && !Xrandr({QStringLiteral("--setmonitor"), QStringLiteral("left"), MonitorGeometry(left, 0),
                                    QStringLiteral("screen")}))
        return false;
    if (!right.isEmpty() && !Xrandr({QStringLiteral("--setmonitor"), QStringLiteral("right"),
                                     MonitorGeometry(right, left.width()), QStringLiteral("none")}))
        return false;
    const int wanted = right.isEmpty() ? 1 : 2;
    return QTest::qWaitFor([&] { return QGuiApplication::screens().size() == wanted; }, 10000);
}

bool StartProgramOnX(QProcess& program, const QString& executable, const QStringList& arguments, const QString& display,
                     const QString& configHome, double scale)
{
    QProcessEnvironment environment = EnvironmentFor(display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    if (scale > 0)
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    else
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(executable, arguments);
    return program.waitForStarted(10000);
}
