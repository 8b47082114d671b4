// The marks around the amount and the note box, worked out offscreen: where a currency sign
// goes, where the separator's dots go, and the size a note is set in. What the server draws of
// them is checked in tst_room_xvfb.
#include "common/Twips.h"
#include "scoreboard/AmountMarks.h"
#include "scoreboard/LedGeometry.h"
#include "scoreboard/NoteBox.h"
#include "scoreboard/modResize.h"

#include <QApplication>
#include <QPainterPath>
#include <QTest>

class tst_AmountMarks : public QObject
{
    Q_OBJECT

private slots:
    void signPlacement_data();
    void signPlacement();
    void separatorDots_data();
    void separatorDots();
    void noteFit_data();
    void noteFit();
    void partLinesAreNotDrawn();
};

namespace {

QFont BoardFont(double pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qRound(pixels));
    return font;
}

QRectF Extent(const QString& text, const QFont& font, const QTransform& placement = {})
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    return placement.map(path).boundingRect();
}

} // namespace

void tst_AmountMarks::signPlacement_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<bool>("fullHeight");
    // The scoreboard's box at 1080p (900 x 1860 twips, 80.25 pt, by 2.38) and the audience's
    // 16:9 box (4448 x 6380 twips, 223 pt).
    const QRectF scoreboard(0, 0, 143, 296);
    const QRectF audience(0, 0, 297, 425);
    for (const char* sign : {"$", "\u20AC", "\u00A3", "\u00A5", "kr", "z\u0142"}) {
        QTest::addRow("%s, scoreboard", sign) << QString::fromUtf8(sign) << scoreboard << 255 << true;
        QTest::addRow("%s, audience", sign) << QString::fromUtf8(sign) << audience << 297 << true;
    }
    QTest::newRow("CHF, scoreboard") << QStringLiteral("CHF") << scoreboard << 255 << false;
    QTest::newRow("CHF, audience") << QStringLiteral("CHF") << audience << 297 << false;
}

// Every sign stands on the baseline, centred, inside its box, as tall as "$" unless it is too
// wide for the box even condensed.
void tst_AmountMarks::signPlacement()
{
    QFETCH(QString, sign);
    QFETCH(QRectF, box);
    QFETCH(int, fontPixels);
    QFETCH(bool, fullHeight);
    const QFont font = BoardFont(fontPixels);
    const double baseline = box.height() * 0.9;
    const QRectF placed = Extent(sign, font, CurrencySign::Place(sign, font, box, baseline));
    const QRectF dollar = Extent(QStringLiteral("$"), font);
    QCOMPARE_LE(qAbs(placed.bottom() - baseline), 0.5);
    QCOMPARE_LE(qAbs(placed.center().x() - box.center().x()), 0.5);
    QVERIFY(box.contains(placed));
    QCOMPARE_LE(placed.width(), box.width() * CurrencySign::WidthShare + 0.5);
    if (fullHeight)
        QCOMPARE_LE(qAbs(placed.height() - dollar.height()), 0.5);
    else
        QVERIFY2(placed.height() < dollar.height() && placed.height() > dollar.height() / 3,
                 qPrintable(QStringLiteral("%1 of %2").arg(placed.height()).arg(dollar.height())));
}

void tst_AmountMarks::separatorDots_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("dots");
    QTest::newRow("comma") << QStringLiteral(",") << 2;
    QTest::newRow("point") << QStringLiteral(".") << 1;
    QTest::newRow("apostrophe") << QStringLiteral("'") << 2;
    QTest::newRow("narrow space") << QString(QChar(0x202F)) << 0;
    QTest::newRow("none") << QString() << 0;
}

// The dots lie on the digits' grid: a comma's and a point's head on the bottom row, an
// apostrophe as high as the label lets it, every dot whole inside the label.
void tst_AmountMarks::separatorDots()
{
    QFETCH(QString, separator);
    QFETCH(int, dots);
    // The scoreboard's separator box and digit cell, relative to the box (twips).
    const QRectF label(0, 0, 510, 1455);
    const QRectF cell(4420 - 3780, 210 - 840, 8.28 * 120, 14.83 * 120);
    const QList<QPointF> centres = GroupSeparator::DotCentres(separator, cell, label.center().x(), label.top());
    QCOMPARE(centres.size(), dots);
    const double radius = LedGeometry::DotRadius(cell.size());
    const double bottomRow = LedGeometry::DotCentre(cell.size(), 0, LedGeometry::DotRows - 1).y() + cell.top();
    for (const QPointF& centre : centres)
        QVERIFY(label.contains(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius)));
    if (separator == QLatin1String(",") || separator == QLatin1String("."))
        QCOMPARE(centres.first().y(), bottomRow);
    if (separator == QLatin1String("'"))
        QVERIFY(centres.first().y() < label.center().y());
}

void tst_AmountMarks::noteFit_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<double>("smallest");
    QTest::addColumn<double>("largest");
    QTest::addColumn<bool>("whole");
    QTest::newRow("short: the design size") << QStringLiteral("Oak chest") << 1.0 << 1.0 << true;
    QTest::newRow("the longest the editor admits")
        << QStringLiteral("Victorian mahogany bureau with brass fittings") << 0.5 << 0.99 << true;
    QTest::newRow("a settings file's thousand characters")
        << QStringLiteral("Walnut bureau ").repeated(72) << 0.5 << 0.5 << false;
}

// The note's size against its design size, at the scoreboard's design geometry.
void tst_AmountMarks::noteFit()
{
    QFETCH(QString, note);
    QFETCH(double, smallest);
    QFETCH(double, largest);
    QFETCH(bool, whole);
    NoteBox box;
    box.setFrameShape(QFrame::NoFrame);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    box.setFont(font);
    modResize::SetFontSize(&box, 39.75);
    box.resize(Twips::ToPixels(9375, &box), Twips::ToPixels(2055, &box));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.setPlainText(note);
    const double design = box.font().pointSizeF();
    QCOMPARE_GE(box.fittedPointSize(), design * smallest - 0.01);
    QCOMPARE_LE(box.fittedPointSize(), design * largest + 0.01);
    QCOMPARE(box.showsWholeNote(), whole);
    QVERIFY(box.wholeLines() >= 1);

    // The size belongs to the note and the box: a larger box, a larger size again.
    const double fitted = box.fittedPointSize();
    box.resize(box.width(), box.height() * 3);
    QCOMPARE_GE(box.fittedPointSize(), fitted);
    box.setPlainText(QString());
    QCOMPARE(box.fittedPointSize(), design);
}

// Of a note too long even at half size, the line that would be cut is not drawn at all.
void tst_AmountMarks::partLinesAreNotDrawn()
{
    NoteBox box;
    box.setFrameShape(QFrame::NoFrame);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    box.setPalette(palette);
    QFont font = box.font();
    font.setPointSize(24);
    box.setFont(font);
    box.resize(300, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.setPlainText(QStringLiteral("Walnut bureau ").repeated(40));
    QVERIFY(!box.showsWholeNote());
    const QList<double> bottoms = box.lineBottoms();
    const int whole = box.wholeLines();
    QVERIFY(whole >= 1 && whole < bottoms.size());
    const QImage shot = box.viewport()->grab().toImage();
    for (int y = qCeil(bottoms[whole - 1]) + 1; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x)
            QVERIFY2(qGray(shot.pixel(x, y)) < 40, qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
    }
}

QTEST_MAIN(tst_AmountMarks)
#include "tst_amountmarks.moc"
