#include "startup/frmSplash.h"

#include "BuildInfo.h"
#include "common/CaptionButton.h"
#include "common/DesignLayout.h"
#include "common/Twips.h"
#include "platform/ModalGuard.h"
#include "records/AppSettings.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <utility>

namespace {

enum class Kind
{
    Label,
    Picture,
    Button
};

// The window's composition: geometry in twips relative to frameSplash, fonts in points.
struct ControlDesign
{
    const char16_t* name;
    Kind kind;
    int left, top, width, height;
    const char* fontFamily;
    double pointSize;
    Qt::Alignment alignment;
    const char* text;
};

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignTop;
constexpr const char* Serif = "Times New Roman";
constexpr const char* Sans = "Arial";
// Small enough that each hint fits its box on one or two lines, as laid out.
constexpr double SmallPoints = 7.5;

// The frame holding every control, relative to the window.
constexpr QRect FrameDesign(120, 0, 6000, frmSplash::FrameHeight);

// clang-format off
constexpr ControlDesign Composition[] = {
    // name          kind           left   top  width height  font   points  align   text
    {u"lblName",    Kind::Label,     120,  240, 5775,  735,  Serif, 21.75, Centre, "Gavelor"},
    {u"lblMadeBy",  Kind::Label,    4200,  840, 1575,  255,  Sans,   SmallPoints, Right,  QT_TRANSLATE_NOOP("frmSplash", "by Tarnwick")},
    {u"lblClick",   Kind::Label,    2520,  840, 1335,  255,  Sans,   SmallPoints, Left,   QT_TRANSLATE_NOOP("frmSplash", "Click to continue.")},
    {u"lblVersion", Kind::Label,    3600, 1080, 2175,  375,  Serif, 15.75, Right,  QT_TRANSLATE_NOOP("frmSplash", "Version 1.0.0")},
    {u"Label1",     Kind::Label,    2640, 1440, 3255,  255,  Sans,   SmallPoints, Left,   QT_TRANSLATE_NOOP("frmSplash", "Press ' F1 ' to view Help from the scoreboard.")},
    {u"Label2",     Kind::Label,    2640, 1680, 3255,  375,  Sans,   SmallPoints, Left,   QT_TRANSLATE_NOOP("frmSplash", "Press ' F2 ' to set Options from the scoreboard.")},
    {u"Label3",     Kind::Label,    2640, 2100, 3255,  375,  Sans,   SmallPoints, Left,   QT_TRANSLATE_NOOP("frmSplash", "Press ' F3 ' to setup auction lots from the scoreboard.")},
    {u"picLogo",    Kind::Picture,   240,  840, 2025, 2115,  Sans,   SmallPoints, Left,   ""},
    {u"cmdHelp",    Kind::Button,   3120, 2520, 1215,  375,  Sans,   8.25, Centre, QT_TRANSLATE_NOOP("frmSplash", "&Help")},
    {u"cmdOptions", Kind::Button,   4560, 2520, 1215,  375,  Sans,   8.25, Centre, QT_TRANSLATE_NOOP("frmSplash", "&Options")},
};
// clang-format on

} // namespace

// The artwork lives in the static UI library, where nothing else would pull it in.
static void LoadArtwork()
{
    Q_INIT_RESOURCE(gavelor);
}

frmSplash::frmSplash(AppSettings& settings, QStringList arguments, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_settings(settings), m_arguments(std::move(arguments))
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(tr("Bidwatch"));
    // Once the operator has gone on, nothing refers to the title window again.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::ToPixels(ClientWidth, this), Twips::ToPixels(ClientHeight, this));
    LoadArtwork();
    BuildControls();
}

