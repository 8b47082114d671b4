#include "common/Twips.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/LedGeometry.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PolyLED.h"

#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

using LedGeometry::Segment;
using namespace Qt::StringLiterals;

namespace {

// Distinct channels, so a swapped red and blue shows up.
constexpr int Lit = 0x30A0F0;  // red F0, green A0, blue 30
constexpr int Back = 0x402010; // red 10, green 20, blue 40

QColor Rgb(int color)
{
    return LedColors::ToQColor(color);
}

// The faint shade of the lit colour over the background, worked out here rather than taken from the widget.
QColor Faint()
{
    const QColor lit = Rgb(Lit);
    const QColor back = Rgb(Back);
    auto mix = [](int over, int under) {
        return static_cast<int>(std::lround(under + 0.12 * (over - under)));
    };
    return QColor(mix(lit.red(), back.red()), mix(lit.green(), back.green()), mix(lit.blue(), back.blue()));
}

bool Near(const QColor& actual, const QColor& expected, int tolerance = 3)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QImage Grab(QWidget& widget)
{
    return widget.grab().toImage();
}

QColor PixelAt(const QImage& image, QPointF logical)
{
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(logical.x() * ratio), static_cast<int>(logical.y() * ratio));
}

// Segments of each digit, written out independently of the widget's own table.
QString SegmentsOf(QChar digit)
{
    static const QStringList segments = {u"abcdef"_s, u"bc"_s,     u"abdeg"_s, u"abcdg"_s,   u"bcfg"_s,
                                         u"acdfg"_s,  u"acdefg"_s, u"abc"_s,   u"abcdefg"_s, u"abcdfg"_s};
    return digit.isDigit() ? segments[digit.digitValue()] : QString();
}

QPointF SegmentPoint(const QRectF& cell, QChar segment)
{
    const auto which = static_cast<Segment>(segment.unicode() - u'a');
    return cell.topLeft() + LedGeometry::SegmentCentre(cell.size(), which);
}

// Which digits the pixels show, cell by cell ("-" for a cell with no segment lit), or a description of
// the first pixel that is neither lit nor the faint unlit shade.
QString ReadSegments(const QImage& image, const QList<QRectF>& cells)
{
    QString shown;
    for (const QRectF& cell : cells) {
        QString litSegments;
        for (QChar segment : u"abcdefg"_s) {
            const QColor pixel = PixelAt(image, SegmentPoint(cell, segment));
            if (Near(pixel, Rgb(Lit)))
                litSegments += segment;
            else if (!Near(pixel, Faint()))
                return u"segment %1 has colour %2"_s.arg(segment).arg(pixel.name());
        }
        QChar digit = u'?';
        if (litSegments.isEmpty())
            digit = u'-';
        for (int value = 0; value <= 9; ++value) {
            if (SegmentsOf(QChar(u'0' + value)) == litSegments)
                digit = QChar(u'0' + value);
        }
        shown += digit;
    }
    return shown;
}

QList<QRectF> Cells(const NumberLED& led)
{
    QList<QRectF> cells;
    for (int cell = 0; cell < led.Digits(); ++cell)
        cells.append(led.cellRect(cell));
    return cells;
}

void Design(NumberLED& led, double size, double paddingH, double paddingV, double paddingI)
{
    led.setSize(size);
    led.setPaddingH(paddingH);
    led.setPaddingV(paddingV);
    led.setPaddingI(paddingI);
    led.setLitColor(Lit);
    led.setBackColor(Back);
}

// Collects the paint events a widget receives.
class PaintRecorder : public QObject
{
public:
    int count = 0;
    QRegion painted;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
    void reset()
    {
        count = 0;
        painted = QRegion();
    }
};

} // namespace

