#pragma once

#include "records/LotCollection.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

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
        Ended
    };

    Kind kind = Kind::Started;
    // ISO 8601 with milliseconds and the UTC offset; read only when shown.
    QString time;
    qint32 position = 0;
    qint32 lotNumber = 0;
    QString note;
    qint32 startingBid = 0;
    // The bid for Amount, the hammer price for Sold.
    qint32 amount = 0;
    QString buyer;

    static QString KindName(Kind kind);
    // One journal line, without its line end.
    QByteArray ToJsonLine() const;
    // Nothing when the line is not a whole record.
    static std::optional<SaleEvent> FromJsonLine(QByteArrayView line);
};

// The lot a result was made for, as it was on show when it was marked. Results stay with
// it when the lot list is edited later.
struct SaleLotKey
{
    qint32 position = 0;
    qint32 lotNumber = 0;
    QString note;

    friend bool operator==(const SaleLotKey&, const SaleLotKey&) = default;
};
size_t qHash(const SaleLotKey& key, size_t seed = 0) noexcept;

struct LotResult
{
    enum class Outcome
    {
        None,
        Sold,
        Passed
    };

    SaleLotKey key;
    qint32 startingBid = 0;
    Outcome outcome = Outcome::None;
    qint32 price = 0;
    QString time;
    QString buyer;
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
        qint64 hammer = 0;
        // The starting bids of the lots sold, to set the hammer against.
        qint64 startingOfSold = 0;
        double averageHammer() const { return sold ? static_cast<double>(hammer) / sold : 0.0; }
        // Sold against sold and passed; 0 when nothing was offered.
        double sellThrough() const { return sold + passed ? static_cast<double>(sold) / (sold + passed) : 0.0; }
    };

    void Apply(const SaleEvent& event);

    const QString& StartedAt() const { return m_startedAt; }
    bool Ended() const { return m_ended; }
    // Anything beyond the start: a restart has something to offer.
    bool HasEvents() const { return m_events > 1; }
    // Counts the events that change a result: the results are the same while it is.
    qint64 Marks() const { return m_marks; }
    const std::optional<OnShow>& LastOnShow() const { return m_onShow; }

    // The result of a lot, or null when it has none.
    const LotResult* Find(const SaleLotKey& key) const;
    const std::vector<LotResult>& Results() const { return m_results; }

    // Every lot of the list in order, then the results whose lots have gone. A result
    // follows its lot when the lot moved in the list (same number and note).
    std::vector<Row> Rows(const LotCollection& lots) const;
    static Totals Count(const std::vector<Row>& rows);

private:
    LotResult& Entry(const SaleEvent& event);

    QString m_startedAt;
    bool m_ended = false;
    qint64 m_events = 0;
    qint64 m_marks = 0;
    std::optional<OnShow> m_onShow;
    std::vector<LotResult> m_results;
    QHash<SaleLotKey, size_t> m_index;
};
