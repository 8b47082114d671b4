#include "currency/CurrencyRate.h"

#include "records/HalfEven.h"

namespace {

// GCC and Clang's 128-bit integer, for the cross-rate's scaled quotient.
__extension__ typedef __int128 Wide;

} // namespace

std::optional<qint64> CurrencyRate::Parse(QStringView text, Error* error)
{
    auto fail = [error](Error why) -> std::optional<qint64> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return fail(Error::Empty);
    QStringView digits = trimmed;
    bool negative = false;
    if (digits.startsWith(u'-') || digits.startsWith(u'+')) {
        negative = digits.front() == u'-';
        digits = digits.sliced(1);
    }
    qint64 whole = 0;
    qint64 fraction = 0;
    int decimals = 0;
    int wholeDigits = 0;
    bool point = false;
    bool tooLarge = false;
    for (QChar c : digits) {
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return fail(Error::NotANumber);
        const int digit = c.unicode() - u'0';
        if (point) {
            if (++decimals > Decimals) {
                // Trailing zeros say nothing more.
                if (digit != 0)
                    return fail(Error::TooManyDecimals);
                continue;
            }
            fraction = fraction * 10 + digit;
        } else {
            ++wholeDigits;
            if (whole > MaxScaled / Scale)
                tooLarge = true;
            else
                whole = whole * 10 + digit;
        }
    }
    if (wholeDigits == 0 && decimals == 0)
        return fail(Error::NotANumber);
    for (int d = std::min(decimals, Decimals); d < Decimals; ++d)
        fraction *= 10;
    const qint64 scaled = tooLarge ? MaxScaled + 1 : whole * Scale + fraction;
    if (negative || scaled == 0)
        return fail(Error::NotPositive);
    if (scaled > MaxScaled)
        return fail(Error::TooLarge);
    if (error)
        *error = Error::None;
    return scaled;
}

QString CurrencyRate::Message(Error error, const QString& code)
{
    const QString name = code.isEmpty() ? tr("a currency without a code") : code;
    switch (error) {
    case Error::None:
        return {};
    case Error::Empty:
        return tr("The rate of %1 is missing.").arg(name);
    case Error::NotANumber:
        return tr("The rate of %1 is not a number. Write it with digits and a decimal point, for example 1.0834.")
            .arg(name);
    case Error::TooManyDecimals:
        return tr("The rate of %1 has more than 6 decimals.").arg(name);
    case Error::NotPositive:
        return tr("The rate of %1 must be more than 0.").arg(name);
    case Error::TooLarge:
        return tr("The rate of %1 is too large: at most 1000000 for one unit of the sale's currency.").arg(name);
    }
    return {};
}

QString CurrencyRate::Text(qint64 scaled)
{
    QString fraction = QString::number(scaled % Scale).rightJustified(Decimals, u'0');
    while (fraction.size() > 1 && fraction.endsWith(u'0'))
        fraction.chop(1);
    return QString::number(scaled / Scale) + u'.' + fraction;
}

qint64 CurrencyRate::Convert(qint64 amount, qint64 scaledRate, int step)
{
    if (!IsStep(step))
        step = 1;
    // Exact: |amount| <= 999,999 and the rate <= 10^12, so the product stays below 10^18.
    const qint64 product = amount * scaledRate;
    return DivideHalfEven<qint64>(product, Scale * step) * step;
}

std::optional<qint64> CurrencyRate::Cross(qint64 targetPerBase, qint64 salePerBase)
{
    if (targetPerBase <= 0 || salePerBase <= 0)
        return std::nullopt;
    const Wide quotient = DivideHalfEven<Wide>(Wide(targetPerBase) * Scale, Wide(salePerBase));
    if (quotient <= 0 || quotient > MaxScaled)
        return std::nullopt;
    return static_cast<qint64>(quotient);
}
