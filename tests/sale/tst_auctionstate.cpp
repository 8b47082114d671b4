#include "records/IncrementCollection.h"
#include "records/LotCollection.h"
#include "sale/AuctionState.h"
#include "sale/KeyCodes.h"
#include "support/TestLots.h"

#include <QTest>

#include <random>
#include <string>
#include <vector>

namespace {

IncrementCollection Ranges(std::initializer_list<std::pair<qint32, qint32>> rows)
{
    IncrementCollection table;
    AddIncrements(table, rows);
    return table;
}

LotCollection Lots(std::initializer_list<qint32> startingBids)
{
    LotCollection lots;
    qint32 number = 10;
    for (qint32 bid : startingBids) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = number++;
        lot->Amount = bid;
        lot->Note = QStringLiteral("Lot %1").arg(lot->LotNumber);
        lots.Add(lot);
    }
    return lots;
}

// Brings the state to an amount the way the operator would: typed and confirmed.
void TypeAmount(AuctionState& state, qint32 amount)
{
    for (QChar c : QString::number(amount))
        state.TypeAmountKey(static_cast<qint16>(c.unicode()), static_cast<qint16>(c.unicode()));
    QVERIFY(state.TypeAmountKey(KeyCodes::Enter, 13));
    QCOMPARE(state.Amount(), amount);
}

// One key as the amount area sees it: the command first, then amount typing.
void Press(AuctionState& state, qint16 keyCode, const LotCollection& lots, const IncrementCollection& ranges)
{
    switch (keyCode) {
    case KeyCodes::Right:
        if (state.NextLot(lots.Count()))
            state.ShowLot(&lots);
        break;
    case KeyCodes::Left:
        if (state.PreviousLot())
            state.ShowLot(&lots);
        break;
    case KeyCodes::Up:
        state.Raise(&ranges);
        break;
    case KeyCodes::Down:
        state.TakeBack();
        break;
    default:
        break;
    }
    state.TypeAmountKey(keyCode, KeyCodes::KeyCodeToAsci(keyCode));
}

} // namespace

class tst_AuctionState : public QObject
{
    Q_OBJECT

private slots:
    void lotStepping_data();
    void lotStepping();
    void stepBackAfterLotsWereDeleted();
    void showLotKeepsStartingBidInRange_data();
    void showLotKeepsStartingBidInRange();
    void raise_data();
    void raise();
    void raiseAndTakeBackWalk();
    void historyKeepsLast101();
    void amountTyping_data();
    void amountTyping();
    void committedAmountKeepsHistory();
    void typedAmountSurvivesLotChange();
    void heldDigitKeyStaysBounded();
    void millionRandomKeys();
};

void tst_AuctionState::lotStepping_data()
{
    QTest::addColumn<int>("lotCount");
    QTest::addColumn<QString>("keys"); // R: Right, L: Left
    QTest::addColumn<int>("expectedIndex");
    QTest::newRow("first right shows lot 1") << 3 << "R" << 1;
    QTest::newRow("right stops at the last lot") << 3 << "RRRRR" << 3;
    QTest::newRow("left twice from the end") << 3 << "RRRRRLL" << 1;
    QTest::newRow("left never below 1") << 3 << "RRRRRLLL" << 1;
    QTest::newRow("left at start stays at 0") << 3 << "L" << 0;
    QTest::newRow("empty list: right does nothing") << 0 << "RRR" << 0;
    QTest::newRow("empty list: left does nothing") << 0 << "LRL" << 0;
    QTest::newRow("single lot") << 1 << "RRLR" << 1;
}

void tst_AuctionState::lotStepping()
{
    QFETCH(int, lotCount);
    QFETCH(QString, keys);
    QFETCH(int, expectedIndex);
    AuctionState state;
    for (QChar key : keys) {
        if (key == u'R')
            state.NextLot(lotCount);
        else
            state.PreviousLot();
    }
    QCOMPARE(state.LotIndex(), expectedIndex);
}

