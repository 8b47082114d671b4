#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

class SettingsStore;

// A rate in per cent with up to four decimals, kept exactly: 12.5 % is 125,000 ten-thousandths.
struct Percent
{
    static constexpr qint64 Scale = 10'000;
    static constexpr int MaxDecimals = 4;

    qint64 tenThousandths = 0;

    // "25", "12.5", "7,7" (either decimal mark), 0 to 100; nothing for anything else.
    static std::optional<Percent> Parse(const QString& text);
    // "25", "12.5", "7.7": no trailing zeros, a point for the decimals.
    QString Text() const;

    friend bool operator==(const Percent&, const Percent&) = default;
};

// The house's conditions of sale: the buyer's premium in tiers, the tax and the vendors'
// commission. Every amount rounds half to even to the currency's whole unit, once per lot.
struct SaleTerms
{
    static inline const QString Section = QStringLiteral("SaleTerms");
    static constexpr int MaxTiers = 6;

    // One band of the premium: its rate applies to the part of the hammer above the previous
    // tier's limit and up to this one's; the last tier has no limit (upTo 0).
    struct Tier
    {
        qint64 upTo = 0;
        Percent rate;
        friend bool operator==(const Tier&, const Tier&) = default;
    };

    std::vector<Tier> premium;
    QString taxName;
    Percent taxRate;
    // Tax on the hammer as well as on the premium.
    bool taxOnHammer = false;
    Percent commission;

    // Stored terms that cannot be used are read as none.
    static SaleTerms Load(const SettingsStore& store);
    bool Save(SettingsStore& store) const;
    // What is wrong with the terms as typed, or empty: limits must rise and only the last tier
    // may be open.
    QString Problem() const;

    qint64 Premium(qint64 hammer) const;
    // The tax on a lot whose premium is already rounded.
    qint64 Tax(qint64 hammer, qint64 premium) const;
    qint64 Commission(qint64 hammer) const;
    // "Premium 25% to 100,000, 20% above; VAT 20% on the premium. Rounded half to even to whole units."
    QString Describe(const std::function<QString(qint64)>& money) const;

    friend bool operator==(const SaleTerms&, const SaleTerms&) = default;
};
