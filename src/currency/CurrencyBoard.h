#pragma once

#include "records/MoneyFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

class SettingsStore;

// One currency on the board: its ISO code, its sign, its rate against the sale's currency (in
// millionths) and the step its amounts are rounded to.
struct CurrencyLine
{
    QString code;
    QString sign;
    qint64 rate = 0;
    int step = 1;

    bool operator==(const CurrencyLine&) const = default;
};

// A bid in one of the board's currencies, rounded by its line's rule.
struct Conversion
{
    QString code;
    QString sign;
    qint64 amount = 0;

    bool operator==(const Conversion&) const = default;
};

// The currency board's settings, in the store's "CurrencyBoard" section. The section is written
// only once the operator has set the board up; until then it is off and nothing of it is stored.
struct CurrencyBoard
{
    Q_DECLARE_TR_FUNCTIONS(CurrencyBoard)

public:
    static inline const QString Section = QStringLiteral("CurrencyBoard");
    static constexpr int MaxLines = 8;
    static constexpr int MaxCodeLength = 3;
    static constexpr int MaxSignLength = 4;

    bool enabled = false;
    // The ISO code of the sale's own currency, for cross-rates.
    QString saleCode;
    QList<CurrencyLine> lines;
    // When the rates were set; they hold for the sale until changed.
    QDateTime ratesTime;

    // On, and with something to show.
    bool Showing() const { return enabled && !lines.isEmpty(); }
    // The bid in each currency, in the board's order.
    QList<Conversion> Convert(qint64 amount) const;
    // "≈ USD $ 3,400", digits grouped as the sale's amounts are.
    static QString LineText(const Conversion& conversion, const QString& grouping);
    // "Rates of 9 Dec 2026, 14:05"; empty when the rates have no time.
    QString RatesTimeText() const;
    static QString GuidanceText();
    // The rates alone, for the record of the sale: "1 EUR = 1.0834 USD, 162.5 JPY".
    QString RatesText() const;
    bool SameRates(const CurrencyBoard& other) const { return saleCode == other.saleCode && lines == other.lines; }

    // The ISO code proposed for a sale sign: $ USD, € EUR, £ GBP, CHF, ¥ JPY, kr SEK; else empty.
    static QString CodeForSign(const QString& sign);
    // The sign and rounding step a newly listed currency starts with.
    static QString SignForCode(const QString& code);
    static int StepForCode(const QString& code);
    // Three letters A to Z.
    static bool IsCode(const QString& text);

    // Stored values that cannot be used are left out: a line with an unusable rate is dropped.
    static CurrencyBoard Load(const SettingsStore& store);
    // Whether the section has ever been written.
    static bool IsStored(const SettingsStore& store);
    // The whole section in one commit; false when the store could not be written.
    bool Save(SettingsStore& store) const;

    bool operator==(const CurrencyBoard&) const = default;
};
