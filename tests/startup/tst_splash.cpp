#include "BuildInfo.h"
#include "common/Twips.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "startup/Startup.h"
#include "startup/frmSplash.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Counts the Show events a widget receives, so a window that flashed up is caught.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

} // namespace

class tst_Splash : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void bypass_data();
    void bypass();
    void placement_data();
    void placement();
    void placedOnTheScreen();
    void clickGoesOn_data();
    void clickGoesOn();
    void dragIsNoClick_data();
    void dragIsNoClick();
    void buttonsCallTheirOpeners_data();
    void buttonsCallTheirOpeners();
    void keysDoNotGoOn_data();
    void keysDoNotGoOn();
    void enterAndEscGoOn_data();
    void enterAndEscGoOn();
    void goScoreOpensOneScoreboard();
    void logoShown();
    void versionText_data();
    void versionText();
    void textsAndFonts_data();
    void textsAndFonts();
    void storedSettingsReachTheScoreboard_data();
    void storedSettingsReachTheScoreboard();
    void optionsFromTitleWindowReachTheScoreboard();

private:
    // A run over a memory store holding two lots and a lot-colour; the title window loaded.
    Startup& begin(const QStringList& arguments);
    template <typename T> T* control(const char* name) const
    {
        T* found = m_startup->splash()->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    bool wentOnToScoreboard() const;

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<Startup> m_startup;
};

Startup& tst_Splash::begin(const QStringList& arguments)
{
    m_store = std::make_unique<MemorySettingsStore>();
    {
        AppSettings stored(*m_store);
        AddLots(*stored.LotList, {{17, 250, QStringLiteral("Oak chest")}, {4, 12050, QStringLiteral("Piano")}});
        stored.LEDLotColor = 0x0000FF;
        stored.SaveLots();
        stored.SaveDisplaySettings();
    }
    m_startup = std::make_unique<Startup>(*m_store, arguments);
    m_startup->Begin();
    return *m_startup;
}

bool tst_Splash::wentOnToScoreboard() const
{
    return m_startup->scoreboard() && m_startup->scoreboard()->isVisible() &&
           (!m_startup->splash() || !m_startup->splash()->isVisible());
}

void tst_Splash::cleanup()
{
    m_startup.reset();
    m_store.reset();
    QTest::qWait(0);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Splash::bypass_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("bypassed");
    QTest::newRow("bypass") << QStringList{QStringLiteral("bypass")} << true;
    QTest::newRow("no argument") << QStringList{} << false;
    QTest::newRow("capital B") << QStringList{QStringLiteral("Bypass")} << false;
    QTest::newRow("all capitals") << QStringList{QStringLiteral("BYPASS")} << false;
    QTest::newRow("second argument") << QStringList{QStringLiteral("bypass"), QStringLiteral("x")} << false;
    QTest::newRow("empty second argument") << QStringList{QStringLiteral("bypass"), QString()} << false;
    QTest::newRow("leading blank") << QStringList{QStringLiteral(" bypass")} << false;
    QTest::newRow("as an option") << QStringList{QStringLiteral("--bypass")} << false;
    QTest::newRow("other argument first") << QStringList{QStringLiteral("x"), QStringLiteral("bypass")} << false;
}

void tst_Splash::bypass()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, bypassed);
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, arguments);
    ShowCounter counter;
    m_startup->splash()->installEventFilter(&counter);
    m_startup->Begin();

    if (bypassed) {
        QVERIFY(wentOnToScoreboard());
        QCOMPARE(counter.shows, 0);
        QTRY_VERIFY(!m_startup->splash());
    } else {
        QVERIFY(m_startup->splash()->isVisible());
        QCOMPARE(m_startup->splash()->windowTitle(), QStringLiteral("Bidwatch"));
        QVERIFY(!m_startup->scoreboard());
    }
}

void tst_Splash::placement_data()
{
    QTest::addColumn<QSizeF>("screenTwips");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("1920x1080 at 15 twips a pixel") << QSizeF(28800, 16200) << QRect(11280, 5160, 6240, 3240);
    QTest::newRow("800x600") << QSizeF(12000, 9000) << QRect(2880, 1560, 6240, 3240);
    QTest::newRow("half twip rounds up to even") << QSizeF(6241, 5883) << QRect(0, 2, 6240, 3240);
    QTest::newRow("half twip rounds down to even") << QSizeF(6243, 5881) << QRect(2, 0, 6240, 3240);
    QTest::newRow("fractional twips") << QSizeF(28800.4, 16200.4) << QRect(11280, 5160, 6240, 3240);
    QTest::newRow("exactly the centring height") << QSizeF(6240, 5880) << QRect(0, 0, 6240, 3240);
    QTest::newRow("screen smaller than the window stays on screen") << QSizeF(4000, 3000) << QRect(0, 0, 6240, 3240);
    QTest::newRow("wider frame") << QSizeF(28800, 16200) << QRect(11220, 5160, 6360, 3240);
}

