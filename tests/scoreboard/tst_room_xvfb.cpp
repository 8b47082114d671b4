// What the room reads, as the X server shows it: the whole note, the result stamp, the currency
// sign on the digits' baseline, the separator's dots and the audience screen on projectors of
// every shape. One wide Xvfb screen; the audience's monitor is set with xrandr for each shape.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/LedGeometry.h"
#include "scoreboard/NoteBox.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/ResultStamp.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/frmScoreboard.h"
#include "support/ScreenPixels.h"
#include "support/TestLots.h"
#include "support/XClients.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

using namespace ScreenPixels;

// The longest note the lot editor admits.
const QString LongestNote = QStringLiteral("Victorian mahogany bureau with brass fittings");

QRect BoxIn(const QWidget* control, const QWidget* window)
{
    return {control->mapTo(window, QPoint(0, 0)), control->size()};
}

// The rows and columns holding pixels nearer `ink` than halfway from `background`.
QRect InkBounds(const QImage& image, QColor ink, QColor background)
{
    const int threshold = Distance(ink, background) / 2;
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Distance(image.pixelColor(x, y), ink) < threshold)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The pixels of another colour than the background.
QRect DrawnBounds(const QImage& image, QColor background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (Distance(image.pixelColor(x, y), background) > 30)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class tst_RoomXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noteShowsWhole_data();
    void noteShowsWhole();
    void stampHidesTheNote_data();
    void stampHidesTheNote();
    void stampWordHasOneHeight();
    void signStandsOnTheBaseline_data();
    void signStandsOnTheBaseline();
    void separatorIsRoundDots();
    void audienceFillsTheScreen_data();
    void audienceFillsTheScreen();
    void noteStepLeavesNothingBehind_data();
    void noteStepLeavesNothingBehind();

private:
    // A scoreboard over two lots (12 and 13, starting bids 3,100 and 950) with `note` (lot 13:
    // `nextNote` if given), shown at `size` (logical pixels; the design size when empty) on the
    // left monitor.
    void openBoard(const QString& note, QSize size = {}, const QString& nextNote = {});
    void language(const QString& code);
    void press(Qt::Key key) { QTest::keyClick(m_window->focusWidget(), key); }

    std::unique_ptr<QTemporaryDir> m_saleDir;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<SaleJournal> m_sale;
    std::unique_ptr<frmScoreboard> m_window;
    std::unique_ptr<QTranslator> m_translator;
};

void tst_RoomXvfb::initTestCase()
{
    Prompts::setTestMode(true);
    QVERIFY(SetMonitors({3840, 2160}));
}

void tst_RoomXvfb::init()
{
    m_saleDir = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    m_sale = std::make_unique<SaleJournal>(m_saleDir->path());
}

void tst_RoomXvfb::cleanup()
{
    m_window.reset();
    m_sale.reset();
    m_settings.reset();
    m_store.reset();
    language({});
}

void tst_RoomXvfb::language(const QString& code)
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
    if (code.isEmpty())
        return;
    // The program's own translations, compiled into it; the stamp measures every language
    // once, which loads them.
    ResultStamp::Caption(ResultStamp::Outcome::Sold);
    m_translator = std::make_unique<QTranslator>();
    QVERIFY(m_translator->load(QStringLiteral(":/i18n/gavelor_") + code));
    QCoreApplication::installTranslator(m_translator.get());
}

void tst_RoomXvfb::openBoard(const QString& note, QSize size, const QString& nextNote)
{
    AddLots(*m_settings->LotList, {{12, 3100, note}, {13, 950, nextNote.isNull() ? note : nextNote}});
    m_window = std::make_unique<frmScoreboard>(*m_settings);
    m_window->setSale(m_sale.get());
    m_window->move(0, 0);
    if (!size.isEmpty())
        m_window->resize(size);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    if (!size.isEmpty())
        QTRY_COMPARE(m_window->size(), size);
    press(Qt::Key_Right);
}

