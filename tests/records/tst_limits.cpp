#include "records/Limits.h"

#include <QTest>

#include <optional>

using Number = std::optional<double>;
Q_DECLARE_METATYPE(Number)
Q_DECLARE_METATYPE(Limits::LotField)

class tst_Limits : public QObject
{
    Q_OBJECT

private slots:
    void checkLot_data();
    void checkLot();
};

void tst_Limits::checkLot_data()
{
    using Limits::LotField;
    QTest::addColumn<Number>("lotNumber");
    QTest::addColumn<Number>("amount");
    QTest::addColumn<qsizetype>("noteLength");
    QTest::addColumn<qsizetype>("noteLimit");
    QTest::addColumn<LotField>("field");
    QTest::addColumn<QString>("message");

    const QString lotNumberMessage = QStringLiteral("Lot # must be between 0 and 9999");
    const QString amountMessage = QStringLiteral("Lot starting bid must be between 0 and 999999");
    const qsizetype note = Limits::MaxLotNote;

    QTest::newRow("all at their upper bounds")
        << Number(9999) << Number(999999) << note << note << LotField::None << QString();
    QTest::newRow("all at zero") << Number(0) << Number(0) << qsizetype(0) << note << LotField::None << QString();
    QTest::newRow("lot number a fraction over, before rounding")
        << Number(9999.4) << Number(0) << qsizetype(0) << note << LotField::LotNumber << lotNumberMessage;
    QTest::newRow("lot number one over") << Number(10000) << Number(0) << qsizetype(0) << note << LotField::LotNumber
                                         << lotNumberMessage;
    QTest::newRow("lot number a fraction below zero")
        << Number(-0.4) << Number(0) << qsizetype(0) << note << LotField::LotNumber << lotNumberMessage;
    QTest::newRow("lot number not a number")
        << Number() << Number(0) << qsizetype(0) << note << LotField::LotNumber << lotNumberMessage;
    QTest::newRow("amount one over") << Number(1) << Number(1000000) << qsizetype(0) << note << LotField::Amount
                                     << amountMessage;
    QTest::newRow("amount a fraction over, before rounding")
        << Number(1) << Number(999999.2) << qsizetype(0) << note << LotField::Amount << amountMessage;
    QTest::newRow("amount below zero") << Number(1) << Number(-1) << qsizetype(0) << note << LotField::Amount
                                       << amountMessage;
    QTest::newRow("amount not a number") << Number(1) << Number() << qsizetype(0) << note << LotField::Amount
                                         << amountMessage;
    QTest::newRow("note one over") << Number(1) << Number(1) << note + 1 << note << LotField::Note
                                   << QStringLiteral("The note has 46 characters; a lot admits at most 45.");
    QTest::newRow("note stored longer, kept at its length")
        << Number(1) << Number(1) << qsizetype(60) << qsizetype(60) << LotField::None << QString();
    QTest::newRow("note stored longer, grown by one")
        << Number(1) << Number(1) << qsizetype(61) << qsizetype(60) << LotField::Note
        << QStringLiteral("The note has 61 characters; a lot admits at most 60.");
    QTest::newRow("lot number reported before amount and note")
        << Number(-1) << Number(-1) << note + 1 << note << LotField::LotNumber << lotNumberMessage;
    QTest::newRow("amount reported before note")
        << Number(1) << Number() << note + 1 << note << LotField::Amount << amountMessage;
}

void tst_Limits::checkLot()
{
    QFETCH(Number, lotNumber);
    QFETCH(Number, amount);
    QFETCH(qsizetype, noteLength);
    QFETCH(qsizetype, noteLimit);
    QFETCH(Limits::LotField, field);
    QFETCH(QString, message);
    const Limits::LotCheck check = Limits::CheckLot(lotNumber, amount, noteLength, noteLimit);
    QCOMPARE(int(check.field), int(field));
    QCOMPARE(check.message, message);
}

QTEST_GUILESS_MAIN(tst_Limits)
#include "tst_limits.moc"
