#include "records/MoneyFormat.h"

#include <QChar>

#include <algorithm>

bool MoneyFormat::IsCurrency(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    if (characters.isEmpty() || characters.size() > MaxCurrencyLength || text.trimmed().isEmpty())
        return false;
    // A line break or a control character would break the board's one-line caption and the CSV.
    return std::all_of(characters.begin(), characters.end(),
                       [](uint c) { return QChar::isPrint(static_cast<char32_t>(c)) && c != 0x2028 && c != 0x2029; });
}

const QStringList& MoneyFormat::Groupings()
{
    static const QStringList separators{QStringLiteral(","), QStringLiteral("."), QString(QChar(0x202F)),
                                        QStringLiteral("'"), QString()};
    return separators;
}

QString MoneyFormat::Grouped(qint64 amount) const
{
    QString digits = QString::number(amount);
    const qsizetype first = digits.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (grouping.isEmpty())
        return digits;
    for (qsizetype at = digits.size() - 3; at > first; at -= 3)
        digits.insert(at, grouping);
    return digits;
}