void tst_RoomXvfb::noteShowsWhole_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("language");
    QTest::newRow("design size") << QSize() << QString();
    QTest::newRow("design size, German") << QSize() << QStringLiteral("de");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QString();
    QTest::newRow("1920x1080, German") << QSize(1920, 1080) << QStringLiteral("de");
    QTest::newRow("3840x2160") << QSize(3840, 2160) << QString();
}

// The longest note at every size: whole lines only, the last of them drawn, none touching the
// box's edges, and the type no smaller than half its design size.
void tst_RoomXvfb::noteShowsWhole()
{
    QFETCH(QSize, size);
    QFETCH(QString, language);
    this->language(language);
    // At twice the scale the same screen holds half the logical pixels.
    const qreal scale = qApp->devicePixelRatio();
    openBoard(LongestNote, size.isEmpty() ? size : (QSizeF(size) / scale).toSize());

    auto* note = m_window->findChild<NoteBox*>(QStringLiteral("txtNote"));
    QVERIFY(note->showsWholeNote());
    const QList<double> bottoms = note->lineBottoms();
    QVERIFY2(bottoms.size() >= 2, "the longest note takes more than one line");
    QVERIFY(note->fittedPointSize() >= note->font().pointSizeF() * NoteBox::MinimumScale - 0.01);

    const QImage shot = Shot(m_window.get(), BoxIn(note, m_window.get()));
    QCOMPARE(shot.size(), (QSizeF(note->size()) * scale).toSize());
    const QColor text = LedColors::ToQColor(m_settings->TextColor);
    const QColor back = LedColors::ToQColor(m_settings->FormBackColor);
    const QRect ink = InkBounds(shot, text, back);
    QVERIFY(!ink.isEmpty());
    // Nothing touches the box's edges: no line runs out of it.
    QVERIFY2(ink.top() > 0 && ink.left() > 0 && ink.right() < shot.width() - 1 && ink.bottom() < shot.height() - 1,
             qPrintable(QStringLiteral("ink %1,%2 %3x%4 in %5x%6")
                            .arg(ink.x())
                            .arg(ink.y())
                            .arg(ink.width())
                            .arg(ink.height())
                            .arg(shot.width())
                            .arg(shot.height())));
    // The last line is there: ink reaches into its band.
    const double lastTop = bottoms[bottoms.size() - 2] * scale;
    QVERIFY2(ink.bottom() > lastTop, qPrintable(QStringLiteral("%1 <= %2").arg(ink.bottom()).arg(lastTop)));
    QVERIFY(ink.bottom() <= bottoms.last() * scale + 1);
}

void tst_RoomXvfb::stampHidesTheNote_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("stampColor");
    QTest::newRow("sold, in the lot colour") << Qt::Key_F5 << AppSettings::DefaultLEDLotColor;
    QTest::newRow("passed, in grey") << Qt::Key_F6 << AppSettings::DefaultPassedColor;
}

// An opaque plate: not one pixel of the note's text shows through it, and each result has
// its own colour.
void tst_RoomXvfb::stampHidesTheNote()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, stampColor);
    openBoard(LongestNote, QSize(1920, 1080));
    press(key);
    auto* note = m_window->findChild<NoteBox*>(QStringLiteral("txtNote"));
    const QImage shot = Shot(m_window.get(), BoxIn(note, m_window.get()));
    QCOMPARE(CountNear(shot, LedColors::ToQColor(m_settings->TextColor), 40), 0);
    const int other = stampColor == AppSettings::DefaultPassedColor ? AppSettings::DefaultLEDLotColor
                                                                    : AppSettings::DefaultPassedColor;
    QVERIFY(CountNear(shot, LedColors::ToQColor(stampColor), 40) > shot.width() * shot.height() / 50);
    QCOMPARE(CountNear(shot, LedColors::ToQColor(other), 40), 0);
}

