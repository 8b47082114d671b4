// The frames and colour swatches of the setup windows as a real X server shows them.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/PictureBox.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

// Device pixels of image that anything was painted on within the logical rectangle.
int paintedPixels(const QImage& image, const QRect& logical)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect device = QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio).toAlignedRect();
    int painted = 0;
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            painted += image.valid(x, y) && qAlpha(image.pixel(x, y)) != 0;
    return painted;
}

} // namespace

class tst_FramesXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prompts::setTestMode(true); }
    void init();
    void cleanup();

    void frameHoldsItsControls_data();
    void frameHoldsItsControls();
    void swatchStandsOutFromTheDialog_data();
    void swatchStandsOutFromTheDialog();

private:
    QWidget* open(const QString& window);

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<QWidget> m_window;
};

void tst_FramesXvfb::init()
{
    Prompts::clear();
    m_store = std::make_unique<MemorySettingsStore>();
    m_settings = std::make_unique<AppSettings>(*m_store);
}

void tst_FramesXvfb::cleanup()
{
    m_window.reset();
    m_settings.reset();
    m_store.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget* tst_FramesXvfb::open(const QString& window)
{
    if (window == u"frmLots")
        m_window = std::make_unique<frmLots>(*m_settings);
    else
        m_window = std::make_unique<frmOptions>(*m_settings, nullptr);
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get()) ? m_window.get() : nullptr;
}

void tst_FramesXvfb::frameHoldsItsControls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("frame");
    QTest::newRow("Lots:") << u"frmLots"_qs << -1 << u"fraLots"_qs;
    QTest::newRow("New Lot") << u"frmLots"_qs << -1 << u"fraLotEdit"_qs;
    QTest::newRow("Back Color:") << u"frmOptions"_qs << 0 << u"frmBackColor"_qs;
    QTest::newRow("LED Background:") << u"frmOptions"_qs << 0 << u"fraLedBack"_qs;
    QTest::newRow("Text Color:") << u"frmOptions"_qs << 0 << u"frmTextColor"_qs;
    QTest::newRow("LED Lot Color:") << u"frmOptions"_qs << 0 << u"frmLEDLotColor"_qs;
    QTest::newRow("LED Amount Color:") << u"frmOptions"_qs << 0 << u"frmLEDAmountColor"_qs;
    QTest::newRow("Increment Ranges:") << u"frmOptions"_qs << 1 << u"fraIncrements"_qs;
    QTest::newRow("New Increment") << u"frmOptions"_qs << 1 << u"fraEditIncrement"_qs;
    QTest::newRow("Digit Type:") << u"frmOptions"_qs << 2 << u"Frame6"_qs;
    QTest::newRow("Numlock Options:") << u"frmOptions"_qs << 2 << u"Frame9"_qs;
}

void tst_FramesXvfb::frameHoldsItsControls()
{
    QFETCH(QString, window);
    QFETCH(int, tab);
    QFETCH(QString, frame);
    QWidget* dialog = open(window);
    QVERIFY(dialog);
    if (tab >= 0)
        dialog->findChild<QTabWidget*>(u"SSTab1"_qs)->setCurrentIndex(tab);
    auto* box = dialog->findChild<QGroupBox*>(frame);
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());

    // What the frame draws itself, caption and border, without the controls over it.
    QImage drawn((QSizeF(box->size()) * box->devicePixelRatioF()).toSize(), QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(box->devicePixelRatioF());
    drawn.fill(Qt::transparent);
    box->render(&drawn, {}, {}, {});
    const QRect contents = box->contentsRect();
    QVERIFY(paintedPixels(drawn, QRect(0, 0, box->width(), contents.top())) > 0);

    const QList<QWidget*> controls = box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QVERIFY(!controls.isEmpty());
    for (const QWidget* control : controls) {
        const QByteArray name = control->objectName().toUtf8();
        QVERIFY2(contents.contains(control->geometry()), name.constData());
        QVERIFY2(paintedPixels(drawn, control->geometry()) == 0, name.constData());
    }
}

void tst_FramesXvfb::swatchStandsOutFromTheDialog_data()
{
    // A colour to pick into the "Text Color:" swatch; none for the dialog's own grey.
    QTest::addColumn<QColor>("color");
    QTest::newRow("white") << QColor(Qt::white);
    QTest::newRow("the dialog's grey") << QColor();
}

void tst_FramesXvfb::swatchStandsOutFromTheDialog()
{
    QFETCH(QColor, color);
    QWidget* dialog = open(u"frmOptions"_qs);
    QVERIFY(dialog);
    auto* swatch = dialog->findChild<PictureBox*>(u"picTextC"_qs);
    const qreal ratio = dialog->devicePixelRatioF();
    const QRect box(swatch->mapTo(dialog, QPoint(0, 0)) * ratio, swatch->size() * ratio);
    const auto shown = [&] {
        return dialog->screen()->grabWindow(dialog->winId()).toImage();
    };
    const QColor background = shown().pixelColor(box.left() - 1, box.center().y());
    if (!color.isValid())
        color = background;
    Prompts::queueColor(color);
    QTest::mouseClick(dialog->findChild<QWidget*>(u"cmdTextC"_qs), Qt::LeftButton);
    QTRY_COMPARE(shown().pixelColor(box.center()), color);

    // From just outside the middle of each side inwards, something that is neither the
    // dialog's background nor the swatch's colour marks where the swatch ends.
    const QImage image = shown();
    const struct
    {
        QPoint outside, inward;
    } sides[] = {
        {QPoint(box.left() - 1, box.center().y()), QPoint(1, 0)},
        {QPoint(box.center().x(), box.top() - 1), QPoint(0, 1)},
        {QPoint(box.right() + 1, box.center().y()), QPoint(-1, 0)},
        {QPoint(box.center().x(), box.bottom() + 1), QPoint(0, -1)},
    };
    for (const auto& side : sides) {
        QCOMPARE(image.pixelColor(side.outside), background);
        bool marked = false;
        for (int step = 1; step <= 2 * ratio; ++step) {
            const QColor edge = image.pixelColor(side.outside + step * side.inward);
            marked = marked || (edge != background && edge != color);
        }
        QVERIFY(marked);
    }
}

GAVELOR_XVFB_TEST_MAIN(tst_FramesXvfb)

#include "tst_frames_xvfb.moc"
