#include "records/AppSettings.h"

#include "records/Limits.h"
#include "records/NumberText.h"
#include "records/SettingsStore.h"
#include "records/TextLimits.h"

#include <QStringBuilder>

#include <algorithm>
#include <limits>

namespace {

const QString ColorSection = QStringLiteral("ColorSettings");
const QString KeySection = QStringLiteral("KeySettings");
const QString PicSection = QStringLiteral("PicSettings");
const QString IncrementsSection = QStringLiteral("Increments");
const QString LotsSection = QStringLiteral("Lots");
// Reserve, estimates, vendor and picture of the lots that have any, under the lot's position.
const QString LotExtrasSection = QStringLiteral("LotExtras");
const QString RegionSection = QStringLiteral("RegionSettings");
const QString StampSection = QStringLiteral("StampColors");
const QString ClerkSection = QStringLiteral("ClerkSettings");
const QString AskPaddleKey = QStringLiteral("AskPaddle");
// One bidder a key, under its 1-based place: paddle, name and contact, apart by the lot field
// separator.
const QString BiddersSection = QStringLiteral("Bidders");

constexpr qint64 MaxColor = 16777215;

// dropped is set when the key is there but its text cannot be used.
qint64 readWhole(const SettingsStore& store, const QString& section, const QString& key, qint64 defaultValue,
                 qint64 minimum, qint64 maximum, bool& dropped)
{
    const QString text = store.Get(section, key, NumberText::Plain(defaultValue));
    const std::optional<qint64> value = NumberText::ToWholeNumber(text, minimum, maximum);
    dropped = dropped || !value;
    return value.value_or(defaultValue);
}

// Whether a stored lot number reads back as the very number the next save writes.
bool readsExactly(QStringView field)
{
    const std::optional<double> number = NumberText::ToNumber(field);
    return number && *number == NumberText::RoundHalfEven(*number) &&
           NumberText::ToWholeNumber(field, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
}

constexpr qint64 Int32Min = std::numeric_limits<qint32>::min();
constexpr qint64 Int32Max = std::numeric_limits<qint32>::max();

} // namespace

AppSettings::AppSettings(SettingsStore& store) : m_store(store) {}

void AppSettings::LoadAllSettings()
{
    bool dropped = false;
    auto color = [&](const QString& key, qint32 defaultValue) {
        return static_cast<qint32>(readWhole(m_store, ColorSection, key, defaultValue, 0, MaxColor, dropped));
    };
    FormBackColor = color(QStringLiteral("FormBack"), DefaultFormBackColor);
    LEDBackColor = color(QStringLiteral("LEDBack"), DefaultLEDBackColor);
    TextColor = color(QStringLiteral("Text"), DefaultTextColor);
    LEDLotColor = color(QStringLiteral("LEDLot"), DefaultLEDLotColor);
    LEDAmountColor = color(QStringLiteral("LEDAmount"), DefaultLEDAmountColor);
    NumLockMode = static_cast<qint32>(readWhole(m_store, KeySection, QStringLiteral("NumLockForce"), DefaultNumLockMode,
                                                Int32Min, Int32Max, dropped));
    LEDTypeIndex =
        static_cast<qint16>(readWhole(m_store, PicSection, QStringLiteral("LEDType"), DefaultLEDTypeIndex,
                                      std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max(), dropped));

    // A sign or separator the board cannot show reads as the default.
    auto region = [&](const QString& key, const QString& defaultValue, bool (*usable)(const QString&)) {
        const QString text = m_store.Get(RegionSection, key, defaultValue);
        if (usable(text))
            return text;
        dropped = true;
        return defaultValue;
    };
    Currency = region(QStringLiteral("Currency"), MoneyFormat::DefaultCurrency, &MoneyFormat::IsCurrency);
    Grouping = region(QStringLiteral("Grouping"), MoneyFormat::DefaultGrouping, &MoneyFormat::IsGrouping);

    // A stamp colour that is absent, or not a colour, stays unchosen.
    auto chosenColor = [&](const QString& key) -> std::optional<qint32> {
        const QString text = m_store.Get(StampSection, key, QString());
        if (text.isEmpty())
            return std::nullopt;
        const std::optional<qint64> value = NumberText::ToWholeNumber(text, 0, MaxColor);
        dropped = dropped || !value;
        return value ? std::optional<qint32>(static_cast<qint32>(*value)) : std::nullopt;
    };
    SoldColor = chosenColor(QStringLiteral("Sold"));
    PassedColor = chosenColor(QStringLiteral("Passed"));

    AskPaddle = readWhole(m_store, ClerkSection, AskPaddleKey, 0, 0, 1, dropped) == 1;

    LotList = std::make_shared<LotCollection>();
    IncrementList = std::make_shared<IncrementCollection>();

    // A range whose key or value is not a whole number cannot be used and is skipped.
    for (const SettingsPair& pair : m_store.GetAll(IncrementsSection)) {
        const auto minimum = NumberText::ToWholeNumber(pair.first, Int32Min, Int32Max);
        const auto amount = NumberText::ToWholeNumber(pair.second, Int32Min, Int32Max);
        if (!minimum || !amount) {
            dropped = true;
            continue;
        }
        auto row = std::make_shared<IncrementInfo>();
        row->Minimum = static_cast<qint32>(*minimum);
        row->Amount = static_cast<qint32>(*amount);
        dropped = IncrementList->Add(row) == 0 || dropped;
    }

    for (const SettingsPair& pair : m_store.GetAll(LotsSection)) {
        LotList->Add(LotFromRecordText(pair.second), 0);
        const QList<QStringView> fields = QStringView(pair.second).split(LotFieldSeparator);
        dropped = dropped || fields.size() != 3 || !readsExactly(fields[0]) || !readsExactly(fields[1]);
    }
    // Extras that no longer match the lot at their position (the list was rewritten without
    // them) are left out rather than given to another lot.
    for (const SettingsPair& pair : m_store.GetAll(LotExtrasSection)) {
        const auto position = NumberText::ToWholeNumber(pair.first, 1, LotList->Count());
        const LotInfoPtr lot = position ? LotList->Item(static_cast<qint32>(*position)) : nullptr;
        dropped = !lot || !ApplyLotExtras(pair.second, *lot) || dropped;
    }
    Bidders.Clear();
    for (const SettingsPair& pair : m_store.GetAll(BiddersSection)) {
        const QStringList fields = pair.second.split(LotFieldSeparator);
        dropped = !Bidders.Add({fields.value(0), fields.value(1), fields.value(2)}) || dropped;
    }
    if (dropped)
        m_store.MarkReadInPart();
}

bool AppSettings::SaveDisplaySettings()
{
    SettingsChange change;
    change.Save(ColorSection, QStringLiteral("FormBack"), NumberText::Plain(FormBackColor));
    change.Save(ColorSection, QStringLiteral("LEDBack"), NumberText::Plain(LEDBackColor));
    change.Save(ColorSection, QStringLiteral("Text"), NumberText::Plain(TextColor));
    change.Save(ColorSection, QStringLiteral("LEDLot"), NumberText::Plain(LEDLotColor));
    change.Save(ColorSection, QStringLiteral("LEDAmount"), NumberText::Plain(LEDAmountColor));
    change.Save(KeySection, QStringLiteral("NumLockForce"), NumberText::Plain(NumLockMode));
    change.Save(PicSection, QStringLiteral("LEDType"), NumberText::Plain(LEDTypeIndex));
    // A sale that never chose a currency keeps the file as it always was.
    if (!Money().IsDefault() || !m_store.GetAll(RegionSection).isEmpty()) {
        change.Save(RegionSection, QStringLiteral("Currency"), Currency);
        change.Save(RegionSection, QStringLiteral("Grouping"), Grouping);
    }
    // Rewritten whole, so that a colour set back to its default leaves the file; a sale that
    // never chose one keeps the file as it always was.
    if (SoldColor || PassedColor || !m_store.GetAll(StampSection).isEmpty()) {
        change.DeleteSection(StampSection);
        if (SoldColor)
            change.Save(StampSection, QStringLiteral("Sold"), NumberText::Plain(*SoldColor));
        if (PassedColor)
            change.Save(StampSection, QStringLiteral("Passed"), NumberText::Plain(*PassedColor));
    }
    // Written once the operator turned it on, so that a sale that never did keeps its file.
    if (AskPaddle || !m_store.GetAll(ClerkSection).isEmpty())
        change.Save(ClerkSection, AskPaddleKey, NumberText::Plain(AskPaddle ? 1 : 0));
    return m_store.Commit(change);
}

bool AppSettings::SaveIncrements()
{
    SettingsChange change;
    change.DeleteSection(IncrementsSection);
    for (const IncrementInfoPtr& row : *IncrementList)
        change.Save(IncrementsSection, NumberText::SignReserving(row->Minimum), NumberText::SignReserving(row->Amount));
    return m_store.Commit(change);
}

bool AppSettings::SaveLots()
{
    SettingsChange change;
    change.reserve(LotList->Count() + 1);
    change.DeleteSection(LotsSection);
    qint32 counter = 0;
    for (const LotInfoPtr& lot : *LotList) {
        ++counter;
        change.Save(LotsSection, NumberText::SignReserving(counter), lot ? LotRecordText(*lot) : LotRecordText({}));
    }
    // A list without extras leaves the file as it always was.
    const bool extras =
        std::any_of(LotList->begin(), LotList->end(), [](const LotInfoPtr& lot) { return lot && lot->HasExtras(); });
    if (extras || !m_store.GetAll(LotExtrasSection).isEmpty()) {
        change.DeleteSection(LotExtrasSection);
        counter = 0;
        for (const LotInfoPtr& lot : *LotList) {
            ++counter;
            if (lot && lot->HasExtras())
                change.Save(LotExtrasSection, NumberText::SignReserving(counter), LotExtrasText(*lot));
        }
    }
    return m_store.Commit(change);
}

bool AppSettings::SaveBidders()
{
    if (Bidders.isEmpty() && m_store.GetAll(BiddersSection).isEmpty())
        return true;
    SettingsChange change;
    change.DeleteSection(BiddersSection);
    qint32 counter = 0;
    const auto clean = [](QString text) {
        return text.remove(LotFieldSeparator);
    };
    for (const BidderInfo& bidder : Bidders.bidders())
        change.Save(BiddersSection, NumberText::SignReserving(++counter),
                    bidder.Paddle % LotFieldSeparator % clean(bidder.Name) % LotFieldSeparator % clean(bidder.Contact));
    return m_store.Commit(change);
}

QString AppSettings::LotRecordText(const LotInfo& lot)
{
    return NumberText::SignReserving(lot.LotNumber) % LotFieldSeparator % NumberText::SignReserving(lot.Amount) %
           LotFieldSeparator % lot.Note;
}

LotInfoPtr AppSettings::LotFromRecordText(const QString& text)
{
    auto lot = std::make_shared<LotInfo>();
    const QList<QStringView> fields = QStringView(text).split(LotFieldSeparator);
    if (fields.size() >= 3) {
        lot->LotNumber = NumberText::Lenient(fields[0]);
        lot->Amount = NumberText::Lenient(fields[1]);
        // A note longer than any window shows comes from a hand-edited file: it is cut here.
        lot->Note = TextLimits::Cut(fields[2].left(TextLimits::MaxNote + 1).toString(), TextLimits::MaxNote);
    }
    return lot;
}

namespace {

const QString ReserveTag = QStringLiteral("Reserve=");
const QString LowTag = QStringLiteral("Low=");
const QString HighTag = QStringLiteral("High=");
const QString VendorTag = QStringLiteral("Vendor=");
const QString PictureTag = QStringLiteral("Picture=");

std::optional<qint32> readAmount(QStringView text, bool& ok)
{
    const auto value = NumberText::ToWholeNumber(text, 0, Limits::MaxAmount);
    ok = ok && value.has_value();
    return value ? std::optional<qint32>(static_cast<qint32>(*value)) : std::nullopt;
}

QString withoutSeparator(QString text)
{
    return text.remove(AppSettings::LotFieldSeparator);
}

} // namespace

QString AppSettings::LotExtrasText(const LotInfo& lot)
{
    // The lot's number first, so that the extras never land on another lot.
    QString text = NumberText::SignReserving(lot.LotNumber);
    if (lot.Reserve)
        text += LotFieldSeparator + ReserveTag + NumberText::Plain(*lot.Reserve);
    if (lot.LowEstimate)
        text += LotFieldSeparator + LowTag + NumberText::Plain(*lot.LowEstimate);
    if (lot.HighEstimate)
        text += LotFieldSeparator + HighTag + NumberText::Plain(*lot.HighEstimate);
    if (!lot.Vendor.isEmpty())
        text += LotFieldSeparator + VendorTag + withoutSeparator(lot.Vendor);
    if (!lot.Picture.isEmpty())
        text += LotFieldSeparator + PictureTag + withoutSeparator(lot.Picture);
    return text;
}

bool AppSettings::ApplyLotExtras(const QString& text, LotInfo& lot)
{
    const QList<QStringView> fields = QStringView(text).split(LotFieldSeparator);
    const auto number = NumberText::ToWholeNumber(fields.first(), Int32Min, Int32Max);
    if (!number || *number != lot.LotNumber)
        return false;
    bool ok = true;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QStringView field = fields[i];
        if (field.startsWith(ReserveTag))
            lot.Reserve = readAmount(field.sliced(ReserveTag.size()), ok);
        else if (field.startsWith(LowTag))
            lot.LowEstimate = readAmount(field.sliced(LowTag.size()), ok);
        else if (field.startsWith(HighTag))
            lot.HighEstimate = readAmount(field.sliced(HighTag.size()), ok);
        else if (field.startsWith(VendorTag))
            lot.Vendor = TextLimits::Cut(field.sliced(VendorTag.size()).toString(), TextLimits::MaxVendor);
        else if (field.startsWith(PictureTag))
            lot.Picture = TextLimits::Cut(field.sliced(PictureTag.size()).toString(), TextLimits::MaxPicture);
        // A piece this version does not know is left for the version that wrote it.
    }
    return ok;
}