void tst_AuctionState::stepBackAfterLotsWereDeleted()
{
    LotCollection lots = Lots({100, 200, 300});
    AuctionState state;
    for (int i = 0; i < 3; ++i) {
        QVERIFY(state.NextLot(lots.Count()));
        state.ShowLot(&lots);
    }
    QCOMPARE(state.Amount(), 300);
    lots.Remove(3);
    lots.Remove(2);

    // Beyond the end: Right stays put, Left steps back onto a position without a lot.
    QVERIFY(!state.NextLot(lots.Count()));
    QVERIFY(state.PreviousLot());
    const AuctionState::LotView empty = state.ShowLot(&lots);
    QVERIFY(!empty.found);
    QCOMPARE(empty.lotNumber, 0);
    QCOMPARE(empty.note, QString());
    QCOMPARE(state.Amount(), 0);

    QVERIFY(state.PreviousLot());
    const AuctionState::LotView first = state.ShowLot(&lots);
    QVERIFY(first.found);
    QCOMPARE(first.lotNumber, 10);
    QCOMPARE(first.note, QStringLiteral("Lot 10"));
    QCOMPARE(state.Amount(), 100);
}

void tst_AuctionState::showLotKeepsStartingBidInRange_data()
{
    QTest::addColumn<int>("startingBid");
    QTest::addColumn<int>("expectedAmount");
    QTest::newRow("ordinary") << 250 << 250;
    QTest::newRow("largest") << 999999 << 999999;
    QTest::newRow("negative from a damaged store") << -5 << 0;
    QTest::newRow("too large from a damaged store") << 2147483647 << 999999;
}

void tst_AuctionState::showLotKeepsStartingBidInRange()
{
    QFETCH(int, startingBid);
    QFETCH(int, expectedAmount);
    const LotCollection lots = Lots({startingBid});
    const IncrementCollection ranges = Ranges({{0, 50}});
    AuctionState state;
    state.Raise(&ranges);
    QVERIFY(state.NextLot(lots.Count()));
    state.ShowLot(&lots);
    QCOMPARE(state.Amount(), expectedAmount);
    QVERIFY(state.History().empty());
    // Raising from there must neither overflow nor leave the range.
    state.Raise(&ranges);
    QVERIFY(state.Amount() >= 0 && state.Amount() <= AuctionState::MaxAmount);
}

void tst_AuctionState::raise_data()
{
    QTest::addColumn<QList<int>>("table"); // minimum, amount pairs
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("expected");
    const QList<int> three{0, 5, 100, 10, 1000, 50};
    QTest::newRow("first range") << three << 0 << 5;
    QTest::newRow("just below second range") << three << 99 << 104;
    QTest::newRow("on the second minimum") << three << 100 << 110;
    QTest::newRow("just below third range") << three << 999 << 1009;
    QTest::newRow("on the third minimum") << three << 1000 << 1050;
    QTest::newRow("capped at 999999") << three << 999990 << 999999;
    QTest::newRow("at the cap stays") << three << 999999 << 999999;
    QTest::newRow("empty table adds 1") << QList<int>{} << 7 << 8;
    QTest::newRow("empty table at the cap") << QList<int>{} << 999999 << 999999;
    QTest::newRow("every minimum above the amount adds 1") << QList<int>{500, 50} << 100 << 101;
    QTest::newRow("huge increment does not overflow") << QList<int>{0, 2147483647} << 999999 << 999999;
    QTest::newRow("negative increment stops at 0") << QList<int>{0, -50} << 10 << 0;
}

void tst_AuctionState::raise()
{
    QFETCH(QList<int>, table);
    QFETCH(int, amount);
    QFETCH(int, expected);
    IncrementCollection ranges;
    for (qsizetype i = 0; i + 1 < table.size(); i += 2) {
        auto row = std::make_shared<IncrementInfo>();
        row->Minimum = table[i];
        row->Amount = table[i + 1];
        ranges.Add(row);
    }
    AuctionState state;
    TypeAmount(state, amount);
    state.Raise(&ranges);
    QCOMPARE(state.Amount(), expected);
    // Every press is remembered, even one that changes nothing.
    QCOMPARE(state.History().size(), size_t{1});
    QCOMPARE(state.History().back(), amount);
}

void tst_AuctionState::raiseAndTakeBackWalk()
{
    const IncrementCollection ranges = Ranges({{0, 5}, {100, 10}, {1000, 50}});
    AuctionState state;
    TypeAmount(state, 95);
    state.Raise(&ranges);
    QCOMPARE(state.Amount(), 100);
    state.Raise(&ranges);
    QCOMPARE(state.Amount(), 110);
    QVERIFY(state.TakeBack());
    QCOMPARE(state.Amount(), 100);
    QVERIFY(state.TakeBack());
    QCOMPARE(state.Amount(), 95);
    QVERIFY(!state.TakeBack());
    QCOMPARE(state.Amount(), 95);
}

