// How soon a blind operator hears a raise: from the Up key with the focus on the board to the
// moment speech-dispatcher is asked to say the new amount, with Orca itself listening on a
// private desktop (bench/helpers/speech_probe.py). The clock starts just before the key is
// injected and stops when the speech module is started for the amount: an upper bound of the
// request. Without Orca installed there is nothing to measure, and it says so.
#include "helpers/Median.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>
#include <vector>

namespace {

constexpr int Raises = 15;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    for (const char* tool : {"orca", "speech-dispatcher", "espeak-ng", "dbus-run-session", "Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) {
            std::printf("BENCH-SKIP a11y.key_to_speech_request %s is not installed\n", tool);
            return 0;
        }
    }
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QStringLiteral("dbus-run-session"),
                {QStringLiteral("--"), QStringLiteral("/usr/bin/python3"), QStringLiteral(GAVELOR_SPEECH_PROBE),
                 QStringLiteral(GAVELOR_EXECUTABLE), QString::number(Raises)});
    if (!probe.waitForFinished(300000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) {
        std::fprintf(stderr, "bench_a11y: the speech probe failed\n");
        return 1;
    }
    std::vector<double> latencies;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        bool ok = false;
        const double ms = line.trimmed().toDouble(&ok);
        if (ok)
            latencies.push_back(ms);
    }
    if (latencies.size() != size_t{Raises}) {
        std::fprintf(stderr, "bench_a11y: %zu of %d raises timed\n", latencies.size(), Raises);
        return 1;
    }
    std::printf("BENCH a11y.key_to_speech_request %.1f ms\n", Median(latencies));
    return 0;
}
