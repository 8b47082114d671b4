#include "currency/CurrencyBoard.h"

#include "currency/CurrencyRate.h"
#include "records/NumberText.h"
#include "records/SettingsStore.h"

#include <QLocale>

namespace {

const QString KeyEnabled = QStringLiteral("Enabled");
const QString KeySaleCode = QStringLiteral("SaleCode");
const QString KeyTime = QStringLiteral("RatesTime");
const QString KeyCount = QStringLiteral("Count");

QString LineKey(const char* name, int line)
{
    return QLatin1String(name) + QString::number(line);
}

struct Known
{
    const char16_t* code;
    const char16_t* sign;
    int step;
};

// The currencies a saleroom's bidders most often bring, with the signs their rooms use.
constexpr Known KnownCurrencies[] = {
    {u"USD", u"$", 1},   {u"EUR", u"€", 1},    {u"GBP", u"£", 1},     {u"CHF", u"CHF", 1}, {u"JPY", u"¥", 1000},
    {u"CNY", u"¥", 10},  {u"HKD", u"HK$", 10}, {u"SEK", u"kr", 10},   {u"NOK", u"kr", 10}, {u"DKK", u"kr", 10},
    {u"CAD", u"C$", 1},  {u"AUD", u"A$", 1},   {u"SGD", u"S$", 1},    {u"INR", u"₹", 100}, {u"KRW", u"₩", 1000},
    {u"PLN", u"zł", 10}, {u"CZK", u"Kč", 100}, {u"HUF", u"Ft", 1000}, {u"TRY", u"₺", 10},  {u"ZAR", u"R", 10},
    {u"BRL", u"R$", 1},  {u"MXN", u"$", 10},   {u"NZD", u"NZ$", 1},   {u"ILS", u"₪", 1},   {u"THB", u"฿", 10},
};

const Known* Find(const QString& code)
{
    for (const Known& known : KnownCurrencies)
        if (code == QStringView(known.code))
            return &known;
    return nullptr;
}

} // namespace

QList<Conversion> CurrencyBoard::Convert(qint64 amount) const
{
    QList<Conversion> conversions;
    conversions.reserve(lines.size());
    for (const CurrencyLine& line : lines)
        conversions.append({line.code, line.sign, CurrencyRate::Convert(amount, line.rate, line.step)});
    return conversions;
}

QString CurrencyBoard::LineText(const Conversion& conversion, const QString& grouping)
{
    QString text = QStringLiteral("≈ ") + conversion.code;
    if (!conversion.sign.isEmpty() && conversion.sign != conversion.code)
        text += u' ' + conversion.sign;
    return text + u' ' + MoneyFormat{QString(), grouping}.Grouped(conversion.amount);
}

QString CurrencyBoard::RatesTimeText() const
{
    if (!ratesTime.isValid())
        return {};
    // Read across a room in any language: the month's short English name, as the rates' files have it.
    return tr("Rates of %1").arg(QLocale::c().toString(ratesTime, QStringLiteral("d MMM yyyy, HH:mm")));
}

QString CurrencyBoard::GuidanceText()
{
    return tr("for guidance only");
}

QString CurrencyBoard::RatesText() const
{
    QStringList parts;
    for (const CurrencyLine& line : lines)
        parts << CurrencyRate::Text(line.rate) + u' ' + line.code;
    return QStringLiteral("1 %1 = ").arg(saleCode) + parts.join(QStringLiteral(", "));
}

QString CurrencyBoard::CodeForSign(const QString& sign)
{
    const QString trimmed = sign.trimmed();
    if (trimmed == u"$")
        return QStringLiteral("USD");
    if (trimmed == u"€")
        return QStringLiteral("EUR");
    if (trimmed == u"£")
        return QStringLiteral("GBP");
    if (trimmed.compare(u"CHF", Qt::CaseInsensitive) == 0)
        return QStringLiteral("CHF");
    if (trimmed == u"¥")
        return QStringLiteral("JPY");
    if (trimmed.compare(u"kr", Qt::CaseInsensitive) == 0)
        return QStringLiteral("SEK");
    return {};
}

QString CurrencyBoard::SignForCode(const QString& code)
{
    const Known* known = Find(code);
    return known ? QString::fromUtf16(known->sign) : code;
}

int CurrencyBoard::StepForCode(const QString& code)
{
    const Known* known = Find(code);
    return known ? known->step : 1;
}

bool CurrencyBoard::IsCode(const QString& text)
{
    if (text.size() != MaxCodeLength)
        return false;
    for (QChar c : text)
        if (c < u'A' || c > u'Z')
            return false;
    return true;
}

CurrencyBoard CurrencyBoard::Load(const SettingsStore& store)
{
    CurrencyBoard board;
    board.enabled = NumberText::ToWholeNumber(store.Get(Section, KeyEnabled, QString()), 0, 1).value_or(0) == 1;
    const QString saleCode = store.Get(Section, KeySaleCode, QString());
    board.saleCode = IsCode(saleCode) ? saleCode : QString();
    board.ratesTime = QDateTime::fromString(store.Get(Section, KeyTime, QString()), Qt::ISODate);
    const qint64 count = NumberText::ToWholeNumber(store.Get(Section, KeyCount, QString()), 0, MaxLines).value_or(0);
    for (int i = 1; i <= count; ++i) {
        CurrencyLine line;
        line.code = store.Get(Section, LineKey("Code", i), QString());
        line.sign = store.Get(Section, LineKey("Sign", i), QString()).left(MaxSignLength);
        const std::optional<qint64> rate = CurrencyRate::Parse(store.Get(Section, LineKey("Rate", i), QString()));
        line.step = static_cast<int>(
            NumberText::ToWholeNumber(store.Get(Section, LineKey("Step", i), QString()), 1, 1000).value_or(1));
        if (!IsCode(line.code) || !rate || !CurrencyRate::IsStep(line.step))
            continue;
        line.rate = *rate;
        board.lines.append(line);
    }
    return board;
}

bool CurrencyBoard::IsStored(const SettingsStore& store)
{
    return !store.GetAll(Section).isEmpty();
}

bool CurrencyBoard::Save(SettingsStore& store) const
{
    SettingsChange change;
    change.DeleteSection(Section);
    change.Save(Section, KeyEnabled, NumberText::Plain(enabled ? 1 : 0));
    change.Save(Section, KeySaleCode, saleCode);
    change.Save(Section, KeyTime, ratesTime.isValid() ? ratesTime.toString(Qt::ISODate) : QString());
    change.Save(Section, KeyCount, NumberText::Plain(lines.size()));
    int i = 0;
    for (const CurrencyLine& line : lines) {
        ++i;
        change.Save(Section, LineKey("Code", i), line.code);
        change.Save(Section, LineKey("Sign", i), line.sign);
        change.Save(Section, LineKey("Rate", i), CurrencyRate::Text(line.rate));
        change.Save(Section, LineKey("Step", i), NumberText::Plain(line.step));
    }
    return store.Commit(change);
}