void tst_AuctionState::historyKeepsLast101()
{
    const IncrementCollection none;
    AuctionState state;
    for (int i = 0; i < 105; ++i)
        state.Raise(&none);
    QCOMPARE(state.Amount(), 105);
    QCOMPARE(state.History().size(), size_t{101});
    QCOMPARE(state.History().front(), 4);
    for (int i = 0; i < 101; ++i)
        QVERIFY(state.TakeBack());
    QCOMPARE(state.Amount(), 4);
    QVERIFY(!state.TakeBack());
    QCOMPARE(state.Amount(), 4);
}

void tst_AuctionState::amountTyping_data()
{
    QTest::addColumn<QString>("keys"); // digits; ' ' Space; E Enter; + - . typed as their keys
    QTest::addColumn<int>("expected");
    QTest::newRow("four digits") << "1250E" << 1250;
    QTest::newRow("six digits") << "999999E" << 999999;
    QTest::newRow("leading zeros") << "000042E" << 42;
    QTest::newRow("zero") << "0E" << 0;
    QTest::newRow("seven digits dropped") << "1234567E" << 40;
    QTest::newRow("seven digits with leading zero dropped") << "0000005E" << 40;
    QTest::newRow("space restarts") << "12 7E" << 7;
    QTest::newRow("space at the end clears") << "12 E" << 40;
    QTest::newRow("enter with nothing typed") << "E" << 40;
    QTest::newRow("enter empties the typed amount") << "5EE" << 5;
    QTest::newRow("signs and points ignored") << "1+2-3.4E" << 1234;
    QTest::newRow("too long, then a fresh entry") << "12345678E9E" << 9;
}

void tst_AuctionState::amountTyping()
{
    QFETCH(QString, keys);
    QFETCH(int, expected);
    AuctionState state;
    TypeAmount(state, 40);
    for (QChar key : keys) {
        qint16 code = 0;
        switch (key.unicode()) {
        case u'E':
            code = KeyCodes::Enter;
            break;
        case u'+':
            code = KeyCodes::Plus;
            break;
        case u'-':
            code = KeyCodes::NumpadSubtract;
            break;
        case u'.':
            code = KeyCodes::Period;
            break;
        default:
            code = static_cast<qint16>(key.unicode());
        }
        state.TypeAmountKey(code, KeyCodes::KeyCodeToAsci(code));
    }
    QCOMPARE(state.Amount(), expected);
    QVERIFY(state.TypedAmount().isEmpty());
}

void tst_AuctionState::committedAmountKeepsHistory()
{
    const IncrementCollection ranges = Ranges({{0, 10}});
    AuctionState state;
    TypeAmount(state, 70);
    state.Raise(&ranges);
    TypeAmount(state, 500);
    QCOMPARE(state.History().size(), size_t{1});
    QVERIFY(state.TakeBack());
    QCOMPARE(state.Amount(), 70);
}

void tst_AuctionState::typedAmountSurvivesLotChange()
{
    const LotCollection lots = Lots({300, 400});
    AuctionState state;
    state.TypeAmountKey('4', '4');
    state.TypeAmountKey('2', '2');
    QVERIFY(state.NextLot(lots.Count()));
    state.ShowLot(&lots);
    QCOMPARE(state.Amount(), 300);
    QCOMPARE(state.TypedAmount(), QStringLiteral("42"));
    QVERIFY(state.TypeAmountKey(KeyCodes::Enter, 13));
    QCOMPARE(state.Amount(), 42);
}

void tst_AuctionState::heldDigitKeyStaysBounded()
{
    AuctionState state;
    TypeAmount(state, 40);
    for (int i = 0; i < 100000; ++i)
        state.TypeAmountKey('7', '7');
    QVERIFY(state.TypedAmount().size() <= AuctionState::MaxTypedDigits + 1);
    QVERIFY(!state.TypeAmountKey(KeyCodes::Enter, 13));
    QCOMPARE(state.Amount(), 40);
}