class tst_NumberLED : public QObject
{
    Q_OBJECT

private slots:
    void extentMatchesDesignBox_data();
    void extentMatchesDesignBox();
    void showsDigits_data();
    void showsDigits();
    void captionAcceptsText();
    void dotStyle_data();
    void dotStyle();
    void unknownStyleDrawsLines();
    void backgroundInPaddings();
    void paintsAtHighPixelRatio_data();
    void paintsAtHighPixelRatio();
    void extremeSizesPaint_data();
    void extremeSizesPaint();
    void repaintsOnlyWhatChanged();
    void tabMovesFocusBetweenDisplays();
    void keyAndClickNotifications();
    void polyShowsEightAtPreviewSize();
    void polyFollowsCaptionAndStyle();
    void polyLeavesKeysAndClicksToItsWindow();
};

void tst_NumberLED::extentMatchesDesignBox_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("paddingH");
    QTest::addColumn<double>("paddingV");
    QTest::addColumn<double>("paddingI");
    QTest::addColumn<QSizeF>("designTwips");
    QTest::newRow("amount") << 3 << 120.0 << 100.0 << 150.0 << 300.0 << QSizeF(3765, 2085);
    QTest::newRow("lot") << 4 << 90.0 << 100.0 << 100.0 << 200.0 << QSizeF(3795, 1530);
    // The layout scales Size and the paddings together: the box scales with them.
    QTest::newRow("amount at 4k") << 3 << 572.2 << 476.8 << 715.2 << 1430.5 << QSizeF(3765, 2085) * 4.768;
}

void tst_NumberLED::extentMatchesDesignBox()
{
    QFETCH(int, digits);
    QFETCH(double, size);
    QFETCH(double, paddingH);
    QFETCH(double, paddingV);
    QFETCH(double, paddingI);
    QFETCH(QSizeF, designTwips);
    NumberLED led(digits);
    Design(led, size, paddingH, paddingV, paddingI);
    const double dpi = Twips::LogicalDpi(&led);
    const double expectedWidth = Twips::ToPixels(designTwips.width(), dpi);
    const double expectedHeight = Twips::ToPixels(designTwips.height(), dpi);
    QVERIFY2(std::abs(led.width() - expectedWidth) <= 0.03 * expectedWidth,
             qPrintable(u"width %1, design %2"_s.arg(led.width()).arg(expectedWidth)));
    QVERIFY2(std::abs(led.height() - expectedHeight) <= 0.03 * expectedHeight,
             qPrintable(u"height %1, design %2"_s.arg(led.height()).arg(expectedHeight)));
    // Cells lie inside the widget, in order, without overlapping.
    for (int cell = 0; cell < digits; ++cell) {
        const QRectF area = led.cellRect(cell);
        QVERIFY(QRectF(led.rect()).contains(area));
        if (cell > 0)
            QVERIFY(area.left() > led.cellRect(cell - 1).right());
    }
}

void tst_NumberLED::showsDigits_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("caption");
    QTest::addColumn<bool>("zeroFill");
    QTest::addColumn<QString>("expected");
    QTest::newRow("-1 is empty") << 3 << -1 << false << u"---"_s;
    QTest::newRow("-1 is empty even with zero fill") << 3 << -1 << true << u"---"_s;
    QTest::newRow("5 lights only the last cell") << 3 << 5 << false << u"--5"_s;
    QTest::newRow("5 with zero fill") << 3 << 5 << true << u"005"_s;
    QTest::newRow("0 shows one zero") << 3 << 0 << false << u"--0"_s;
    QTest::newRow("inner zero stays lit") << 3 << 105 << false << u"105"_s;
    QTest::newRow("50 without zero fill") << 3 << 50 << false << u"-50"_s;
    QTest::newRow("888 lights every segment") << 3 << 888 << false << u"888"_s;
    QTest::newRow("all ten digits") << 4 << 1234 << false << u"1234"_s;
    QTest::newRow("all ten digits, rest") << 4 << 5678 << false << u"5678"_s;
    QTest::newRow("nine and zero") << 4 << 9090 << false << u"9090"_s;
    QTest::newRow("wider than the display shows its last digits") << 3 << 12345 << false << u"345"_s;
    QTest::newRow("lot maximum") << 4 << 9999 << false << u"9999"_s;
    QTest::newRow("below -1 is empty") << 3 << -7 << true << u"---"_s;
}

