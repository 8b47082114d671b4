#include "records/BidderRegister.h"

#include "records/TextLimits.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

enum Column
{
    PaddleColumn,
    NameColumn,
    ContactColumn,
    NoColumn
};

Column columnNamed(const QString& cell)
{
    const QString name = cell.simplified().toLower();
    for (const char16_t* paddle : {u"paddle", u"paddle #", u"paddle number", u"bidder", u"bidder #", u"bidder number"})
        if (name == QStringView(paddle))
            return PaddleColumn;
    for (const char16_t* text : {u"name", u"bidder name"})
        if (name == QStringView(text))
            return NameColumn;
    for (const char16_t* contact : {u"contact", u"phone", u"telephone", u"email", u"e-mail", u"address"})
        if (name == QStringView(contact))
            return ContactColumn;
    return NoColumn;
}

} // namespace

bool BidderRegister::IsPaddle(const QString& text)
{
    return !text.isEmpty() && text.size() <= TextLimits::MaxBuyer && std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    });
}

const BidderInfo* BidderRegister::Find(const QString& paddle) const
{
    const auto found = std::find_if(m_bidders.begin(), m_bidders.end(), [&](const BidderInfo& bidder) {
        return bidder.Paddle.compare(paddle, Qt::CaseInsensitive) == 0;
    });
    return found == m_bidders.end() ? nullptr : &*found;
}

bool BidderRegister::Add(const BidderInfo& bidder)
{
    BidderInfo taken{bidder.Paddle.trimmed(), TextLimits::Cut(bidder.Name.simplified(), MaxName),
                     TextLimits::Cut(bidder.Contact.simplified(), MaxContact)};
    if (!IsPaddle(taken.Paddle))
        return false;
    const auto known = std::find_if(m_bidders.begin(), m_bidders.end(), [&](const BidderInfo& other) {
        return other.Paddle.compare(taken.Paddle, Qt::CaseInsensitive) == 0;
    });
    if (known != m_bidders.end()) {
        *known = std::move(taken);
        return true;
    }
    m_bidders.push_back(std::move(taken));
    return true;
}

void BidderRegister::Remove(const QString& paddle)
{
    m_bidders.erase(std::remove_if(m_bidders.begin(), m_bidders.end(),
                                   [&](const BidderInfo& bidder) {
                                       return bidder.Paddle.compare(paddle, Qt::CaseInsensitive) == 0;
                                   }),
                    m_bidders.end());
}

BidderRegister::Reading BidderRegister::FromTable(const QList<QStringList>& rows)
{
    Reading reading;
    std::array<int, 3> columns = {0, 1, 2};
    qsizetype first = 0;
    if (!rows.isEmpty() && std::any_of(rows.first().begin(), rows.first().end(),
                                       [](const QString& cell) { return columnNamed(cell) != NoColumn; })) {
        columns = {-1, -1, -1};
        for (qsizetype i = 0; i < rows.first().size(); ++i) {
            const Column column = columnNamed(rows.first()[i]);
            if (column != NoColumn && columns[column] < 0)
                columns[column] = static_cast<int>(i);
        }
        first = 1;
        if (columns[PaddleColumn] < 0) {
            reading.problems << QCoreApplication::translate(
                "BidderRegister", "Its header row names no paddle column (Paddle or Bidder).");
            return reading;
        }
    }
    BidderRegister seen;
    for (qsizetype row = first; row < rows.size(); ++row) {
        const auto cell = [&](int column) {
            return column >= 0 ? rows[row].value(column).trimmed() : QString();
        };
        const BidderInfo bidder{cell(columns[PaddleColumn]), cell(columns[NameColumn]), cell(columns[ContactColumn])};
        if (!IsPaddle(bidder.Paddle)) {
            reading.problems << QCoreApplication::translate("BidderRegister",
                                                            "Row %1: \"%2\" is not a paddle (digits and letters, "
                                                            "at most 12).")
                                    .arg(row + 1)
                                    .arg(bidder.Paddle.left(20));
            continue;
        }
        if (seen.Find(bidder.Paddle)) {
            reading.problems << QCoreApplication::translate("BidderRegister", "Row %1: paddle %2 is there twice.")
                                    .arg(row + 1)
                                    .arg(bidder.Paddle);
            continue;
        }
        seen.Add(bidder);
    }
    reading.bidders = seen.bidders();
    return reading;
}
