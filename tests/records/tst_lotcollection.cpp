#include "records/LotCollection.h"

#include <QTest>

namespace {

// A list of lots numbered 1..count.
LotCollection numberedLots(int count)
{
    LotCollection lots;
    for (int n = 1; n <= count; ++n) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = n;
        lots.Add(lot, 0);
    }
    return lots;
}

QList<int> lotNumbers(const LotCollection& lots)
{
    QList<int> numbers;
    for (const LotInfoPtr& lot : lots)
        numbers.append(lot->LotNumber);
    return numbers;
}

} // namespace

class tst_LotCollection : public QObject
{
    Q_OBJECT

private slots:
    void addFollowsInsertRule_data();
    void addFollowsInsertRule();
    void moveAsTheEditorDoes_data();
    void moveAsTheEditorDoes();
    void positionsOutOfRangeAreAbsorbed_data();
    void positionsOutOfRangeAreAbsorbed();
    void removeClosesTheGap_data();
    void removeClosesTheGap();
    void recordsAreShared();
    void copyIsDeep();
    void clearLeavesHeldRecordsIntact();
    void duplicatesAreKeptInOrder();
};

void tst_LotCollection::addFollowsInsertRule_data()
{
    QTest::addColumn<int>("initialCount");
    QTest::addColumn<int>("insertIndex");
    QTest::addColumn<QList<int>>("expected"); // lot numbers afterwards; the added lot is 99

    QTest::newRow("empty, zero") << 0 << 0 << QList<int>{99};
    QTest::newRow("empty, one") << 0 << 1 << QList<int>{99};
    QTest::newRow("empty, five") << 0 << 5 << QList<int>{99};
    QTest::newRow("empty, negative") << 0 << -1 << QList<int>{99};
    QTest::newRow("zero appends") << 3 << 0 << QList<int>{1, 2, 3, 99};
    QTest::newRow("negative appends") << 3 << -1 << QList<int>{1, 2, 3, 99};
    QTest::newRow("most negative appends") << 3 << std::numeric_limits<int>::min() << QList<int>{1, 2, 3, 99};
    QTest::newRow("first") << 3 << 1 << QList<int>{99, 1, 2, 3};
    QTest::newRow("count: before the last") << 3 << 3 << QList<int>{1, 2, 99, 3};
    QTest::newRow("count plus one appends") << 3 << 4 << QList<int>{1, 2, 3, 99};
    QTest::newRow("far past end appends") << 3 << std::numeric_limits<int>::max() << QList<int>{1, 2, 3, 99};
}

void tst_LotCollection::addFollowsInsertRule()
{
    QFETCH(int, initialCount);
    QFETCH(int, insertIndex);
    QFETCH(QList<int>, expected);
    LotCollection lots = numberedLots(initialCount);
    auto added = std::make_shared<LotInfo>();
    added->LotNumber = 99;
    lots.Add(added, insertIndex);
    QCOMPARE(lotNumbers(lots), expected);
    QCOMPARE(lots.Item(static_cast<qint32>(expected.indexOf(99)) + 1).get(), added.get());
}

// The lot editor moves a lot by Remove(k) and Add(same lot, k - 1 or k + 1).
void tst_LotCollection::moveAsTheEditorDoes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("step");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("second down") << 2 << 1 << QList<int>{1, 3, 2, 4};
    QTest::newRow("second to last down (append case)") << 3 << 1 << QList<int>{1, 2, 4, 3};
    QTest::newRow("last up") << 4 << -1 << QList<int>{1, 2, 4, 3};
    QTest::newRow("second up to first") << 2 << -1 << QList<int>{2, 1, 3, 4};
}

void tst_LotCollection::moveAsTheEditorDoes()
{
    QFETCH(int, position);
    QFETCH(int, step);
    QFETCH(QList<int>, expected);
    LotCollection lots = numberedLots(4);
    const LotInfoPtr moved = lots.Item(position);
    lots.Remove(position);
    lots.Add(moved, position + step);
    QCOMPARE(lotNumbers(lots), expected);
    QCOMPARE(lots.Item(position + step).get(), moved.get());
}