void tst_NumberLED::showsDigits()
{
    QFETCH(int, digits);
    QFETCH(int, caption);
    QFETCH(bool, zeroFill);
    QFETCH(QString, expected);
    NumberLED led(digits);
    Design(led, 90, 100, 100, 200);
    led.setZeroFill(zeroFill);
    led.setCaption(caption);
    QCOMPARE(ReadSegments(Grab(led), Cells(led)), expected);
}

void tst_NumberLED::captionAcceptsText()
{
    NumberLED led(3);
    Design(led, 90, 100, 100, 200);
    QVERIFY(led.setProperty("Caption", u"42"_s));
    QCOMPARE(led.property("Caption").toInt(), 42);
    QCOMPARE(ReadSegments(Grab(led), Cells(led)), u"-42"_s);
}

void tst_NumberLED::dotStyle_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<QPoint>("dot");
    QTest::addColumn<bool>("lit");
    // Columns 0..4, rows 0..6 of a 5 x 7 matrix.
    QTest::newRow("1: stem") << 1 << QPoint(2, 3) << true;
    QTest::newRow("1: foot") << 1 << QPoint(1, 6) << true;
    QTest::newRow("1: left of the stem") << 1 << QPoint(0, 3) << false;
    QTest::newRow("1: top right") << 1 << QPoint(4, 0) << false;
    QTest::newRow("8: waist") << 8 << QPoint(2, 3) << true;
    QTest::newRow("8: left side") << 8 << QPoint(0, 1) << true;
    QTest::newRow("8: rounded corner") << 8 << QPoint(0, 0) << false;
    QTest::newRow("8: waist corner") << 8 << QPoint(4, 3) << false;
    QTest::newRow("0: slash") << 0 << QPoint(2, 3) << true;
    QTest::newRow("7: bottom right") << 7 << QPoint(4, 6) << false;
}

void tst_NumberLED::dotStyle()
{
    QFETCH(int, digit);
    QFETCH(QPoint, dot);
    QFETCH(bool, lit);
    NumberLED led(2);
    Design(led, 120, 100, 150, 300);
    led.setLedType(LedGeometry::StyleDots);
    led.setCaption(digit); // the first cell stays dark
    const QImage image = Grab(led);
    for (int cell = 0; cell < 2; ++cell) {
        const QRectF area = led.cellRect(cell);
        const QPointF centre = area.topLeft() + LedGeometry::DotCentre(area.size(), dot.x(), dot.y());
        const bool expectLit = lit && cell == 1;
        const QColor pixel = PixelAt(image, centre);
        QVERIFY2(Near(pixel, expectLit ? Rgb(Lit) : Faint()), qPrintable(u"cell %1: %2"_s.arg(cell).arg(pixel.name())));
    }
    // Between dots lies the background.
    const QRectF area = led.cellRect(1);
    const QPointF between =
        area.topLeft() + (LedGeometry::DotCentre(area.size(), 1, 3) + LedGeometry::DotCentre(area.size(), 2, 3)) / 2;
    QVERIFY(Near(PixelAt(image, between), Rgb(Back)));
}

void tst_NumberLED::unknownStyleDrawsLines()
{
    NumberLED led(2);
    Design(led, 90, 100, 100, 200);
    led.setLedType(7);
    led.setCaption(48);
    QCOMPARE(ReadSegments(Grab(led), Cells(led)), u"48"_s);
    led.setLedType(-1);
    QCOMPARE(ReadSegments(Grab(led), Cells(led)), u"48"_s);
}

