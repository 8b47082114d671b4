#include "common/Twips.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PolyLED.h"
#include "scoreboard/frmScoreboard.h"
#include "scoreboard/modResize.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// A window designed at 9480 x 6795 twips: a label and a picture box on the window, a
// label and a digit display inside the picture box, a button and a note box.
struct DesignedWindow
{
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel* label = nullptr;
    PictureBox* picture = nullptr;
    QLabel* innerLabel = nullptr;
    NumberLED* display = nullptr;
    QPushButton* button = nullptr;
    QPlainTextEdit* note = nullptr;

    DesignedWindow()
    {
        window->setObjectName(QStringLiteral("frmTest"));
        window->setProperty("ScaleWidth", 9480);
        window->setProperty("ScaleHeight", 6795);
        window->resize(Twips::ToPixels(9480), Twips::ToPixels(6795));
        label = new QLabel(window.get());
        modResize::SetDesignGeometry(label, 120, 600, 1000, 450);
        modResize::SetFontSize(label, 10);
        picture = new PictureBox(window.get());
        modResize::SetDesignGeometry(picture, 1080, 2100, 8235, 2295);
        innerLabel = new QLabel(picture);
        modResize::SetDesignGeometry(innerLabel, 120, 600, 1000, 450);
        modResize::SetFontSize(innerLabel, 13.5);
        display = new NumberLED(3, picture);
        display->setSize(120);
        display->setPaddingH(100);
        display->setPaddingV(150);
        display->setPaddingI(300);
        modResize::SetDesignGeometry(display, 4320, 60);
        button = new QPushButton(window.get());
        button->setGeometry(3, 4, 50, 20);
        note = new QPlainTextEdit(window.get());
        modResize::SetDesignGeometry(note, 60, 4680, 30, 2055);
        modResize::SetFontSize(note, 8.25);
    }

    // Resizes to a client area given in twips (whole pixels at the test's 96 dpi).
    void resizeTwips(int width, int height) { window->resize(Twips::ToPixels(width), Twips::ToPixels(height)); }
};

double Prop(const QWidget* control, const char* name)
{
    return control->property(name).toDouble();
}

} // namespace

class tst_Resize : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void computeScale_data();
    void computeScale();
    void roundHalfEven_data();
    void roundHalfEven();
    void atLeastOne_data();
    void atLeastOne();
    void captureRecordsByTypeName();
    void stretchScalesAndCentres();
    void stretchBackToDesignSize();
    void stretchShrinksToAtLeastOne();
    void minimisedWindowUntouched();
    void stretchBeforeCaptureDoesNothing();
    void singleDigitScalesBySizeAlone();
};

void tst_Resize::initTestCase()
{
    // The worked examples below are whole pixels at 96 dpi (15 twips per pixel).
    QCOMPARE(Twips::LogicalDpi(), 96.0);
}

void tst_Resize::computeScale_data()
{
    QTest::addColumn<double>("clientWidth");
    QTest::addColumn<double>("clientHeight");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("offsetX");
    QTest::addColumn<int>("offsetY");
    QTest::newRow("wider: scale by height, centre across") << 28440.0 << 13590.0 << 2.0 << 4740 << 0;
    QTest::newRow("taller: scale by width, centre down, half to even") << 9480.0 << 10000.0 << 1.0 << 0 << 1602;
    QTest::newRow("design size") << 9480.0 << 6795.0 << 1.0 << 0 << 0;
    QTest::newRow("same proportions take the first branch") << 18960.0 << 13590.0 << 2.0 << 0 << 0;
    QTest::newRow("half pixel offset rounds down to even") << 9481.0 << 6795.0 << 1.0 << 0 << 0;
    QTest::newRow("one and a half rounds up to even") << 9483.0 << 6795.0 << 1.0 << 2 << 0;
    QTest::newRow("shrunk") << 4740.0 << 6795.0 << 0.5 << 0 << 1699;
    // Wider than a 16-bit offset could hold: three screens side by side.
    QTest::newRow("very wide") << 172800.0 << 16200.0 << 16200.0 / 6795.0 << 75099 << 0;
}