void tst_Splash::placement()
{
    QFETCH(QSizeF, screenTwips);
    QFETCH(QRect, expected);
    QCOMPARE(frmSplash::PlacementTwips(screenTwips, expected.width()), expected);
}

void tst_Splash::placedOnTheScreen()
{
    begin({});
    frmSplash* splash = m_startup->splash();
    const QRect screen = splash->screen()->geometry();
    const double dpi = Twips::LogicalDpi(splash);
    const QRect outer = splash->frameGeometry();
    // 1320 twips above the centre of the whole screen, centred across it, 3240 twips tall.
    const double topTwips = (Twips::FromPixels(screen.height(), dpi) - 5880) / 2;
    const double leftTwips = (Twips::FromPixels(screen.width(), dpi) - Twips::FromPixels(outer.width(), dpi)) / 2;
    QVERIFY(topTwips > 0);
    QCOMPARE(outer.top() - screen.top(), Twips::ToPixels(topTwips, dpi));
    QCOMPARE(outer.left() - screen.left(), Twips::ToPixels(leftTwips, dpi));
    // 3240 twips with the frame, unless that would leave the client area below its design
    // height (the offscreen frame is 4 pixels tall, 30 twips are 2).
    const int frameHeight = outer.height() - splash->height();
    QCOMPARE(outer.height(), std::max(Twips::ToPixels(3240, dpi), Twips::ToPixels(3210, dpi) + frameHeight));
    QCOMPARE(splash->width(), Twips::ToPixels(6240, dpi));
}

void tst_Splash::clickGoesOn_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("twips"); // where on the target; (-1, -1) for its centre
    const QPoint centre(-1, -1);
    QTest::newRow("window background") << QStringLiteral("frmSplash") << QPoint(45, 1500);
    QTest::newRow("frame background") << QStringLiteral("frameSplash") << QPoint(3000, 3000);
    QTest::newRow("frame corner") << QStringLiteral("frameSplash") << QPoint(5950, 60);
    for (const char* name : {"picLogo", "lblName", "lblMadeBy", "lblClick", "lblVersion", "Label1", "Label2", "Label3"})
        QTest::newRow(name) << QString::fromLatin1(name) << centre;
}

void tst_Splash::clickGoesOn()
{
    QFETCH(QString, target);
    QFETCH(QPoint, twips);
    begin({});
    frmSplash* splash = m_startup->splash();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QWidget* widget = target == splash->objectName() ? splash : splash->findChild<QWidget*>(target);
    QVERIFY(widget);
    const QPoint at = twips == QPoint(-1, -1)
                          ? widget->rect().center()
                          : QPoint(Twips::ToPixels(twips.x(), widget), Twips::ToPixels(twips.y(), widget));
    // The click lands on the target itself, not on a control above it.
    QCOMPARE(splash->childAt(widget->mapTo(splash, at)) ? splash->childAt(widget->mapTo(splash, at)) : splash, widget);
    QSignalSpy opened(m_startup.get(), &Startup::ScoreboardOpened);

    QTest::mouseClick(widget, Qt::LeftButton, {}, at);

    QCOMPARE(opened.count(), 1);
    QVERIFY(wentOnToScoreboard());
    QVERIFY(QTest::qWaitForWindowExposed(m_startup->scoreboard()));
    QTRY_VERIFY(!m_startup->splash());
}

void tst_Splash::dragIsNoClick_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("released");
    QTest::newRow("frame onto a label") << QStringLiteral("frameSplash") << QStringLiteral("lblName");
    QTest::newRow("label onto the frame") << QStringLiteral("Label1") << QStringLiteral("frameSplash");
    QTest::newRow("label onto a label") << QStringLiteral("lblClick") << QStringLiteral("lblVersion");
    QTest::newRow("logo onto a button") << QStringLiteral("picLogo") << QStringLiteral("cmdHelp");
    QTest::newRow("window background onto the frame") << QStringLiteral("frmSplash") << QStringLiteral("frameSplash");
}

