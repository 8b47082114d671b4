#include "records/Limits.h"

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
