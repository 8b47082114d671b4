// What the room sees, read back from a real X server: the built program started on a private
// Xvfb under openbox, driven with XTest keys, and a screenshot of the server's pixels checked
// in the box of every caption for the caption's colour. The offscreen platform draws text by
// another path, so only this shows what a user's screen shows.

#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "records/MoneyFormat.h"
#include "records/SettingsStore.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "startup/frmSplash.h"
#include "support/ScreenPixels.h"
#include "support/TestLots.h"
#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

using namespace ScreenPixels;

const QString Scoreboard = QStringLiteral("Gavelor by www.tarnwick.com");

enum class View
{
    Design,     // the size the composition is designed for
    HalfScreen, // F11 on a 1920x1080 monitor
    FullScreen, // F11 on the whole 3840x2160 screen
    Audience,   // F12: the room's view on the other 1920x1080 monitor
};

// The window with exactly this title, and its client area on the screen.
QRect FindWindow(const QString& title, QString* id, QSize wantedSize = {})
{
    QElapsedTimer timer;
    timer.start();
    // The first start of a fresh build on a busy machine can take a while.
    while (timer.elapsed() < 40000) {
        const QStringList found = VisibleWindows({}, title);
        if (!found.isEmpty()) {
            *id = found.first();
            // xwininfo reports where the client area is on the screen; xdotool adds the window
            // manager's frame offset a second time.
            QByteArray info;
            RunXClient({}, QStringLiteral("xwininfo"), {QStringLiteral("-id"), *id}, &info);
            QHash<QByteArray, int> values;
            for (const QByteArray& line : info.split('\n')) {
                const QList<QByteArray> pair = line.split(':');
                if (pair.size() == 2)
                    values[pair[0].trimmed()] = pair[1].trimmed().toInt();
            }
            const QRect client(values.value("Absolute upper-left X"), values.value("Absolute upper-left Y"),
                               values.value("Width"), values.value("Height"));
            if (!client.isEmpty() && (wantedSize.isEmpty() || client.size() == wantedSize))
                return client;
        }
        QTest::qWait(100);
    }
    return {};
}

// The server's pixels, as a screenshot tool reads them off the root window.
QImage Screenshot(const QRect& area)
{
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        return {};
    const QPoint origin = area.topLeft() - screen->geometry().topLeft();
    return screen->grabWindow(0, origin.x(), origin.y(), area.width(), area.height()).toImage();
}

// How many pixels of the box are inked: nearer the caption's colour than halfway from its
// background, so that anti-aliased strokes count and the background does not.
int CountInk(const QImage& image, const QRect& box, QColor ink, QColor background)
{
    const int threshold = Distance(ink, background) / 2;
    int count = 0;
    const QRect inside = box & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (Distance(image.pixelColor(x, y), ink) < threshold)
                ++count;
        }
    }
    return count;
}

// How far the inked pixels of the screen's box agree with those of the expected picture of it:
// the pixels inked in both, of those inked in either. A different sign drawn there agrees little.
double InkAgreement(const QImage& shot, const QRect& box, const QImage& expected, QColor ink, QColor background)
{
    const int threshold = Distance(ink, background) / 2;
    int both = 0, either = 0;
    for (int y = 0; y < std::min(box.height(), expected.height()); ++y) {
        for (int x = 0; x < std::min(box.width(), expected.width()); ++x) {
            const bool onScreen = Distance(shot.pixelColor(box.x() + x, box.y() + y), ink) < threshold;
            const bool wanted = Distance(expected.pixelColor(x, y), ink) < threshold;
            both += onScreen && wanted;
            either += onScreen || wanted;
        }
    }
    return either == 0 ? 0.0 : double(both) / either;
}

struct Caption
{
    QString name;
    QRect box;
    QColor ink, background;
};

// A caption is drawn when at least 1% of its box is inked: glyph strokes fill far more of
// the box they were laid out for, and an empty box none of it.
QStringList MissingCaptions(const QImage& shot, const QList<Caption>& captions)
{
    QStringList missing;
    for (const Caption& caption : captions) {
        const int area = caption.box.width() * caption.box.height();
        const int inked = CountInk(shot, caption.box, caption.ink, caption.background);
        if (inked * 100 < area)
            missing << QStringLiteral("%1 (%2 of %3 px)").arg(caption.name).arg(inked).arg(area);
    }
    return missing;
}

// The captions still missing once the frame has had time to reach the server.
QStringList MissingOnceDrawn(const QRect& client, const QList<Caption>& captions)
{
    QStringList missing;
    QElapsedTimer timer;
    timer.start();
    do {
        QTest::qWait(200);
        missing = MissingCaptions(Screenshot(client), captions);
    } while (!missing.isEmpty() && timer.elapsed() < 8000);
    return missing;
}

void Stop(QProcess& program)
{
    program.terminate();
    if (!program.waitForFinished(5000))
        program.kill();
}

} // namespace

