#include "scoreboard/frmScoreboard.h"

#include "BuildInfo.h"
#include "common/Twips.h"
#include "records/AppSettings.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/BoardDesign.h"
#include "scoreboard/KeyCodes.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmAudience.h"
#include "scoreboard/modGrabKeys.h"
#include "scoreboard/modLEDType.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>

namespace {

// The key numbers of F4 to F6 and F12 (the function keys run on from F1).
constexpr qint16 KeyF4 = KeyCodes::F1 + 3;
constexpr qint16 KeyF5 = KeyCodes::F1 + 4;
constexpr qint16 KeyF6 = KeyCodes::F1 + 5;
constexpr qint16 KeyF12 = KeyCodes::F1 + 11;

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
    setWindowTitle(tr("Gavelor by ") + QLatin1String(BuildInfo::MakerUrl));
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

frmScoreboard::~frmScoreboard() = default;

void frmScoreboard::BuildControls()
{
    m_board = BoardDesign::Build(this, BoardDesign::Scoreboard());

    // The note shows what the lot says; the operator may click into it, but the keys
    // that drive the sale stay with the displays.
    m_board.txtNote->setFocusPolicy(Qt::ClickFocus);

    setTabOrder(m_board.nledLotNum, m_board.picAmountBack);
    setTabOrder(m_board.picAmountBack, m_board.nledAmountOnes);
    setTabOrder(m_board.nledAmountOnes, m_board.nledAmountThousands);

    connect(m_board.nledLotNum, &NumberLED::KeyDown, this, &frmScoreboard::nledLotNum_KeyDown);
    connect(m_board.nledLotNum, &NumberLED::KeyUp, this, &frmScoreboard::nledLotNum_KeyUp);
    connect(m_board.picAmountBack, &PictureBox::KeyDown, this, &frmScoreboard::picAmountBack_KeyDown);
    connect(m_board.picAmountBack, &PictureBox::KeyUp, this, &frmScoreboard::picAmountBack_KeyUp);
    connect(m_board.nledAmountThousands, &NumberLED::Click, this, &frmScoreboard::nledAmountThousands_Click);
    connect(m_board.nledAmountOnes, &NumberLED::Click, this, &frmScoreboard::nledAmountOnes_Click);
}

void frmScoreboard::Form_Load()
{
    ShowLot();
    ApplyColors();
    UpdateNumLock();
    ApplyDigitStyle();
    m_layout.CaptureDesignLayout(this);
    m_board.nledLotNum->setFocus();
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
            ApplyDigitStyle();
        }
        break;
    case KeyCodes::F3:
        // The lot on show stays as it is until the next lot step.
        if (m_openLotEditor)
            m_openLotEditor();
        break;
    case KeyF4:
        if (m_sale)
            ShowResults();
        break;
    case KeyF5:
        MarkLot(SaleEvent::Kind::Sold);
        break;
    case KeyF6:
        MarkLot(SaleEvent::Kind::Passed);
        break;
    case KeyF12:
        ToggleAudience();
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

// The show steps: each puts one part of the sale on every view of the board, the
// scoreboard's and, while it is there, the audience screen's, in the same pass.
QVarLengthArray<const BoardView*, 2> frmScoreboard::Boards() const
{
    QVarLengthArray<const BoardView*, 2> boards{&m_board};
    if (m_audience)
        boards.append(&m_audience->board());
    return boards;
}

void frmScoreboard::ShowLot()
{
    const AuctionState::LotView lot = m_state.ShowLot(m_settings.LotList.get());
    m_onShow = lot;
    m_onShowStartingBid = m_journaledAmount = m_state.Amount();
    if (m_sale && lot.found) {
        SaleEvent shown;
        shown.kind = SaleEvent::Kind::Shown;
        shown.position = m_state.LotIndex();
        shown.lotNumber = lot.lotNumber;
        shown.note = lot.note;
        shown.startingBid = m_onShowStartingBid;
        m_sale->Record(shown);
    }
    ShowLotNumber(lot.found ? lot.lotNumber : 0);
    ShowAmount();
    for (const BoardView* board : Boards())
        board->ShowNote(lot.note);
    ShowResultStamp();
}

void frmScoreboard::ShowLotAt(qint32 position, std::optional<qint32> amount)
{
    m_state.GoToLot(position);
    ShowLot();
    if (amount) {
        m_state.SetAmount(*amount);
        ShowAmount();
    }
}

void frmScoreboard::setSale(SaleJournal* sale)
{
    if (m_sale)
        disconnect(m_sale, nullptr, this, nullptr);
    m_sale = sale;
    // A result cleared or marked from the results window shows on the board at once.
    if (m_sale)
        connect(m_sale, &SaleJournal::Changed, this, &frmScoreboard::ShowResultStamp);
    ShowResultStamp();
}

void frmScoreboard::MarkLot(SaleEvent::Kind kind)
{
    // With no lot on show the keys have nothing to mark.
    if (!m_sale || !m_onShow.found)
        return;
    SaleEvent mark;
    mark.kind = kind;
    mark.position = m_state.LotIndex();
    mark.lotNumber = m_onShow.lotNumber;
    mark.note = m_onShow.note;
    mark.startingBid = m_onShowStartingBid;
    mark.amount = m_state.Amount();
    // On the disk before the room sees it; the stamp follows from the record.
    m_sale->Record(mark);
}

void frmScoreboard::ShowResultStamp()
{
    ResultStamp::Outcome outcome = ResultStamp::Outcome::None;
    if (m_sale && m_onShow.found) {
        if (const LotResult* result = m_sale->record().Find({m_state.LotIndex(), m_onShow.lotNumber, m_onShow.note})) {
            if (result->outcome == LotResult::Outcome::Sold)
                outcome = ResultStamp::Outcome::Sold;
            else if (result->outcome == LotResult::Outcome::Passed)
                outcome = ResultStamp::Outcome::Passed;
        }
    }
    for (const BoardView* board : Boards())
        board->ShowStamp(outcome);
}

void frmScoreboard::ShowResults()
{
    if (!m_sale)
        return;
    if (!m_results) {
        m_results = std::make_unique<frmResults>(*m_sale, m_settings);
        connect(m_results.get(), &frmResults::ShowOnBoard, this, &frmScoreboard::ShowLotAt);
    }
    m_results->Open(this);
}

void frmScoreboard::ShowLotNumber(int caption)
{
    for (const BoardView* board : Boards())
        board->ShowLotNumber(caption);
}

void frmScoreboard::ShowAmount()
{
    if (m_sale && m_onShow.found && m_state.Amount() != m_journaledAmount) {
        m_journaledAmount = m_state.Amount();
        SaleEvent amount;
        amount.kind = SaleEvent::Kind::Amount;
        amount.position = m_state.LotIndex();
        amount.lotNumber = m_onShow.lotNumber;
        amount.amount = m_journaledAmount;
        m_sale->Record(amount);
    }
    const AuctionState::AmountView view = AuctionState::SplitAmount(m_state.Amount());
    for (const BoardView* board : Boards())
        board->ShowAmount(view);
}

void frmScoreboard::ApplyColors()
{
    for (const BoardView* board : Boards())
        board->ApplyColors(m_settings);
}

void frmScoreboard::ApplyDigitStyle()
{
    for (const BoardView* board : Boards())
        board->ApplyLEDType(m_settings.LEDTypeIndex);
}

// What the operator types into the note is on the board too.
void frmScoreboard::txtNote_Change()
{
    if (m_audience && m_audience->board().txtNote->toPlainText() != m_board.txtNote->toPlainText())
        m_audience->board().ShowNote(m_board.txtNote->toPlainText());
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
    m_lotTyping.TypeIntoDisplay(*m_board.nledLotNum, KeyCodeToAsci(keyCode), 0, 9999);
    ShowLotNumber(m_board.nledLotNum->Caption());
}

void frmScoreboard::nledLotNum_KeyUp(QKeyEvent* event)
{
    ReleaseKey(event);
}

void frmScoreboard::nledAmountThousands_Click()
{
    m_board.picAmountBack->setFocus(Qt::MouseFocusReason);
}

void frmScoreboard::nledAmountOnes_Click()
{
    m_board.picAmountBack->setFocus(Qt::MouseFocusReason);
}

QScreen* frmScoreboard::AudienceScreen() const
{
    // The largest screen other than the operator's; the first of equals.
    QScreen* own = screen();
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    const auto screens = QGuiApplication::screens();
    for (QScreen* candidate : screens) {
        const QSize size = candidate->geometry().size();
        const qint64 area = qint64{size.width()} * size.height();
        if (candidate != own && area > bestArea) {
            best = candidate;
            bestArea = area;
        }
    }
    return best;
}

void frmScoreboard::ToggleAudience()
{
    if (m_audience && m_audience->isVisible()) {
        m_audience->close();
        return;
    }
    QScreen* target = AudienceScreen();
    if (!target)
        return;
    if (!m_audience) {
        m_audience = std::make_unique<frmAudience>(this);
        connect(m_board.txtNote, &QPlainTextEdit::textChanged, m_audience.get(), [this] { txtNote_Change(); });
    }
    // Everything on show now, then every change as it comes.
    const BoardView& board = m_audience->board();
    board.ShowLotNumber(m_board.nledLotNum->Caption());
    board.ShowAmount(AuctionState::SplitAmount(m_state.Amount()));
    board.ShowNote(m_board.txtNote->toPlainText());
    board.ApplyColors(m_settings);
    board.ApplyLEDType(m_settings.LEDTypeIndex);
    ShowResultStamp();
    m_audience->ShowOn(target);
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
    if (m_audience)
        m_audience->close();
    if (m_results)
        m_results->close();
    emit Unloaded();
}
