// F1 with a large help file: how soon the help window shows its first frame, and how the board
// answers its keys while the document is read beside it. A 20 MB help file of 85 photographs with
// their text, as a house that documents its sale room would write one. On an X server (figures
// ending ".xcb") the frames run to the frame the server has taken in.
#include "help/frmHelp.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"

#include "helpers/FrameTiming.h"
#include "helpers/SaleFixture.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

using FrameTiming::FinishFrame;

namespace {

constexpr int Pictures = 85;

QByteArray LargeHelpFile()
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Liberation Sans;}}\n";
    QRandomGenerator random(85);
    const QByteArray words = "The lot on the block is shown with its photograph; bidders raise their paddles and the "
                             "auctioneer takes the bid in steps of the increment table. ";
    for (int i = 0; i < Pictures; ++i) {
        QImage image(640, 480, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x + i * 3) & 0xff, (y * 2) & 0xff, random.bounded(256)));
        QBuffer jpeg;
        jpeg.open(QIODevice::WriteOnly);
        image.save(&jpeg, "JPEG", 85);
        rtf += "\\pard\\sb240\\sa120\\fs32\\b Lot " + QByteArray::number(i + 1) + "\\b0\\fs22\\par\n";
        for (int para = 0; para < 12; ++para)
            rtf += "\\pard\\sa120 " + words.repeated(3) + "\\par\n";
        rtf += "{\\*\\shppict{\\pict\\picw640\\pich480\\picwgoal9600\\pichgoal7200\\jpegblip\n" + jpeg.data().toHex() +
               "}}\\par\n";
    }
    return rtf + "}";
}

// F1 to the help window's first finished frame: it shows at once, saying that it is loading.
double F1ToFirstFrame(const QString& directory)
{
    QElapsedTimer timer;
    timer.start();
    frmHelp help(directory);
    FrameTiming::PaintCounter counter;
    help.installEventFilter(&counter);
    help.show();
    while (counter.paints == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    FinishFrame();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const char* on = FrameTiming::PlatformSuffix();

    QTemporaryDir directory;
    {
        QFile file(directory.filePath(frmHelp::FileName));
        const QByteArray rtf = LargeHelpFile();
        if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
            return 1;
        std::fprintf(stderr, "bench_helpload: %.1f MB of RTF, %d pictures\n", rtf.size() / 1048576.0, Pictures);
    }

    std::vector<double> firstFrames;
    for (int run = 0; run < 7; ++run)
        firstFrames.push_back(F1ToFirstFrame(directory.path()));
    std::printf("BENCH help.f1_to_first_frame.20mb%s %.2f ms\n", on, Median(firstFrames));

    // The whole document in the viewer, for the record.
    {
        QElapsedTimer timer;
        timer.start();
        frmHelp help(directory.path());
        help.show();
        while (help.IsLoading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        FinishFrame();
        std::printf("BENCH help.load.20mb%s %.1f ms\n", on, timer.nsecsElapsed() / 1e6);
    }

    // Raises on the board at 4K while the help window reads its document; a new window whenever
    // one has finished, until enough presses have been counted.
    MemorySettingsStore store;
    AppSettings settings(store);
    SaleFixture::Fill(settings);
    frmScoreboard board(settings);
    board.show();
    board.resize(3840, 2160);
    FinishFrame();
    auto* lotDisplay = board.findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(lotDisplay, &right);
    FinishFrame();
    std::vector<double> presses;
    std::unique_ptr<frmHelp> help;
    int windows = 0;
    while (presses.size() < 60 && windows < 20) {
        if (!help || !help->IsLoading()) {
            help = std::make_unique<frmHelp>(directory.path());
            help->show();
            FinishFrame();
            ++windows;
            continue;
        }
        const std::vector<double> one = FrameTiming::UpPressesToFrame(lotDisplay, 0, 1);
        // Only the presses that the reading overlapped from start to end count.
        if (help->IsLoading())
            presses.push_back(one.front());
        QCoreApplication::processEvents();
    }
    help.reset();
    std::fprintf(stderr, "bench_helpload: %zu presses over %d help windows\n", presses.size(), windows);
    std::printf("BENCH scoreboard.key_to_frame.4k.help_loading%s %.3f ms\n", on, Median(presses));
    return 0;
}
