#include "records/NumberText.h"

#include <QTest>

#include <limits>

using Whole = std::optional<qint64>;
Q_DECLARE_METATYPE(Whole)

namespace {
constexpr qint64 Int16Min = std::numeric_limits<qint16>::min();
constexpr qint64 Int16Max = std::numeric_limits<qint16>::max();
constexpr qint64 Int32Min = std::numeric_limits<qint32>::min();
constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();
constexpr qint64 Int64Min = std::numeric_limits<qint64>::min();
constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();
} // namespace

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void numberTexts_data();
    void numberTexts();
    void roundHalfEven_data();
    void roundHalfEven();
    void numericTest_data();
    void numericTest();
    void wholeNumber_data();
    void wholeNumber();
    void lenient_data();
    void lenient();
};

void tst_NumberText::numberTexts_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("signReserving");

    QTest::newRow("zero") << qint64(0) << QStringLiteral("0") << QStringLiteral(" 0");
    QTest::newRow("positive") << qint64(250) << QStringLiteral("250") << QStringLiteral(" 250");
    QTest::newRow("negative") << qint64(-5) << QStringLiteral("-5") << QStringLiteral("-5");
    QTest::newRow("colour") << qint64(4210752) << QStringLiteral("4210752") << QStringLiteral(" 4210752");
    QTest::newRow("int32 min") << Int32Min << QStringLiteral("-2147483648") << QStringLiteral("-2147483648");
    QTest::newRow("int64 max") << Int64Max << QStringLiteral("9223372036854775807")
                               << QStringLiteral(" 9223372036854775807");
}

void tst_NumberText::numberTexts()
{
    QFETCH(qint64, value);
    QFETCH(QString, plain);
    QFETCH(QString, signReserving);
    QCOMPARE(NumberText::Plain(value), plain);
    QCOMPARE(NumberText::SignReserving(value), signReserving);
}

void tst_NumberText::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");

    QTest::newRow("12.5 to even 12") << 12.5 << 12.0;
    QTest::newRow("13.5 to even 14") << 13.5 << 14.0;
    QTest::newRow("0.5 to 0") << 0.5 << 0.0;
    QTest::newRow("1.5 to 2") << 1.5 << 2.0;
    QTest::newRow("-12.5 to -12") << -12.5 << -12.0;
    QTest::newRow("-13.5 to -14") << -13.5 << -14.0;
    QTest::newRow("-0.5 to 0") << -0.5 << 0.0;
    QTest::newRow("just below a half") << 2.4999999 << 2.0;
    QTest::newRow("just above a half") << 2.5000001 << 3.0;
    QTest::newRow("negative just above a half") << -2.5000001 << -3.0;
    QTest::newRow("whole stays") << 7.0 << 7.0;
    QTest::newRow("beyond 2^53 stays") << 1e300 << 1e300;
}

void tst_NumberText::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(NumberText::RoundHalfEven(value), rounded);
}

void tst_NumberText::numericTest_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");

    QTest::newRow("digits") << QStringLiteral("250") << true;
    QTest::newRow("plus") << QStringLiteral("+5") << true;
    QTest::newRow("minus") << QStringLiteral("-5") << true;
    QTest::newRow("fraction") << QStringLiteral("12.75") << true;
    QTest::newRow("trailing point") << QStringLiteral("5.") << true;
    QTest::newRow("leading point") << QStringLiteral(".5") << true;
    QTest::newRow("exponent") << QStringLiteral("1e5") << true;
    QTest::newRow("signed exponent") << QStringLiteral("-1.5E-3") << true;
    QTest::newRow("blanks around") << QStringLiteral("  42  ") << true;
    QTest::newRow("tab before") << QStringLiteral("\t42") << true;
    QTest::newRow("huge is still a number") << QStringLiteral("1e999") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks only") << QStringLiteral("   ") << false;
    QTest::newRow("point only") << QStringLiteral(".") << false;
    QTest::newRow("sign only") << QStringLiteral("-") << false;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << false;
    QTest::newRow("exponent sign without digits") << QStringLiteral("1e+") << false;
    QTest::newRow("exponent alone") << QStringLiteral("e5") << false;
    QTest::newRow("double sign") << QStringLiteral("--5") << false;
    QTest::newRow("sign after") << QStringLiteral("5-") << false;
    QTest::newRow("blank inside") << QStringLiteral("1 2") << false;
    QTest::newRow("blank after sign") << QStringLiteral("- 5") << false;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << false;
    QTest::newRow("comma") << QStringLiteral("1,5") << false;
    QTest::newRow("hex") << QStringLiteral("0x10") << false;
    QTest::newRow("letters after") << QStringLiteral("12abc") << false;
    QTest::newRow("line feed around") << QStringLiteral("\n5") << false;
    QTest::newRow("full-width digit") << QStringLiteral("\uFF15") << false;
    QTest::newRow("Arabic-Indic digit") << QStringLiteral("\u0665") << false;
    QTest::newRow("infinity word") << QStringLiteral("inf") << false;
    QTest::newRow("nan word") << QStringLiteral("nan") << false;
}

void tst_NumberText::numericTest()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QCOMPARE(NumberText::IsNumeric(text), numeric);
    QCOMPARE(NumberText::ToNumber(text).has_value(), numeric);
}

