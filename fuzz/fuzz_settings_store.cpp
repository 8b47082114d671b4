// Arbitrary bytes as the settings file: reading it, writing it back, and filling every
// program-wide value from it must neither crash nor lose what was read.
#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "records/SettingsStore.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_settings_store: %s\n", what);
        std::abort();
    }
}

bool sameValues(const AppSettings& a, const AppSettings& b)
{
    if (a.FormBackColor != b.FormBackColor || a.LEDBackColor != b.LEDBackColor || a.TextColor != b.TextColor ||
        a.LEDLotColor != b.LEDLotColor || a.LEDAmountColor != b.LEDAmountColor || a.NumLockMode != b.NumLockMode ||
        a.LEDTypeIndex != b.LEDTypeIndex || a.LotList->Count() != b.LotList->Count() ||
        a.IncrementList->Count() != b.IncrementList->Count())
        return false;
    for (qint32 i = 1; i <= a.LotList->Count(); ++i) {
        const LotInfoPtr x = a.LotList->Item(i);
        const LotInfoPtr y = b.LotList->Item(i);
        if (x->LotNumber != y->LotNumber || x->Amount != y->Amount || x->Note != y->Note)
            return false;
    }
    for (qint32 i = 1; i <= a.IncrementList->Count(); ++i) {
        if (a.IncrementList->Item(i)->Minimum != b.IncrementList->Item(i)->Minimum ||
            a.IncrementList->Item(i)->Amount != b.IncrementList->Item(i)->Amount)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<SettingsSections> sections = JsonSettingsStore::Parse(text);
    if (!sections)
        return 0;

    bool whole = false;
    const std::optional<SettingsSections> again =
        JsonSettingsStore::Parse(JsonSettingsStore::Serialize(*sections), &whole);
    check(again && again->sections() == sections->sections(), "written sections read back differently");
    // Otherwise every save after the first would keep another copy of a file this program wrote.
    check(whole, "a written document read back only in part");

    MemorySettingsStore store(*sections);
    AppSettings loaded(store);
    loaded.LoadAllSettings();
    for (qint32 color :
         {loaded.FormBackColor, loaded.LEDBackColor, loaded.TextColor, loaded.LEDLotColor, loaded.LEDAmountColor})
        check(color >= 0 && color <= 16777215, "colour outside 24 bits");
    for (qint32 i = 2; i <= loaded.IncrementList->Count(); ++i)
        check(loaded.IncrementList->Item(i - 1)->Minimum < loaded.IncrementList->Item(i)->Minimum,
              "increment table not strictly ascending");

    // Saving what was loaded and loading it again changes nothing.
    check(loaded.SaveDisplaySettings() && loaded.SaveIncrements() && loaded.SaveLots(), "save failed");
    AppSettings reloaded(store);
    reloaded.LoadAllSettings();
    check(sameValues(loaded, reloaded), "values changed through save and load");
    return 0;
}
