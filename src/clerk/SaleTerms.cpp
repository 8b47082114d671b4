#include "clerk/SaleTerms.h"

#include "records/HalfEven.h"
#include "records/NumberText.h"
#include "records/SettingsStore.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

const QString KeyTiers = QStringLiteral("PremiumTiers");
const QString KeyTaxName = QStringLiteral("TaxName");
const QString KeyTaxRate = QStringLiteral("TaxRate");
const QString KeyTaxOnHammer = QStringLiteral("TaxOnHammer");
const QString KeyCommission = QStringLiteral("Commission");

// The tiers as stored: "25@100000;20" — a rate and its limit, the last without one.
QString TiersText(const std::vector<SaleTerms::Tier>& tiers)
{
    QStringList parts;
    for (const SaleTerms::Tier& tier : tiers)
        parts << (tier.upTo > 0 ? tier.rate.Text() + QLatin1Char('@') + QString::number(tier.upTo) : tier.rate.Text());
    return parts.join(QLatin1Char(';'));
}

std::vector<SaleTerms::Tier> TiersFrom(const QString& text)
{
    std::vector<SaleTerms::Tier> tiers;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList rateAndLimit = part.split(QLatin1Char('@'));
        const std::optional<Percent> rate = Percent::Parse(rateAndLimit.value(0));
        std::optional<qint64> limit = 0;
        if (rateAndLimit.size() == 2)
            limit = NumberText::ToWholeNumber(rateAndLimit[1], 1, Q_INT64_C(999'999'999));
        if (!rate || !limit || rateAndLimit.size() > 2)
            return {};
        tiers.push_back({*limit, *rate});
    }
    return tiers;
}

} // namespace

std::optional<Percent> Percent::Parse(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,3})(?:[.,](\\d{0,4}))?\\s*%?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString decimals = match.captured(2);
    decimals = decimals.leftJustified(MaxDecimals, QLatin1Char('0'));
    const qint64 value = match.captured(1).toLongLong() * Scale + decimals.toLongLong();
    if (value > 100 * Scale)
        return std::nullopt;
    return Percent{value};
}

QString Percent::Text() const
{
    QString text = QString::number(tenThousandths / Scale);
    if (const qint64 fraction = tenThousandths % Scale) {
        QString decimals = QStringLiteral("%1").arg(fraction, MaxDecimals, 10, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLatin1Char('.') + decimals;
    }
    return text;
}

namespace {

// A rate applied to a whole amount, rounded: the hammer times the rate over 100 %.
qint64 Apply(qint64 amount, Percent rate)
{
    return DivideHalfEven<qint64>(amount * rate.tenThousandths, 100 * Percent::Scale);
}

} // namespace

SaleTerms SaleTerms::Load(const SettingsStore& store)
{
    SaleTerms terms;
    terms.premium = TiersFrom(store.Get(Section, KeyTiers, QString()));
    terms.taxName = store.Get(Section, KeyTaxName, QString()).trimmed();
    terms.taxRate = Percent::Parse(store.Get(Section, KeyTaxRate, QString())).value_or(Percent{});
    terms.taxOnHammer = store.Get(Section, KeyTaxOnHammer, QString()) == QLatin1String("1");
    terms.commission = Percent::Parse(store.Get(Section, KeyCommission, QString())).value_or(Percent{});
    if (!terms.Problem().isEmpty())
        terms.premium.clear();
    return terms;
}

bool SaleTerms::Save(SettingsStore& store) const
{
    SettingsChange change;
    change.Save(Section, KeyTiers, TiersText(premium));
    change.Save(Section, KeyTaxName, taxName);
    change.Save(Section, KeyTaxRate, taxRate.Text());
    change.Save(Section, KeyTaxOnHammer, taxOnHammer ? QStringLiteral("1") : QStringLiteral("0"));
    change.Save(Section, KeyCommission, commission.Text());
    return store.Commit(change);
}

QString SaleTerms::Problem() const
{
    if (premium.size() > MaxTiers)
        return QCoreApplication::translate("SaleTerms", "The premium has at most %1 tiers.").arg(MaxTiers);
    qint64 below = 0;
    for (size_t i = 0; i < premium.size(); ++i) {
        const bool last = i + 1 == premium.size();
        if (last ? premium[i].upTo != 0 && premium[i].upTo <= below : premium[i].upTo <= below)
            return QCoreApplication::translate("SaleTerms",
                                               "Each premium tier's limit must be above the one before it, and only "
                                               "the last tier may be without a limit.");
        below = premium[i].upTo;
    }
    return {};
}

qint64 SaleTerms::Premium(qint64 hammer) const
{
    // Summed exactly over the tiers, rounded once.
    qint64 exact = 0;
    qint64 below = 0;
    for (const Tier& tier : premium) {
        const qint64 top = tier.upTo > 0 ? std::min(hammer, tier.upTo) : hammer;
        if (top > below)
            exact += (top - below) * tier.rate.tenThousandths;
        if (tier.upTo == 0 || hammer <= tier.upTo)
            break;
        below = tier.upTo;
    }
    return DivideHalfEven<qint64>(exact, 100 * Percent::Scale);
}

qint64 SaleTerms::Tax(qint64 hammer, qint64 premium) const
{
    return Apply(taxOnHammer ? hammer + premium : premium, taxRate);
}

qint64 SaleTerms::Commission(qint64 hammer) const
{
    return Apply(hammer, commission);
}

QString SaleTerms::Describe(const std::function<QString(qint64)>& money) const
{
    QStringList parts;
    if (!premium.empty()) {
        QStringList tiers;
        for (size_t i = 0; i < premium.size(); ++i) {
            const Tier& tier = premium[i];
            if (tier.upTo > 0)
                tiers
                    << QCoreApplication::translate("SaleTerms", "%1% up to %2").arg(tier.rate.Text(), money(tier.upTo));
            else if (i > 0)
                tiers << QCoreApplication::translate("SaleTerms", "%1% above %2")
                             .arg(tier.rate.Text(), money(premium[i - 1].upTo));
            else
                tiers << QCoreApplication::translate("SaleTerms", "%1%").arg(tier.rate.Text());
        }
        parts << QCoreApplication::translate("SaleTerms", "Buyer's premium %1.").arg(tiers.join(QStringLiteral(", ")));
    }
    if (taxRate.tenThousandths > 0) {
        const QString name = taxName.isEmpty() ? QCoreApplication::translate("SaleTerms", "Tax") : taxName;
        parts << (taxOnHammer ? QCoreApplication::translate("SaleTerms", "%1 %2% on the hammer and the premium.")
                              : QCoreApplication::translate("SaleTerms", "%1 %2% on the premium."))
                     .arg(name, taxRate.Text());
    }
    parts << QCoreApplication::translate("SaleTerms",
                                         "Each amount is rounded to the whole unit, a half to the even unit.");
    return parts.join(QLatin1Char(' '));
}
