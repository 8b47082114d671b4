#include "sale/SaleRecord.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
#include <climits>

namespace {

constexpr std::array<const char*, 10> KindNames = {"started", "shown", "amount", "sold",      "passed",
                                                   "cleared", "buyer", "ended",  "withdrawn", "rates"};

bool HasLot(SaleEvent::Kind kind)
{
    return kind != SaleEvent::Kind::Started && kind != SaleEvent::Kind::Ended && kind != SaleEvent::Kind::Rates;
}

// Whether the record names the lot in full (number and note), not only its place.
bool NamesLot(SaleEvent::Kind kind)
{
    return HasLot(kind) && kind != SaleEvent::Kind::Amount;
}

// Reads one JSON object whose values are strings or whole numbers.
class FlatJsonReader
{
public:
    explicit FlatJsonReader(QByteArrayView text) : m_text(text) {}

    bool Open()
    {
        SkipBlanks();
        return Take('{');
    }

    // The next key and its colon; false at the closing brace or on an error.
    bool NextKey(QByteArrayView& key)
    {
        SkipBlanks();
        if (Peek() == '}')
            return false;
        if (m_count > 0 && !Take(','))
            return Fail();
        SkipBlanks();
        if (!Take('"'))
            return Fail();
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text[m_at] != '"' && m_text[m_at] != '\\')
            ++m_at;
        if (!Take('"'))
            return Fail();
        key = m_text.sliced(start, m_at - 1 - start);
        SkipBlanks();
        ++m_count;
        return Take(':') || Fail();
    }

    bool String(QString& out)
    {
        SkipBlanks();
        if (!Take('"'))
            return false;
        const qsizetype start = m_at;
        while (m_at < m_text.size() && m_text[m_at] != '"' && m_text[m_at] != '\\')
            ++m_at;
        if (m_at < m_text.size() && m_text[m_at] == '"') {
            out = QString::fromUtf8(m_text.sliced(start, m_at - start));
            ++m_at;
            return true;
        }
        // Escapes: the slow way, rarely taken.
        QString text = QString::fromUtf8(m_text.sliced(start, m_at - start));
        while (m_at < m_text.size() && m_text[m_at] != '"') {
            if (m_text[m_at] != '\\') {
                const qsizetype run = m_at;
                while (m_at < m_text.size() && m_text[m_at] != '"' && m_text[m_at] != '\\')
                    ++m_at;
                text += QString::fromUtf8(m_text.sliced(run, m_at - run));
                continue;
            }
            if (++m_at >= m_text.size())
                return false;
            const char c = m_text[m_at++];
            switch (c) {
            case '"':
                text += u'"';
                break;
            case '\\':
                text += u'\\';
                break;
            case '/':
                text += u'/';
                break;
            case 'b':
                text += u'\b';
                break;
            case 'f':
                text += u'\f';
                break;
            case 'n':
                text += u'\n';
                break;
            case 'r':
                text += u'\r';
                break;
            case 't':
                text += u'\t';
                break;
            case 'u': {
                if (m_at + 4 > m_text.size())
                    return false;
                bool ok = false;
                const uint code = QByteArray(m_text.sliced(m_at, 4).data(), 4).toUInt(&ok, 16);
                if (!ok)
                    return false;
                text += QChar(static_cast<char16_t>(code));
                m_at += 4;
                break;
            }
            default:
                return false;
            }
        }
        if (!Take('"'))
            return false;
        out = text;
        return true;
    }

    bool AtString()
    {
        SkipBlanks();
        return Peek() == '"';
    }

    bool Number(qint64& out)
    {
        SkipBlanks();
        const bool negative = Peek() == '-';
        if (negative)
            ++m_at;
        const qsizetype start = m_at;
        qint64 value = 0;
        while (m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '9' && m_at - start < 15)
            value = value * 10 + (m_text[m_at++] - '0');
        if (m_at == start || (Peek() >= '0' && Peek() <= '9'))
            return false;
        out = negative ? -value : value;
        return true;
    }

