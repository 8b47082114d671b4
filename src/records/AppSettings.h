#pragma once

#include "records/BidderRegister.h"
#include "records/IncrementCollection.h"
#include "records/LotCollection.h"
#include "records/MoneyFormat.h"

#include <QtGlobal>

#include <optional>

class SettingsStore;

// The program-wide values, one instance for the run, and their store layout.
// Colours are 24-bit numbers: red + 256 * green + 65536 * blue.
class AppSettings
{
public:
    static constexpr qint32 DefaultFormBackColor = 4210752;
    static constexpr qint32 DefaultLEDBackColor = 0;
    static constexpr qint32 DefaultTextColor = 16777215;
    static constexpr qint32 DefaultLEDLotColor = 33023;
    static constexpr qint32 DefaultLEDAmountColor = 49152;
    static constexpr qint32 DefaultNumLockMode = 0;
    static constexpr qint16 DefaultLEDTypeIndex = 0;
    // "PASSED" unless chosen otherwise: a light grey (168, 168, 168), apart from the lot colour.
    static constexpr qint32 DefaultPassedColor = 11053224;

    // The lot field separator inside a stored lot record.
    static constexpr QChar LotFieldSeparator = QChar(0x0005);

    explicit AppSettings(SettingsStore& store);

    qint32 FormBackColor = DefaultFormBackColor;
    qint32 LEDBackColor = DefaultLEDBackColor;
    qint32 TextColor = DefaultTextColor;
    qint32 LEDLotColor = DefaultLEDLotColor;
    qint32 LEDAmountColor = DefaultLEDAmountColor;
    qint32 NumLockMode = DefaultNumLockMode;
    qint16 LEDTypeIndex = DefaultLEDTypeIndex;
    LotCollectionPtr LotList = std::make_shared<LotCollection>();
    IncrementCollectionPtr IncrementList = std::make_shared<IncrementCollection>();
    // The sale's currency sign and digit-group separator; stored with the display settings.
    QString Currency = MoneyFormat::DefaultCurrency;
    QString Grouping = MoneyFormat::DefaultGrouping;

    // The result stamp's colours, when chosen: unset, "SOLD" is in the lot colour and "PASSED"
    // in grey. Stored with the display settings, and only once chosen.
    std::optional<qint32> SoldColor;
    std::optional<qint32> PassedColor;
    // After F5 the scoreboard asks for the buyer's paddle. Stored with the display settings,
    // and only once changed.
    bool AskPaddle = false;
    // The sale's bidders by paddle; stored in a section of their own, once there are any.
    BidderRegister Bidders;

    MoneyFormat Money() const { return {Currency, Grouping}; }
    qint32 ShownSoldColor() const { return SoldColor.value_or(LEDLotColor); }
    qint32 ShownPassedColor() const { return PassedColor.value_or(DefaultPassedColor); }

    // Fills every value from the store; unreadable values take their defaults.
    void LoadAllSettings();
    // Each save is one atomic commit; false when the store could not be written.
    bool SaveDisplaySettings();
    bool SaveIncrements();
    bool SaveLots();
    bool SaveBidders();

    // The stored text of one lot and its reading back.
    static QString LotRecordText(const LotInfo& lot);
    static LotInfoPtr LotFromRecordText(const QString& text);
    // The stored text of what a lot carries beyond its number, bid and note, kept apart from its
    // record so that a reader that knows only the record reads the list as it always was; and
    // the reading back onto the lot, false when the text does not belong to it or is unusable.
    static QString LotExtrasText(const LotInfo& lot);
    static bool ApplyLotExtras(const QString& text, LotInfo& lot);

    SettingsStore& store() { return m_store; }
    const SettingsStore& store() const { return m_store; }

private:
    SettingsStore& m_store;
};
