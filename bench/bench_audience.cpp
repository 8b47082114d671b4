// How long one key takes to reach both the operator's frame and the room's: the scoreboard
// at 1920x1080 and the audience screen at 3840x2160, on the offscreen platform given those
// two screens, so the figures are painting work alone.
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"

#include "helpers/FrameTiming.h"
#include "helpers/SaleFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <vector>

using FrameTiming::FinishFrame;
using FrameTiming::PaintCounter;

int main(int argc, char* argv[])
{
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({"screens": [
        {"name": "laptop", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "projector", "x": 1920, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
    ]})");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);

    MemorySettingsStore store;
    AppSettings settings(store);
    SaleFixture::Fill(settings);

    frmScoreboard window(settings);
    window.move(0, 0);
    window.resize(1920, 1080);
    window.show();
    FinishFrame();
    auto* lotDisplay = window.findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_F12}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(lotDisplay, &press);
    }
    frmAudience* audience = window.audience();
    if (!audience || !audience->isVisible()) {
        std::fprintf(stderr, "the audience screen did not open\n");
        return 1;
    }
    FinishFrame();
    if (window.size() != QSize(1920, 1080) || audience->size() != QSize(3840, 2160))
        std::fprintf(stderr, "windows are %dx%d and %dx%d\n", window.width(), window.height(), audience->width(),
                     audience->height());

    PaintCounter operatorPaints;
    PaintCounter roomPaints;
    window.findChild<NumberLED*>(QStringLiteral("nledAmountOnes"))->installEventFilter(&operatorPaints);
    audience->findChild<NumberLED*>(QStringLiteral("nledAmountOnes"))->installEventFilter(&roomPaints);
    constexpr int Warmup = 10;
    constexpr int Presses = 50;
    const std::vector<double> times = FrameTiming::UpPressesToFrame(lotDisplay, Warmup, Presses);
    if (operatorPaints.paints < Warmup + Presses || roomPaints.paints < Warmup + Presses)
        std::fprintf(stderr, "painted %d and %d of %d presses\n", operatorPaints.paints, roomPaints.paints,
                     Warmup + Presses);
    std::printf("BENCH audience.key_to_frame.4k %.3f ms\n", Median(times));
    return 0;
}