void tst_NumberText::wholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("minimum");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<Whole>("expected");

    QTest::newRow("plain") << QStringLiteral("4210752") << Int32Min << Int32Max << Whole(4210752);
    QTest::newRow("sign-reserving") << QStringLiteral(" 250") << Int32Min << Int32Max << Whole(250);
    QTest::newRow("half to even down") << QStringLiteral("12.5") << Int32Min << Int32Max << Whole(12);
    QTest::newRow("half to even up") << QStringLiteral("13.5") << Int32Min << Int32Max << Whole(14);
    QTest::newRow("negative half") << QStringLiteral("-2.5") << Int32Min << Int32Max << Whole(-2);
    QTest::newRow("exponent") << QStringLiteral("1.5e3") << Int32Min << Int32Max << Whole(1500);
    QTest::newRow("int16 top") << QStringLiteral("32767") << Int16Min << Int16Max << Whole(32767);
    QTest::newRow("rounds into int16") << QStringLiteral("32767.4") << Int16Min << Int16Max << Whole(32767);
    QTest::newRow("rounds out of int16") << QStringLiteral("32767.5") << Int16Min << Int16Max << Whole();
    QTest::newRow("40000 is no int16") << QStringLiteral("40000") << Int16Min << Int16Max << Whole();
    QTest::newRow("int32 bottom") << QStringLiteral("-2147483648") << Int32Min << Int32Max << Whole(Int32Min);
    QTest::newRow("past int32") << QStringLiteral("2147483648") << Int32Min << Int32Max << Whole();
    QTest::newRow("int64 bottom") << QStringLiteral("-9223372036854775808") << Int64Min << Int64Max << Whole(Int64Min);
    QTest::newRow("2^63 is no int64") << QStringLiteral("9223372036854775808") << Int64Min << Int64Max << Whole();
    QTest::newRow("overflowing double") << QStringLiteral("1e400") << Int64Min << Int64Max << Whole();
    QTest::newRow("underflowing double") << QStringLiteral("1e-400") << Int32Min << Int32Max << Whole(0);
    QTest::newRow("below colour range") << QStringLiteral("-1") << qint64(0) << qint64(16777215) << Whole();
    QTest::newRow("not a number") << QStringLiteral("abc") << Int32Min << Int32Max << Whole();
    QTest::newRow("empty") << QString() << Int32Min << Int32Max << Whole();
}

void tst_NumberText::wholeNumber()
{
    QFETCH(QString, text);
    QFETCH(qint64, minimum);
    QFETCH(qint64, maximum);
    QFETCH(Whole, expected);
    QCOMPARE(NumberText::ToWholeNumber(text, minimum, maximum), expected);
}

void tst_NumberText::lenient_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("sign-reserving") << QStringLiteral(" 12") << 12;
    QTest::newRow("negative") << QStringLiteral("-5") << -5;
    QTest::newRow("plus") << QStringLiteral("+7") << 7;
    QTest::newRow("blanks inside") << QStringLiteral(" 1 2 3") << 123;
    QTest::newRow("tabs and line feeds inside") << QStringLiteral("1\t2\n3") << 123;
    QTest::newRow("blank between sign and digits") << QStringLiteral("- 5") << -5;
    QTest::newRow("carriage return ends it") << QStringLiteral("1\r2") << 1;
    QTest::newRow("letters end it") << QStringLiteral("12abc") << 12;
    QTest::newRow("no number") << QStringLiteral("abc") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("sign only") << QStringLiteral("-") << 0;
    QTest::newRow("double sign") << QStringLiteral("--5") << 0;
    QTest::newRow("half to even down") << QStringLiteral("2.5") << 2;
    QTest::newRow("half to even up") << QStringLiteral("3.5") << 4;
    QTest::newRow("negative half") << QStringLiteral("-2.5") << -2;
    QTest::newRow("leading point") << QStringLiteral(".6") << 1;
    QTest::newRow("trailing point") << QStringLiteral("5.x") << 5;
    QTest::newRow("exponent") << QStringLiteral("1.5e1") << 15;
    QTest::newRow("unfinished exponent") << QStringLiteral("1e") << 1;
    QTest::newRow("second point ends it") << QStringLiteral("1.2.3") << 1;
    QTest::newRow("big clamps") << QStringLiteral("99999999999") << std::numeric_limits<qint32>::max();
    QTest::newRow("big negative clamps") << QStringLiteral("-99999999999") << std::numeric_limits<qint32>::min();
    QTest::newRow("overflow clamps") << QStringLiteral("1e400") << std::numeric_limits<qint32>::max();
    QTest::newRow("negative overflow clamps") << QStringLiteral("-1e400") << std::numeric_limits<qint32>::min();
    QTest::newRow("fraction overflow clamps") << QStringLiteral("0.5e400") << std::numeric_limits<qint32>::max();
    QTest::newRow("leading zeros overflow clamps") << QStringLiteral("0001e400") << std::numeric_limits<qint32>::max();
    QTest::newRow("many digits overflow clamps")
        << QString(400, u'9') + QStringLiteral("e-10") << std::numeric_limits<qint32>::max();
    QTest::newRow("underflow is 0") << QStringLiteral("1e-400") << 0;
    QTest::newRow("huge exponent underflow is 0") << QStringLiteral("5e-99999999999999999999") << 0;
    QTest::newRow("huge exponent overflow clamps")
        << QStringLiteral("5e99999999999999999999") << std::numeric_limits<qint32>::max();
}

void tst_NumberText::lenient()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(NumberText::Lenient(text), value);
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
