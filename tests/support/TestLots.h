#pragma once

// A sale's lots and increment ranges written as short tables. Header only, so that the tests of the
// core, which link nothing of the windows, can use it as well.
#include "records/IncrementCollection.h"
#include "records/LotCollection.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>

// One lot of a test's sale: number, starting bid, note.
struct TestLot
{
    TestLot(qint32 number, qint32 amount, QString note = {}) : number(number), amount(amount), note(std::move(note)) {}

    qint32 number;
    qint32 amount;
    QString note;
};

// Appends the lots in the order given.
inline void AddLots(LotCollection& lots, const QList<TestLot>& rows)
{
    for (const TestLot& row : rows) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = row.number;
        lot->Amount = row.amount;
        lot->Note = row.note;
        lots.Add(lot);
    }
}

// Lots numbered 1, 2, ... with starting bids 100, 200, ... and the given notes.
inline QList<TestLot> NumberedLots(const QStringList& notes)
{
    QList<TestLot> rows;
    for (qint32 n = 1; n <= notes.size(); ++n)
        rows.append({n, 100 * n, notes[n - 1]});
    return rows;
}

// Adds the ranges, each {minimum, amount}; the table keeps itself in order of minimum.
inline void AddIncrements(IncrementCollection& table, const QList<std::pair<qint32, qint32>>& ranges)
{
    for (const auto& [minimum, amount] : ranges) {
        auto range = std::make_shared<IncrementInfo>();
        range->Minimum = minimum;
        range->Amount = amount;
        table.Add(range);
    }
}