void tst_NumberLED::backgroundInPaddings()
{
    NumberLED led(3);
    Design(led, 120, 100, 150, 300);
    led.setCaption(888);
    for (int style : {LedGeometry::StyleLines, LedGeometry::StyleDots}) {
        led.setLedType(style);
        const QImage image = Grab(led);
        const QRectF first = led.cellRect(0);
        const QRectF second = led.cellRect(1);
        const QList<QPointF> paddings = {
            {1, 1},
            {first.left() / 2, led.height() / 2.0},                      // left padding
            {first.center().x(), first.top() / 2},                       // top padding
            {first.center().x(), (first.bottom() + led.height()) / 2.0}, // bottom padding
            {(first.right() + second.left()) / 2, first.center().y()},   // between two digits
            {led.width() - 2.0, led.height() - 2.0}};
        for (const QPointF& point : paddings)
            QVERIFY2(Near(PixelAt(image, point), Rgb(Back), 0),
                     qPrintable(u"style %1 at %2,%3"_s.arg(style).arg(point.x()).arg(point.y())));
    }
}

void tst_NumberLED::paintsAtHighPixelRatio_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("lines") << LedGeometry::StyleLines;
    QTest::newRow("dots") << LedGeometry::StyleDots;
}

void tst_NumberLED::paintsAtHighPixelRatio()
{
    QFETCH(int, style);
    NumberLED led(3);
    Design(led, 60, 50, 75, 150);
    led.setLedType(style);
    led.setCaption(71);
    QImage image(led.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    led.render(&image);
    // Drawn at full device resolution, not stretched from a half-size picture: the edge of a lit shape is
    // sharp within a device pixel or two.
    const QRectF cell = led.cellRect(2); // the 1
    if (style == LedGeometry::StyleLines) {
        QCOMPARE(ReadSegments(image, Cells(led)), u"-71"_s);
        const QPointF b = SegmentPoint(cell, u'b');
        const double half = LedGeometry::SegmentThickness(cell.size()) / 2;
        QVERIFY(Near(PixelAt(image, b + QPointF(half - 0.75, 0)), Rgb(Lit), 8));
        QVERIFY(Near(PixelAt(image, b + QPointF(half + 0.75, 0)), Rgb(Back), 8));
    } else {
        const QPointF stem = cell.topLeft() + LedGeometry::DotCentre(cell.size(), 2, 3);
        const double radius = LedGeometry::DotRadius(cell.size());
        QVERIFY(Near(PixelAt(image, stem), Rgb(Lit)));
        QVERIFY(Near(PixelAt(image, stem + QPointF(0, radius - 1)), Rgb(Lit), 8));
        QVERIFY(Near(PixelAt(image, stem + QPointF(0, radius + 1)), Rgb(Back), 8));
    }
    QVERIFY(Near(PixelAt(image, QPointF(0.5, 0.5)), Rgb(Back), 0));
}

void tst_NumberLED::extremeSizesPaint_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("padding");
    QTest::newRow("scoreboard 40 px high") << 120 * 40 * 15 / 6795.0 << 100 * 40 * 15 / 6795.0;
    QTest::newRow("one twip") << 1.0 << 1.0;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("negative size") << -50.0 << 10.0;
    QTest::newRow("paddings larger than the digits") << 2.0 << 900.0;
    QTest::newRow("huge") << 1500.0 << 1000.0;
}

void tst_NumberLED::extremeSizesPaint()
{
    QFETCH(double, size);
    QFETCH(double, padding);
    for (int style : {LedGeometry::StyleLines, LedGeometry::StyleDots}) {
        NumberLED led(3);
        Design(led, size, padding, padding, padding);
        led.setLedType(style);
        led.setCaption(888);
        QVERIFY(led.width() >= 1 && led.height() >= 1);
        const QImage image = Grab(led);
        QCOMPARE(image.size(), led.size() * image.devicePixelRatio());
        if (size >= 10) {
            // Even where segments and dots are thinner than a pixel, the digits must show: some pixel
            // of the last cell is at least halfway from the background to the lit colour.
            const QRect cell = led.cellRect(2).toAlignedRect() & led.rect();
            int strongest = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y) {
                for (int x = cell.left(); x <= cell.right(); ++x)
                    strongest = std::max(strongest, image.pixelColor(x, y).red() - Rgb(Back).red());
            }
            QVERIFY2(strongest >= (Rgb(Lit).red() - Rgb(Back).red()) / 2, qPrintable(QString::number(strongest)));
        }
    }
}

