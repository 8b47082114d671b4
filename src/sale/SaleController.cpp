#include "sale/SaleController.h"

#include "records/AppSettings.h"
#include "records/MoneyFormat.h"
#include "sale/KeyCodes.h"
#include "sale/SaleJournal.h"

namespace {

constexpr qint16 KeyF5 = KeyCodes::F1 + 4;
constexpr qint16 KeyF6 = KeyCodes::F1 + 5;

} // namespace

// The lot display as lot-number typing sees it: a number that typing may change.
class SaleController::LotDisplay : public DigitDisplay
{
public:
    explicit LotDisplay(qint32& number) : m_number(number) {}
    QString Name() const override { return QStringLiteral("nledLotNum"); }
    int Caption() const override { return m_number; }
    void SetCaption(int value) override { m_number = value; }

private:
    qint32& m_number;
};

SaleController::SaleController(AppSettings& settings, QObject* parent)
    : QObject(parent), m_settings(settings), m_currencies(CurrencyBoard::Load(settings.store()))
{}

void SaleController::SetCurrencyBoard(const CurrencyBoard& board)
{
    if (board == m_currencies)
        return;
    const bool ratesChanged = !board.SameRates(m_currencies) && (board.enabled || m_currencies.enabled);
    m_currencies = board;
    // A sale under way keeps a record of the rates its room was shown.
    if (ratesChanged && m_journal && m_journal->record().HasEvents() && !m_journal->record().Ended()) {
        SaleEvent rates;
        rates.kind = SaleEvent::Kind::Rates;
        rates.rates = board.RatesText();
        Record(rates);
    }
    Announce(Change::Currencies);
}

QList<Conversion> SaleController::Conversions() const
{
    return m_currencies.Showing() ? m_currencies.Convert(Amount()) : QList<Conversion>{};
}

void SaleController::setJournal(SaleJournal* journal)
{
    if (m_journal)
        disconnect(m_journal, nullptr, this, nullptr);
    m_journal = journal;
    // A result cleared or marked from the results window, or a new sale, shows at once.
    if (m_journal)
        connect(m_journal, &SaleJournal::Changed, this, [this] {
            if (!m_recording)
                RefreshStamp();
        });
    RefreshStamp();
}

bool SaleController::Command(qint16 keyCode)
{
    switch (keyCode) {
    case KeyCodes::Right:
        if (m_state.NextLot(m_settings.LotList ? m_settings.LotList->Count() : 0))
            ShowLot();
        return true;
    case KeyCodes::Left:
        if (m_state.PreviousLot())
            ShowLot();
        return true;
    case KeyCodes::Up:
        m_state.Raise(m_settings.IncrementList.get());
        m_amountTouched = true;
        AmountChanged();
        return true;
    case KeyCodes::Down:
        if (m_state.TakeBack()) {
            m_amountTouched = true;
            AmountChanged();
        }
        return true;
    case KeyF5:
        MarkSold();
        return true;
    case KeyF6:
        MarkPassed();
        return true;
    default:
        return false;
    }
}

void SaleController::TypeLotKey(qint16 characterCode)
{
    const qint32 before = m_lotNumber;
    LotDisplay display(m_lotNumber);
    m_lotTyping.TypeIntoDisplay(display, characterCode, 0, MaxLotNumber);
    if (m_lotNumber != before)
        RefreshStamp(Change::LotNumber);
}

void SaleController::TypeAmountKey(qint16 keyCode, qint16 characterCode)
{
    if (m_state.TypeAmountKey(keyCode, characterCode)) {
        m_amountTouched = true;
        AmountChanged();
    }
}

