#include "scoreboard/frmScoreboard.h"

#include "BuildInfo.h"
#include "common/Twips.h"
#include "records/AppSettings.h"
#include "scoreboard/KeyCodes.h"
#include "scoreboard/LedColors.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/modGrabKeys.h"
#include "scoreboard/modLEDType.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {

enum class Kind
{
    Label,
    NumberLED,
    PictureBox,
    TextBox
};

// The window's composition: geometry in twips relative to the container, fonts in points
// (Arial bold), as the designer laid it out. Later rows sit above earlier ones.
struct ControlDesign
{
    const char* name;
    Kind kind;
    const char* container; // nullptr: the window
    int left, top, width, height;
    double fontSize;
    Qt::Alignment alignment;
    const char* caption;
};

constexpr Qt::Alignment LeftTop = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment CentreTop = Qt::AlignHCenter | Qt::AlignTop;

// clang-format off
constexpr ControlDesign Composition[] = {
    // name                   kind             container        left   top   width  height  font    align      caption
    {"lblLotNum",           Kind::Label,      nullptr,          90,   180,  2985,  1290,  54.75, LeftTop,   "Lot #:"},
    {"nledLotNum",          Kind::NumberLED,  nullptr,        3240,   120,  3795,  1530,   0,    {},        nullptr},
    {"lblCreatedBy",        Kind::Label,      nullptr,        3420,  1740,  2655,   270,  11.25, CentreTop, nullptr},
    {"lblAmountDollar",     Kind::Label,      nullptr,         120,  2280,   900,  1860,  80.25, CentreTop, "$"},
    {"picAmountBack",       Kind::PictureBox, nullptr,        1080,  2100,  8235,  2295,   0,    {},        nullptr},
    {"nledAmountThousands", Kind::NumberLED,  "picAmountBack",   0,    60,  3765,  2085,   0,    {},        nullptr},
    {"lblAmountComma",      Kind::Label,      "picAmountBack",3780,   840,   510,  1455,  60,    CentreTop, ","},
    {"nledAmountOnes",      Kind::NumberLED,  "picAmountBack",4320,    60,  3765,  2085,   0,    {},        nullptr},
    {"txtNote",             Kind::TextBox,    nullptr,          60,  4680,  9375,  2055,  39.75, LeftTop,   nullptr},
};

// The digit displays size themselves from Size and their paddings (twips).
struct LedDesign
{
    const char* name;
    int digits;
    double size, paddingH, paddingV, paddingI;
    bool zeroFill;
};

constexpr LedDesign LedDesigns[] = {
    // name                 digits  Size  PaddingH  PaddingV  PaddingI  ZeroFill
    {"nledLotNum",            4,     90,   100,      100,      200,     false},
    {"nledAmountThousands",   3,    120,   100,      150,      300,     false},
    {"nledAmountOnes",        3,    120,   100,      150,      300,     true},
};
// clang-format on

const LedDesign& LedDesignFor(const char* name)
{
    for (const LedDesign& led : LedDesigns) {
        if (qstrcmp(led.name, name) == 0)
            return led;
    }
    Q_UNREACHABLE();
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, int color)
{
    const QColor wanted = LedColors::ToQColor(color);
    QPalette palette = widget->palette();
    if (palette.color(role) == wanted && palette.isBrushSet(QPalette::Active, role))
        return;
    palette.setColor(role, wanted);
    widget->setPalette(palette);
}

