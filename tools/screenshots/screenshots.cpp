// Renders every window of Gavelor to PNG for the README and the AppStream metadata, on an X
// server at 96 dpi, read back from the server as a screenshot tool would, so that a picture
// shows what a user's screen shows:
//
//   xvfb-run -s "-screen 0 3840x2160x24 -dpi 96" screenshots docs/images   (or: make screenshots)
//
// The windows are the program's own, over a sale prepared in memory; nothing is read from
// or written to the user's settings.

#include "currency/CurrencyBoard.h"
#include "help/frmHelp.h"
#include "pictures/LotPictureLoader.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/AuctionState.h"
#include "sale/SaleController.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"
#include "startup/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

// A small sale: lots with their notes, and the usual increment ranges.
SettingsSections PreparedSale(int ledType)
{
    SettingsChange change;
    change.Save(QStringLiteral("PicSettings"), QStringLiteral("LEDType"), QString::number(ledType));
    const QPair<const char*, const char*> increments[] = {
        {" 0", " 5"}, {" 100", " 10"}, {" 1000", " 50"}, {" 10000", " 250"}};
    for (const auto& [minimum, amount] : increments)
        change.Save(QStringLiteral("Increments"), QLatin1String(minimum), QLatin1String(amount));
    const char* const lots[] = {" 12\x05 1150\x05Oak chest, Georgian, c. 1790", " 14\x05 300\x05Pair of Delft vases",
                                " 15\x05 75\x05"
                                "Brass bell",
                                " 21\x05 12000\x05Longcase clock by J. Harrison"};
    int key = 0;
    for (const char* lot : lots)
        change.Save(QStringLiteral("Lots"), QStringLiteral(" %1").arg(++key), QString::fromUtf8(lot));
    SettingsSections sections;
    sections.apply(change);
    return sections;
}

class Renderer
{
public:
    explicit Renderer(QDir out) : m_out(std::move(out)) {}

    // Shows the window alone, waits until the server has drawn it, and saves what the
    // server shows of it.
    void save(QWidget& window, const QString& name)
    {
        for (QWidget* other : QApplication::topLevelWidgets()) {
            if (other != &window)
                other->hide();
        }
        window.move(0, 0);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "screenshots: %s was never shown\n", qUtf8Printable(name));
        QTest::qWait(300);
        const QPixmap shot = window.screen()->grabWindow(window.winId());
        const QString path = m_out.filePath(name + QStringLiteral(".png"));
        if (!shot.save(path, "PNG")) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qUtf8Printable(path));
            m_ok = false;
        }
    }

    bool ok() const { return m_ok; }

private:
    QDir m_out;
    bool m_ok = true;
};

void Press(QWidget* target, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(target, key);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gavelor"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/images"));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", qUtf8Printable(out.path()));
        return 1;
    }
    Renderer renderer(out);

    for (int ledType : {0, 1}) {
        MemorySettingsStore store(PreparedSale(ledType));
        AppSettings settings(store);
        settings.LoadAllSettings();
        frmScoreboard scoreboard(settings);
        scoreboard.show();
        // The first lot on the block, raised a few times.
        QWidget* keys = scoreboard.findChild<QWidget*>(QStringLiteral("nledLotNum"));
        Press(keys, Qt::Key_Right);
        Press(keys, Qt::Key_Up, 3);
        const QString style = ledType == 0 ? QStringLiteral("lines") : QStringLiteral("dots");
        for (QSize size : {QSize(1280, 720), QSize(3840, 2160)}) {
            scoreboard.resize(size);
            renderer.save(scoreboard,
                          QStringLiteral("scoreboard-%1-%2x%3").arg(style).arg(size.width()).arg(size.height()));
        }
        if (ledType != 0)
            continue;

        frmSplash splash(settings, {});
        renderer.save(splash, QStringLiteral("title"));

        frmLots editor(settings, &scoreboard);
        renderer.save(editor, QStringLiteral("lot-editor"));
        editor.hide();

        frmOptions options(settings, nullptr, &scoreboard);
        auto* tabs = options.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        const QPair<int, const char*> tabNames[] = {
            {0, "options-colors"}, {1, "options-increments"}, {2, "options-additional"}, {4, "options-currencies"}};
        for (const auto& [tab, name] : tabNames) {
            tabs->setCurrentIndex(tab);
            renderer.save(options, QLatin1String(name));
        }
        options.hide();

        // The room's screen with the lot's photo and the bid in the bidders' currencies.
        QTemporaryDir photos;
        QImage photo(1600, 1200, QImage::Format_RGB32);
        {
            QPainter painter(&photo);
            QLinearGradient wood(0, 0, 1600, 1200);
            wood.setColorAt(0, QColor(150, 95, 45));
            wood.setColorAt(1, QColor(90, 50, 20));
            painter.fillRect(photo.rect(), QColor(235, 230, 220));
            painter.fillRect(QRect(250, 300, 1100, 700), wood);
            painter.setPen(QPen(QColor(60, 35, 15), 12));
            for (int drawer = 0; drawer < 3; ++drawer)
                painter.drawRect(QRect(300, 350 + drawer * 210, 1000, 180));
        }
        photo.save(photos.filePath(QStringLiteral("12.jpg")), "jpeg", 90);
        LotPictureLoader pictures;
        pictures.setFolder(photos.path());
        scoreboard.setLotPictures(&pictures);
        CurrencyBoard board;
        board.enabled = true;
        board.saleCode = QStringLiteral("USD");
        board.ratesTime = QDateTime(QDate(2026, 12, 9), QTime(14, 5));
        board.lines = {{QStringLiteral("EUR"), QStringLiteral("\u20AC"), 922'300, 1},
                       {QStringLiteral("GBP"), QStringLiteral("\u00A3"), 789'800, 1},
                       {QStringLiteral("CHF"), QStringLiteral("CHF"), 877'400, 10},
                       {QStringLiteral("JPY"), QStringLiteral("\u00A5"), 150'210'000, 1000},
                       {QStringLiteral("HKD"), QStringLiteral("HK$"), 7'810'000, 10}};
        scoreboard.sale().SetCurrencyBoard(board);
        frmAudience audience(&scoreboard);
        audience.setLotPictures(&pictures, &scoreboard.sale(), &settings);
        audience.ShowCurrencies(scoreboard.sale(), settings);
        // What F12 puts on the room's screen, here on the one screen there is.
        const BoardView& room = audience.board();
        room.ShowLotNumber(scoreboard.findChild<NumberLED*>(QStringLiteral("nledLotNum"))->Caption());
        room.ShowAmount(AuctionState::SplitAmount(scoreboard.sale().Amount()));
        room.ShowNote(scoreboard.sale().Note());
        room.ApplyColors(settings);
        room.ApplyLEDType(settings.LEDTypeIndex);
        audience.ShowOn(scoreboard.screen());
        for (int wait = 0; wait < 200 && audience.lotPicture().isNull(); ++wait)
            QTest::qWait(50);
        renderer.save(audience, QStringLiteral("room-screen-picture-currencies"));
        audience.hide();

        // The help document beside the program, as the build puts it.
        frmHelp help(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
        while (help.IsLoading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        help.resize(900, 700);
        renderer.save(help, QStringLiteral("help"));
    }
    return renderer.ok() ? 0 : 1;
}
