#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The sale's currency sign and digit-group separator, and amounts written with them, as the
// board, the lists and the reports show them: "$12,050", "€12.050", "CHF12'050".
struct MoneyFormat
{
    static inline const QString DefaultCurrency = QStringLiteral("$");
    static inline const QString DefaultGrouping = QStringLiteral(",");
    // The most characters a sign may have; "CHF" is the longest in use.
    static constexpr int MaxCurrencyLength = 3;

    QString currency = DefaultCurrency;
    QString grouping = DefaultGrouping;

    // 1 to 3 printable characters, not only blanks.
    static bool IsCurrency(const QString& text);
    // The separators on offer, the empty text (none) last.
    static const QStringList& Groupings();
    static bool IsGrouping(const QString& text) { return Groupings().contains(text); }

    // The digits in groups of three: "12,050", "-1,250", "950".
    QString Grouped(qint64 amount) const;
    // The sign before the grouped digits: "$12,050".
    QString Text(qint64 amount) const { return currency + Grouped(amount); }
    bool IsDefault() const { return currency == DefaultCurrency && grouping == DefaultGrouping; }

    bool operator==(const MoneyFormat& other) const = default;
};
