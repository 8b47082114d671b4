#include "scoreboard/frmScoreboard.h"

#include "BuildInfo.h"
#include "common/Prompts.h"
#include "common/Twips.h"
#include "currency/frmCurrencyBoard.h"
#include "feed/LiveFeed.h"
#include "records/AppSettings.h"
#include "sale/KeyCodes.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/BoardAnnouncer.h"
#include "scoreboard/BoardDesign.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/PaddleEntry.h"
#include "scoreboard/SavingSign.h"
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

#include <algorithm>

namespace {

// The key numbers of F4 and F12 (the function keys run on from F1).
constexpr qint16 KeyF4 = KeyCodes::F1 + 3;
// F7 shows the Currency Board window.
constexpr qint16 KeyF7 = KeyCodes::F1 + 6;
constexpr qint16 KeyF5 = KeyCodes::F1 + 4;
// F9 opens the live feed's window.
constexpr qint16 KeyF9 = KeyCodes::F1 + 8;
constexpr qint16 KeyF12 = KeyCodes::F1 + 11;

} // namespace

frmScoreboard::frmScoreboard(AppSettings& settings, QWidget* parent, NumLockBackend* numLock)
    : QWidget(parent), m_settings(settings), m_numLock(numLock), m_sale(std::make_unique<SaleController>(settings))
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setWindowTitle(tr("Gavelor by ") + QLatin1String(BuildInfo::MakerUrl));
    setAutoFillBackground(true);
    // The composition is designed for this client area; the layout scales from it.
    setProperty("ScaleWidth", DesignClientWidth);
    setProperty("ScaleHeight", DesignClientHeight);
    resize(Twips::ToPixels(DesignClientWidth, this), Twips::ToPixels(DesignClientHeight, this));

    BuildControls();
    // For the operator alone: the room's screen is built from the design table, not from here.
    m_savingSign = new SavingSign(this);
    m_paddleEntry = new PaddleEntry(this);
    connect(m_paddleEntry, &PaddleEntry::Entered, m_sale.get(), &SaleController::RecordPaddle);
    m_reserveMark = new QLabel(tr("reserve met"), this);
    m_reserveMark->setObjectName(QStringLiteral("reserveMark"));
    m_reserveMark->setAlignment(Qt::AlignCenter);
    m_reserveMark->setAutoFillBackground(true);
    m_reserveMark->setStyleSheet(QStringLiteral("QLabel { background: #006400; color: white; font-weight: bold; }"));
    modResize::SetDesignGeometry(m_reserveMark, 7320, 540, 2040, 330);
    modResize::SetFontSize(m_reserveMark, 9);
    m_reserveMark->hide();
    // Selling below the reserve is the operator's decision, made on the spot.
    m_sale->setBelowReserveQuestion([this](qint32, qint32) {
        return Prompts::Confirm(this, tr("The bid is below the lot's reserve. Sell below the reserve?"),
                                Prompts::Icon::Question);
    });

    // F11 has no command of its own, so full screen for the room cannot clash with one.
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &frmScoreboard::ToggleFullScreen);
    // Takes back the last F5 or F6; in the note box the note's own undo comes first.
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, m_sale.get(), &SaleController::Undo);
    connect(m_sale.get(), &SaleController::Changed, this, &frmScoreboard::sale_Changed);

    Form_Load();
}

frmScoreboard::~frmScoreboard() = default;

void frmScoreboard::BuildControls()
{
    m_board = BoardDesign::Build(this, BoardDesign::Scoreboard());

    m_announcer = std::make_unique<BoardAnnouncer>(m_settings, m_board);

    // The note shows what the lot says; the operator may click into it, and Tab reaches it last
    // so that a screen reader can read it, but the keys that drive the sale stay with the displays.
    m_board.txtNote->setFocusPolicy(Qt::StrongFocus);

    setTabOrder(m_board.nledLotNum, m_board.picAmountBack);
    setTabOrder(m_board.picAmountBack, m_board.nledAmountOnes);
    setTabOrder(m_board.nledAmountOnes, m_board.nledAmountThousands);
    setTabOrder(m_board.nledAmountThousands, m_board.txtNote);

    connect(m_board.nledLotNum, &NumberLED::KeyDown, this, &frmScoreboard::nledLotNum_KeyDown);
    connect(m_board.nledLotNum, &NumberLED::KeyUp, this, &frmScoreboard::nledLotNum_KeyUp);
    connect(m_board.picAmountBack, &PictureBox::KeyDown, this, &frmScoreboard::picAmountBack_KeyDown);
    connect(m_board.picAmountBack, &PictureBox::KeyUp, this, &frmScoreboard::picAmountBack_KeyUp);
    connect(m_board.nledAmountThousands, &NumberLED::Click, this, &frmScoreboard::nledAmountThousands_Click);
    connect(m_board.nledAmountOnes, &NumberLED::Click, this, &frmScoreboard::nledAmountOnes_Click);
}

