// How long the program takes from being started with "bypass" to the scoreboard's first
// painted frame, and how that compares with a bare Qt Widgets program putting up one
// empty window. Each run is a fresh process on the offscreen platform with an empty
// configuration directory; the clock starts just before the process is spawned.
#include "helpers/FirstFrame.h"
#include "helpers/Median.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int WarmUpRuns = 2;
constexpr int MeasuredRuns = 11;

// Milliseconds from spawning the program to the frame it reports, or nothing on failure.
std::optional<double> TimeToFirstFrame(const QString& program, const QStringList& arguments)
{
    QTemporaryDir config;
    QTemporaryDir runtime;
    if (!config.isValid() || !runtime.isValid())
        return std::nullopt;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const long long started = FirstFrame::MonotonicNs();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        std::fprintf(stderr, "bench_startup: %s did not finish cleanly: %s\n", qUtf8Printable(program),
                     process.readAllStandardError().constData());
        return std::nullopt;
    }
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("FRAME ")) {
            bool ok = false;
            const long long frame = line.mid(6).trimmed().toLongLong(&ok);
            if (ok)
                return (frame - started) / 1e6;
        }
    }
    std::fprintf(stderr, "bench_startup: %s reported no frame\n", qUtf8Printable(program));
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QDir helpers(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers"));
    const QString ours = helpers.filePath(QStringLiteral("startup_probe"));
    const QString bare = helpers.filePath(QStringLiteral("bare_window_probe"));
    const QStringList bypass{QStringLiteral("bypass")};

    // The first runs fill the page cache with the libraries; they are not counted.
    const QStringList text{QStringLiteral("text")};
    for (int run = 0; run < WarmUpRuns; ++run) {
        if (!TimeToFirstFrame(ours, bypass) || !TimeToFirstFrame(bare, {}) || !TimeToFirstFrame(bare, text))
            return 1;
    }
    // Interleaved, so a busy moment on the machine falls on every program alike.
    std::vector<double> oursMs;
    std::vector<double> bareMs;
    std::vector<double> bareTextMs;
    for (int run = 0; run < MeasuredRuns; ++run) {
        const auto a = TimeToFirstFrame(ours, bypass);
        const auto b = TimeToFirstFrame(bare, {});
        const auto c = TimeToFirstFrame(bare, text);
        if (!a || !b || !c)
            return 1;
        oursMs.push_back(*a);
        bareMs.push_back(*b);
        bareTextMs.push_back(*c);
    }

    const double oursMedian = Median(oursMs);
    const double bareMedian = Median(bareMs);
    const double bareTextMedian = Median(bareTextMs);
    std::printf("BENCH startup.bypass_to_first_frame %.1f ms\n", oursMedian);
    std::printf("BENCH startup.bare_qt_to_first_frame %.1f ms\n", bareMedian);
    std::printf("BENCH startup.ratio_vs_bare_qt %.2f ratio\n", oursMedian / bareMedian);
    // The same against a bare window with one line of text: what is left once the font
    // system, which every window with text starts, is paid on both sides.
    std::printf("BENCH startup.bare_qt_text_to_first_frame %.1f ms\n", bareTextMedian);
    std::printf("BENCH startup.ratio_vs_bare_qt_text %.2f ratio\n", oursMedian / bareTextMedian);
    return 0;
}
