#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// One result as the feed shows it among the last ones of the sale.
struct FeedResult
{
    qint32 lotNumber = 0;
    QString note;
    // "SOLD" or "PASSED".
    QString stamp;
    qint32 price = 0;

    bool operator==(const FeedResult&) const = default;
};

// The board as the feed carries it: a plain snapshot that the interface thread hands over and
// the feed's own threads read, so that nothing of the program's objects crosses threads.
struct FeedState
{
    static inline const QString StampNone;
    static inline const QString StampSold = QStringLiteral("SOLD");
    static inline const QString StampPassed = QStringLiteral("PASSED");
    static constexpr int MaxResults = 5;

    // Given by the feed when it publishes: one more than the state before.
    qint64 sequence = 0;
    // The sale: when it started, in ISO 8601.
    QString sale;
    qint32 lotNumber = 0;
    qint32 amount = 0;
    QString currency = QStringLiteral("$");
    QString grouping = QStringLiteral(",");
    QString note;
    // "", "SOLD" or "PASSED"; price is the hammer price of a sold lot.
    QString stamp;
    qint32 price = 0;
    // The bid in the currency board's currencies ("≈ USD $ 3,400") and the words that go with
    // them; empty, and left out of the messages, while the board is off.
    QStringList conversions;
    QString guidance;
    // The latest first, at most MaxResults.
    QList<FeedResult> results;
    // How the board looks: colours as red + 256 * green + 65536 * blue, and the digit style
    // (0 lines, 1 dots).
    qint32 formBack = 4210752;
    qint32 ledBack = 0;
    qint32 text = 16777215;
    qint32 ledLot = 33023;
    qint32 ledAmount = 49152;
    qint32 ledType = 0;

    // Equal apart from the sequence number: publishing it again changes nothing.
    bool SameBoard(const FeedState& other) const;

    // One message of the feed: {"type": type, "seq": n, ...}, compact UTF-8 JSON on one line.
    QByteArray ToJson(const char* type) const;
    // Reads a message back; false when it is not one (tests and tools).
    static bool FromJson(const QByteArray& json, FeedState* state, QString* type = nullptr);
};
