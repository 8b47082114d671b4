#include "records/LotCollection.h"

#include <QTest>

class tst_LotCollection : public QObject
{
    Q_OBJECT

private slots:
    void addFollowsInsertRule_data();
    void addFollowsInsertRule();
};

void tst_LotCollection::addFollowsInsertRule_data()
{
    QTest::addColumn<int>("insertIndex");
    QTest::addColumn<int>("expectedPosition");
    QTest::newRow("zero appends") << 0 << 4;
    QTest::newRow("negative appends") << -1 << 4;
    QTest::newRow("first") << 1 << 1;
    QTest::newRow("before last") << 3 << 3;
    QTest::newRow("count plus one appends") << 4 << 4;
    QTest::newRow("far past end appends") << 50 << 4;
}

void tst_LotCollection::addFollowsInsertRule()
{
    QFETCH(int, insertIndex);
    QFETCH(int, expectedPosition);
    LotCollection lots;
    for (int n = 1; n <= 3; ++n) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = n;
        lots.Add(lot, 0);
    }
    auto added = std::make_shared<LotInfo>();
    added->LotNumber = 99;
    lots.Add(added, insertIndex);
    QCOMPARE(lots.Count(), 4);
    QCOMPARE(lots.Item(expectedPosition).get(), added.get());
}

QTEST_GUILESS_MAIN(tst_LotCollection)
#include "tst_lotcollection.moc"