    // The closing brace with nothing after it.
    bool Closed()
    {
        SkipBlanks();
        if (m_failed || !Take('}'))
            return false;
        SkipBlanks();
        return m_at == m_text.size();
    }

private:
    char Peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }
    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++m_at;
        return true;
    }
    void SkipBlanks()
    {
        while (m_at < m_text.size() && (m_text[m_at] == ' ' || m_text[m_at] == '\t' || m_text[m_at] == '\r'))
            ++m_at;
    }
    bool Fail()
    {
        m_failed = true;
        return false;
    }

    QByteArrayView m_text;
    qsizetype m_at = 0;
    int m_count = 0;
    bool m_failed = false;
};

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
    if (kind == Kind::Amount || kind == Kind::Passed)
        object.insert(QStringLiteral("amount"), amount);
    if (kind == Kind::Sold)
        object.insert(QStringLiteral("price"), amount);
    if (kind == Kind::Buyer)
        object.insert(QStringLiteral("buyer"), buyer);
    if (kind == Kind::Cleared && undo)
        object.insert(QStringLiteral("undo"), 1);
    if (kind == Kind::Rates)
        object.insert(QStringLiteral("rates"), rates);
    // Whole numbers, which a reader that does not know them passes over.
    if (kind == Kind::Sold && belowReserve)
        object.insert(QStringLiteral("belowReserve"), 1);
    if (kind == Kind::Passed && boughtIn)
        object.insert(QStringLiteral("boughtIn"), 1);
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<SaleEvent> SaleEvent::FromJsonLine(QByteArrayView line, bool* later)
{
    if (later)
        *later = false;
    bool laterKind = false;
    // The journal's records are flat objects of strings and whole numbers; a reader of just
    // that keeps the replay of a long sale quick. Anything else is not a record.
    FlatJsonReader reader(line);
    SaleEvent event;
    bool haveKind = false;
    if (!reader.Open())
        return std::nullopt;
    QByteArrayView key;
    while (reader.NextKey(key)) {
        if (key == "event" || key == "time" || key == "note" || key == "buyer" || key == "rates") {
            QString text;
            if (!reader.String(text))
                return std::nullopt;
            if (key == "event") {
                size_t k = 0;
                while (k < KindNames.size() && text != QLatin1String(KindNames[k]))
                    ++k;
                laterKind = k == KindNames.size();
                if (!laterKind)
                    event.kind = static_cast<Kind>(k);
                haveKind = true;
            } else if (key == "time") {
                event.time = text;
            } else if (key == "note") {
                event.note = text;
            } else if (key == "rates") {
                event.rates = text;
            } else {
                event.buyer = text;
            }
        } else if (reader.AtString()) {
            // A text that a later version adds.
            QString ignored;
            if (!reader.String(ignored))
                return std::nullopt;
        } else {
            qint64 number = 0;
            if (!reader.Number(number))
                return std::nullopt;
            const auto value = static_cast<qint32>(std::clamp<qint64>(number, INT_MIN, INT_MAX));
            if (key == "position")
                event.position = value;
            else if (key == "lot")
                event.lotNumber = value;
            else if (key == "startingBid")
                event.startingBid = value;
            else if (key == "amount" || key == "price")
                event.amount = value;
            else if (key == "undo")
                event.undo = value != 0;
            else if (key == "belowReserve")
                event.belowReserve = value != 0;
            else if (key == "boughtIn")
                event.boughtIn = value != 0;
        }
    }
    if (!reader.Closed() || !haveKind)
        return std::nullopt;
    if (laterKind) {
        if (later)
            *later = true;
        return std::nullopt;
    }
    return event;
}

size_t qHash(const SaleLotKey& key, size_t seed) noexcept
{
    return qHashMulti(seed, key.position, key.lotNumber, key.note);
}

LotResult& SaleRecord::Entry(const SaleEvent& event)
{
    const auto found = m_index.constFind(event.lotNumber);
    LotResult* result = nullptr;
    if (found != m_index.constEnd()) {
        result = &m_results[*found];
    } else {
        m_index.insert(event.lotNumber, m_results.size());
        result = &m_results.emplace_back();
        result->startingBid = event.startingBid;
    }
    // The lot as it was when this happened; a buyer names no more than its number.
    result->key.lotNumber = event.lotNumber;
    if (event.kind != SaleEvent::Kind::Buyer || result->key.note.isEmpty()) {
        result->key.position = event.position;
        result->key.note = event.note;
    }
    return *result;
}