void SaleController::ShowLot()
{
    const AuctionState::LotView lot = m_state.ShowLot(m_settings.LotList.get());
    m_onShow = lot;
    m_onShowStartingBid = m_journaledAmount = m_state.Amount();
    m_amountTouched = false;
    m_lotNumber = lot.found ? lot.lotNumber : 0;
    m_note = lot.note;
    const LotInfoPtr shownLot =
        lot.found && m_settings.LotList ? m_settings.LotList->Item(m_state.LotIndex()) : nullptr;
    m_onShowReserve = shownLot ? shownLot->Reserve : std::nullopt;
    if (lot.found) {
        SaleEvent shown;
        shown.kind = SaleEvent::Kind::Shown;
        shown.position = m_state.LotIndex();
        shown.lotNumber = lot.lotNumber;
        shown.note = lot.note;
        shown.startingBid = m_onShowStartingBid;
        Record(shown);
    }
    RefreshStamp(Change::LotNumber | Change::Amount | Change::Note);
}

void SaleController::ShowLotAt(qint32 position, std::optional<qint32> amount)
{
    m_state.GoToLot(position);
    ShowLot();
    if (amount) {
        m_state.SetAmount(*amount);
        AmountChanged();
    }
}

void SaleController::AmountChanged()
{
    if (m_onShow.found && m_state.Amount() != m_journaledAmount) {
        m_journaledAmount = m_state.Amount();
        SaleEvent amount;
        amount.kind = SaleEvent::Kind::Amount;
        amount.position = m_state.LotIndex();
        amount.lotNumber = m_onShow.lotNumber;
        amount.amount = m_journaledAmount;
        Record(amount);
    }
    Announce(Change::Amount);
}

std::optional<qint32> SaleController::Reserve() const
{
    if (m_onShow.found && m_onShow.lotNumber == m_lotNumber)
        return m_onShowReserve;
    // A number typed onto the display: the first lot of the list that carries it.
    if (m_lotNumber != 0 && m_settings.LotList) {
        for (const LotInfoPtr& lot : *m_settings.LotList)
            if (lot && lot->LotNumber == m_lotNumber)
                return lot->Reserve;
    }
    return std::nullopt;
}

bool SaleController::ReserveMet() const
{
    const std::optional<qint32> reserve = Reserve();
    return reserve && Amount() >= *reserve;
}

bool SaleController::RecordPaddle(const QString& paddle)
{
    const LotResult* result =
        m_journal && (m_onShow.found || m_lotNumber != 0) ? m_journal->record().Find(m_lotNumber) : nullptr;
    if (!result || result->outcome != LotResult::Outcome::Sold || !BidderRegister::IsPaddle(paddle))
        return false;
    SetBuyer(m_lotNumber, paddle);
    return true;
}

SaleLotKey SaleController::KeyFor(qint32 lotNumber, qint32* startingBid) const
{
    if (m_onShow.found && m_onShow.lotNumber == lotNumber) {
        *startingBid = m_onShowStartingBid;
        return {m_state.LotIndex(), lotNumber, m_onShow.note};
    }
    qint32 position = 0;
    if (m_settings.LotList) {
        for (const LotInfoPtr& lot : *m_settings.LotList) {
            ++position;
            if (lot && lot->LotNumber == lotNumber) {
                *startingBid = lot->Amount;
                return {position, lotNumber, lot->Note};
            }
        }
    }
    // A number typed onto the display that no lot of the list carries.
    *startingBid = 0;
    return {0, lotNumber, QString()};
}

void SaleController::MarkSold()
{
    Mark(SaleEvent::Kind::Sold);
}

void SaleController::MarkPassed()
{
    Mark(SaleEvent::Kind::Passed);
}

void SaleController::Mark(SaleEvent::Kind kind)
{
    // With no lot on show, and no number typed in its place, the keys have nothing to mark.
    if (!m_journal || (!m_onShow.found && m_lotNumber == 0))
        return;
    const LotResult* result = m_journal->record().Find(m_lotNumber);
    const LotResult::Outcome wanted =
        kind == SaleEvent::Kind::Sold ? LotResult::Outcome::Sold : LotResult::Outcome::Passed;
    // A lot shown again after its hammer keeps its result: only a new bid changes it.
    if (result && result->outcome == wanted && !m_amountTouched)
        return;
    SaleEvent mark;
    mark.kind = kind;
    mark.SetLot(KeyFor(m_lotNumber, &mark.startingBid));
    mark.amount = m_state.Amount();
    if (const std::optional<qint32> reserve = Reserve()) {
        if (kind == SaleEvent::Kind::Passed) {
            mark.boughtIn = true;
        } else if (mark.amount < *reserve) {
            if (m_askBelowReserve && !m_askBelowReserve(mark.amount, *reserve))
                return;
            mark.belowReserve = true;
        }
    }
    m_amountTouched = false;
    // On the disk before the room sees it; the stamp follows from the record.
    Record(mark);
    RefreshStamp();
}