// The shift state as the platform reports it with a key: 1 Shift, 2 Ctrl, 4 Alt.
qint16 ShiftState(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    return static_cast<qint16>((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                               (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                               (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

} // namespace

frmScoreboard::frmScoreboard(AppSettings& settings, QWidget* parent, NumLockBackend* numLock)
    : QWidget(parent), m_settings(settings), m_numLock(numLock)
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setWindowTitle(QStringLiteral("Gavelor by ") + QLatin1String(BuildInfo::MakerUrl));
    setAutoFillBackground(true);
    // The composition is designed for this client area; the layout scales from it.
    setProperty("ScaleWidth", DesignClientWidth);
    setProperty("ScaleHeight", DesignClientHeight);
    resize(Twips::ToPixels(DesignClientWidth, this), Twips::ToPixels(DesignClientHeight, this));

    BuildControls();

    // F11 has no command of its own, so full screen for the room cannot clash with one.
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &frmScoreboard::ToggleFullScreen);

    Form_Load();
}

void frmScoreboard::BuildControls()
{
    for (const ControlDesign& design : Composition) {
        QWidget* container = design.container ? findChild<QWidget*>(QLatin1String(design.container)) : this;
        Q_ASSERT(container);
        QWidget* control = nullptr;
        switch (design.kind) {
        case Kind::Label: {
            auto* label = new QLabel(container);
            label->setAlignment(design.alignment);
            if (design.caption)
                label->setText(QLatin1String(design.caption));
            control = label;
            break;
        }
        case Kind::NumberLED: {
            const LedDesign& led = LedDesignFor(design.name);
            auto* display = new NumberLED(led.digits, container);
            display->setSize(led.size);
            display->setPaddingH(led.paddingH);
            display->setPaddingV(led.paddingV);
            display->setPaddingI(led.paddingI);
            display->setZeroFill(led.zeroFill);
            control = display;
            break;
        }
        case Kind::PictureBox:
            control = new PictureBox(container);
            break;
        case Kind::TextBox: {
            auto* text = new QPlainTextEdit(container);
            text->setFrameShape(QFrame::NoFrame);
            text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            text->setTabChangesFocus(true);
            control = text;
            break;
        }
        }
        control->setObjectName(QLatin1String(design.name));
        if (design.fontSize > 0) {
            QFont font(QStringLiteral("Arial"));
            font.setBold(true);
            control->setFont(font);
            modResize::SetFontSize(control, design.fontSize);
        }
        // Digit displays take their extent from Size and the paddings, not from a box.
        if (design.kind == Kind::NumberLED)
            modResize::SetDesignGeometry(control, design.left, design.top);
        else
            modResize::SetDesignGeometry(control, design.left, design.top, design.width, design.height);
    }

    lblLotNum = findChild<QLabel*>(QStringLiteral("lblLotNum"));
    nledLotNum = findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    lblCreatedBy = findChild<QLabel*>(QStringLiteral("lblCreatedBy"));
    lblAmountDollar = findChild<QLabel*>(QStringLiteral("lblAmountDollar"));
    picAmountBack = findChild<PictureBox*>(QStringLiteral("picAmountBack"));
    nledAmountThousands = findChild<NumberLED*>(QStringLiteral("nledAmountThousands"));
    lblAmountComma = findChild<QLabel*>(QStringLiteral("lblAmountComma"));
    nledAmountOnes = findChild<NumberLED*>(QStringLiteral("nledAmountOnes"));
    txtNote = findChild<QPlainTextEdit*>(QStringLiteral("txtNote"));

    lblCreatedBy->setText(QLatin1String(BuildInfo::MakerUrl));
    for (QLabel* label : {lblLotNum, lblCreatedBy, lblAmountDollar, lblAmountComma})
        label->setAttribute(Qt::WA_TranslucentBackground);
    // The note shows what the lot says; the operator may click into it, but the keys
    // that drive the sale stay with the displays.
    txtNote->setFocusPolicy(Qt::ClickFocus);

    setTabOrder(nledLotNum, picAmountBack);
    setTabOrder(picAmountBack, nledAmountOnes);
    setTabOrder(nledAmountOnes, nledAmountThousands);

    connect(nledLotNum, &NumberLED::KeyDown, this, &frmScoreboard::nledLotNum_KeyDown);
    connect(nledLotNum, &NumberLED::KeyUp, this, &frmScoreboard::nledLotNum_KeyUp);
    connect(picAmountBack, &PictureBox::KeyDown, this, &frmScoreboard::picAmountBack_KeyDown);
    connect(picAmountBack, &PictureBox::KeyUp, this, &frmScoreboard::picAmountBack_KeyUp);
    connect(nledAmountThousands, &NumberLED::Click, this, &frmScoreboard::nledAmountThousands_Click);
    connect(nledAmountOnes, &NumberLED::Click, this, &frmScoreboard::nledAmountOnes_Click);
}

void frmScoreboard::Form_Load()
{
    ShowLot();
    ApplyColors();
    UpdateNumLock();
    ApplyLEDType(this, m_settings.LEDTypeIndex);
    m_layout.CaptureDesignLayout(this);
    nledLotNum->setFocus();
}

void frmScoreboard::Form_Resize()
{
    m_layout.StretchToWindow(this);
}

qint16 frmScoreboard::KeyCodeToAsci(qint16 keyCode)
{
    return KeyCodes::KeyCodeToAsci(keyCode);
}

void frmScoreboard::AllKeyUp(qint16 keyCode, qint16 shift)
{
    Q_UNUSED(shift);
    if (keyCode == KeyCodes::NumLock)
        UpdateNumLock();
}

void frmScoreboard::UpdateNumLock()
{
    if (const std::optional<bool> wanted = modGrabKeys::WantedNumLock(m_settings.NumLockMode))
        modGrabKeys::SetNumLock(m_numLock, *wanted);
}

void frmScoreboard::HandleCommandKey(const qint16& keyCode)
{
    switch (keyCode) {
    case KeyCodes::F1:
        if (m_openHelp)
            m_openHelp();
        break;
    case KeyCodes::F2:
        if (m_openOptions) {
            m_openOptions();
            // However the dialog was closed.
            ApplyColors();
            UpdateNumLock();
            ApplyLEDType(this, m_settings.LEDTypeIndex);
        }
        break;
    case KeyCodes::F3:
        // The lot on show stays as it is until the next lot step.
        if (m_openLotEditor)
            m_openLotEditor();
        break;
    case KeyCodes::Right:
        if (m_state.NextLot(m_settings.LotList ? m_settings.LotList->Count() : 0))
            ShowLot();
        break;
    case KeyCodes::Left:
        if (m_state.PreviousLot())
            ShowLot();
        break;
    case KeyCodes::Up:
        m_state.Raise(m_settings.IncrementList.get());
        ShowAmount();
        break;
    case KeyCodes::Down:
        if (m_state.TakeBack())
            ShowAmount();
        break;
    default:
        break;
    }
}

void frmScoreboard::ShowLot()
{
    const AuctionState::LotView lot = m_state.ShowLot(m_settings.LotList.get());
    nledLotNum->setCaption(lot.found ? lot.lotNumber : 0);
    ShowAmount();
    txtNote->setPlainText(lot.note);
}

void frmScoreboard::ShowAmount()
{
    const AuctionState::AmountView view = AuctionState::SplitAmount(m_state.Amount());
    nledAmountThousands->setCaption(view.thousandsCaption);
    lblAmountComma->setVisible(view.separatorVisible);
    nledAmountOnes->setZeroFill(view.zeroFill);
    nledAmountOnes->setCaption(view.onesCaption);
}

void frmScoreboard::ApplyColors()
{
    SetPaletteColor(this, QPalette::Window, m_settings.FormBackColor);
    SetPaletteColor(lblLotNum, QPalette::WindowText, m_settings.TextColor);
    SetPaletteColor(lblAmountDollar, QPalette::WindowText, m_settings.TextColor);
    SetPaletteColor(txtNote, QPalette::Text, m_settings.TextColor);
    // The note box merges with the window.
    SetPaletteColor(txtNote, QPalette::Base, m_settings.FormBackColor);
    SetPaletteColor(lblCreatedBy, QPalette::WindowText, m_settings.TextColor);
    ApplyDigitColors(nledLotNum, m_settings.LEDLotColor, m_settings.LEDBackColor);
    ApplyDigitColors(nledAmountOnes, m_settings.LEDAmountColor, m_settings.LEDBackColor);
    ApplyDigitColors(nledAmountThousands, m_settings.LEDAmountColor, m_settings.LEDBackColor);
    // The separator belongs to the amount, and the panel joins both displays into one block.
    SetPaletteColor(lblAmountComma, QPalette::WindowText, m_settings.LEDAmountColor);
    picAmountBack->setBackColor(m_settings.LEDBackColor);
}

void frmScoreboard::ReleaseKey(QKeyEvent* event)
{
    // A held key repeats its release on some platforms; only the real release counts.
    if (event->isAutoRepeat())
        return;
    AllKeyUp(KeyCodes::FromKeyEvent(event), ShiftState(event));
}

void frmScoreboard::Form_KeyDown(QKeyEvent* event)
{
    HandleCommandKey(KeyCodes::FromKeyEvent(event));
}

void frmScoreboard::Form_KeyUp(QKeyEvent* event)
{
    ReleaseKey(event);
}

void frmScoreboard::picAmountBack_KeyDown(QKeyEvent* event)
{
    const qint16 keyCode = KeyCodes::FromKeyEvent(event);
    HandleCommandKey(keyCode);
    if (m_state.TypeAmountKey(keyCode, KeyCodeToAsci(keyCode)))
        ShowAmount();
}

void frmScoreboard::picAmountBack_KeyUp(QKeyEvent* event)
{
    ReleaseKey(event);
}

void frmScoreboard::nledLotNum_KeyDown(QKeyEvent* event)
{
    const qint16 keyCode = KeyCodes::FromKeyEvent(event);
    HandleCommandKey(keyCode);
    m_lotTyping.TypeIntoDisplay(*nledLotNum, KeyCodeToAsci(keyCode), 0, 9999);
}

void frmScoreboard::nledLotNum_KeyUp(QKeyEvent* event)
{
    ReleaseKey(event);
}

void frmScoreboard::nledAmountThousands_Click()
{
    picAmountBack->setFocus(Qt::MouseFocusReason);
}

void frmScoreboard::nledAmountOnes_Click()
{
    picAmountBack->setFocus(Qt::MouseFocusReason);
}

void frmScoreboard::ToggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

// Keys reach the window itself only while none of its controls holds the focus; keys
// that a focused control leaves unhandled (the note box, the amount displays) stop here.
void frmScoreboard::keyPressEvent(QKeyEvent* event)
{
    QWidget* focused = focusWidget();
    if (focused && focused != this) {
        QWidget::keyPressEvent(event);
        return;
    }
    Form_KeyDown(event);
}

void frmScoreboard::keyReleaseEvent(QKeyEvent* event)
{
    QWidget* focused = focusWidget();
    if (focused && focused != this) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    Form_KeyUp(event);
}

void frmScoreboard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmScoreboard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A resize while minimised is skipped; restoring catches up.
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if (change->oldState().testFlag(Qt::WindowMinimized) && !isMinimized())
            Form_Resize();
    }
}

void frmScoreboard::closeEvent(QCloseEvent* event)
{
    // Nothing to save: the setup windows saved their work when they closed.
    event->accept();
    emit Unloaded();
}