void frmSplash::BuildControls()
{
    frameSplash = new QGroupBox(this);
    DesignLayout::Place(
        {frameSplash, u"frameSplash", FrameDesign.left(), FrameDesign.top(), FrameDesign.width(), FrameDesign.height()},
        this);

    for (const ControlDesign& design : Composition) {
        QWidget* control = nullptr;
        const QString text = tr(design.text);
        switch (design.kind) {
        case Kind::Label: {
            auto* label = new QLabel(text, frameSplash);
            label->setAlignment(design.alignment);
            label->setWordWrap(true);
            control = label;
            break;
        }
        case Kind::Picture: {
            // The picture is read when the window is first shown: started with "bypass",
            // the title window never is.
            auto* picture = new QLabel(frameSplash);
            picture->setScaledContents(true);
            control = picture;
            break;
        }
        case Kind::Button:
            control = new CaptionButton(text, frameSplash);
            break;
        }
        QFont font(QLatin1String(design.fontFamily));
        font.setPointSizeF(design.pointSize);
        control->setFont(font);
        DesignLayout::Place({control, design.name, design.left, design.top, design.width, design.height}, this);
    }

    lblName = findChild<QLabel*>(QStringLiteral("lblName"));
    lblMadeBy = findChild<QLabel*>(QStringLiteral("lblMadeBy"));
    lblClick = findChild<QLabel*>(QStringLiteral("lblClick"));
    lblVersion = findChild<QLabel*>(QStringLiteral("lblVersion"));
    Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    Label3 = findChild<QLabel*>(QStringLiteral("Label3"));
    picLogo = findChild<QLabel*>(QStringLiteral("picLogo"));
    // Named for screen readers and automation: neither has a caption.
    frameSplash->setAccessibleName(tr("Gavelor title"));
    picLogo->setAccessibleName(tr("Gavelor logo"));
    cmdHelp = findChild<QPushButton*>(QStringLiteral("cmdHelp"));
    cmdOptions = findChild<QPushButton*>(QStringLiteral("cmdOptions"));

    m_clickHandlers = {
        {frameSplash, &frmSplash::frameSplash_Click}, {picLogo, &frmSplash::picLogo_Click},
        {lblName, &frmSplash::lblName_Click},         {lblMadeBy, &frmSplash::lblMadeBy_Click},
        {lblVersion, &frmSplash::lblVersion_Click},   {lblClick, &frmSplash::lblClick_Click},
        {Label1, &frmSplash::Label1_Click},           {Label2, &frmSplash::Label2_Click},
        {Label3, &frmSplash::Label3_Click},
    };
    for (auto it = m_clickHandlers.cbegin(); it != m_clickHandlers.cend(); ++it)
        it.key()->installEventFilter(this);

    connect(cmdHelp, &QPushButton::clicked, this, &frmSplash::cmdHelp_Click);
    connect(cmdOptions, &QPushButton::clicked, this, &frmSplash::cmdOptions_Click);
}

void frmSplash::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    PlaceOnScreen();
    frameSplash->resize(frameSplash->width(), Twips::ToPixels(FrameHeight, this));
    lblVersion->setText(VersionText(BuildInfo::VersionMajor, BuildInfo::VersionMinor, BuildInfo::VersionPatch));
    m_settings.LoadAllSettings();
    if (IsBypass(m_arguments))
        GoScore();
    else
        show();
}

void frmSplash::GoScore()
{
    if (m_goneOn)
        return;
    m_goneOn = true;
    // The scoreboard goes up before the title window goes away, so the screen is never
    // left empty and the run never looks finished in between.
    if (m_openScoreboard)
        m_openScoreboard();
    close();
}

QString frmSplash::VersionText(int major, int minor, int patch)
{
    return tr("Version %1.%2.%3").arg(major).arg(minor).arg(patch);
}

bool frmSplash::IsBypass(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' ')) == QLatin1String("bypass");
}

QRect frmSplash::PlacementTwips(const QSizeF& screenTwips, int windowWidthTwips)
{
    // A screen too small for the window still gets its title bar and left edge on screen.
    const int top = std::max(0, DesignLayout::Centred(screenTwips.height(), CentringHeight));
    const int left = std::max(0, DesignLayout::Centred(screenTwips.width(), windowWidthTwips));
    return QRect(left, top, windowWidthTwips, OuterHeight);
}

