// The room's 4K screen: a raise to the frame with the bid in eight other currencies beneath it;
// a lot step to the frame that shows the next lot's (fetched ahead) 24-megapixel photo, the step
// to the digits' frame while the photo is still being decoded, and the memory that 1,000 steps
// through 24-megapixel photos leave behind. On an X server the screen is split into the
// operator's monitor and the room's 4K one.
#include "currency/CurrencyBoard.h"
#include "pictures/LotPictureLoader.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleController.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"

#include "helpers/FrameTiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

using FrameTiming::FinishFrame;

namespace {

constexpr int Photos = 8;

bool Xrandr(const QStringList& arguments)
{
    QProcess xrandr;
    xrandr.start(QStringLiteral("xrandr"), arguments);
    return xrandr.waitForFinished(20000) && xrandr.exitCode() == 0;
}

// A 6000 × 4000 photo-like picture: gradients and shapes, different for every lot.
bool WritePhoto(const QString& path, int seed)
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 6000, 4000);
    gradient.setColorAt(0, QColor::fromHsv((seed * 40) % 360, 180, 220));
    gradient.setColorAt(1, QColor::fromHsv((seed * 40 + 150) % 360, 200, 90));
    painter.fillRect(photo.rect(), gradient);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor::fromHsv((seed * 13 + i * 37) % 360, 150, 200));
        painter.drawEllipse(QPoint((i * 977 + seed * 311) % 6000, (i * 613 + seed * 97) % 4000), 300 + i * 5, 200);
    }
    painter.end();
    return photo.save(path, "jpeg", 90);
}

qint64 ResidentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4 : 0;
}

