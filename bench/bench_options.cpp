// From F2 on the scoreboard to the options dialog's first painted frame, with a table of
// 1,000 increment ranges, on the offscreen platform.
#include "common/Prompts.h"
#include "helpers/Median.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmOptions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int RangeCount = 1000;
constexpr int Warmup = 3;
constexpr int Rounds = 25;

// Closes the dialog once its first paint, children included, is over, and notes when.
class FirstPaint : public QObject
{
public:
    FirstPaint(QDialog* dialog, const QElapsedTimer& clock, double& ms) : m_dialog(dialog), m_clock(clock), m_ms(ms)
    {
        dialog->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The children paint in the same pass; the queued call runs once it is over.
            QTimer::singleShot(0, m_dialog, [this] {
                m_ms = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
                m_dialog->reject();
            });
        }
        return false;
    }

private:
    QDialog* m_dialog;
    const QElapsedTimer& m_clock;
    double& m_ms;
    bool m_seen = false;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Prompts::setTestMode(true);

    MemorySettingsStore store;
    AppSettings settings(store);
    for (int n = 0; n < RangeCount; ++n) {
        auto range = std::make_shared<IncrementInfo>();
        range->Minimum = n * 500;
        range->Amount = 5 + n;
        settings.IncrementList->Add(range);
    }

    frmScoreboard scoreboard(settings);
    QElapsedTimer clock;
    double ms = 0.0;
    scoreboard.setOptionsOpener([&] {
        frmOptions dialog(settings, nullptr, &scoreboard);
        FirstPaint watcher(&dialog, clock, ms);
        dialog.exec();
    });
    scoreboard.resize(1024, 768);
    scoreboard.show();
    QCoreApplication::processEvents();
    auto* lot = scoreboard.findChild<NumberLED*>(QStringLiteral("nledLotNum"));

    std::vector<double> times;
    for (int round = 0; round < Warmup + Rounds; ++round) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F2, Qt::NoModifier);
        ms = -1.0;
        clock.start();
        QCoreApplication::sendEvent(lot, &press);
        QCoreApplication::sendEvent(lot, &release);
        if (ms < 0.0) {
            std::fprintf(stderr, "the dialog was never painted\n");
            return 1;
        }
        if (round >= Warmup)
            times.push_back(ms);
        QCoreApplication::processEvents();
    }
    std::printf("BENCH options.open.ms %.2f ms\n", Median(times));
    return 0;
}