// The press and the release go to the pressed control, as the mouse grab delivers them.
void tst_Splash::dragIsNoClick()
{
    QFETCH(QString, pressed);
    QFETCH(QString, released);
    begin({});
    frmSplash* splash = m_startup->splash();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    auto find = [&](const QString& name) {
        return name == splash->objectName() ? static_cast<QWidget*>(splash) : splash->findChild<QWidget*>(name);
    };
    QWidget* from = find(pressed);
    QWidget* to = find(released);
    QVERIFY(from && to);
    // On the window background: its left margin, beside the frame.
    const QPoint fromAt = from == splash ? QPoint(Twips::ToPixels(45, splash), from->height() / 2)
                                         : QPoint(Twips::ToPixels(30, from), Twips::ToPixels(30, from));
    const QPoint toAt = from->mapFrom(splash, to->mapTo(splash, QPoint(Twips::ToPixels(30, to), to->height() / 2)));
    QSignalSpy opened(m_startup.get(), &Startup::ScoreboardOpened);

    QTest::mousePress(from, Qt::LeftButton, {}, fromAt);
    QTest::mouseRelease(from, Qt::LeftButton, {}, toAt);
    QCOMPARE(opened.count(), 0);
    QVERIFY(splash->isVisible());
    // Back on the pressed control, the same press and release are a click.
    QTest::mousePress(from, Qt::LeftButton, {}, fromAt);
    QTest::mouseRelease(from, Qt::LeftButton, {}, fromAt);
    QCOMPARE(opened.count(), 1);
}

void tst_Splash::buttonsCallTheirOpeners_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers"); // no modifier: a mouse click
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("help");
    QTest::newRow("Help clicked") << QStringLiteral("cmdHelp") << Qt::KeyboardModifiers() << 0 << true;
    QTest::newRow("Options clicked") << QStringLiteral("cmdOptions") << Qt::KeyboardModifiers() << 0 << false;
    QTest::newRow("Alt+H") << QStringLiteral("cmdHelp") << Qt::KeyboardModifiers(Qt::AltModifier) << int(Qt::Key_H)
                           << true;
    QTest::newRow("Alt+O") << QStringLiteral("cmdOptions") << Qt::KeyboardModifiers(Qt::AltModifier) << int(Qt::Key_O)
                           << false;
}

void tst_Splash::buttonsCallTheirOpeners()
{
    QFETCH(QString, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, key);
    QFETCH(bool, help);
    begin({});
    frmSplash* splash = m_startup->splash();
    int helpCalls = 0;
    int optionsCalls = 0;
    splash->setHelpOpener([&] { ++helpCalls; });
    splash->setOptionsOpener([&] {
        ++optionsCalls;
        // The title window is still up while the options dialog runs over it, and takes no
        // click or key meanwhile.
        QVERIFY(splash->isVisible());
        QTest::mouseClick(control<QLabel>("lblClick"), Qt::LeftButton);
        QTest::keyClick(splash, Qt::Key_H, Qt::AltModifier);
        QTest::qWait(150);
    });
    QVERIFY(QTest::qWaitForWindowActive(splash));

    for (int press = 1; press <= 2; ++press) {
        if (modifiers == Qt::NoModifier)
            QTest::mouseClick(splash->findChild<QPushButton*>(button), Qt::LeftButton);
        else
            QTest::keyClick(splash, Qt::Key(key), modifiers);
        // An access key presses the button visibly first, so the click comes a moment later.
        QTRY_COMPARE(helpCalls + optionsCalls, press);
    }
    QCOMPARE(helpCalls, help ? 2 : 0);
    QVERIFY(splash->isVisible());
    QVERIFY(!m_startup->scoreboard());
    // The title window still goes on afterwards.
    QTest::mouseClick(control<QLabel>("lblClick"), Qt::LeftButton);
    QVERIFY(wentOnToScoreboard());
}

void tst_Splash::keysDoNotGoOn_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("F1") << int(Qt::Key_F1);
    QTest::newRow("F2") << int(Qt::Key_F2);
    QTest::newRow("F3") << int(Qt::Key_F3);
    QTest::newRow("Right") << int(Qt::Key_Right);
    QTest::newRow("letter") << int(Qt::Key_A);
}

