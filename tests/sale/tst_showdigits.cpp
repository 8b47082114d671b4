#include "sale/modShowDigits.h"

#include <QTest>

#include <random>
#include <string>

namespace {

class FakeDisplay : public DigitDisplay
{
public:
    FakeDisplay(QString name, int caption) : m_name(std::move(name)), m_caption(caption) {}
    QString Name() const override { return m_name; }
    int Caption() const override { return m_caption; }
    void SetCaption(int value) override
    {
        m_caption = value;
        ++sets;
    }
    int sets = 0;

private:
    QString m_name;
    int m_caption;
};

// Typing notation: digits, + - . and letters as themselves, ' ' Space, E Enter.
qint16 CodeOf(QChar key)
{
    if (key == u'E')
        return 13;
    if (key.isLetter())
        return -1; // keys that type nothing
    return static_cast<qint16>(key.unicode());
}

void Type(modShowDigits& typing, DigitDisplay& display, const QString& keys)
{
    for (QChar key : keys)
        typing.TypeIntoDisplay(display, CodeOf(key), 0, 9999);
}

} // namespace

class tst_ShowDigits : public QObject
{
    Q_OBJECT

private slots:
    void typeIntoDisplay_data();
    void typeIntoDisplay();
    void stepAppliesAtTheDigit();
    void newDisplayStartsAfresh();
    void heldKeyStaysBounded_data();
    void heldKeyStaysBounded();
    void millionRandomKeys();
};

void tst_ShowDigits::typeIntoDisplay_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("expected");
    QTest::newRow("number and Enter") << 17 << "123E" << 123;
    QTest::newRow("plus step") << 123 << "+5" << 128;
    QTest::newRow("minus step") << 128 << "-9" << 119;
    QTest::newRow("step below minimum dropped") << 3 << "-5" << 3;
    QTest::newRow("step above maximum dropped") << 9998 << "+5" << 9998;
    QTest::newRow("step to exactly the maximum") << 9998 << "+1" << 9999;
    QTest::newRow("step to exactly the minimum") << 5 << "-5" << 0;
    QTest::newRow("number above maximum dropped") << 17 << "12345E" << 17;
    QTest::newRow("space restarts") << 17 << "42 7E" << 7;
    QTest::newRow("Enter alone") << 17 << "E" << 17;
    QTest::newRow("sign alone") << 17 << "+E" << 17;
    QTest::newRow("sign alone on an empty display counts from 0") << -1 << "+E" << 0;
    QTest::newRow("step on an empty display counts from 0") << -1 << "+3" << 3;
    QTest::newRow("full stop adds nothing") << 17 << ".5E" << 5;
    QTest::newRow("letters add nothing") << 17 << "4x2yE" << 42;
    QTest::newRow("leading zeros") << 17 << "0125E" << 125;
    QTest::newRow("number ends at a sign") << 17 << "12+3E" << 12;
    QTest::newRow("number ends at a sign, more digits later") << 17 << "12-999999E" << 12;
    QTest::newRow("two signs step by nothing") << 17 << "++5E" << 17;
    QTest::newRow("many leading zeros") << 17 << "0000000000007E" << 7;
    QTest::newRow("all zeros") << 17 << "00000000E" << 0;
    QTest::newRow("long number dropped") << 17 << "99999999999E" << 17;
    QTest::newRow("very long number dropped") << 17 << "1234567890123456789012E" << 17;
    QTest::newRow("pending emptied after Enter") << 17 << "12345E6E" << 6;
}

void tst_ShowDigits::typeIntoDisplay()
{
    QFETCH(int, shown);
    QFETCH(QString, keys);
    QFETCH(int, expected);
    modShowDigits typing;
    FakeDisplay display(QStringLiteral("nledLotNum"), shown);
    Type(typing, display, keys);
    QCOMPARE(display.Caption(), expected);
    QVERIFY(typing.PendingText().isEmpty() || !keys.endsWith(u'E'));
}

