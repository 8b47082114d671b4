#include "records/IncrementCollection.h"

#include <QTest>

#include <limits>

namespace {

IncrementInfoPtr range(qint32 minimum, qint32 amount = 0)
{
    auto row = std::make_shared<IncrementInfo>();
    row->Minimum = minimum;
    row->Amount = amount;
    return row;
}

QList<int> minimums(const IncrementCollection& table)
{
    QList<int> result;
    for (const IncrementInfoPtr& row : table)
        result.append(row->Minimum);
    return result;
}

} // namespace

class tst_IncrementCollection : public QObject
{
    Q_OBJECT

private slots:
    void addSortsAndReportsPosition_data();
    void addSortsAndReportsPosition();
    void duplicateKeepsTheStoredRow();
    void addNullStoresNothing();
    void itemHandsOutCopies();
    void positionsOutOfRangeAreAbsorbed();
    void copyIsEqualAndIndependent();
    void rangeForBid_data();
    void rangeForBid();
};

void tst_IncrementCollection::addSortsAndReportsPosition_data()
{
    QTest::addColumn<QList<int>>("added");     // minimums, in the order added
    QTest::addColumn<QList<int>>("positions"); // what each Add returned
    QTest::addColumn<QList<int>>("table");     // minimums afterwards

    constexpr int Min = std::numeric_limits<qint32>::min();
    constexpr int Max = std::numeric_limits<qint32>::max();
    QTest::newRow("empty table") << QList<int>{0} << QList<int>{1} << QList<int>{0};
    QTest::newRow("0, 100, 50") << QList<int>{0, 100, 50} << QList<int>{1, 2, 2} << QList<int>{0, 50, 100};
    QTest::newRow("second 50 refused") << QList<int>{0, 100, 50, 50} << QList<int>{1, 2, 2, 0}
                                       << QList<int>{0, 50, 100};
    QTest::newRow("duplicate of first and last")
        << QList<int>{0, 50, 100, 0, 100} << QList<int>{1, 2, 3, 0, 0} << QList<int>{0, 50, 100};
    QTest::newRow("below every row") << QList<int>{0, 100, 50, -5} << QList<int>{1, 2, 2, 1}
                                     << QList<int>{-5, 0, 50, 100};
    QTest::newRow("above every row") << QList<int>{0, 100, 50, 1000} << QList<int>{1, 2, 2, 4}
                                     << QList<int>{0, 50, 100, 1000};
    QTest::newRow("descending input") << QList<int>{300, 200, 100} << QList<int>{1, 1, 1} << QList<int>{100, 200, 300};
    QTest::newRow("signed extremes") << QList<int>{0, Max, Min} << QList<int>{1, 2, 1} << QList<int>{Min, 0, Max};
}

void tst_IncrementCollection::addSortsAndReportsPosition()
{
    QFETCH(QList<int>, added);
    QFETCH(QList<int>, positions);
    QFETCH(QList<int>, table);
    IncrementCollection increments;
    QList<int> returned;
    for (int minimum : added)
        returned.append(increments.Add(range(minimum)));
    QCOMPARE(returned, positions);
    QCOMPARE(minimums(increments), table);
    QCOMPARE(increments.Count(), table.size());
}

void tst_IncrementCollection::duplicateKeepsTheStoredRow()
{
    IncrementCollection increments;
    increments.Add(range(0, 5));
    increments.Add(range(50, 10));
    increments.Add(range(100, 25));
    QCOMPARE(increments.Add(range(50, 999)), 0);
    QCOMPARE(increments.Count(), 3);
    QCOMPARE(increments.Item(2)->Amount, 10);
}

void tst_IncrementCollection::addNullStoresNothing()
{
    IncrementCollection increments;
    increments.Add(range(10));
    QCOMPARE(increments.Add(nullptr), 0);
    QCOMPARE(minimums(increments), QList<int>{10});
}

void tst_IncrementCollection::itemHandsOutCopies()
{
    IncrementCollection increments;
    increments.Add(range(0, 5));
    increments.Add(range(100, 10));
    increments.Add(range(1000, 25));

    const IncrementInfoPtr item = increments.Item(2);
    item->Minimum = 5000; // would break the order if it reached the table
    item->Amount = 1;
    QCOMPARE(increments.Item(2)->Minimum, 100);
    QCOMPARE(increments.Item(2)->Amount, 10);
    QCOMPARE(minimums(increments), (QList<int>{0, 100, 1000}));
}

void tst_IncrementCollection::positionsOutOfRangeAreAbsorbed()
{
    IncrementCollection increments;
    QCOMPARE(increments.Item(1), nullptr);
    increments.Remove(1);
    increments.Add(range(0));
    increments.Add(range(100));
    for (int position : {0, -1, 3, std::numeric_limits<int>::max()}) {
        QCOMPARE(increments.Item(position), nullptr);
        increments.Remove(position);
        QCOMPARE(minimums(increments), (QList<int>{0, 100}));
    }
    increments.Remove(1);
    QCOMPARE(minimums(increments), QList<int>{100});
}

void tst_IncrementCollection::copyIsEqualAndIndependent()
{
    IncrementCollection increments;
    increments.Add(range(1000, 25));
    increments.Add(range(0, 5));
    increments.Add(range(100, 10));

    const IncrementCollectionPtr copy = increments.Copy();
    QCOMPARE(copy->Count(), 3);
    for (qint32 i = 1; i <= 3; ++i) {
        QCOMPARE(copy->Item(i)->Minimum, increments.Item(i)->Minimum);
        QCOMPARE(copy->Item(i)->Amount, increments.Item(i)->Amount);
    }
    QVERIFY(*copy->begin() != *increments.begin()); // new rows, not shared ones
    copy->Remove(1);
    QCOMPARE(increments.Count(), 3);
}

void tst_IncrementCollection::rangeForBid_data()
{
    QTest::addColumn<int>("bid");
    QTest::addColumn<int>("minimum"); // of the range found; -1 for none

    QTest::newRow("0") << 0 << 0;
    QTest::newRow("99") << 99 << 0;
    QTest::newRow("100") << 100 << 100;
    QTest::newRow("999") << 999 << 100;
    QTest::newRow("1000") << 1000 << 1000;
    QTest::newRow("999999") << 999999 << 1000;
    QTest::newRow("below 0") << -1 << -1;
}

void tst_IncrementCollection::rangeForBid()
{
    QFETCH(int, bid);
    QFETCH(int, minimum);
    IncrementCollection increments;
    increments.Add(range(0, 5));
    increments.Add(range(100, 10));
    increments.Add(range(1000, 25));
    const IncrementInfo* found = increments.RangeFor(bid);
    QCOMPARE(found ? found->Minimum : -1, minimum);
    QCOMPARE(IncrementCollection().RangeFor(bid), nullptr);
}

QTEST_GUILESS_MAIN(tst_IncrementCollection)
#include "tst_incrementcollection.moc"
