#pragma once

#include "currency/CurrencyBoard.h"
#include "records/Limits.h"
#include "sale/AuctionState.h"
#include "sale/SaleRecord.h"
#include "sale/modShowDigits.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class AppSettings;
class SaleJournal;

// The sale as the room sees it, with no widgets: the operator's commands come in, the lot on
// show, the bid, the note and the stamp go out to whoever watches (the board, the audience
// screen, a screen reader, the results window, a feed), and every mark is journaled before it
// is shown. Nothing else records the sale.
class SaleController : public QObject
{
    Q_OBJECT

public:
    enum class Change
    {
        LotNumber = 0x1,
        Amount = 0x2,
        Note = 0x4,
        Stamp = 0x8,
        // The currency board: turned on or off, or its rates changed.
        Currencies = 0x10,
    };
    Q_DECLARE_FLAGS(Changes, Change)

    // The result over the lot on the display, with what it was sold or passed at.
    struct Stamp
    {
        LotResult::Outcome outcome = LotResult::Outcome::None;
        // The hammer price when sold; when passed, the bid reached, if there was a bid.
        std::optional<qint32> amount;
        QString buyer;

        bool operator==(const Stamp&) const = default;
    };

    static constexpr qint16 MaxLotNumber = Limits::MaxLotNumber;

    explicit SaleController(AppSettings& settings, QObject* parent = nullptr);

    // The journal the sale is recorded in; without one the board runs but marks nothing.
    void setJournal(SaleJournal* journal);
    SaleJournal* journal() const { return m_journal; }

    // What the room sees now.
    qint32 LotNumber() const { return m_lotNumber; }
    qint32 Amount() const { return m_state.Amount(); }
    const QString& Note() const { return m_note; }
    const Stamp& stamp() const { return m_stamp; }
    // Counts every change that was announced; a watcher that missed one can tell.
    quint64 Sequence() const { return m_sequence; }
    const AuctionState& state() const { return m_state; }

    // The reserve of the lot on the display, for the operator alone: it never reaches the room.
    std::optional<qint32> Reserve() const;
    // The bid on show has reached the lot's reserve.
    bool ReserveMet() const;
    // Asked when F5 would sell below the reserve; false leaves the lot unsold and on show.
    // Without a question the sale goes ahead, marked as below the reserve.
    void setBelowReserveQuestion(std::function<bool(qint32 amount, qint32 reserve)> ask)
    {
        m_askBelowReserve = std::move(ask);
    }
    // The buyer's paddle for the lot on the display, once it is sold: digits and letters, at
    // most 12. False when there is no sold lot to give it to or the text is not a paddle.
    bool RecordPaddle(const QString& paddle);

    // The board's keys, by virtual-key number: Right, Left, Up, Down, F5 and F6. False for a
    // key that is not one of them.
    bool Command(qint16 keyCode);
    // One key typed onto the lot display or the amount area, by character code.
    void TypeLotKey(qint16 characterCode);
    void TypeAmountKey(qint16 keyCode, qint16 characterCode);

    // The lot at the current position on show again, as at the window's load.
    void ShowLot();
    // Straight to a position as Right and Left would go; a bid, when given, is put back in
    // place of its starting bid.
    void ShowLotAt(qint32 position, std::optional<qint32> amount = std::nullopt);
    void MarkSold();
    void MarkPassed();
    // Takes back the last mark; false when there is none.
    bool Undo();

    // The clerk's corrections from the results window.
    void SetBuyer(qint32 lotNumber, const QString& buyer);
    void Clear(qint32 lotNumber);
    void Withdraw(qint32 lotNumber);
    void NewSale();

    // The currency board in force: read from the store when the sale opens, replaced by the
    // options' OK. Rates that change while a sale is running are recorded in its journal.
    const CurrencyBoard& currencyBoard() const { return m_currencies; }
    void SetCurrencyBoard(const CurrencyBoard& board);
    // The bid in each of the board's currencies; none while the board is off.
    QList<Conversion> Conversions() const;

    // The stamp's price as the board writes it, with the buyer's paddle once it is known:
    // "3,100", "3,100 · 112"; empty when it has no price.
    static QString StampDetail(const Stamp& stamp, const QString& grouping);

signals:
    void Changed(SaleController::Changes what);

private:
    class LotDisplay;

    void Mark(SaleEvent::Kind kind);
    // The lot of the list that carries a number: the one on show first, then the first in
    // sale order. Its position is 0 when none does.
    SaleLotKey KeyFor(qint32 lotNumber, qint32* startingBid) const;
    void Record(SaleEvent event);
    void AmountChanged();
    void RefreshStamp(Changes also = {});
    void Announce(Changes what);

    AppSettings& m_settings;
    SaleJournal* m_journal = nullptr;
    AuctionState m_state;
    modShowDigits m_lotTyping;
    // The lot on show as it was put up: what a Right, Left or Show on Board brought.
    AuctionState::LotView m_onShow;
    qint32 m_onShowStartingBid = 0;
    qint32 m_journaledAmount = 0;
    // The number on the lot display, which typing may have changed.
    qint32 m_lotNumber = 0;
    QString m_note;
    // The bid was raised, taken back or typed since the lot was put up or last marked.
    bool m_amountTouched = false;
    Stamp m_stamp;
    quint64 m_sequence = 0;
    bool m_recording = false;
    CurrencyBoard m_currencies;
    std::optional<qint32> m_onShowReserve;
    std::function<bool(qint32, qint32)> m_askBelowReserve;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SaleController::Changes)