class tst_BoardXcb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void captionsAreDrawn_data();
    void captionsAreDrawn();
    void titleNameIsDrawn_data();
    void titleNameIsDrawn();

private:
    // Starts the built program on a settings file with one lot (12, starting bid 1,250).
    bool startProgram(QProcess& program, const QStringList& arguments, int ledType, double scale,
                      const MoneyFormat& money = {});

    QProcess m_windowManager;
    QTemporaryDir m_config;
};

void tst_BoardXcb::initTestCase()
{
    QVERIFY(m_config.isValid());
    m_windowManager.start(QStringLiteral("openbox"), {});
    QVERIFY2(m_windowManager.waitForStarted(10000), "openbox could not be started");
}

void tst_BoardXcb::cleanupTestCase()
{
    m_windowManager.terminate();
    m_windowManager.waitForFinished(5000);
}

bool tst_BoardXcb::startProgram(QProcess& program, const QStringList& arguments, int ledType, double scale,
                                const MoneyFormat& money)
{
    QDir(m_config.path()).removeRecursively();
    QDir().mkpath(m_config.path());
    JsonSettingsStore store(m_config.path() + QStringLiteral("/Gavelor/settings.json"));
    AppSettings settings(store);
    settings.LoadAllSettings();
    // The longest note the lot editor admits, which fills the wide audience box as well.
    AddLots(*settings.LotList, {{12, 1250, QStringLiteral("Victorian mahogany bureau with brass fittings")}});
    settings.LEDTypeIndex = static_cast<qint16>(ledType);
    settings.Currency = money.currency;
    settings.Grouping = money.grouping;
    if (!settings.SaveLots() || !settings.SaveDisplaySettings())
        return false;

    return StartProgramOnX(program, QStringLiteral(GAVELOR_EXECUTABLE), arguments, {}, m_config.path(), scale);
}

void tst_BoardXcb::captionsAreDrawn_data()
{
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("ledType");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("grouping");
    const QString usd = QStringLiteral("$");
    const QString comma = QStringLiteral(",");
    QTest::newRow("design size, lines") << int(View::Design) << 0 << 1.0 << usd << comma;
    QTest::newRow("design size, dots") << int(View::Design) << 1 << 1.0 << usd << comma;
    QTest::newRow("design size, scale 2") << int(View::Design) << 0 << 2.0 << usd << comma;
    QTest::newRow("design size, scale 3") << int(View::Design) << 1 << 3.0 << usd << comma;
    QTest::newRow("1920x1080, lines") << int(View::HalfScreen) << 0 << 1.0 << usd << comma;
    QTest::newRow("1920x1080, dots") << int(View::HalfScreen) << 1 << 1.0 << usd << comma;
    QTest::newRow("3840x2160, lines") << int(View::FullScreen) << 0 << 1.0 << usd << comma;
    QTest::newRow("3840x2160, dots") << int(View::FullScreen) << 1 << 1.0 << usd << comma;
    QTest::newRow("3840x2160, scale 2") << int(View::FullScreen) << 0 << 2.0 << usd << comma;
    QTest::newRow("audience screen") << int(View::Audience) << 0 << 1.0 << usd << comma;
    // The sale's own sign and separator, drawn as this process draws them.
    QTest::newRow("euros, point") << int(View::Design) << 0 << 1.0 << QStringLiteral("\u20AC") << QStringLiteral(".");
    QTest::newRow("euros, point, audience")
        << int(View::Audience) << 0 << 1.0 << QStringLiteral("\u20AC") << QStringLiteral(".");
    QTest::newRow("francs, apostrophe") << int(View::Design) << 0 << 1.0 << QStringLiteral("CHF")
                                        << QStringLiteral("'");
}