void Press(QWidget* target, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

bool WaitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool onX = QGuiApplication::platformName() == QLatin1String("xcb");
    if (onX) {
        Xrandr({QStringLiteral("--setmonitor"), QStringLiteral("left"), QStringLiteral("1920/508x1080/286+0+0"),
                QStringLiteral("screen")});
        Xrandr({QStringLiteral("--setmonitor"), QStringLiteral("right"), QStringLiteral("3840/1016x2160/571+1920+0"),
                QStringLiteral("none")});
        WaitFor([] { return QGuiApplication::screens().size() == 2; }, 10000);
    }
    if (QGuiApplication::screens().size() < 2) {
        std::fprintf(stderr, "bench_room: needs a second screen for the room (run it from run-bench.sh)\n");
        return 1;
    }

    QTemporaryDir folder;
    for (int lot = 1; lot <= Photos; ++lot)
        if (!WritePhoto(folder.filePath(QStringLiteral("%1.jpg").arg(lot)), lot))
            return 1;

    MemorySettingsStore store;
    AppSettings settings(store);
    // Notes of a saleroom's catalogue, one and two lines long on the room's screen.
    const char* const notes[Photos] = {"Oak chest",
                                       "Pair of Georgian silver candlesticks",
                                       "Diamond solitaire ring",
                                       "Victorian mahogany bureau with brass fittings",
                                       "Signed cricket bat, 1953",
                                       "Six stamps",
                                       "Grand piano",
                                       "Oil on canvas, river scene"};
    for (int lot = 1; lot <= Photos; ++lot) {
        auto info = std::make_shared<LotInfo>();
        info->LotNumber = lot;
        info->Amount = 100 * lot;
        info->Note = QString::fromLatin1(notes[lot - 1]);
        settings.LotList->Add(info);
    }
    LotPictureLoader pictures;
    pictures.setFolder(folder.path());
    frmScoreboard window(settings);
    window.setLotPictures(&pictures);
    window.move(0, 0);
    window.show();
    FinishFrame();
    auto* lotDisplay = window.findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    Press(lotDisplay, Qt::Key_F12);
    frmAudience* audience = window.audience();
    if (!audience || !WaitFor([audience] { return audience->isVisible(); }, 10000))
        return 1;
    WaitFor([] { return false; }, 500);
    FinishFrame();
    const char* suffix = FrameTiming::PlatformSuffix();

    // Back and forth over the lots; every step's neighbour is fetched ahead before the next step.
    int direction = 1;
    auto step = [&] {
        const qint32 position = window.auctionState().LotIndex();
        if (position + direction < 1 || position + direction > Photos)
            direction = -direction;
        Press(lotDisplay, direction > 0 ? Qt::Key_Right : Qt::Key_Left);
    };
    auto settle = [&] {
        const qint32 position = window.auctionState().LotIndex();
        return WaitFor(
            [&] {
                for (qint32 near : {position - 1, position, position + 1})
                    if (near >= 1 && near <= Photos && pictures.IsPending(audience, near))
                        return false;
                return true;
            },
            20000);
    };

    std::vector<double> shown;
    for (int i = 0; i < 24; ++i) {
        settle();
        QElapsedTimer timer;
        timer.start();
        step();
        FinishFrame();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (audience->lotPicture().isNull())
            std::fprintf(stderr, "bench_room: the fetched-ahead picture was not there\n");
        if (i >= 4)
            shown.push_back(ms);
    }
    std::printf("BENCH picture.lot_step_to_frame.4k%s %.2f ms\n", suffix, Median(shown));

    // The photo still being decoded: the digits' frame alone.
    pictures.setDecoder([](const QString& path, const QSize& target) {
        QThread::msleep(300);
        return LotPictureLoader::Decode(path, target);
    });
    pictures.Reload();
    std::vector<double> digits;
    for (int i = 0; i < 14; ++i) {
        settle();
        pictures.Reload();
        QElapsedTimer timer;
        timer.start();
        step();
        FinishFrame();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (i >= 2)
            digits.push_back(ms);
    }
    std::printf("BENCH picture.lot_step_digits_to_frame.4k%s %.2f ms\n", suffix, Median(digits));
    pictures.setDecoder({});

    // The same steps with no pictures at all, side by side: what the two screens' frames cost alone.
    window.setLotPictures(nullptr);
    std::vector<double> bare;
    for (int i = 0; i < 14; ++i) {
        WaitFor([] { return false; }, 50);
        QElapsedTimer timer;
        timer.start();
        step();
        FinishFrame();
        if (i >= 2)
            bare.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("BENCH picture.lot_step_without_pictures.4k%s %.2f ms\n", suffix, Median(bare));
    window.setLotPictures(&pictures);

    // 1,000 steps, at a brisk operator's pace, each to its frame.
    for (int i = 0; i < 50; ++i) {
        step();
        FinishFrame();
        WaitFor([] { return false; }, 20);
    }
    settle();
    const qint64 before = ResidentKb();
    for (int i = 0; i < 1000; ++i) {
        step();
        FinishFrame();
        WaitFor([] { return false; }, 20);
    }
    settle();
    FinishFrame();
    const qint64 after = ResidentKb();
    std::printf("BENCH picture.rss.1000_steps_mb %.1f MB\n", double(after - before) / 1024.0);

    // The bid in eight currencies under the amount: a raise to the frame that shows both.
    CurrencyBoard board;
    board.enabled = true;
    board.saleCode = QStringLiteral("EUR");
    const struct
    {
        const char* code;
        const char* sign;
        qint64 rate;
        int step;
    } rates[] = {{"USD", "$", 1'084'200, 1},           {"GBP", "\u00A3", 856'300, 1},    {"CHF", "CHF", 951'200, 10},
                 {"JPY", "\u00A5", 162'850'000, 1000}, {"CNY", "\u00A5", 7'831'000, 10}, {"HKD", "HK$", 8'468'000, 10},
                 {"SEK", "kr", 11'325'000, 10},        {"AUD", "A$", 1'652'300, 1}};
    for (const auto& rate : rates)
        board.lines.append({QString::fromUtf8(rate.code), QString::fromUtf8(rate.sign), rate.rate, rate.step});
    window.sale().SetCurrencyBoard(board);
    FinishFrame();
    std::vector<double> raises;
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer timer;
        timer.start();
        Press(lotDisplay, i % 8 == 7 ? Qt::Key_Down : Qt::Key_Up);
        FinishFrame();
        if (i >= 4)
            raises.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("BENCH currency.key_to_frame.4k%s %.2f ms\n", suffix, Median(raises));
    return 0;
}