void tst_Resize::computeScale()
{
    QFETCH(double, clientWidth);
    QFETCH(double, clientHeight);
    QFETCH(double, factor);
    QFETCH(int, offsetX);
    QFETCH(int, offsetY);
    const modResize::Scale scale = modResize::ComputeScale(clientWidth, clientHeight, 9480, 6795);
    QCOMPARE(scale.factor, factor);
    QCOMPARE(scale.offsetX, offsetX);
    QCOMPARE(scale.offsetY, offsetY);
}

void tst_Resize::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("12.5") << 12.5 << 12;
    QTest::newRow("13.5") << 13.5 << 14;
    QTest::newRow("1602.5") << 1602.5 << 1602;
    QTest::newRow("8.25") << 8.25 << 8;
    QTest::newRow("54.75") << 54.75 << 55;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
}

void tst_Resize::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(modResize::ToWhole(value), expected);
}

void tst_Resize::atLeastOne_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("below") << 0.25 << 1.0;
    QTest::newRow("negative") << -3.0 << 1.0;
    QTest::newRow("one") << 1.0 << 1.0;
    QTest::newRow("above") << 2.5 << 2.5;
}

void tst_Resize::atLeastOne()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(modResize::AtLeastOne(value), expected);
}

void tst_Resize::captureRecordsByTypeName()
{
    DesignedWindow w;
    modResize layout;
    layout.CaptureDesignLayout(w.window.get());
    QCOMPARE(layout.DesignScaleWidth(), 9480);
    QCOMPARE(layout.DesignScaleHeight(), 6795);

    // In control order; the button and the note box's inner widgets get no entry.
    const auto& entries = layout.Entries();
    QCOMPARE(entries.size(), size_t{5});
    QCOMPARE(entries[0].control.data(), w.label);
    QCOMPARE(entries[1].control.data(), w.picture);
    QCOMPARE(entries[2].control.data(), w.innerLabel);
    QCOMPARE(entries[3].control.data(), w.display);
    QCOMPARE(entries[4].control.data(), static_cast<QWidget*>(w.note));

    QCOMPARE(entries[0].Width, 1000);
    QCOMPARE(entries[0].FontSize, 10);
    QCOMPARE(entries[1].Height, 2295);
    QCOMPARE(entries[1].FontSize, 0);
    QCOMPARE(entries[2].FontSize, 14); // 13.5, half to even
    QCOMPARE(entries[4].FontSize, 8);  // 8.25
    // A digit display records its size and paddings, never a width or height.
    QCOMPARE(entries[3].Left, 4320);
    QCOMPARE(entries[3].Size, 120);
    QCOMPARE(entries[3].PaddingI, 300);
    QCOMPARE(entries[3].Width, 0);
    QCOMPARE(entries[3].Height, 0);

    QCOMPARE(modResize::TypeName(w.note), QStringLiteral("TextBox"));
    QCOMPARE(modResize::TypeName(w.label), QStringLiteral("Label"));
    QCOMPARE(modResize::TypeName(w.picture), QStringLiteral("PictureBox"));
    QCOMPARE(modResize::TypeName(w.display), QStringLiteral("NumberLED"));
}

void tst_Resize::stretchScalesAndCentres()
{
    DesignedWindow w;
    modResize layout;
    layout.CaptureDesignLayout(w.window.get());
    w.resizeTwips(28440, 13590);
    layout.StretchToWindow(w.window.get());

    QCOMPARE(Prop(w.label, "Left"), 4980.0);
    QCOMPARE(Prop(w.label, "Top"), 1200.0);
    QCOMPARE(Prop(w.label, "Width"), 2000.0);
    QCOMPARE(w.label->font().pointSizeF(), 20.0);
    QCOMPARE(w.label->geometry(), QRect(332, 80, 133, 60));
    // Inside the picture box: the same factor, no centring.
    QCOMPARE(Prop(w.innerLabel, "Left"), 240.0);
    QCOMPARE(Prop(w.picture, "Left"), 1080 * 2.0 + 4740);
    QCOMPARE(w.display->Size(), 240.0);
    QCOMPARE(w.display->PaddingH(), 200.0);
    QCOMPARE(w.display->PaddingV(), 300.0);
    QCOMPARE(w.display->PaddingI(), 600.0);
    QCOMPARE(w.display->pos(), QPoint(576, 8));
    // Never moved or resized.
    QCOMPARE(w.button->geometry(), QRect(3, 4, 50, 20));
    // Painting is back on after the change.
    QVERIFY(w.window->updatesEnabled());
    QVERIFY(w.label->updatesEnabled());
}