bool SaleController::Undo()
{
    if (!m_journal)
        return false;
    const std::optional<qint32> lotNumber = m_journal->record().LastMarked();
    if (!lotNumber)
        return false;
    const LotResult* result = m_journal->record().Find(*lotNumber);
    SaleEvent undo;
    undo.kind = SaleEvent::Kind::Cleared;
    undo.undo = true;
    undo.SetLot(result ? result->key : SaleLotKey{0, *lotNumber, QString()});
    Record(undo);
    RefreshStamp();
    return true;
}

void SaleController::SetBuyer(qint32 lotNumber, const QString& buyer)
{
    const LotResult* result = m_journal ? m_journal->record().Find(lotNumber) : nullptr;
    SaleEvent event;
    event.kind = SaleEvent::Kind::Buyer;
    event.SetLot(result ? result->key : KeyFor(lotNumber, &event.startingBid));
    if (result)
        event.startingBid = result->startingBid;
    event.buyer = buyer;
    Record(event);
    RefreshStamp();
}

void SaleController::Clear(qint32 lotNumber)
{
    SaleEvent cleared;
    cleared.kind = SaleEvent::Kind::Cleared;
    const LotResult* result = m_journal ? m_journal->record().Find(lotNumber) : nullptr;
    cleared.SetLot(result ? result->key : KeyFor(lotNumber, &cleared.startingBid));
    Record(cleared);
    RefreshStamp();
}

void SaleController::Withdraw(qint32 lotNumber)
{
    SaleEvent withdrawn;
    withdrawn.kind = SaleEvent::Kind::Withdrawn;
    const LotResult* result = m_journal ? m_journal->record().Find(lotNumber) : nullptr;
    withdrawn.SetLot(result ? result->key : KeyFor(lotNumber, &withdrawn.startingBid));
    if (result)
        withdrawn.startingBid = result->startingBid;
    Record(withdrawn);
    RefreshStamp();
}

void SaleController::NewSale()
{
    if (m_journal)
        m_journal->NewSale();
}

void SaleController::Record(SaleEvent event)
{
    if (!m_journal)
        return;
    // The caller shows what the event changed, once, when it is done.
    m_recording = true;
    m_journal->Record(std::move(event));
    m_recording = false;
}

void SaleController::RefreshStamp(Changes also)
{
    Stamp stamp;
    const LotResult* result =
        m_journal && (m_onShow.found || m_lotNumber != 0) ? m_journal->record().Find(m_lotNumber) : nullptr;
    if (result && result->marked()) {
        stamp.outcome = result->outcome;
        stamp.buyer = result->buyer;
        // A lot passed at its starting bid had no bid to show.
        if (result->outcome == LotResult::Outcome::Sold || result->price != result->startingBid)
            stamp.amount = result->price;
    }
    if (!(stamp == m_stamp)) {
        m_stamp = stamp;
        also |= Change::Stamp;
    }
    if (also)
        Announce(also);
}

void SaleController::Announce(Changes what)
{
    ++m_sequence;
    emit Changed(what);
}

QString SaleController::StampDetail(const Stamp& stamp, const QString& grouping)
{
    if (!stamp.amount)
        return {};
    const QString price = MoneyFormat{QString(), grouping}.Grouped(*stamp.amount);
    if (stamp.outcome == LotResult::Outcome::Sold && !stamp.buyer.isEmpty())
        return price + QStringLiteral(" \u00B7 ") + stamp.buyer;
    return price;
}