void tst_Splash::keysDoNotGoOn()
{
    QFETCH(int, key);
    begin({});
    frmSplash* splash = m_startup->splash();
    int opened = 0;
    splash->setHelpOpener([&] { ++opened; });
    splash->setOptionsOpener([&] { ++opened; });
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QTest::keyClick(splash, Qt::Key(key));
    QTest::keyClick(control<QGroupBox>("frameSplash"), Qt::Key(key));
    QVERIFY(splash->isVisible());
    QVERIFY(!m_startup->scoreboard());
    QCOMPARE(opened, 0);
}

void tst_Splash::enterAndEscGoOn_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Enter on the window") << int(Qt::Key_Return) << QString();
    QTest::newRow("keypad Enter on the Help button") << int(Qt::Key_Enter) << QStringLiteral("cmdHelp");
    QTest::newRow("Esc on the Options button") << int(Qt::Key_Escape) << QStringLiteral("cmdOptions");
}

// Without a mouse the window is passed with Enter or Esc, wherever the focus is, and neither
// presses the focused button.
void tst_Splash::enterAndEscGoOn()
{
    QFETCH(int, key);
    QFETCH(QString, focused);
    begin({});
    frmSplash* splash = m_startup->splash();
    int opened = 0;
    splash->setHelpOpener([&] { ++opened; });
    splash->setOptionsOpener([&] { ++opened; });
    QVERIFY(QTest::qWaitForWindowActive(splash));
    QWidget* target = focused.isEmpty() ? static_cast<QWidget*>(splash) : splash->findChild<QWidget*>(focused);
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(wentOnToScoreboard());
    QCOMPARE(opened, 0);
}

void tst_Splash::goScoreOpensOneScoreboard()
{
    begin({});
    QSignalSpy opened(m_startup.get(), &Startup::ScoreboardOpened);
    QPointer<frmSplash> splash = m_startup->splash();
    splash->GoScore();
    frmScoreboard* first = m_startup->scoreboard();
    splash->GoScore();
    splash->Form_Load();
    QCOMPARE(opened.count(), 1);
    QCOMPARE(m_startup->scoreboard(), first);
    QTRY_VERIFY(!splash);
    QVERIFY(first->isVisible());
}

void tst_Splash::logoShown()
{
    begin({});
    QVERIFY(QTest::qWaitForWindowExposed(m_startup->splash()));
    auto* logo = control<QLabel>("picLogo");
    QCOMPARE(logo->pixmap().size(), QSize(135, 141));
    // Drawn over the frame: the middle of the picture is the gavel, not the background.
    const QImage shown = logo->grab().toImage();
    QVERIFY(shown.pixelColor(shown.rect().center()) != logo->palette().color(QPalette::Window));
}

void tst_Splash::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("patch");
    QTest::addColumn<QString>("expected");
    QTest::newRow("current release") << 1 << 0 << 2 << QStringLiteral("Version 1.0.2");
    QTest::newRow("zeros") << 0 << 0 << 0 << QStringLiteral("Version 0.0.0");
    QTest::newRow("several digits, no padding") << 12 << 3 << 405 << QStringLiteral("Version 12.3.405");
}

void tst_Splash::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, patch);
    QFETCH(QString, expected);
    QCOMPARE(frmSplash::VersionText(major, minor, patch), expected);

    begin({});
    QCOMPARE(control<QLabel>("lblVersion")->text(),
             frmSplash::VersionText(BuildInfo::VersionMajor, BuildInfo::VersionMinor, BuildInfo::VersionPatch));
}

void tst_Splash::textsAndFonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::newRow("lblName") << QStringLiteral("lblName") << QStringLiteral("Gavelor")
                             << QStringLiteral("Times New Roman") << 21.75;
    QTest::newRow("lblMadeBy") << QStringLiteral("lblMadeBy") << QStringLiteral("by Tarnwick") << QString() << 0.0;
    QTest::newRow("lblClick") << QStringLiteral("lblClick") << QStringLiteral("Click to continue.") << QString() << 0.0;
    QTest::newRow("lblVersion") << QStringLiteral("lblVersion")
                                << frmSplash::VersionText(BuildInfo::VersionMajor, BuildInfo::VersionMinor,
                                                          BuildInfo::VersionPatch)
                                << QStringLiteral("Times New Roman") << 15.75;
    QTest::newRow("Label1") << QStringLiteral("Label1")
                            << QStringLiteral("Press ' F1 ' to view Help from the scoreboard.") << QString() << 0.0;
    QTest::newRow("Label2") << QStringLiteral("Label2")
                            << QStringLiteral("Press ' F2 ' to set Options from the scoreboard.") << QString() << 0.0;
    QTest::newRow("Label3") << QStringLiteral("Label3")
                            << QStringLiteral("Press ' F3 ' to setup auction lots from the scoreboard.") << QString()
                            << 0.0;
    QTest::newRow("cmdHelp") << QStringLiteral("cmdHelp") << QStringLiteral("&Help") << QString() << 0.0;
    QTest::newRow("cmdOptions") << QStringLiteral("cmdOptions") << QStringLiteral("&Options") << QString() << 0.0;
}