void tst_BoardXcb::captionsAreDrawn()
{
    QFETCH(int, view);
    QFETCH(int, ledType);
    QFETCH(double, scale);
    QFETCH(QString, currency);
    QFETCH(QString, grouping);
    const MoneyFormat money{currency, grouping};
    const View shown = static_cast<View>(view);
    // Two monitors side by side, or the one whole screen.
    const QSize monitor = shown == View::FullScreen ? QSize() : QSize(1920, 1080);
    QVERIFY(SetMonitors(monitor, monitor));

    QProcess program;
    QVERIFY(startProgram(program, {QStringLiteral("bypass")}, ledType, scale, money));
    QString id;
    QRect client = FindWindow(Scoreboard, &id);
    QVERIFY2(!client.isEmpty(), "the scoreboard did not appear");
    RunXClient({}, QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QStringLiteral("--sync"), id});
    // The lot with its starting bid of 1,250: the separator is on show.
    RunXClient({}, QStringLiteral("xdotool"),
               {QStringLiteral("key"), QStringLiteral("--window"), id, QStringLiteral("Right")});
    switch (shown) {
    case View::Design:
        break;
    case View::HalfScreen:
    case View::FullScreen: {
        RunXClient({}, QStringLiteral("xdotool"),
                   {QStringLiteral("key"), QStringLiteral("--window"), id, QStringLiteral("F11")});
        const QSize screen = shown == View::HalfScreen ? QSize(1920, 1080) : QSize(3840, 2160);
        client = FindWindow(Scoreboard, &id, screen);
        break;
    }
    case View::Audience:
        RunXClient({}, QStringLiteral("xdotool"),
                   {QStringLiteral("key"), QStringLiteral("--window"), id, QStringLiteral("F12")});
        // The audience window carries the scoreboard's title; it fills the other monitor.
        client = QRect(1920, 0, 1920, 1080);
        break;
    }
    QVERIFY2(!client.isEmpty(), "the board did not reach its size");

    // The same composition at the same size in this process gives every control's box.
    MemorySettingsStore store;
    AppSettings reference(store);
    reference.Currency = money.currency;
    reference.Grouping = money.grouping;
    frmScoreboard scoreboard(reference);
    scoreboard.setAttribute(Qt::WA_DontShowOnScreen);
    // The audience screen has a composition of its own.
    std::unique_ptr<frmAudience> audience;
    QWidget* shownView = &scoreboard;
    if (shown == View::Audience) {
        audience = std::make_unique<frmAudience>(&scoreboard);
        audience->setAttribute(Qt::WA_DontShowOnScreen);
        audience->board().ApplyColors(reference);
        audience->board().ShowAmount(AuctionState::SplitAmount(1250));
        shownView = audience.get();
    }
    QWidget& layout = *shownView;
    layout.resize(client.size() / scale);
    layout.show();
    QTRY_COMPARE(layout.size(), client.size() / scale);
    const QColor text = LedColors::ToQColor(reference.TextColor);
    const QColor window = LedColors::ToQColor(reference.FormBackColor);
    QList<Caption> captions{{QStringLiteral("lblLotNum"), {}, text, window},
                            {QStringLiteral("lblAmountDollar"), {}, text, window},
                            {QStringLiteral("lblAmountComma"),
                             {},
                             LedColors::ToQColor(reference.LEDAmountColor),
                             LedColors::ToQColor(reference.LEDBackColor)},
                            {QStringLiteral("txtNote"), {}, text, window},
                            {QStringLiteral("lblCreatedBy"), {}, text, window}};
    for (Caption& caption : captions) {
        const QWidget* control = layout.findChild<QWidget*>(caption.name);
        const QRect logical(control->mapTo(&layout, QPoint(0, 0)), control->size());
        caption.box = QRect((QPointF(logical.topLeft()) * scale).toPoint(), (QSizeF(logical.size()) * scale).toSize());
    }

    const QStringList missing = MissingOnceDrawn(client, captions);

    // The sign and the separator are the sale's, not merely something: their ink is where this
    // process draws the same captions (at scale 1, where both draw pixel for pixel alike).
    QStringList unlike;
    if (!money.IsDefault() && scale == 1.0) {
        const QImage shot = Screenshot(client);
        for (const Caption& caption : captions.mid(1, 2)) {
            const QImage expected = layout.findChild<QWidget*>(caption.name)->grab().toImage();
            const double agreement = InkAgreement(shot, caption.box, expected, caption.ink, caption.background);
            if (agreement < 0.7)
                unlike << QStringLiteral("%1 (%2)").arg(caption.name).arg(agreement, 0, 'f', 2);
        }
    }

    Stop(program);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not drawn: ") + missing.join(QStringLiteral(", "))));
    QVERIFY2(unlike.isEmpty(), qPrintable(QStringLiteral("not the sale's: ") + unlike.join(QStringLiteral(", "))));
}

void tst_BoardXcb::titleNameIsDrawn_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 3") << 3.0;
}

void tst_BoardXcb::titleNameIsDrawn()
{
    QFETCH(double, scale);
    QVERIFY(SetMonitors({}));
    QProcess program;
    QVERIFY(startProgram(program, {}, 0, scale));
    QString id;
    const QRect client = FindWindow(QStringLiteral("Bidwatch"), &id);
    QVERIFY2(!client.isEmpty(), "the title window did not appear");

    MemorySettingsStore store;
    AppSettings reference(store);
    frmSplash layout(reference, {});
    const auto* name = layout.findChild<QWidget*>(QStringLiteral("lblName"));
    const QRect logical(name->mapTo(&layout, QPoint(0, 0)), name->size());
    const QRect box((QPointF(logical.topLeft()) * scale).toPoint(), (QSizeF(logical.size()) * scale).toSize());
    const QList<Caption> captions{{QStringLiteral("lblName"), box, name->palette().color(QPalette::WindowText),
                                   name->palette().color(QPalette::Window)}};

    const QStringList missing = MissingOnceDrawn(client, captions);
    Stop(program);
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("not drawn: ") + missing.join(QStringLiteral(", "))));
}

GAVELOR_XVFB_TEST_MAIN(tst_BoardXcb, {QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("3840x2160x24"),
                                      QStringLiteral("-dpi"), QStringLiteral("96")})
#include "tst_board_xcb.moc"