void tst_NumberLED::repaintsOnlyWhatChanged()
{
    NumberLED led(3);
    Design(led, 60, 50, 75, 150);
    led.setCaption(125);
    PaintRecorder recorder;
    led.installEventFilter(&recorder);
    led.show();
    QVERIFY(QTest::qWaitForWindowExposed(&led));
    QTRY_VERIFY(recorder.count > 0);

    auto settle = [&] {
        recorder.reset();
        QTest::qWait(30);
    };
    auto paintedOnly = [&](QList<int> cells) {
        QRegion allowed;
        for (int cell : cells)
            allowed += led.cellRect(cell).toAlignedRect().adjusted(-2, -2, 2, 2);
        return (recorder.painted - allowed).isEmpty();
    };

    settle();
    led.setCaption(125);
    led.setProperty("Caption", u"125"_s);
    led.setZeroFill(false);
    led.setLitColor(Lit);
    QTest::qWait(50);
    QCOMPARE(recorder.count, 0);

    settle();
    led.setCaption(128);
    QTRY_VERIFY(recorder.count > 0);
    QVERIFY(paintedOnly({2}));
    QCOMPARE(ReadSegments(Grab(led), Cells(led)), u"128"_s);

    settle();
    led.setCaption(8); // the two leading cells go dark
    QTRY_VERIFY(recorder.count > 0);
    QVERIFY(paintedOnly({0, 1}));

    settle();
    led.setZeroFill(true);
    QTRY_VERIFY(recorder.count > 0);
    QVERIFY(paintedOnly({0, 1}));
    QCOMPARE(ReadSegments(Grab(led), Cells(led)), u"008"_s);

    settle();
    led.setBackColor(0x000000);
    QTRY_VERIFY(recorder.count > 0);
    QVERIFY(recorder.painted.contains(QPoint(1, 1)));
}

void tst_NumberLED::tabMovesFocusBetweenDisplays()
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* first = new NumberLED(4, &window);
    auto* second = new NumberLED(3, &window);
    layout->addWidget(first);
    layout->addWidget(second);
    QWidget::setTabOrder(first, second);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    int keyDowns = 0;
    connect(first, &NumberLED::KeyDown, this, [&] { ++keyDowns; });
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Backtab);
    QTRY_VERIFY(first->hasFocus());
    // Focus movement is not a command key for the display.
    QCOMPARE(keyDowns, 0);
}

void tst_NumberLED::keyAndClickNotifications()
{
    NumberLED led(4);
    led.show();
    QVERIFY(QTest::qWaitForWindowActive(&led));
    led.setFocus();
    QList<int> pressed;
    QList<int> released;
    QList<Qt::KeyboardModifiers> shifts;
    connect(&led, &NumberLED::KeyDown, this, [&](QKeyEvent* event) {
        pressed.append(event->key());
        shifts.append(event->modifiers());
    });
    connect(&led, &NumberLED::KeyUp, this, [&](QKeyEvent* event) { released.append(event->key()); });
    QSignalSpy clicks(&led, &NumberLED::Click);

    QTest::keyClick(&led, Qt::Key_5);
    QTest::keyClick(&led, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&led, Qt::Key_F2);
    // The Shift key itself is reported too, as on any control.
    QCOMPARE(pressed, (QList<int>{Qt::Key_5, Qt::Key_Shift, Qt::Key_Up, Qt::Key_F2}));
    QCOMPARE(released, (QList<int>{Qt::Key_5, Qt::Key_Up, Qt::Key_Shift, Qt::Key_F2}));
    QVERIFY(shifts[2].testFlag(Qt::ShiftModifier));
    QVERIFY(!shifts[3].testFlag(Qt::ShiftModifier));
    QCOMPARE(clicks.count(), 0);

    QTest::mouseClick(&led, Qt::LeftButton, {}, led.rect().center());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(pressed.size(), 4);
}

