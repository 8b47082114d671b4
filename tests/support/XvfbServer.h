#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A private X server for the tests that need a real one (keyboard state, screens).
// Xvfb picks a free display number itself and tells it on a pipe; -noreset keeps the
// keyboard state when a client disconnects, which the NumLock tests depend on.
class XvfbServer
{
public:
    // extraArguments: e.g. {"-screen", "0", "3840x1080x24"}.
    explicit XvfbServer(const QStringList& extraArguments = {});
    ~XvfbServer();

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool isRunning() const { return !m_display.isEmpty(); }
    // ":<n>", or empty when the server did not start.
    QString display() const { return m_display; }
    // Why the server did not start.
    QString error() const { return m_error; }

    // Runs a program against this server (xdotool, xrandr) and returns its exit code;
    // -1 when it could not be started or did not finish within the timeout.
    int runClient(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) const;

private:
    QProcess m_server;
    QString m_display;
    QString m_error;
};

// A test main for widget tests that run on a real X server: starts Xvfb with the given
// extra arguments, points Qt's xcb platform at it, then runs the test class.
int RunOnXvfb(int argc, char** argv, QObject* test, const QStringList& serverArguments = {});

#define GAVELOR_XVFB_TEST_MAIN(TestClass, ...)                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TestClass test;                                                                                                \
        return RunOnXvfb(argc, argv, &test, ##__VA_ARGS__);                                                            \
    }