// The word stands at one height whatever the word and the language, with its price beneath
// it. The words compared have no accents, which reach above the capitals.
void tst_RoomXvfb::stampWordHasOneHeight()
{
    const struct
    {
        const char* language;
        Qt::Key key;
    } words[] = {{"", Qt::Key_F5}, {"", Qt::Key_F6}, {"de", Qt::Key_F5}, {"fr", Qt::Key_F6}};
    QList<QPair<int, int>> extents;
    for (const auto& word : words) {
        language(QLatin1String(word.language));
        openBoard(LongestNote, QSize(1920, 1080));
        // A bid first, so that sold and passed both carry their price beneath the word.
        press(Qt::Key_Up);
        press(word.key);
        auto* stamp = m_window->findChild<ResultStamp*>();
        QVERIFY(stamp->isVisible());
        // Inside the frame, where only the word is.
        const QRect box = BoxIn(stamp, m_window.get());
        const int inset = box.height() / 5;
        const QImage shot = Shot(m_window.get(), box.adjusted(inset, inset, -inset, -inset));
        const int colour = word.key == Qt::Key_F5 ? m_settings->ShownSoldColor() : m_settings->ShownPassedColor();
        const QRect ink = InkBounds(shot, LedColors::ToQColor(colour), LedColors::ToQColor(m_settings->FormBackColor));
        QVERIFY(!ink.isEmpty());
        extents << qMakePair(ink.top(), ink.bottom());
        cleanup();
        init();
    }
    for (const auto& extent : extents) {
        // Round letters overshoot the flat ones by a pixel or two.
        QVERIFY2(qAbs(extent.first - extents.first().first) <= 2 && qAbs(extent.second - extents.first().second) <= 2,
                 qPrintable(QStringLiteral("%1..%2 against %3..%4")
                                .arg(extent.first)
                                .arg(extent.second)
                                .arg(extents.first().first)
                                .arg(extents.first().second)));
    }
}

void tst_RoomXvfb::signStandsOnTheBaseline_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<bool>("fullHeight");
    QTest::newRow("$") << QStringLiteral("$") << true;
    QTest::newRow("euro") << QStringLiteral("\u20AC") << true;
    QTest::newRow("kr") << QStringLiteral("kr") << true;
    // Three letters are condensed as far as they read and then made smaller to fit the box.
    QTest::newRow("CHF") << QStringLiteral("CHF") << false;
}

// At 1080p the sign's bottom is the digits' bottom, its height that of "$", centred in its box.
void tst_RoomXvfb::signStandsOnTheBaseline()
{
    QFETCH(QString, sign);
    QFETCH(bool, fullHeight);
    m_settings->Currency = sign;
    openBoard(QStringLiteral("Oak chest"), QSize(1920, 1080));
    const QColor text = LedColors::ToQColor(m_settings->TextColor);
    const QColor back = LedColors::ToQColor(m_settings->FormBackColor);

    // The thousands show 3, whose bottom segment lies on the digits' baseline.
    auto* thousands = m_window->findChild<NumberLED*>(QStringLiteral("nledAmountThousands"));
    const QImage digits = Shot(m_window.get(), BoxIn(thousands, m_window.get()));
    const QRect lit = InkBounds(digits, LedColors::ToQColor(m_settings->LEDAmountColor),
                                LedColors::ToQColor(m_settings->LEDBackColor));
    QVERIFY(!lit.isEmpty());
    const int baseline = BoxIn(thousands, m_window.get()).top() + lit.bottom();

    auto* label = m_window->findChild<QLabel*>(QStringLiteral("lblAmountDollar"));
    const QRect box = BoxIn(label, m_window.get());
    const QRect ink = InkBounds(Shot(m_window.get(), box), text, back);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(qAbs(box.top() + ink.bottom() - baseline) <= 2,
             qPrintable(QStringLiteral("sign ends at %1, digits at %2").arg(box.top() + ink.bottom()).arg(baseline)));
    QVERIFY(qAbs(ink.center().x() - box.width() / 2) <= 2);

    // As tall as "$" drawn in the same place.
    label->setText(QStringLiteral("$"));
    const QRect dollar = InkBounds(Shot(m_window.get(), box), text, back);
    if (fullHeight)
        QVERIFY2(qAbs(ink.height() - dollar.height()) <= 2,
                 qPrintable(QStringLiteral("%1 against %2").arg(ink.height()).arg(dollar.height())));
    else
        QVERIFY(ink.height() > dollar.height() / 3 && ink.height() < dollar.height());
}