void tst_NumberLED::polyShowsEightAtPreviewSize()
{
    PolyLED preview;
    preview.setLitColor(Lit);
    preview.setBackColor(Back);
    QCOMPARE(preview.Caption(), 8);
    // The options dialog's preview box is 540 x 975 twips.
    const double dpi = Twips::LogicalDpi(&preview);
    QVERIFY(std::abs(preview.width() - Twips::ToPixels(540, dpi)) <= 0.03 * Twips::ToPixels(540, dpi));
    QVERIFY(std::abs(preview.height() - Twips::ToPixels(975, dpi)) <= 0.03 * Twips::ToPixels(975, dpi));
    const QImage image = Grab(preview);
    QCOMPARE(ReadSegments(image, {preview.cellRect()}), u"8"_s);
    QVERIFY(Near(PixelAt(image, {0.5, 0.5}), Rgb(Back), 0));

    // Size alone decides the extent.
    const QSize before = preview.size();
    preview.setSize(114);
    QVERIFY(std::abs(preview.width() - 2 * before.width()) <= 2);
    QVERIFY(std::abs(preview.height() - 2 * before.height()) <= 2);
}

void tst_NumberLED::polyFollowsCaptionAndStyle()
{
    PolyLED preview;
    preview.setLitColor(Lit);
    preview.setBackColor(Back);
    preview.setCaption(-1);
    QCOMPARE(ReadSegments(Grab(preview), {preview.cellRect()}), u"-"_s);
    preview.setCaption(13); // one cell shows the last digit
    QCOMPARE(ReadSegments(Grab(preview), {preview.cellRect()}), u"3"_s);

    preview.setCaption(8);
    preview.setLedType(LedGeometry::StyleDots);
    const QImage image = Grab(preview);
    const QRectF cell = preview.cellRect();
    QVERIFY(Near(PixelAt(image, cell.topLeft() + LedGeometry::DotCentre(cell.size(), 2, 3)), Rgb(Lit)));
    QVERIFY(Near(PixelAt(image, cell.topLeft() + LedGeometry::DotCentre(cell.size(), 0, 0)), Faint()));
}

// The preview is a picture in the options dialog: it never takes the focus, and what is pressed over it
// goes to the window around it, unlike the scoreboard's displays, which report it themselves.
void tst_NumberLED::polyLeavesKeysAndClicksToItsWindow()
{
    class Frame : public QWidget
    {
    public:
        int clicks = 0;
        QList<int> keys;

    protected:
        void mousePressEvent(QMouseEvent*) override { ++clicks; }
        void keyPressEvent(QKeyEvent* event) override { keys.append(event->key()); }
    };
    Frame window;
    auto* layout = new QHBoxLayout(&window);
    auto* before = new NumberLED(3, &window);
    auto* preview = new PolyLED(&window);
    auto* after = new NumberLED(3, &window);
    layout->addWidget(before);
    layout->addWidget(preview);
    layout->addWidget(after);
    QWidget::setTabOrder(before, after);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(preview->focusPolicy(), Qt::NoFocus);

    before->setFocus();
    QTRY_VERIFY(before->hasFocus());
    QTest::keyClick(before, Qt::Key_Tab);
    QTRY_VERIFY(after->hasFocus());

    QTest::mouseClick(preview, Qt::LeftButton, {}, preview->rect().center());
    QCOMPARE(window.clicks, 1);
    QVERIFY(after->hasFocus());

    QKeyEvent press(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, u"5"_s);
    QCoreApplication::sendEvent(preview, &press);
    QCOMPARE(window.keys, QList<int>{Qt::Key_5});
}

QTEST_MAIN(tst_NumberLED)
#include "tst_numberled.moc"