void frmScoreboard::Form_Load()
{
    m_sale->ShowLot();
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

void frmScoreboard::setLotPictures(LotPictureLoader* pictures)
{
    m_pictures = pictures;
    if (m_audience)
        m_audience->setLotPictures(m_pictures, m_sale.get(), &m_settings);
}

void frmScoreboard::AllKeyUp(qint16 keyCode)
{
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
        // The lot on show stays as it is until the next lot step; the results follow the list.
        if (m_openLotEditor) {
            m_openLotEditor();
            if (m_results)
                m_results->LotsChanged();
        }
        break;
    case KeyF4:
        if (m_sale->journal())
            ShowResults();
        break;
    case KeyF7:
        // Until the currency board is set up, F7 is what it always was: no command.
        if (m_sale->currencyBoard().Showing())
            OpenCurrencyBoard();
        else
            m_sale->Command(keyCode);
        break;
    case KeyF9:
        if (m_openLiveFeed)
            m_openLiveFeed();
        break;
    case KeyF12:
        ToggleAudience();
        break;
    default:
        // The sale's own keys: lots, bids and the hammer.
        if (m_sale->Command(keyCode) && keyCode == KeyF5)
            AskForPaddle();
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

void frmScoreboard::sale_Changed(SaleController::Changes what)
{
    // What a screen reader says first: the lot with its bid and note on a step, the number
    // alone when typed, the bid alone on a raise; the result after them.
    const bool step = what.testFlag(SaleController::Change::Note);
    if (step)
        m_announcer->LotShown(m_sale->LotNumber(), m_sale->Amount(), m_sale->Note());
    else if (what.testFlag(SaleController::Change::LotNumber))
        m_announcer->LotNumberTyped(m_sale->LotNumber());
    else if (what.testFlag(SaleController::Change::Amount))
        m_announcer->AmountChanged(m_sale->Amount());
    if (what.testFlag(SaleController::Change::LotNumber))
        ShowLotNumber(m_sale->LotNumber());
    if (what.testFlag(SaleController::Change::Amount))
        ShowAmount();
    if (what.testFlag(SaleController::Change::Note)) {
        for (const BoardView* board : Boards())
            board->ShowNote(m_sale->Note());
    }
    if (what.testFlag(SaleController::Change::Stamp))
        ShowResultStamp();
    // A paddle belongs to the lot it was asked for: another lot on the board drops the question.
    if (what.testFlag(SaleController::Change::LotNumber) && m_paddleEntry->isOpen())
        m_paddleEntry->Cancel();
    ShowReserveMark();
    PublishToFeed();
}

void frmScoreboard::ShowLotAt(qint32 position, std::optional<qint32> amount)
{
    m_sale->ShowLotAt(position, amount);
}

void frmScoreboard::setSale(SaleJournal* sale)
{
    m_sale->setJournal(sale);
    m_savingSign->setSale(sale);
}

void frmScoreboard::ShowResultStamp()
{
    const SaleController::Stamp& stamp = m_sale->stamp();
    ResultStamp::Outcome outcome = ResultStamp::Outcome::None;
    if (stamp.outcome == LotResult::Outcome::Sold)
        outcome = ResultStamp::Outcome::Sold;
    else if (stamp.outcome == LotResult::Outcome::Passed)
        outcome = ResultStamp::Outcome::Passed;
    const QString detail = SaleController::StampDetail(stamp, m_settings.Money().grouping);
    for (const BoardView* board : Boards())
        board->ShowStamp(outcome, detail);
    m_announcer->Marked(outcome, stamp.amount.value_or(0));
}

// The board as the live feed carries it; a state that shows nothing new is dropped there.
void frmScoreboard::PublishToFeed()
{
    if (!m_feed)
        return;
    FeedState state;
    state.lotNumber = m_sale->LotNumber();
    state.amount = m_sale->Amount();
    state.currency = m_settings.Currency;
    state.grouping = m_settings.Grouping;
    state.note = m_sale->Note();
    for (const Conversion& conversion : m_sale->Conversions())
        state.conversions.append(CurrencyBoard::LineText(conversion, m_settings.Grouping));
    if (!state.conversions.isEmpty())
        state.guidance = CurrencyBoard::GuidanceText();
    state.formBack = m_settings.FormBackColor;
    state.ledBack = m_settings.LEDBackColor;
    state.text = m_settings.TextColor;
    state.ledLot = m_settings.LEDLotColor;
    state.ledAmount = m_settings.LEDAmountColor;
    state.ledType = m_settings.LEDTypeIndex;
    const SaleController::Stamp& stamp = m_sale->stamp();
    state.stamp = stamp.outcome == LotResult::Outcome::Sold     ? FeedState::StampSold
                  : stamp.outcome == LotResult::Outcome::Passed ? FeedState::StampPassed
                                                                : FeedState::StampNone;
    state.price = stamp.outcome == LotResult::Outcome::Sold ? stamp.amount.value_or(0) : 0;
    if (const SaleJournal* journal = m_sale->journal()) {
        const SaleRecord& record = journal->record();
        state.sale = record.StartedAt();
        // The latest results first: the times are ISO 8601 texts of one sale, so they sort as text.
        std::vector<const LotResult*> marked;
        for (const LotResult& result : record.Results())
            if (result.marked())
                marked.push_back(&result);
        const auto shown = std::min<size_t>(marked.size(), FeedState::MaxResults);
        std::partial_sort(marked.begin(), marked.begin() + static_cast<std::ptrdiff_t>(shown), marked.end(),
                          [](const LotResult* a, const LotResult* b) { return a->time > b->time; });
        for (size_t i = 0; i < shown; ++i)
            state.results.append(
                {marked[i]->key.lotNumber, marked[i]->key.note,
                 marked[i]->outcome == LotResult::Outcome::Sold ? FeedState::StampSold : FeedState::StampPassed,
                 marked[i]->outcome == LotResult::Outcome::Sold ? marked[i]->price : 0});
    }
    m_feed->Publish(state);
}

void frmScoreboard::ShowResults(bool activate)
{
    SaleJournal* journal = m_sale->journal();
    if (!journal)
        return;
    if (!m_results) {
        m_results = std::make_unique<frmResults>(*m_sale, m_settings);
        connect(m_results.get(), &frmResults::ShowOnBoard, this, &frmScoreboard::ShowLotAt);
    }
    m_results->Open(this, activate);
}

void frmScoreboard::ShowLotNumber(int caption)
{
    for (const BoardView* board : Boards())
        board->ShowLotNumber(caption);
}

void frmScoreboard::ShowAmount()
{
    const AuctionState::AmountView view = AuctionState::SplitAmount(m_sale->Amount());
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
    AllKeyUp(KeyCodes::FromKeyEvent(event));
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
    m_sale->TypeAmountKey(keyCode, KeyCodes::KeyCodeToAsci(keyCode));
}

void frmScoreboard::picAmountBack_KeyUp(QKeyEvent* event)
{
    ReleaseKey(event);
}

void frmScoreboard::nledLotNum_KeyDown(QKeyEvent* event)
{
    const qint16 keyCode = KeyCodes::FromKeyEvent(event);
    HandleCommandKey(keyCode);
    m_sale->TypeLotKey(KeyCodes::KeyCodeToAsci(keyCode));
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
        m_audience->setLotPictures(m_pictures, m_sale.get(), &m_settings);
        m_audience->ShowCurrencies(*m_sale, m_settings);
    }
    // Everything on show now, then every change as it comes.
    const BoardView& board = m_audience->board();
    board.ShowLotNumber(m_board.nledLotNum->Caption());
    board.ShowAmount(AuctionState::SplitAmount(m_sale->Amount()));
    board.ShowNote(m_board.txtNote->toPlainText());
    board.ApplyColors(m_settings);
    board.ApplyLEDType(m_settings.LEDTypeIndex);
    ShowResultStamp();
    m_audience->ShowOn(target);
}

// One window, beside the board; asked for again, it comes to the front. It can be moved to
// any screen and put full screen there with its own F11.
void frmScoreboard::OpenCurrencyBoard()
{
    if (!m_currencyBoard)
        m_currencyBoard = std::make_unique<frmCurrencyBoard>(*m_sale, m_settings, this);
    m_currencyBoard->show();
    m_currencyBoard->raise();
}

// After F5 has sold the lot, when the option asks for the buyer's paddle.
void frmScoreboard::AskForPaddle()
{
    if (!m_settings.AskPaddle || m_sale->stamp().outcome != LotResult::Outcome::Sold || m_paddleEntry->isOpen())
        return;
    QWidget* focused = focusWidget();
    const bool onBoard = focused && focused != m_paddleEntry;
    m_paddleEntry->Open(onBoard ? focused : m_board.nledLotNum);
}

void frmScoreboard::ShowReserveMark()
{
    m_reserveMark->setVisible(m_sale->ReserveMet());
    if (m_reserveMark->isVisible())
        m_reserveMark->raise();
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
    if (m_currencyBoard)
        m_currencyBoard->close();
    if (m_results)
        m_results->close();
    emit Unloaded();
}