void frmSplash::PlaceOnScreen()
{
    const QScreen* where = screen();
    if (!where)
        return;
    // The whole screen, panels included, as the title window has always been placed.
    const QRect area = where->geometry();
    const double dpi = Twips::LogicalDpi(this);
    // The outer height is 3240 twips with the title bar, but the client area never gets
    // smaller than its design height, which would cut off the buttons under a tall title bar.
    // The frame the window manager adds is known only once the window has been shown.
    const QSize frame = frameGeometry().size() - size();
    m_placedWithFrame = frame;
    setFixedHeight(std::max(Twips::ToPixels(ClientHeight, dpi), Twips::ToPixels(OuterHeight, dpi) - frame.height()));
    const QRect placement =
        PlacementTwips(QSizeF(Twips::FromPixels(area.width(), dpi), Twips::FromPixels(area.height(), dpi)),
                       DesignLayout::ToWhole(Twips::FromPixels(frameGeometry().width(), dpi)));
    move(area.topLeft() + QPoint(Twips::ToPixels(placement.left(), dpi), Twips::ToPixels(placement.top(), dpi)));
}

void frmSplash::showEvent(QShowEvent* event)
{
    if (picLogo->pixmap().isNull())
        picLogo->setPixmap(QPixmap(QStringLiteral(":/gavelor/logo.png")));
    QWidget::showEvent(event);
    // Placed again once the platform has told the frame it draws around the window.
    if (m_loaded && frameGeometry().size() - size() != m_placedWithFrame)
        PlaceOnScreen();
}

void frmSplash::mousePressEvent(QMouseEvent* event)
{
    if (!TrackClick(event))
        QWidget::mousePressEvent(event);
}

void frmSplash::mouseReleaseEvent(QMouseEvent* event)
{
    if (!TrackClick(event))
        QWidget::mouseReleaseEvent(event);
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    Form_KeyDown(event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

// Enter and Esc go on as a click does, so that the window can be passed without a mouse. Space
// on a focused button is the button's own; the buttons leave Enter and Esc to the window.
void frmSplash::Form_KeyDown(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (event->modifiers() & ~Qt::KeypadModifier) {
            event->ignore();
            return;
        }
        event->accept();
        GoScore();
        break;
    default:
        event->ignore();
        break;
    }
}

void frmSplash::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // A screen reader reads the frame's texts with the first control it focuses, as the frame is
    // entered. Unnamed, it counts as layout, so coming back from help or options does not read
    // the whole window again. The window manager may take the focus away and give it back while
    // it places the window; only another window of the program taking it counts.
    const QWidget* active = QApplication::activeWindow();
    if (active && active != this && isVisible())
        frameSplash->setAccessibleName(QString());
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (m_clickHandlers.contains(watched) && TrackClick(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

QObject* frmSplash::ClickTargetAt(const QPointF& globalPosition) const
{
    const QPoint local = mapFromGlobal(globalPosition).toPoint();
    if (!rect().contains(local))
        return nullptr;
    for (QWidget* under = childAt(local); under; under = under->parentWidget()) {
        if (m_clickHandlers.contains(under))
            return under;
        if (qobject_cast<QPushButton*>(under))
            return nullptr;
    }
    return const_cast<frmSplash*>(this);
}

bool frmSplash::TrackClick(QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    // A press is seen by the control and again by each container it travels up to; all
    // name the same target.
    QObject* target = ClickTargetAt(mouse->globalPosition());
    if (event->type() == QEvent::MouseButtonPress) {
        m_pressedTarget = target;
        return false;
    }
    QObject* pressed = std::exchange(m_pressedTarget, nullptr);
    if (!target || target != pressed)
        return true;
    if (target == this)
        Form_Click();
    else
        (this->*m_clickHandlers.value(target))();
    return true;
}

void frmSplash::Form_Click()
{
    GoScore();
}

void frmSplash::frameSplash_Click()
{
    GoScore();
}

void frmSplash::picLogo_Click()
{
    GoScore();
}

void frmSplash::lblName_Click()
{
    GoScore();
}

void frmSplash::lblMadeBy_Click()
{
    GoScore();
}

void frmSplash::lblVersion_Click()
{
    GoScore();
}

void frmSplash::lblClick_Click()
{
    GoScore();
}

void frmSplash::Label1_Click()
{
    GoScore();
}

void frmSplash::Label2_Click()
{
    GoScore();
}

void frmSplash::Label3_Click()
{
    GoScore();
}

void frmSplash::cmdHelp_Click()
{
    if (m_openHelp)
        m_openHelp();
}

void frmSplash::cmdOptions_Click()
{
    // A click or key that arrives while the options dialog is still opening must not start the auction.
    const ModalGuard guard;
    if (m_openOptions)
        m_openOptions();
}