void tst_ShowDigits::stepAppliesAtTheDigit()
{
    modShowDigits typing;
    FakeDisplay display(QStringLiteral("nledLotNum"), 17);
    Type(typing, display, QStringLiteral("+"));
    QCOMPARE(display.Caption(), 17);
    QCOMPARE(typing.PendingText(), QStringLiteral("+"));
    Type(typing, display, QStringLiteral("5"));
    QCOMPARE(display.Caption(), 22);
    QVERIFY(typing.PendingText().isEmpty());
    // A second digit starts a new number rather than extending the step.
    Type(typing, display, QStringLiteral("3E"));
    QCOMPARE(display.Caption(), 3);
}

void tst_ShowDigits::newDisplayStartsAfresh()
{
    modShowDigits typing;
    FakeDisplay first(QStringLiteral("nledLotNum"), 17);
    FakeDisplay second(QStringLiteral("nledOther"), 50);
    Type(typing, first, QStringLiteral("4"));
    Type(typing, second, QStringLiteral("2E"));
    QCOMPARE(second.Caption(), 2);
    QCOMPARE(first.Caption(), 17);
    QCOMPARE(typing.DisplayName(), QStringLiteral("nledOther"));
}

void tst_ShowDigits::heldKeyStaysBounded_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QChar>("held");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero held, then 7") << "" << QChar(u'0') << 7;
    QTest::newRow("digit held") << "" << QChar(u'9') << 17;
    QTest::newRow("sign held") << "" << QChar(u'+') << 17;
    QTest::newRow("sign held after a number") << "12" << QChar(u'-') << 12;
}

void tst_ShowDigits::heldKeyStaysBounded()
{
    QFETCH(QString, start);
    QFETCH(QChar, held);
    QFETCH(int, expected);
    modShowDigits typing;
    FakeDisplay display(QStringLiteral("nledLotNum"), 17);
    Type(typing, display, start);
    for (int i = 0; i < 200000; ++i)
        typing.TypeIntoDisplay(display, static_cast<qint16>(held.unicode()), 0, 9999);
    QVERIFY2(typing.PendingText().size() <= 8, qPrintable(typing.PendingText()));
    Type(typing, display, held == u'0' ? QStringLiteral("7E") : QStringLiteral("E"));
    QCOMPARE(display.Caption(), expected);
}

// Random keys against the plain reading of the whole typed text: keeping the pending
// text short must never change what a key does.
void tst_ShowDigits::millionRandomKeys()
{
    const QString keys = QStringLiteral("0123456789000111+-  E.x");
    std::mt19937 random(424242u);
    std::uniform_int_distribution<qsizetype> pick(0, keys.size() - 1);
    modShowDigits typing;
    FakeDisplay display(QStringLiteral("nledLotNum"), 17);

    std::u16string whole;
    qint64 expected = 17;
    auto leadingNumber = [](std::u16string_view text) {
        qint64 value = 0;
        for (char16_t c : text) {
            if (c < u'0' || c > u'9')
                break;
            value = std::min<qint64>(value * 10 + (c - u'0'), qint64{1} << 40);
        }
        return value;
    };
    auto apply = [&] {
        if (whole.empty())
            return;
        qint64 value = 0;
        if (whole[0] == u'+')
            value = expected + leadingNumber(std::u16string_view(whole).substr(1));
        else if (whole[0] == u'-')
            value = expected - leadingNumber(std::u16string_view(whole).substr(1));
        else
            value = leadingNumber(whole);
        if (value >= 0 && value <= 9999)
            expected = value;
    };

    for (int step = 0; step < 1000000; ++step) {
        const QChar key = keys[pick(random)];
        typing.TypeIntoDisplay(display, CodeOf(key), 0, 9999);

        const char16_t c = key.unicode();
        if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-')
            whole.push_back(c);
        if (c == u' ')
            whole.clear();
        if (whole.size() >= 2 && (whole[0] == u'+' || whole[0] == u'-') && whole[1] >= u'0' && whole[1] <= u'9') {
            apply();
            whole.clear();
        }
        if (c == u'E') {
            apply();
            whole.clear();
        }

        if (display.Caption() != expected)
            QFAIL(qPrintable(
                QStringLiteral("step %1: shows %2, expected %3").arg(step).arg(display.Caption()).arg(expected)));
        QVERIFY(typing.PendingText().size() <= 8);
    }
}

QTEST_GUILESS_MAIN(tst_ShowDigits)
#include "tst_showdigits.moc"
