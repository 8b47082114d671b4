#include "scoreboard/LedColors.h"
#include "scoreboard/LedGeometry.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PolyLED.h"
#include "scoreboard/modLEDType.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// A display type the program never places, recognised by its type name alone.
class TimeLED : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int LedType MEMBER ledType)

public:
    using QWidget::QWidget;
    int ledType = 0;
};

// Has a LedType of its own but is no LED display: the type name, not the property, decides.
class ClockFace : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int LedType MEMBER ledType)

public:
    using QWidget::QWidget;
    int ledType = 0;
};

// Writes down the order in which its colours are set.
class ColourRecorder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int LitColor READ LitColor WRITE setLitColor)

public:
    ColourRecorder(QString name, QStringList& log) : m_name(std::move(name)), m_log(log) {}
    int BackColor() const { return m_back; }
    void setBackColor(int color)
    {
        m_back = color;
        m_log.append(m_name + u":Back"_s);
    }
    int LitColor() const { return m_lit; }
    void setLitColor(int color)
    {
        m_lit = color;
        m_log.append(m_name + u":Lit"_s);
    }

private:
    QString m_name;
    QStringList& m_log;
    int m_back = -1;
    int m_lit = -1;
};

class tst_LedType : public QObject
{
    Q_OBJECT

private slots:
    void styleReachesOnlyLedDisplays();
    void windowWithoutDisplaysIsUntouched();
    void styleShowsOnTheDisplays();
    void groupColouredInOrder();
    void lotAndAmountShareTheBackground();
    void objectsWithoutColoursAreLeftAlone();
};

void tst_LedType::styleReachesOnlyLedDisplays()
{
    QWidget window;
    auto* lot = new NumberLED(4, &window);
    auto* panel = new QFrame(&window);
    auto* thousands = new NumberLED(3, panel); // inside a container
    auto* ones = new NumberLED(3, panel);
    auto* preview = new PolyLED(&window);
    auto* time = new TimeLED(&window);
    auto* clock = new ClockFace(&window);
    auto* label = new QLabel(u"Lot #:"_s, &window);
    auto* edit = new QLineEdit(u"note"_s, &window);

    ApplyLEDType(&window, 1);
    QCOMPARE(lot->LedType(), 1);
    QCOMPARE(thousands->LedType(), 1);
    QCOMPARE(ones->LedType(), 1);
    QCOMPARE(preview->LedType(), 1);
    QCOMPARE(time->ledType, 1);
    QCOMPARE(clock->ledType, 0);
    QCOMPARE(label->text(), u"Lot #:"_s);
    QCOMPARE(edit->text(), u"note"_s);
    for (QObject* other : {static_cast<QObject*>(panel), static_cast<QObject*>(label), static_cast<QObject*>(edit)})
        QVERIFY2(other->dynamicPropertyNames().isEmpty(), other->metaObject()->className());

    // Back again, and an out-of-range style is handed on unchanged.
    ApplyLEDType(&window, 0);
    QCOMPARE(lot->LedType(), 0);
    QCOMPARE(preview->LedType(), 0);
    ApplyLEDType(&window, 5);
    QCOMPARE(ones->LedType(), 5);
}

void tst_LedType::windowWithoutDisplaysIsUntouched()
{
    QWidget window;
    auto* label = new QLabel(u"$"_s, &window);
    auto* edit = new QLineEdit(&window);
    auto* panel = new QFrame(&window);
    const QList<QWidget*> before = window.findChildren<QWidget*>();

    ApplyLEDType(&window, 1);
    ApplyLEDType(nullptr, 1);
    QCOMPARE(window.findChildren<QWidget*>(), before);
    for (QObject* control : {static_cast<QObject*>(&window), static_cast<QObject*>(label), static_cast<QObject*>(edit),
                             static_cast<QObject*>(panel)})
        QVERIFY2(control->dynamicPropertyNames().isEmpty(), control->metaObject()->className());
    QCOMPARE(label->text(), u"$"_s);
}

