#include "scoreboard/frmAudience.h"

#include "common/Twips.h"
#include "currency/CurrencyView.h"
#include "pictures/LotPictureLoader.h"
#include "records/AppSettings.h"
#include "sale/SaleController.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

frmAudience::frmAudience(QWidget* operatorWindow)
    // A window manager places a new window where it sees fit, often on the screen with the
    // pointer, and would take the board off the room's screen at once; the board is placed
    // by hand, over the whole of its screen, and never takes the focus.
    : QWidget(nullptr,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint),
      m_operatorWindow(operatorWindow), m_composition(&BoardDesign::AudienceFor(16.0 / 9.0))
{
    setObjectName(QStringLiteral("frmAudience"));
    setWindowTitle(operatorWindow->windowTitle());
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Only the scoreboard decides when the run ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    resize(Twips::ToPixels(m_composition->clientWidth, this), Twips::ToPixels(m_composition->clientHeight, this));

    m_board = BoardDesign::Build(this, *m_composition);
    m_board.txtNote->setReadOnly(true);
    setCursor(Qt::BlankCursor);
    const auto controls = findChildren<QWidget*>();
    for (QWidget* control : controls) {
        control->setFocusPolicy(Qt::NoFocus);
        // Clicks and the wheel fall through to the window, which ignores them.
        control->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The note's viewport sets a text cursor of its own.
        control->setCursor(Qt::BlankCursor);
    }
    m_layout.CaptureDesignLayout(this);

    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &frmAudience::ScreenRemoved);
}

void frmAudience::ShowOn(QScreen* screen)
{
    m_screen = screen;
    // The window exists before it is shown, so the screen and the geometry are in place
    // before the window manager first sees it.
    winId();
    QWindow* handle = windowHandle();
    handle->setScreen(screen);
    connect(handle, &QWindow::screenChanged, this, &frmAudience::ScreenChanged, Qt::UniqueConnection);
    setGeometry(screen->geometry());
    // showFullScreen() would also activate the window.
    setWindowState(Qt::WindowFullScreen);
    show();
}

void frmAudience::ScreenRemoved(QScreen* screen)
{
    if (screen == m_screen)
        close();
}

void frmAudience::ScreenChanged(QScreen* screen)
{
    if (!isVisible() || screen == m_screen)
        return;
    // The platform moves the windows of a lost screen onto the remaining ones: the board
    // never follows onto the operator's screen. Anything else that moved it goes back.
    if (!QGuiApplication::screens().contains(m_screen)) {
        close();
        return;
    }
    windowHandle()->setScreen(m_screen);
    setGeometry(m_screen->geometry());
}

void frmAudience::ChooseComposition()
{
    if (height() <= 0)
        return;
    const BoardDesign::Composition& wanted = BoardDesign::AudienceFor(double(width()) / height());
    if (&wanted == m_composition)
        return;
    m_composition = &wanted;
    // The controls go to their places in the new design, which is then recorded afresh.
    BoardDesign::Place(this, wanted);
    m_layout.CaptureDesignLayout(this);
}

QRect frmAudience::ToPixels(const QRect& twips) const
{
    if (twips.isEmpty())
        return {};
    const QSizeF client = modResize::ClientSizeTwips(this);
    const modResize::Scale scale = modResize::ComputeScale(client.width(), client.height(), m_layout.DesignScaleWidth(),
                                                           m_layout.DesignScaleHeight());
    const QRectF scaled(twips.left() * scale.factor + scale.offsetX, twips.top() * scale.factor + scale.offsetY,
                        twips.width() * scale.factor, twips.height() * scale.factor);
    return Twips::ToPixels(qRound(scaled.left()), qRound(scaled.top()), qRound(scaled.width()), qRound(scaled.height()),
                           this);
}

void frmAudience::ShowCurrencies(const SaleController& sale, const AppSettings& settings)
{
    if (m_currencyStrip)
        return;
    m_currencyStrip = new CurrencyView(sale, settings, CurrencyView::Style::Strip, this);
    m_currencyStrip->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_currencyStrip->setCursor(Qt::BlankCursor);
    PlaceCurrencyStrip();
}

void frmAudience::PlaceCurrencyStrip()
{
    if (m_currencyStrip)
        m_currencyStrip->setGeometry(currencyStripArea());
}

void frmAudience::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ChooseComposition();
    m_layout.StretchToWindow(this);
    ShowLotPicture();
    PlaceCurrencyStrip();
}

void frmAudience::setLotPictures(LotPictureLoader* loader, const SaleController* sale, const AppSettings* settings)
{
    if (m_pictures)
        disconnect(m_pictures, nullptr, this, nullptr);
    if (m_sale)
        disconnect(m_sale, nullptr, this, nullptr);
    m_pictures = sale && settings ? loader : nullptr;
    m_sale = sale;
    m_settings = settings;
    if (m_pictures) {
        connect(m_pictures, &LotPictureLoader::ready, this, &frmAudience::pictures_Ready);
        connect(m_sale, &SaleController::Changed, this, [this](SaleController::Changes what) {
            if (what.testAnyFlags(SaleController::Change::LotNumber | SaleController::Change::Note))
                ShowLotPicture();
        });
    }
    ShowLotPicture();
}

void frmAudience::ShowLotPicture()
{
    if (!m_pictures || !isVisible()) {
        SetPicture({});
        return;
    }
    const QRect area = lotPictureArea();
    const qint32 position = m_sale->state().LotIndex();
    QList<qint32> neighbours;
    for (qint32 near : {position + 1, position - 1})
        if (const LotInfoPtr lot = m_settings->LotList->Item(near))
            neighbours.append(lot->LotNumber);
    m_pictureLot = m_sale->LotNumber();
    m_pictures->Show(this, m_pictureLot, area.size() * devicePixelRatioF(), neighbours);
    SetPicture(m_pictures->Picture(this, m_pictureLot));
}

void frmAudience::pictures_Ready(qint32 lot)
{
    if (lot != m_pictureLot || m_pictures->IsPending(this, lot))
        return;
    SetPicture(m_pictures->Picture(this, lot));
}

void frmAudience::SetPicture(const QImage& picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    m_picture.setDevicePixelRatio(devicePixelRatioF());
    update(lotPictureArea());
}

void frmAudience::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_picture.isNull())
        return;
    // Fitted into the room kept for it without distortion, centred.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(LotPictureLoader::Fitted(m_picture, lotPictureArea()), m_picture);
}

void frmAudience::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ShowLotPicture();
}

void frmAudience::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Off the room's screen, the pictures are not kept.
    if (m_pictures)
        m_pictures->Forget(this);
    m_pictureLot = -1;
    SetPicture({});
}

void frmAudience::ForwardKey(QKeyEvent* event)
{
    QWidget* target = m_operatorWindow->focusWidget();
    QCoreApplication::sendEvent(target ? target : m_operatorWindow, event);
}

void frmAudience::keyPressEvent(QKeyEvent* event)
{
    ForwardKey(event);
}

void frmAudience::keyReleaseEvent(QKeyEvent* event)
{
    ForwardKey(event);
}

void frmAudience::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void frmAudience::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void frmAudience::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}