void tst_LotCollection::positionsOutOfRangeAreAbsorbed_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");

    QTest::newRow("empty, zero") << 0 << 0;
    QTest::newRow("empty, one") << 0 << 1;
    QTest::newRow("zero") << 3 << 0;
    QTest::newRow("negative") << 3 << -1;
    QTest::newRow("count plus one") << 3 << 4;
    QTest::newRow("largest") << 3 << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << 3 << std::numeric_limits<int>::min();
}

void tst_LotCollection::positionsOutOfRangeAreAbsorbed()
{
    QFETCH(int, count);
    QFETCH(int, position);
    LotCollection lots = numberedLots(count);
    const QList<int> before = lotNumbers(lots);
    QCOMPARE(lots.Item(position), nullptr);
    lots.Remove(position);
    QCOMPARE(lotNumbers(lots), before);
}

void tst_LotCollection::removeClosesTheGap_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("first") << 1 << QList<int>{2, 3, 4};
    QTest::newRow("middle") << 2 << QList<int>{1, 3, 4};
    QTest::newRow("last") << 4 << QList<int>{1, 2, 3};
}

void tst_LotCollection::removeClosesTheGap()
{
    QFETCH(int, position);
    QFETCH(QList<int>, expected);
    LotCollection lots = numberedLots(4);
    lots.Remove(position);
    QCOMPARE(lots.Count(), 3);
    QCOMPARE(lotNumbers(lots), expected);
}

void tst_LotCollection::recordsAreShared()
{
    LotCollection lots = numberedLots(2);
    auto mine = std::make_shared<LotInfo>();
    lots.Add(mine, 0);
    QCOMPARE(lots.Item(3).get(), mine.get()); // the very object, not a copy

    lots.Item(2)->Amount = 250;
    QCOMPARE(lots.Item(2)->Amount, 250);
    mine->Note = QStringLiteral("changed by its holder");
    QCOMPARE(lots.Item(3)->Note, QStringLiteral("changed by its holder"));
}

void tst_LotCollection::copyIsDeep()
{
    QCOMPARE(LotCollection().Copy()->Count(), 0);

    LotCollection source = numberedLots(3);
    source.Item(2)->Amount = 150;
    source.Item(2)->Note = QStringLiteral("Oak chest");
    const LotCollectionPtr copy = source.Copy();
    QCOMPARE(lotNumbers(*copy), lotNumbers(source));
    QCOMPARE(copy->Item(2)->Amount, 150);
    QCOMPARE(copy->Item(2)->Note, QStringLiteral("Oak chest"));
    QVERIFY(copy->Item(2).get() != source.Item(2).get());

    copy->Item(2)->Note = QStringLiteral("edited in the copy");
    copy->Remove(1);
    QCOMPARE(source.Count(), 3);
    QCOMPARE(source.Item(2)->Note, QStringLiteral("Oak chest"));
}

void tst_LotCollection::clearLeavesHeldRecordsIntact()
{
    LotCollection lots = numberedLots(3);
    const LotInfoPtr held = lots.Item(2);
    lots.Clear();
    QCOMPARE(lots.Count(), 0);
    QCOMPARE(lots.Item(1), nullptr);
    QCOMPARE(held->LotNumber, 2);
}

void tst_LotCollection::duplicatesAreKeptInOrder()
{
    LotCollection lots;
    for (const QString& note : {QStringLiteral("first"), QStringLiteral("second")}) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = 12;
        lot->Note = note;
        lots.Add(lot, 0);
    }
    QCOMPARE(lots.Count(), 2);
    QCOMPARE(lots.Item(1)->Note, QStringLiteral("first"));
    QCOMPARE(lots.Item(2)->Note, QStringLiteral("second"));
}

QTEST_GUILESS_MAIN(tst_LotCollection)
#include "tst_lotcollection.moc"