// The dot style's separator: round dots on the digits' own grid, not a square glyph.
void tst_RoomXvfb::separatorIsRoundDots()
{
    m_settings->LEDTypeIndex = 1;
    openBoard(QStringLiteral("Oak chest"), QSize(1920, 1080));
    const QColor lit = LedColors::ToQColor(m_settings->LEDAmountColor);
    const QColor back = LedColors::ToQColor(m_settings->LEDBackColor);
    auto* comma = m_window->findChild<QLabel*>(QStringLiteral("lblAmountComma"));
    auto* ones = m_window->findChild<NumberLED*>(QStringLiteral("nledAmountOnes"));
    const QRect commaBox = BoxIn(comma, m_window.get());
    const QImage mark = Shot(m_window.get(), commaBox);
    const QRect ink = InkBounds(mark, lit, back);
    QVERIFY(!ink.isEmpty());

    // The head: the top dot's square, of which a disc fills about pi/4.
    const int threshold = Distance(lit, back) / 2;
    const QRect digitBox = BoxIn(ones, m_window.get());
    const QRectF cell = ones->cellRect(0);
    const double pitch = cell.height() / LedGeometry::DotRows;
    const double radius = LedGeometry::DotRadius(cell.size());
    const int diameter = qRound(2 * radius);
    int inked = 0;
    const int left = ink.right() + 1 - diameter; // the head stands right of the tail
    for (int y = ink.top(); y < ink.top() + diameter; ++y) {
        for (int x = left; x <= ink.right(); ++x)
            inked += Distance(mark.pixelColor(x, y), lit) < threshold;
    }
    const double fill = double(inked) / (diameter * diameter);
    QVERIFY2(fill > 0.6 && fill < 0.9, qPrintable(QString::number(fill)));
    // On the digits' bottom row of dots.
    const double rowTop = digitBox.top() + cell.top() + 6.5 * pitch - radius;
    QVERIFY2(qAbs(commaBox.top() + ink.top() - rowTop) <= 2,
             qPrintable(QStringLiteral("%1 against %2").arg(commaBox.top() + ink.top()).arg(rowTop)));
}

void tst_RoomXvfb::audienceFillsTheScreen_data()
{
    QTest::addColumn<QSize>("projector");
    QTest::newRow("16:9, 1920x1080") << QSize(1920, 1080);
    QTest::newRow("16:10, 1920x1200") << QSize(1920, 1200);
    QTest::newRow("4:3, 1024x768") << QSize(1024, 768);
    QTest::newRow("21:9, 2560x1080") << QSize(2560, 1080);
}

// The room's screen on projectors of every shape: the composition covers at least 90% of the
// screen's width and height, every control lies whole on the screen, and the note shows whole.
void tst_RoomXvfb::audienceFillsTheScreen()
{
    QFETCH(QSize, projector);
    QVERIFY(SetMonitors({1920, 1080}, projector));
    openBoard(LongestNote);
    press(Qt::Key_F12);
    frmAudience* audience = m_window->audience();
    QVERIFY(audience);
    QTRY_COMPARE(audience->geometry(), QRect(QPoint(1920, 0), projector));
    QVERIFY(QTest::qWaitForWindowExposed(audience));

    const QRect screen(QPoint(0, 0), projector);
    for (QWidget* control :
         audience->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(lbl|nled|pic|txt)")))) {
        QVERIFY2(screen.contains(BoxIn(control, audience)), qPrintable(control->objectName()));
    }
    QVERIFY(audience->findChild<NoteBox*>(QStringLiteral("txtNote"))->showsWholeNote());
    // The room kept for a picture and a currency strip lies on the screen and under no control.
    for (const QRect& room : {audience->lotPictureArea(), audience->currencyStripArea()}) {
        QVERIFY(screen.contains(room));
        for (const char* name : {"lblLotNum", "nledLotNum", "lblAmountDollar", "picAmountBack", "txtNote"})
            QVERIFY2(!room.intersects(BoxIn(audience->findChild<QWidget*>(QLatin1String(name)), audience)), name);
    }

    const QImage shot = Shot(audience, screen);
    const QRect drawn = DrawnBounds(shot, LedColors::ToQColor(m_settings->FormBackColor));
    QVERIFY2(drawn.width() >= projector.width() * 0.9 && drawn.height() >= projector.height() * 0.9,
             qPrintable(QStringLiteral("%1x%2 of %3x%4")
                            .arg(drawn.width())
                            .arg(drawn.height())
                            .arg(projector.width())
                            .arg(projector.height())));
    m_window.reset();
    QVERIFY(RunXClient({}, QStringLiteral("xrandr"), {QStringLiteral("--delmonitor"), QStringLiteral("right")}) == 0);
    QVERIFY(SetMonitors({3840, 2160}));
}

