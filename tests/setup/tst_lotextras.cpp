// The lot editor's reserve, estimates, vendor and picture: typed, checked, kept through an edit,
// stored on close, and laid out without touching the editor's other controls.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "setup/frmLots.h"
#include "support/TestLots.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using OptionalAmount = std::optional<qint32>;

class tst_LotExtras : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void typedExtras_data();
    void typedExtras();
    void editKeepsExtrasAndCloseStoresThem();
    void newFieldsCoverNothing();

private:
    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = m_dlg->findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void type(const char* box, const QString& text) { QTest::keyClicks(control(box), text); }

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<frmLots> m_dlg;
};

void tst_LotExtras::init()
{
    Prompts::clear();
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
    AddLots(*m_settings->LotList, {{5, 100, QStringLiteral("Clock")}});
    m_dlg = std::make_unique<frmLots>(*m_settings);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
}

void tst_LotExtras::cleanup()
{
    m_dlg.reset();
    m_settings.reset();
    m_store.reset();
}

void tst_LotExtras::typedExtras_data()
{
    QTest::addColumn<QStringList>("typed"); // reserve, low, high, vendor, picture
    QTest::addColumn<QString>("message");   // empty: saved
    QTest::addColumn<QString>("focus");     // the box that has the focus while the message shows
    QTest::addColumn<OptionalAmount>("reserve");
    QTest::addColumn<OptionalAmount>("low");
    QTest::addColumn<OptionalAmount>("high");

    const OptionalAmount none;
    QTest::newRow("all left empty") << QStringList{{}, {}, {}, {}, {}} << QString() << QString() << none << none
                                    << none;
    QTest::newRow("all given, halves to even")
        << QStringList{QStringLiteral("2500.5"), QStringLiteral("2000"), QStringLiteral("3000"), QStringLiteral("V12"),
                       QStringLiteral("/pics/1.jpg")}
        << QString() << QString() << OptionalAmount(2500) << OptionalAmount(2000) << OptionalAmount(3000);
    QTest::newRow("a reserve of 0 is a reserve") << QStringList{QStringLiteral("0"), {}, {}, {}, {}} << QString()
                                                 << QString() << OptionalAmount(0) << none << none;
    QTest::newRow("reserve not a number") << QStringList{QStringLiteral("abc"), {}, {}, {}, {}}
                                          << QStringLiteral("The reserve must be between 0 and 999999")
                                          << QStringLiteral("txtLotReserve") << none << none << none;
    QTest::newRow("negative high estimate") << QStringList{{}, {}, QStringLiteral("-1"), {}, {}}
                                            << QStringLiteral("The high estimate must be between 0 and 999999")
                                            << QStringLiteral("txtHighEstimate") << none << none << none;
    QTest::newRow("low above high") << QStringList{{}, QStringLiteral("500"), QStringLiteral("400"), {}, {}}
                                    << QStringLiteral("The low estimate must not be above the high estimate")
                                    << QStringLiteral("txtLowEstimate") << none << none << none;
}

void tst_LotExtras::typedExtras()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(OptionalAmount, reserve);
    QFETCH(OptionalAmount, low);
    QFETCH(OptionalAmount, high);

    click("cmdNew");
    type("txtLotNumber", QStringLiteral("7"));
    type("txtLotAmount", QStringLiteral("10"));
    const char* boxes[] = {"txtLotReserve", "txtLowEstimate", "txtHighEstimate", "txtLotVendor", "txtLotPicture"};
    for (int i = 0; i < 5; ++i)
        type(boxes[i], typed[i]);
    QWidget* focused = nullptr;
    Prompts::whileNextOpen([&] { focused = QApplication::focusWidget(); });
    click("cmdSaveLot");
    if (!message.isEmpty()) {
        QCOMPARE(Prompts::asked().size(), 1);
        QCOMPARE(Prompts::asked().first().text, message);
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), focus);
        QVERIFY(control("txtLotNumber")->isEnabled()); // the editor stays open on the lot
        return;
    }
    QVERIFY(Prompts::asked().isEmpty());
    m_dlg->accept();
    const LotInfoPtr lot = m_settings->LotList->Item(2);
    QCOMPARE(lot->LotNumber, 7);
    QCOMPARE(lot->Reserve, reserve);
    QCOMPARE(lot->LowEstimate, low);
    QCOMPARE(lot->HighEstimate, high);
    QCOMPARE(lot->Vendor, typed[3]);
    QCOMPARE(lot->Picture, typed[4]);
}

void tst_LotExtras::editKeepsExtrasAndCloseStoresThem()
{
    m_dlg.reset();
    LotInfoPtr clock = m_settings->LotList->Item(1);
    clock->Reserve = 900;
    clock->Vendor = QStringLiteral("C3");
    clock->Picture = QStringLiteral("/pics/5.jpg");
    m_dlg = std::make_unique<frmLots>(*m_settings);
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    click("cmdEdit");
    QCOMPARE(control<QLineEdit>("txtLotReserve")->text(), QStringLiteral("900"));
    QCOMPARE(control<QLineEdit>("txtLotVendor")->text(), QStringLiteral("C3"));
    // A changed note leaves the rest of the lot as it was.
    type("txtLotNote", QStringLiteral(" (chiming)"));
    click("cmdSaveLot");
    click("cmdOk");
    const LotInfoPtr saved = m_settings->LotList->Item(1);
    QCOMPARE(saved->Note, QStringLiteral("Clock (chiming)"));
    QCOMPARE(saved->Reserve, OptionalAmount(900));
    QCOMPARE(saved->Picture, QStringLiteral("/pics/5.jpg"));
    QCOMPARE(m_store->GetAll(QStringLiteral("LotExtras")).size(), 1);
}

// The fields added sit in free room: none overlaps another control of its window or frame.
void tst_LotExtras::newFieldsCoverNothing()
{
    const QStringList added{
        QStringLiteral("lblLotVendor"),    QStringLiteral("txtLotVendor"),   QStringLiteral("lblLotReserve"),
        QStringLiteral("txtLotReserve"),   QStringLiteral("lblLotEstimate"), QStringLiteral("txtLowEstimate"),
        QStringLiteral("txtHighEstimate"), QStringLiteral("lblLotPicture"),  QStringLiteral("txtLotPicture")};
    for (const QString& name : added) {
        QWidget* field = m_dlg->findChild<QWidget*>(name);
        QVERIFY2(field, qPrintable(name));
        QVERIFY2(field->parentWidget()->rect().contains(field->geometry()), qPrintable(name));
        const auto siblings = field->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* other : siblings) {
            if (other != field && !other->objectName().isEmpty() && other->isVisible())
                QVERIFY2(!other->geometry().intersects(field->geometry()),
                         qPrintable(name + QStringLiteral(" covers ") + other->objectName()));
        }
    }
}

QTEST_MAIN(tst_LotExtras)
#include "tst_lotextras.moc"