void tst_LedType::styleShowsOnTheDisplays()
{
    // Switching the style repaints the displays with dots: the middle of segment b of an 8 falls between
    // dots, and the centre of the top-left dot (blank in an 8) shows only the faint unlit shade.
    QWidget window;
    auto* lot = new NumberLED(4, &window);
    lot->setCaption(8888);
    lot->setBackColor(0);
    lot->setLitColor(0x00FF00);
    auto pixelAt = [&](QPointF point) {
        return lot->grab().toImage().pixelColor(point.toPoint());
    };
    const QRectF cell = lot->cellRect(3);
    const QPointF segmentB = cell.topLeft() + LedGeometry::SegmentCentre(cell.size(), LedGeometry::SegB);
    const QPointF cornerDot = cell.topLeft() + LedGeometry::DotCentre(cell.size(), 0, 0);
    QCOMPARE(pixelAt(segmentB), QColor(0, 255, 0));

    ApplyLEDType(&window, LedGeometry::StyleDots);
    QVERIFY2(pixelAt(segmentB).green() < 60, qPrintable(pixelAt(segmentB).name()));
    const QColor corner = pixelAt(cornerDot);
    QVERIFY2(corner.green() > 0 && corner.green() < 100, qPrintable(corner.name()));
}

void tst_LedType::groupColouredInOrder()
{
    QStringList log;
    ColourRecorder first(u"first"_s, log);
    ColourRecorder second(u"second"_s, log);
    ColourRecorder third(u"third"_s, log);
    ApplyDigitColors({&first, &second, &third}, 0x00FFFF, 0x202020);
    QCOMPARE(log, (QStringList{u"first:Back"_s, u"first:Lit"_s, u"second:Back"_s, u"second:Lit"_s, u"third:Back"_s,
                               u"third:Lit"_s}));
    for (const ColourRecorder* member : {&first, &second, &third}) {
        QCOMPARE(member->BackColor(), 0x202020);
        QCOMPARE(member->LitColor(), 0x00FFFF);
    }

    log.clear();
    ApplyDigitColors(&second, 0x0000FF, 0x000000);
    QCOMPARE(log, (QStringList{u"second:Back"_s, u"second:Lit"_s}));
    QCOMPARE(first.LitColor(), 0x00FFFF);
    QCOMPARE(second.LitColor(), 0x0000FF);

    log.clear();
    ApplyDigitColors(QList<QObject*>{}, 0x0000FF, 0);
    QVERIFY(log.isEmpty());
}

void tst_LedType::lotAndAmountShareTheBackground()
{
    QWidget window;
    auto* lot = new NumberLED(4, &window);
    auto* thousands = new NumberLED(3, &window);
    auto* ones = new NumberLED(3, &window);
    auto* preview = new PolyLED(&window);
    lot->setCaption(7);
    ones->setCaption(7);
    const int back = 0x102030;
    const int lotColor = 0x0000FF;    // red
    const int amountColor = 0x00FF00; // green

    ApplyDigitColors(lot, lotColor, back);
    ApplyDigitColors({ones, thousands}, amountColor, back);
    ApplyDigitColors(preview, amountColor, back);
    QCOMPARE(lot->BackColor(), back);
    QCOMPARE(ones->BackColor(), back);
    QCOMPARE(thousands->BackColor(), back);
    QCOMPARE(preview->BackColor(), back);
    QCOMPARE(lot->LitColor(), lotColor);
    QCOMPARE(ones->LitColor(), amountColor);
    QCOMPARE(thousands->LitColor(), amountColor);

    // What the room sees: the same background, separate lit colours.
    auto segmentA = [](NumberLED* led) {
        const QRectF cell = led->cellRect(led->Digits() - 1);
        const QPointF point = cell.topLeft() + LedGeometry::SegmentCentre(cell.size(), LedGeometry::SegA);
        return led->grab().toImage().pixelColor(point.toPoint());
    };
    QCOMPARE(lot->grab().toImage().pixelColor(1, 1), LedColors::ToQColor(back));
    QCOMPARE(ones->grab().toImage().pixelColor(1, 1), LedColors::ToQColor(back));
    QCOMPARE(preview->grab().toImage().pixelColor(1, 1), LedColors::ToQColor(back));
    QCOMPARE(segmentA(lot), QColor(255, 0, 0));
    QCOMPARE(segmentA(ones), QColor(0, 255, 0));
}

void tst_LedType::objectsWithoutColoursAreLeftAlone()
{
    QLabel label(u"Lot #:"_s);
    QStringList log;
    ColourRecorder display(u"display"_s, log);
    ApplyDigitColors(&label, 0x00FF00, 0);
    ApplyDigitColors(nullptr, 0x00FF00, 0);
    ApplyDigitColors({&label, nullptr, &display}, 0x00FF00, 0x111111);
    QVERIFY(label.dynamicPropertyNames().isEmpty());
    QCOMPARE(display.BackColor(), 0x111111);
    QCOMPARE(display.LitColor(), 0x00FF00);
}

QTEST_MAIN(tst_LedType)
#include "tst_ledtype.moc"