void SaleRecord::Mark(LotResult& result, const SaleEvent& event)
{
    const bool sold = event.kind == SaleEvent::Kind::Sold;
    LotResult::Step step{sold ? LotResult::Outcome::Sold : LotResult::Outcome::Passed,
                         event.amount,
                         event.time,
                         false,
                         result.outcome,
                         result.price,
                         result.time,
                         result.buyer,
                         result.belowReserve,
                         result.boughtIn};
    m_droppedBuyer.reset();
    if (!sold && result.outcome == LotResult::Outcome::Sold && !result.buyer.isEmpty()) {
        m_droppedBuyer = DroppedBuyer{event.lotNumber, result.buyer};
        result.buyer.clear();
    }
    result.outcome = step.outcome;
    result.belowReserve = sold && event.belowReserve;
    result.boughtIn = !sold && event.boughtIn;
    result.startingBid = event.startingBid;
    result.price = event.amount;
    result.time = event.time;
    // Marked again while still on show (a corrected price) is the same offer.
    step.offer = m_offeredInShowing.value(event.lotNumber, -1) != m_showings;
    if (step.offer) {
        m_offeredInShowing.insert(event.lotNumber, m_showings);
        ++result.offers;
    }
    result.history.push_back(std::move(step));
    m_undoable.push_back(event.lotNumber);
}

void SaleRecord::Undo(LotResult& result)
{
    const auto last = std::find(m_undoable.rbegin(), m_undoable.rend(), result.key.lotNumber);
    if (last == m_undoable.rend() || result.history.empty())
        return;
    m_undoable.erase(std::next(last).base());
    const LotResult::Step step = std::move(result.history.back());
    result.history.pop_back();
    if (step.offer) {
        --result.offers;
        // A mark made again in the same showing is then an offer of its own.
        m_offeredInShowing.remove(result.key.lotNumber);
    }
    // A mark taken back leaves the lot as it was, or cleared when it had no result.
    result.outcome = step.before == LotResult::Outcome::None ? LotResult::Outcome::Cleared : step.before;
    result.price = step.beforePrice;
    result.time = step.beforeTime;
    result.buyer = step.beforeBuyer;
    result.belowReserve = step.beforeBelowReserve;
    result.boughtIn = step.beforeBoughtIn;
    m_droppedBuyer.reset();
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
        if (m_firstShownAt.isEmpty())
            m_firstShownAt = event.time;
        ++m_showings;
        m_onShow = OnShow{{event.position, event.lotNumber, event.note}, event.startingBid, event.startingBid};
        break;
    case SaleEvent::Kind::Amount:
        if (m_onShow)
            m_onShow->amount = event.amount;
        break;
    case SaleEvent::Kind::Sold:
    case SaleEvent::Kind::Passed:
        Mark(Entry(event), event);
        break;
    case SaleEvent::Kind::Cleared: {
        LotResult& result = Entry(event);
        if (event.undo) {
            Undo(result);
            break;
        }
        result.outcome = LotResult::Outcome::Cleared;
        result.price = 0;
        result.time.clear();
        result.buyer.clear();
        result.belowReserve = result.boughtIn = false;
        // What was cleared by hand is no longer the board's to undo.
        m_undoable.erase(std::remove(m_undoable.begin(), m_undoable.end(), event.lotNumber), m_undoable.end());
        break;
    }
    case SaleEvent::Kind::Withdrawn: {
        LotResult& result = Entry(event);
        result.outcome = LotResult::Outcome::Withdrawn;
        result.price = 0;
        result.time = event.time;
        result.buyer.clear();
        result.belowReserve = result.boughtIn = false;
        m_undoable.erase(std::remove(m_undoable.begin(), m_undoable.end(), event.lotNumber), m_undoable.end());
        break;
    }
    case SaleEvent::Kind::Buyer:
        Entry(event).buyer = event.buyer;
        break;
    case SaleEvent::Kind::Ended:
        m_ended = true;
        break;
    case SaleEvent::Kind::Rates:
        m_rateChanges.push_back({event.time, event.rates});
        break;
    }
}

const LotResult* SaleRecord::Find(qint32 lotNumber) const
{
    const auto found = m_index.constFind(lotNumber);
    return found == m_index.constEnd() ? nullptr : &m_results[*found];
}

std::optional<qint32> SaleRecord::LastMarked() const
{
    if (m_undoable.empty())
        return std::nullopt;
    return m_undoable.back();
}

std::vector<SaleRecord::Row> SaleRecord::Rows(const LotCollection& lots) const
{
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(lots.Count()) + 8);
    std::vector<bool> placed(m_results.size(), false);
    qint32 position = 0;
    for (const LotInfoPtr& lot : lots) {
        ++position;
        Row row{position, lot, nullptr};
        if (lot) {
            const auto found = m_index.constFind(lot->LotNumber);
            if (found != m_index.constEnd() && !placed[*found]) {
                row.result = &m_results[*found];
                placed[*found] = true;
            }
        }
        rows.push_back(row);
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
        } else if (outcome == LotResult::Outcome::Withdrawn) {
            ++totals.withdrawn;
        } else if (row.lot) {
            ++totals.notOffered;
        }
    }
    return totals;
}