// The scoreboard's keys at random, checked against a plain model that keeps whole typed
// texts and the full history, so the bounded forms must behave exactly alike.
void tst_AuctionState::millionRandomKeys()
{
    const LotCollection lots = Lots({0, 995, 999990, 12050, 1});
    const std::initializer_list<std::pair<qint32, qint32>> rangeRows{{0, 5}, {100, 10}, {1000, 50}, {10000, 500}};
    const IncrementCollection ranges = Ranges(rangeRows);
    const std::vector<qint16> keys{KeyCodes::Up,
                                   KeyCodes::Up,
                                   KeyCodes::Up,
                                   KeyCodes::Down,
                                   KeyCodes::Down,
                                   KeyCodes::Left,
                                   KeyCodes::Right,
                                   KeyCodes::Enter,
                                   KeyCodes::Space,
                                   KeyCodes::Plus,
                                   KeyCodes::Period,
                                   KeyCodes::F1,
                                   KeyCodes::Tab,
                                   KeyCodes::LetterA,
                                   KeyCodes::NumpadAdd,
                                   KeyCodes::NumpadDecimal,
                                   48,
                                   49,
                                   53,
                                   57,
                                   96,
                                   99,
                                   105,
                                   KeyCodes::Digit0};

    struct Model
    {
        qint32 index = 0;
        qint64 amount = 0;
        std::vector<qint64> history;
        std::string typed;
        // The increment of the last range whose minimum is not above the amount, else 1.
        qint64 increment(std::initializer_list<std::pair<qint32, qint32>> rows) const
        {
            qint64 found = 1;
            for (const auto& [minimum, step] : rows) {
                if (minimum <= amount)
                    found = step;
            }
            return found;
        }
        // The digit that a main-keyboard or keypad digit key types, else 0.
        static char digit(qint16 key)
        {
            if (key >= 48 && key <= 57)
                return static_cast<char>(key);
            if (key >= 96 && key <= 105)
                return static_cast<char>('0' + key - 96);
            return 0;
        }
    } model;

    std::mt19937 random(20240611u);
    std::uniform_int_distribution<size_t> pick(0, keys.size() - 1);
    AuctionState state;
    for (int step = 0; step < 1000000; ++step) {
        const qint16 key = keys[pick(random)];
        Press(state, key, lots, ranges);

        // The model, step by step.
        auto showLot = [&] {
            const LotInfoPtr lot = lots.Item(model.index);
            model.amount = lot ? lot->Amount : 0;
            model.history.clear();
        };
        if (key == KeyCodes::Right && model.index < lots.Count()) {
            ++model.index;
            showLot();
        } else if (key == KeyCodes::Left && model.index > 1) {
            --model.index;
            showLot();
        } else if (key == KeyCodes::Up) {
            if (model.history.size() > 100)
                model.history.erase(model.history.begin());
            model.history.push_back(model.amount);
            model.amount = std::min<qint64>(999999, model.amount + model.increment(rangeRows));
        } else if (key == KeyCodes::Down && !model.history.empty()) {
            model.amount = model.history.back();
            model.history.pop_back();
        }
        if (const char typedDigit = Model::digit(key))
            model.typed.push_back(typedDigit);
        if (key == KeyCodes::Space)
            model.typed.clear();
        if (key == KeyCodes::Enter) {
            if (!model.typed.empty() && model.typed.size() <= 6)
                model.amount = std::stoll(model.typed);
            model.typed.clear();
        }

        if (state.Amount() != model.amount || state.History().size() != model.history.size() ||
            state.LotIndex() != model.index) {
            QFAIL(qPrintable(QStringLiteral("step %1, key %2: amount %3 (model %4), history %5 (model %6)")
                                 .arg(step)
                                 .arg(key)
                                 .arg(state.Amount())
                                 .arg(model.amount)
                                 .arg(state.History().size())
                                 .arg(model.history.size())));
        }
        QVERIFY(state.Amount() >= 0 && state.Amount() <= AuctionState::MaxAmount);
        QVERIFY(state.History().size() <= static_cast<size_t>(AuctionState::MaxHistory));
        QVERIFY(state.TypedAmount().size() <= AuctionState::MaxTypedDigits + 1);
        const AuctionState::AmountView view = AuctionState::SplitAmount(state.Amount());
        QCOMPARE(std::max(0, view.thousandsCaption) * 1000 + view.onesCaption, state.Amount());
    }
    QVERIFY(std::equal(state.History().begin(), state.History().end(), model.history.begin(), model.history.end()));
}

QTEST_GUILESS_MAIN(tst_AuctionState)
#include "tst_auctionstate.moc"
