#include "pictures/PictureSettings.h"

#include "records/SettingsStore.h"

PictureSettings PictureSettings::Load(const SettingsStore& store)
{
    PictureSettings settings;
    settings.folder = store.Get(Section, KeyFolder, QString()).trimmed();
    return settings;
}

bool PictureSettings::IsStored(const SettingsStore& store)
{
    return !store.GetAll(Section).isEmpty();
}

bool PictureSettings::Save(SettingsStore& store) const
{
    SettingsChange change;
    change.Save(Section, KeyFolder, folder);
    return store.Commit(change);
}