void tst_Splash::textsAndFonts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(double, points);
    begin({});
    QWidget* widget = m_startup->splash()->findChild<QWidget*>(name);
    QVERIFY(widget);
    auto* frame = control<QGroupBox>("frameSplash");
    QCOMPARE(widget->parentWidget(), frame);
    QVERIFY(frame->rect().contains(widget->geometry()));
    QVERIFY(m_startup->splash()->rect().contains(frame->geometry()));
    if (!family.isEmpty()) {
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(widget->font().pointSizeF(), points);
    }

    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
        return;
    }
    auto* label = qobject_cast<QLabel*>(widget);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    // The whole text shows: nothing is cut off at the label's edges.
    const QRect needed = QFontMetrics(label->font())
                             .boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, text);
    QVERIFY2(label->contentsRect().contains(needed),
             qPrintable(QStringLiteral("%1 needs %2x%3").arg(name).arg(needed.width()).arg(needed.height())));
}

void tst_Splash::storedSettingsReachTheScoreboard_data()
{
    QTest::addColumn<bool>("bypass");
    QTest::newRow("bypass") << true;
    QTest::newRow("after a click") << false;
}

void tst_Splash::storedSettingsReachTheScoreboard()
{
    QFETCH(bool, bypass);
    begin(bypass ? QStringList{QStringLiteral("bypass")} : QStringList{});
    // Loaded while the title window loads, before the scoreboard exists.
    QCOMPARE(m_startup->settings().LotList->Count(), 2);
    if (!bypass)
        QTest::mouseClick(control<QLabel>("picLogo"), Qt::LeftButton);
    frmScoreboard* scoreboard = m_startup->scoreboard();
    QVERIFY(scoreboard);
    auto* lot = scoreboard->findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    QCOMPARE(lot->Caption(), 0);
    QCOMPARE(lot->LitColor(), 0x0000FF);

    QVERIFY(QTest::qWaitForWindowActive(scoreboard));
    QTest::keyClick(lot, Qt::Key_Right);
    QCOMPARE(lot->Caption(), 17);
    QCOMPARE(scoreboard->findChild<NumberLED*>(QStringLiteral("nledAmountOnes"))->Caption(), 250);
    QCOMPARE(scoreboard->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"))->toPlainText(),
             QStringLiteral("Oak chest"));
    QTest::keyClick(lot, Qt::Key_Right);
    QCOMPARE(lot->Caption(), 4);
    QCOMPARE(scoreboard->findChild<NumberLED*>(QStringLiteral("nledAmountThousands"))->Caption(), 12);
}

void tst_Splash::optionsFromTitleWindowReachTheScoreboard()
{
    begin({});
    // What the options dialog does on OK: new values into the program-wide set, and stored.
    m_startup->splash()->setOptionsOpener([this] {
        m_startup->settings().LEDAmountColor = 0x123456;
        m_startup->settings().LEDTypeIndex = 1;
        m_startup->settings().SaveDisplaySettings();
    });
    QTest::mouseClick(control<QPushButton>("cmdOptions"), Qt::LeftButton);
    QTest::mouseClick(control<QLabel>("lblName"), Qt::LeftButton);

    frmScoreboard* scoreboard = m_startup->scoreboard();
    QVERIFY(scoreboard);
    auto* ones = scoreboard->findChild<NumberLED*>(QStringLiteral("nledAmountOnes"));
    QCOMPARE(ones->LitColor(), 0x123456);
    QCOMPARE(ones->LedType(), 1);
    QCOMPARE(m_store->Get(QStringLiteral("ColorSettings"), QStringLiteral("LEDAmount"), {}), QStringLiteral("1193046"));
}

QTEST_MAIN(tst_Splash)
#include "tst_splash.moc"