void tst_Resize::stretchBackToDesignSize()
{
    DesignedWindow w;
    modResize layout;
    layout.CaptureDesignLayout(w.window.get());
    const QRect designPicture = w.picture->geometry();
    const QPoint designDisplay = w.display->pos();
    // Several odd sizes first, so that rounding would pile up if values were not taken
    // from the design each time.
    for (const QSize pixels : {QSize(777, 401), QSize(1333, 999), QSize(211, 97), QSize(2560, 1440)}) {
        w.window->resize(pixels);
        layout.StretchToWindow(w.window.get());
    }
    w.resizeTwips(9480, 6795);
    layout.StretchToWindow(w.window.get());
    QCOMPARE(w.picture->geometry(), designPicture);
    QCOMPARE(w.display->pos(), designDisplay);
    QCOMPARE(w.display->Size(), 120.0);
    QCOMPARE(Prop(w.label, "Left"), 120.0);
    QCOMPARE(w.label->font().pointSizeF(), 10.0);
}

void tst_Resize::stretchShrinksToAtLeastOne()
{
    DesignedWindow w;
    modResize layout;
    layout.CaptureDesignLayout(w.window.get());
    w.window->resize(1, 1);
    layout.StretchToWindow(w.window.get());
    // Factor 15 / 9480: 30 twips wide and 8 points would fall far below 1.
    QCOMPARE(Prop(w.note, "Width"), 1.0);
    QCOMPARE(w.note->font().pointSizeF(), 1.0);
    QCOMPARE(w.label->font().pointSizeF(), 1.0);
    QCOMPARE(w.display->PaddingH(), 1.0);
    QVERIFY(w.note->width() >= 1);
}

void tst_Resize::minimisedWindowUntouched()
{
    DesignedWindow w;
    modResize layout;
    layout.CaptureDesignLayout(w.window.get());
    w.window->setWindowState(Qt::WindowMinimized);
    w.resizeTwips(28440, 13590);
    layout.StretchToWindow(w.window.get());
    QCOMPARE(Prop(w.label, "Left"), 120.0);
    QCOMPARE(w.display->Size(), 120.0);

    w.window->setWindowState(Qt::WindowNoState);
    layout.StretchToWindow(w.window.get());
    QCOMPARE(Prop(w.label, "Left"), 4980.0);
}

void tst_Resize::stretchBeforeCaptureDoesNothing()
{
    DesignedWindow w;
    modResize layout;
    w.resizeTwips(28440, 13590);
    layout.StretchToWindow(w.window.get());
    QCOMPARE(Prop(w.label, "Left"), 120.0);
    // The client size in twips is kept current, so a later capture records this size.
    QCOMPARE(modResize::ClientSizeTwips(w.window.get()), QSizeF(28440, 13590));
}

void tst_Resize::singleDigitScalesBySizeAlone()
{
    QWidget window;
    window.setProperty("ScaleWidth", 9480);
    window.setProperty("ScaleHeight", 6795);
    window.resize(Twips::ToPixels(9480), Twips::ToPixels(6795));
    auto* digit = new PolyLED(&window);
    modResize::SetDesignGeometry(digit, 600, 300);
    modResize layout;
    layout.CaptureDesignLayout(&window);
    QCOMPARE(modResize::TypeName(digit), QStringLiteral("PolyLED"));
    QCOMPARE(layout.Entries().size(), size_t{1});
    const modResize::DesignEntry& entry = layout.Entries().front();
    QCOMPARE(entry.Size, 57);
    QCOMPARE(entry.PaddingH, 0);
    QCOMPARE(entry.Width, 0);

    const QSize designPixels = digit->size();
    window.resize(Twips::ToPixels(18960), Twips::ToPixels(13590));
    layout.StretchToWindow(&window);
    QCOMPARE(digit->Size(), 114.0);
    QCOMPARE(digit->pos(), QPoint(80, 40));
    // Its extent follows the doubled size; no width or height was handed to it.
    QVERIFY(std::abs(digit->width() - 2 * designPixels.width()) <= 2);
    QVERIFY(!digit->property("Width").isValid());
}

QTEST_MAIN(tst_Resize)
#include "tst_resize.moc"