void tst_RoomXvfb::noteStepLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("nextNote");
    QTest::addColumn<Qt::Key>("hammer");
    const QString shrunk = QStringList(4, LongestNote).join(QLatin1Char(' '));
    QTest::newRow("longest to short") << LongestNote << QStringLiteral("Oak chest") << Qt::Key_unknown;
    QTest::newRow("short to longest") << QStringLiteral("Oak chest") << LongestNote << Qt::Key_unknown;
    QTest::newRow("shrunk type to the design size") << shrunk << QStringLiteral("Oak chest") << Qt::Key_unknown;
    QTest::newRow("design size to shrunk type") << QStringLiteral("Oak chest") << shrunk << Qt::Key_unknown;
    QTest::newRow("a note to none") << LongestNote << QStringLiteral("") << Qt::Key_unknown;
    QTest::newRow("sold, to the next lot") << LongestNote << QStringLiteral("Oak chest") << Qt::Key_F5;
}

// A lot step repaints only the letters of the old and the new note: on both boards, what the
// screen shows after the step is what a repaint of the whole box then shows.
void tst_RoomXvfb::noteStepLeavesNothingBehind()
{
    QFETCH(QString, note);
    QFETCH(QString, nextNote);
    QFETCH(Qt::Key, hammer);
    QVERIFY(SetMonitors({640, 480}, {3840, 2160}));
    openBoard(note, {}, nextNote);
    press(Qt::Key_F12);
    frmAudience* audience = m_window->audience();
    QVERIFY(audience);
    QVERIFY(QTest::qWaitForWindowExposed(audience));
    if (hammer != Qt::Key_unknown)
        press(hammer);
    QTest::qWait(200);
    press(Qt::Key_Right);
    for (QWidget* window : {static_cast<QWidget*>(m_window.get()), static_cast<QWidget*>(audience)}) {
        auto* box = window->findChild<NoteBox*>(QStringLiteral("txtNote"));
        QCOMPARE(box->toPlainText(), nextNote);
        const QImage stepped = Shot(window, BoxIn(box, window));
        box->viewport()->update();
        const QImage whole = Shot(window, BoxIn(box, window));
        QCOMPARE(stepped.size(), whole.size());
        int stale = 0;
        for (int y = 0; y < whole.height(); ++y) {
            for (int x = 0; x < whole.width(); ++x)
                stale += stepped.pixel(x, y) != whole.pixel(x, y);
        }
        QVERIFY2(stale == 0,
                 qPrintable(QStringLiteral("%1: %2 pixels left behind").arg(window->objectName()).arg(stale)));
    }
    m_window.reset();
    QVERIFY(RunXClient({}, QStringLiteral("xrandr"), {QStringLiteral("--delmonitor"), QStringLiteral("right")}) == 0);
    QVERIFY(SetMonitors({3840, 2160}));
}

GAVELOR_XVFB_TEST_MAIN(tst_RoomXvfb,
                       (QStringList{QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("4480x2160x24"),
                                    QStringLiteral("-dpi"), QStringLiteral("96")}))

#include "tst_room_xvfb.moc"
