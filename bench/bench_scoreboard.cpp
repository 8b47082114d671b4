// How long the scoreboard takes from a key press to the finished frame (a raise, and a step to
// the next lot with its note laid out), to paint the whole window at the sizes a sale room
// uses, and to rescale it to a 4K screen. On the offscreen
// platform, whose backing store is an image in memory, the figures are painting work alone;
// on an X server (figures ending ".xcb") they run to the frame the server has taken in,
// with text drawn the way a user's desktop draws it.
#include "common/Twips.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"

#include "helpers/FrameTiming.h"
#include "helpers/SaleFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using FrameTiming::FinishFrame;
using FrameTiming::PaintCounter;

namespace {

void SettleAt(QWidget& window, QSize size)
{
    window.resize(size);
    FinishFrame();
    window.repaint();
    FinishFrame();
}

double KeyToFrame(frmScoreboard& window, QWidget* target, NumberLED* ones, QSize size)
{
    SettleAt(window, size);
    if (window.size() != size)
        std::fprintf(stderr, "window is %dx%d, not %dx%d\n", window.width(), window.height(), size.width(),
                     size.height());
    PaintCounter counter;
    ones->installEventFilter(&counter);
    constexpr int Warmup = 10;
    constexpr int Presses = 50;
    const std::vector<double> times = FrameTiming::UpPressesToFrame(target, Warmup, Presses);
    ones->removeEventFilter(&counter);
    if (counter.paints < Warmup + Presses)
        std::fprintf(stderr, "only %d of %d presses were painted\n", counter.paints, Warmup + Presses);
    return Median(times);
}

// Lot steps: Right pressed and released on the lot display, each frame finished. Every lot
// brings a note of the longest length the lot editor admits, a different one each step, so
// that the note is laid out and its size fitted at every step.
double LotStepsToFrame(frmScoreboard& window, QWidget* target, QSize size, int steps)
{
    SettleAt(window, size);
    std::vector<double> times;
    constexpr int Warmup = 10;
    for (int i = 0; i < steps; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
        QElapsedTimer timer;
        timer.start();
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        FinishFrame();
        if (i >= Warmup)
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

double FullFrame(frmScoreboard& window, QSize size)
{
    SettleAt(window, size);
    std::vector<double> times;
    for (int i = 0; i < 25; ++i) {
        QElapsedTimer timer;
        timer.start();
        window.repaint();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (i >= 5)
            times.push_back(ms);
    }
    return Median(times);
}

// A window with nothing on it but its background, for what the platform itself spends
// on a resize: a new backing store of the new size, filled once.
class BareWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

// One rescale from the design size to the given size: the resize, StretchToWindow over
// every control and the single repaint of the whole window that ends it.
double StretchFrom(QWidget& window, QSize designSize, QSize size)
{
    PaintCounter counter;
    window.installEventFilter(&counter);
    std::vector<double> times;
    constexpr int Warmup = 3;
    constexpr int Stretches = 25;
    for (int i = 0; i < Warmup + Stretches; ++i) {
        SettleAt(window, designSize);
        counter.paints = 0;
        QElapsedTimer timer;
        timer.start();
        window.resize(size);
        FinishFrame();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (counter.paints != 1)
            std::fprintf(stderr, "a stretch painted the window %d times\n", counter.paints);
        if (i >= Warmup)
            times.push_back(ms);
    }
    window.removeEventFilter(&counter);
    return Median(times);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    MemorySettingsStore store;
    AppSettings settings(store);
    SaleFixture::Fill(settings);
    // Lots to step through after the first, with notes of 45 characters.
    constexpr int SteppedLots = 70;
    const QString notes[] = {QStringLiteral("Victorian mahogany bureau with brass fittings"),
                             QStringLiteral("Pair of Meissen figures, shepherd and a lamb.")};
    for (int n = 0; n < SteppedLots; ++n) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = 2000 + n;
        lot->Amount = 100 * n;
        lot->Note = notes[n % 2];
        settings.LotList->Add(lot);
    }

    frmScoreboard window(settings);
    window.show();
    FinishFrame();
    auto* lotDisplay = window.findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    auto* ones = window.findChild<NumberLED*>(QStringLiteral("nledAmountOnes"));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(lotDisplay, &right);

    const char* on = FrameTiming::PlatformSuffix();
    const double hd = KeyToFrame(window, lotDisplay, ones, QSize(1920, 1080));
    std::printf("BENCH scoreboard.key_to_frame.1080p%s %.3f ms\n", on, hd);
    const double uhd = KeyToFrame(window, lotDisplay, ones, QSize(3840, 2160));
    std::printf("BENCH scoreboard.key_to_frame.4k%s %.3f ms\n", on, uhd);
    const double step = LotStepsToFrame(window, lotDisplay, QSize(3840, 2160), SteppedLots);
    std::printf("BENCH scoreboard.lot_step_to_frame.4k%s %.3f ms\n", on, step);
    const double full = FullFrame(window, QSize(3840, 2160));
    std::printf("BENCH scoreboard.full_frame.4k%s %.3f ms\n", on, full);
    const QSize design(Twips::ToPixels(frmScoreboard::DesignClientWidth, &window),
                       Twips::ToPixels(frmScoreboard::DesignClientHeight, &window));
    const double stretch = StretchFrom(window, design, QSize(3840, 2160));
    std::printf("BENCH layout.stretch.4k%s %.3f ms\n", on, stretch);
    BareWindow bare;
    bare.show();
    FinishFrame();
    const double bareResize = StretchFrom(bare, design, QSize(3840, 2160));
    std::printf("BENCH layout.bare_window_resize.4k%s %.3f ms\n", on, bareResize);
    std::printf("BENCH layout.stretch_vs_bare.4k%s %.2f ratio\n", on, stretch / bareResize);
    return 0;
}
