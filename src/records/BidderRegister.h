#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One bidder of the sale: the paddle number the room sees raised, with a name and a way to
// reach them.
struct BidderInfo
{
    QString Paddle;
    QString Name;
    QString Contact;

    bool operator==(const BidderInfo&) const = default;
};

// The sale's register of bidders, in the order they were registered. A paddle is digits and
// letters, at most 12, and names one bidder: letters match whatever their case.
class BidderRegister
{
public:
    static constexpr qsizetype MaxName = 60;
    static constexpr qsizetype MaxContact = 80;

    // Digits and letters, at most 12.
    static bool IsPaddle(const QString& text);

    // The bidder with the paddle, or null.
    const BidderInfo* Find(const QString& paddle) const;
    // Registers the bidder, replacing one with the same paddle; false when the paddle is not one.
    bool Add(const BidderInfo& bidder);
    void Remove(const QString& paddle);
    void Clear() { m_bidders.clear(); }
    qsizetype Count() const { return static_cast<qsizetype>(m_bidders.size()); }
    bool isEmpty() const { return m_bidders.empty(); }
    const std::vector<BidderInfo>& bidders() const { return m_bidders; }

    struct Reading
    {
        std::vector<BidderInfo> bidders;
        // What is wrong with the rows that cannot be taken, by their row of the table.
        QStringList problems;
    };
    // Bidders from the rows of a table, as a spreadsheet holds them: a first row that names the
    // columns (Paddle, Name, Contact and their usual names), or without one paddle, name and
    // contact in that order.
    static Reading FromTable(const QList<QStringList>& rows);

private:
    std::vector<BidderInfo> m_bidders;
};
