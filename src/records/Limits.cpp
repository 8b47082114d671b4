#include "records/Limits.h"

#include "records/NumberText.h"

#include <QCoreApplication>

namespace {

// Marked here, translated where used: the translator is installed after static initialisation.
const char* const LotNumberMessage = QT_TRANSLATE_NOOP("Limits", "Lot # must be between 0 and 9999");
const char* const AmountMessage = QT_TRANSLATE_NOOP("Limits", "Lot starting bid must be between 0 and 999999");

} // namespace

bool Limits::InRange(std::optional<double> number, qint32 maximum)
{
    return number && !(*number < 0.0 || *number > maximum);
}

Limits::LotCheck Limits::CheckLot(std::optional<double> lotNumber, std::optional<double> amount, qsizetype noteLength,
                                  qsizetype noteLimit)
{
    if (!InRange(lotNumber, MaxLotNumber))
        return {LotField::LotNumber, QCoreApplication::translate("Limits", LotNumberMessage)};
    if (!InRange(amount, MaxAmount))
        return {LotField::Amount, QCoreApplication::translate("Limits", AmountMessage)};
    if (noteLength > noteLimit) {
        return {LotField::Note,
                QCoreApplication::translate("Limits", "The note has %1 characters; a lot admits at most %2.")
                    .arg(noteLength)
                    .arg(noteLimit)};
    }
    return {};
}

Limits::LotCheck Limits::CheckLotExtras(const OptionalEntry& reserve, const OptionalEntry& low,
                                        const OptionalEntry& high, qsizetype vendorLength)
{
    if (reserve.given && !InRange(reserve.value, MaxAmount))
        return {LotField::Reserve, QCoreApplication::translate("Limits", "The reserve must be between 0 and 999999")};
    if (low.given && !InRange(low.value, MaxAmount))
        return {LotField::LowEstimate,
                QCoreApplication::translate("Limits", "The low estimate must be between 0 and 999999")};
    if (high.given && !InRange(high.value, MaxAmount))
        return {LotField::HighEstimate,
                QCoreApplication::translate("Limits", "The high estimate must be between 0 and 999999")};
    if (low.given && high.given && *low.value > *high.value)
        return {LotField::LowEstimate,
                QCoreApplication::translate("Limits", "The low estimate must not be above the high estimate")};
    if (vendorLength > MaxVendor) {
        return {LotField::Vendor,
                QCoreApplication::translate("Limits", "The vendor has %1 characters; a lot admits at most %2.")
                    .arg(vendorLength)
                    .arg(MaxVendor)};
    }
    return {};
}

std::optional<qint32> Limits::OptionalEntry::Whole() const
{
    if (!given || !value)
        return std::nullopt;
    return static_cast<qint32>(NumberText::RoundHalfEven(*value));
}
