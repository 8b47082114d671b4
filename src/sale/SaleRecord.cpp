#include "sale/SaleRecord.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace {

constexpr std::array<const char*, 8> KindNames = {"started", "shown",   "amount", "sold",
                                                  "passed",  "cleared", "buyer",  "ended"};

bool HasLot(SaleEvent::Kind kind)
{
    return kind != SaleEvent::Kind::Started && kind != SaleEvent::Kind::Ended;
}

// Whether the record names the lot in full (number and note), not only its place.
bool NamesLot(SaleEvent::Kind kind)
{
    return HasLot(kind) && kind != SaleEvent::Kind::Amount;
}

} // namespace

QString SaleEvent::KindName(Kind kind)
{
    return QLatin1String(KindNames[static_cast<size_t>(kind)]);
}

QByteArray SaleEvent::ToJsonLine() const
{
    QJsonObject object{{QStringLiteral("event"), KindName(kind)}, {QStringLiteral("time"), time}};
    if (HasLot(kind)) {
        object.insert(QStringLiteral("position"), position);
        object.insert(QStringLiteral("lot"), lotNumber);
    }
    if (NamesLot(kind))
        object.insert(QStringLiteral("note"), note);
    if (kind == Kind::Shown || kind == Kind::Sold || kind == Kind::Passed)
        object.insert(QStringLiteral("startingBid"), startingBid);
    if (kind == Kind::Amount)
        object.insert(QStringLiteral("amount"), amount);
    if (kind == Kind::Sold)
        object.insert(QStringLiteral("price"), amount);
    if (kind == Kind::Buyer)
        object.insert(QStringLiteral("buyer"), buyer);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<SaleEvent> SaleEvent::FromJsonLine(QByteArrayView line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QString name = object.value(QLatin1String("event")).toString();
    SaleEvent event;
    size_t k = 0;
    while (k < KindNames.size() && name != QLatin1String(KindNames[k]))
        ++k;
    if (k == KindNames.size())
        return std::nullopt;
    event.kind = static_cast<Kind>(k);
    event.time = object.value(QLatin1String("time")).toString();
    event.position = object.value(QLatin1String("position")).toInt();
    event.lotNumber = object.value(QLatin1String("lot")).toInt();
    event.note = object.value(QLatin1String("note")).toString();
    event.startingBid = object.value(QLatin1String("startingBid")).toInt();
    event.amount = object.value(QLatin1String(event.kind == Kind::Sold ? "price" : "amount")).toInt();
    event.buyer = object.value(QLatin1String("buyer")).toString();
    return event;
}

size_t qHash(const SaleLotKey& key, size_t seed) noexcept
{
    return qHashMulti(seed, key.position, key.lotNumber, key.note);
}

LotResult& SaleRecord::Entry(const SaleEvent& event)
{
    const SaleLotKey key{event.position, event.lotNumber, event.note};
    const auto found = m_index.constFind(key);
    if (found != m_index.constEnd())
        return m_results[*found];
    m_index.insert(key, m_results.size());
    LotResult& result = m_results.emplace_back();
    result.key = key;
    result.startingBid = event.startingBid;
    return result;
}

void SaleRecord::Apply(const SaleEvent& event)
{
    ++m_events;
    if (NamesLot(event.kind) && event.kind != SaleEvent::Kind::Shown)
        ++m_marks;
    switch (event.kind) {
    case SaleEvent::Kind::Started:
        m_startedAt = event.time;
        break;
    case SaleEvent::Kind::Shown:
        m_onShow = OnShow{{event.position, event.lotNumber, event.note}, event.startingBid, event.startingBid};
        break;
    case SaleEvent::Kind::Amount:
        if (m_onShow)
            m_onShow->amount = event.amount;
        break;
    case SaleEvent::Kind::Sold:
    case SaleEvent::Kind::Passed: {
        LotResult& result = Entry(event);
        const bool sold = event.kind == SaleEvent::Kind::Sold;
        result.outcome = sold ? LotResult::Outcome::Sold : LotResult::Outcome::Passed;
        result.startingBid = event.startingBid;
        result.price = sold ? event.amount : 0;
        result.time = event.time;
        break;
    }
    case SaleEvent::Kind::Cleared: {
        LotResult& result = Entry(event);
        result.outcome = LotResult::Outcome::None;
        result.price = 0;
        result.time.clear();
        result.buyer.clear();
        break;
    }
    case SaleEvent::Kind::Buyer:
        Entry(event).buyer = event.buyer;
        break;
    case SaleEvent::Kind::Ended:
        m_ended = true;
        break;
    }
}

const LotResult* SaleRecord::Find(const SaleLotKey& key) const
{
    const auto found = m_index.constFind(key);
    return found == m_index.constEnd() ? nullptr : &m_results[*found];
}

std::vector<SaleRecord::Row> SaleRecord::Rows(const LotCollection& lots) const
{
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(lots.Count()) + 8);
    std::vector<bool> placed(m_results.size(), false);
    std::vector<size_t> unmatched; // rows of lots without a result at their own place
    qint32 position = 0;
    for (const LotInfoPtr& lot : lots) {
        ++position;
        Row row{position, lot, nullptr};
        if (lot) {
            const auto found = m_index.constFind(SaleLotKey{position, lot->LotNumber, lot->Note});
            if (found != m_index.constEnd()) {
                row.result = &m_results[*found];
                placed[*found] = true;
            } else {
                unmatched.push_back(rows.size());
            }
        }
        rows.push_back(row);
    }

    // A lot moved in the list takes its result along; one result per lot.
    QMultiHash<QPair<qint32, QString>, size_t> moved;
    for (size_t i = 0; i < m_results.size(); ++i) {
        if (!placed[i])
            moved.insert({m_results[i].key.lotNumber, m_results[i].key.note}, i);
    }
    for (size_t rowIndex : unmatched) {
        if (moved.isEmpty())
            break;
        Row& row = rows[rowIndex];
        const auto found = moved.find({row.lot->LotNumber, row.lot->Note});
        if (found == moved.end())
            continue;
        row.result = &m_results[*found];
        placed[*found] = true;
        moved.erase(found);
    }

    for (size_t i = 0; i < m_results.size(); ++i) {
        const LotResult& result = m_results[i];
        if (!placed[i] && (result.outcome != LotResult::Outcome::None || !result.buyer.isEmpty()))
            rows.push_back(Row{0, nullptr, &result});
    }
    return rows;
}

SaleRecord::Totals SaleRecord::Count(const std::vector<Row>& rows)
{
    Totals totals;
    for (const Row& row : rows) {
        const LotResult::Outcome outcome = row.result ? row.result->outcome : LotResult::Outcome::None;
        if (outcome == LotResult::Outcome::Sold) {
            ++totals.sold;
            totals.hammer += row.result->price;
            totals.startingOfSold += row.result->startingBid;
        } else if (outcome == LotResult::Outcome::Passed) {
            ++totals.passed;
        } else if (row.lot) {
            ++totals.notOffered;
        }
    }
    return totals;
}
