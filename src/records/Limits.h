#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The ranges a lot and a bid are held to, wherever they are typed, read, stored or shown.
namespace Limits {

// The lot number display has four digits.
constexpr qint32 MaxLotNumber = 9999;
// A bid or starting bid fills the two three-digit amount displays at most; increments too.
constexpr qint32 MaxAmount = 999999;
// The characters the lot editor admits in a note.
constexpr qsizetype MaxLotNote = 45;

// A number as typed or read lies in [0, maximum] before rounding: a fraction over the maximum is
// out of range, though it would round to it. Nothing (not a number) is out of range.
bool InRange(std::optional<double> number, qint32 maximum);

// The part of a lot that is out of its range, the first one found in the order below.
enum class LotField
{
    None,
    LotNumber,
    Amount,
    Note,
    Reserve,
    LowEstimate,
    HighEstimate,
    Vendor
};

struct LotCheck
{
    LotField field = LotField::None;
    // What to tell the user, translated; empty when the lot is within its limits.
    QString message;
};

// A lot as typed or read: its lot number and starting bid before rounding (nothing when the
// text is not a number) and the length of its note. A note may be let through longer than the
// editor admits (noteLimit) when it was already stored that long.
LotCheck CheckLot(std::optional<double> lotNumber, std::optional<double> amount, qsizetype noteLength,
                  qsizetype noteLimit = MaxLotNote);

// An optional amount as typed or read: left empty, or its value before rounding (nothing when
// the text is not a number).
struct OptionalEntry
{
    bool given = false;
    std::optional<double> value;

    // The amount to store: rounded half to even to whole units when given, else none.
    std::optional<qint32> Whole() const;
};

// The characters a lot's consignor number may have.
constexpr qsizetype MaxVendor = 12;

// The reserve, the estimates and the consignor number of a lot: each amount, when given, in
// [0, MaxAmount]; the low estimate not above the high one.
LotCheck CheckLotExtras(const OptionalEntry& reserve, const OptionalEntry& low, const OptionalEntry& high,
                        qsizetype vendorLength);

} // namespace Limits
