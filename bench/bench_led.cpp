// Paint cost of the LED displays at the scale a 3840 x 2160 scoreboard gives them.
#include "scoreboard/NumberLED.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Design
{
    int digits;
    double size, paddingH, paddingV, paddingI;
    int caption;
};

// The scoreboard's displays at design size: lot number, amount thousands, amount ones.
constexpr Design LotDisplay{4, 90, 100, 100, 200, 2580};
constexpr Design AmountDisplay{3, 120, 100, 150, 300, 888};

// The scoreboard's design client area is 9480 x 6795 twips; a 3840 x 2160 client area at 96 dpi
// is 57600 x 32400 twips, so the layout grows by the smaller ratio.
constexpr double Factor4k = 32400.0 / 6795.0;

void Configure(NumberLED& led, const Design& design, double factor)
{
    led.setDigits(design.digits);
    led.setSize(design.size * factor);
    led.setPaddingH(design.paddingH * factor);
    led.setPaddingV(design.paddingV * factor);
    led.setPaddingI(design.paddingI * factor);
    led.setCaption(design.caption);
}

double MedianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char* name, double ms)
{
    std::printf("BENCH %s %.3f ms\n", name, ms);
    std::fflush(stdout);
}

class PaintCounter : public QObject
{
public:
    int painted = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++painted;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = 31;

    QImage screen(3840, 2160, QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::black);

    NumberLED amount(3);
    Configure(amount, AmountDisplay, Factor4k);
    std::printf("# 4k amount display %dx%d px\n", amount.width(), amount.height());
    amount.render(&screen); // builds the outlines once
    Report("led.paint.4k_amount_display", MedianMs(runs, [&] { amount.render(&screen); }));
    amount.setLedType(1);
    amount.render(&screen);
    Report("led.paint.4k_amount_display_dots", MedianMs(runs, [&] { amount.render(&screen); }));

    // Everything the scoreboard's digits cost on a full repaint after a resize: all three displays,
    // their outlines rebuilt for the new size first.
    NumberLED lot(4);
    NumberLED thousands(3);
    NumberLED ones(3);
    const std::vector<std::pair<NumberLED*, Design>> displays = {
        {&lot, LotDisplay}, {&thousands, AmountDisplay}, {&ones, AmountDisplay}};
    for (int style = 0; style <= 1; ++style) {
        bool flip = false;
        const double ms = MedianMs(runs, [&] {
            flip = !flip;
            int top = 0;
            for (const auto& [led, design] : displays) {
                led->setLedType(style);
                Configure(*led, design, Factor4k * (flip ? 1.0 : 0.999));
                led->render(&screen, QPoint(0, top));
                top += led->height() / 2;
            }
        });
        Report(style == 0 ? "led.paint.4k_scoreboard_resize" : "led.paint.4k_scoreboard_resize_dots", ms);
    }

    // One Caption change on a shown display, from the setter until its repaint has been painted.
    NumberLED shown(3);
    Configure(shown, AmountDisplay, Factor4k);
    shown.show();
    PaintCounter counter;
    shown.installEventFilter(&counter);
    while (counter.painted == 0)
        QCoreApplication::processEvents();
    int value = 0;
    const double ms = MedianMs(runs, [&] {
        const int before = counter.painted;
        value = value == 950 ? 0 : 950; // every cell changes
        shown.setCaption(value);
        while (counter.painted == before)
            QCoreApplication::processEvents();
    });
    Report("led.caption_change.4k", ms);
    return 0;
}
