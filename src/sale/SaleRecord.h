#pragma once

#include "records/LotCollection.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

// Where a lot stood in the list and what it said when it was on show or marked. A result
// belongs to the lot number alone, so an edited note or a moved lot keeps it.
struct SaleLotKey
{
    qint32 position = 0;
    qint32 lotNumber = 0;
    QString note;

    friend bool operator==(const SaleLotKey&, const SaleLotKey&) = default;
};
size_t qHash(const SaleLotKey& key, size_t seed = 0) noexcept;

// One thing that happened in the sale, as the journal keeps it.
struct SaleEvent
{
    enum class Kind
    {
        Started,
        Shown,
        Amount,
        Sold,
        Passed,
        Cleared,
        Buyer,
        Ended,
        Withdrawn,
        // The currency board's rates changed during the sale.
        Rates
    };

    Kind kind = Kind::Started;
    // ISO 8601 with milliseconds and the UTC offset; read only when shown.
    QString time;
    qint32 position = 0;
    qint32 lotNumber = 0;
    QString note;
    qint32 startingBid = 0;
    // The bid for Amount, the hammer price for Sold, the bid reached for Passed.
    qint32 amount = 0;
    QString buyer;
    // Cleared by the board's undo: the lot goes back to what it was before its last mark.
    bool undo = false;
    // The currency board's rates as Rates records them.
    QString rates;
    // Sold under the lot's reserve, with the operator's consent.
    bool belowReserve = false;
    // Passed on a lot with a reserve: the house buys it in at the bid reached.
    bool boughtIn = false;

    void SetLot(const SaleLotKey& key)
    {
        position = key.position;
        lotNumber = key.lotNumber;
        note = key.note;
    }

    static QString KindName(Kind kind);
    // One journal line, without its line end.
    QByteArray ToJsonLine() const;
    // Nothing when the line is not a whole record. A whole record of a kind that a later
    // version writes sets `later`: it is to be passed over, not taken for damage.
    static std::optional<SaleEvent> FromJsonLine(QByteArrayView line, bool* later = nullptr);
};

struct LotResult
{
    enum class Outcome
    {
        None,
        Sold,
        Passed,
        Cleared,
        Withdrawn
    };

    // One hammer on the lot: sold at a price or passed at the bid reached.
    struct Step
    {
        Outcome outcome = Outcome::None;
        qint32 amount = 0;
        QString time;
        // The first mark of a showing: it counts as an offer.
        bool offer = false;
        // What the lot had before this mark, which an undo brings back.
        Outcome before = Outcome::None;
        qint32 beforePrice = 0;
        QString beforeTime;
        QString beforeBuyer;
        bool beforeBelowReserve = false;
        bool beforeBoughtIn = false;
    };

    // The lot as it was when last marked; key.lotNumber is what the result belongs to.
    SaleLotKey key;
    qint32 startingBid = 0;
    Outcome outcome = Outcome::None;
    // The hammer price when sold; the bid reached when passed.
    qint32 price = 0;
    QString time;
    QString buyer;
    // Sold under its reserve; passed on a reserve (bought in at the bid reached).
    bool belowReserve = false;
    bool boughtIn = false;
    // How many times the lot came up and was sold or passed.
    int offers = 0;
    std::vector<Step> history;

    bool marked() const { return outcome == Outcome::Sold || outcome == Outcome::Passed; }
};

// The results of a sale, built from its events. No widgets, no files.
class SaleRecord
{
public:
    // What the board showed last: where a restarted sale can pick up.
    struct OnShow
    {
        SaleLotKey key;
        qint32 startingBid = 0;
        qint32 amount = 0;
    };

    // One line of the results: a lot of the list with its result, or a result whose lot is
    // no longer in the list (lot is null then).
    struct Row
    {
        qint32 position = 0; // in the list; 0 when the lot is no longer there
        LotInfoPtr lot;
        const LotResult* result = nullptr;
    };

    struct Totals
    {
        int sold = 0;
        int passed = 0;
        int notOffered = 0;
        int withdrawn = 0;
        qint64 hammer = 0;
        // The starting bids of the lots sold, to set the hammer against.
        qint64 startingOfSold = 0;
        double averageHammer() const { return sold ? static_cast<double>(hammer) / sold : 0.0; }
        // Sold against sold and passed; 0 when nothing was offered.
        double sellThrough() const { return sold + passed ? static_cast<double>(sold) / (sold + passed) : 0.0; }
    };

    void Apply(const SaleEvent& event);

    // When the program opened the sale (its "started" record).
    const QString& StartedAt() const { return m_startedAt; }
    // When the sale began for the room: the first lot shown; until then, when it was opened.
    const QString& SaleStart() const { return m_firstShownAt.isEmpty() ? m_startedAt : m_firstShownAt; }
    bool Ended() const { return m_ended; }
    // Anything beyond the start: a restart has something to offer.
    bool HasEvents() const { return m_events > 1; }
    // Counts the events that change a result: the results are the same while it is.
    qint64 Marks() const { return m_marks; }
    const std::optional<OnShow>& LastOnShow() const { return m_onShow; }
    // The currency board's rates each time they changed during the sale, oldest first.
    struct RateChange
    {
        QString time;
        QString rates;
    };
    const std::vector<RateChange>& RateChanges() const { return m_rateChanges; }

    // The result of a lot number, or null when it has none.
    const LotResult* Find(qint32 lotNumber) const;
    const std::vector<LotResult>& Results() const { return m_results; }
    // The lot whose mark the board's undo takes back next, if any.
    std::optional<qint32> LastMarked() const;
    // Set by the mark that passed a sold lot: the buyer it no longer has. Cleared by the next mark.
    struct DroppedBuyer
    {
        qint32 lotNumber = 0;
        QString buyer;
    };
    const std::optional<DroppedBuyer>& LastDroppedBuyer() const { return m_droppedBuyer; }

    // Every lot of the list in order, each with the result of its number, then the results of
    // numbers that are not in the list. The first lot of a number takes its result: one result
    // per lot number, so no lot is ever counted twice.
    std::vector<Row> Rows(const LotCollection& lots) const;
    static Totals Count(const std::vector<Row>& rows);

private:
    LotResult& Entry(const SaleEvent& event);

    void Mark(LotResult& result, const SaleEvent& event);
    void Undo(LotResult& result);

    QString m_startedAt;
    QString m_firstShownAt;
    bool m_ended = false;
    qint64 m_events = 0;
    qint64 m_marks = 0;
    // Counts the lots put on show; a mark within the same showing is not a new offer.
    qint64 m_showings = 0;
    std::optional<OnShow> m_onShow;
    std::vector<LotResult> m_results;
    QHash<qint32, size_t> m_index;
    QHash<qint32, qint64> m_offeredInShowing;
    // The lot numbers of the marks that undo can take back, oldest first.
    std::vector<qint32> m_undoable;
    std::optional<DroppedBuyer> m_droppedBuyer;
    std::vector<RateChange> m_rateChanges;
};
