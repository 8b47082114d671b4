#pragma once

#include <QString>

class SettingsStore;

// The folder of lot pictures, in the store's "LotPictures" section. The section is written only
// once the operator has chosen a folder; until then there are no pictures and nothing is stored.
struct PictureSettings
{
    static inline const QString Section = QStringLiteral("LotPictures");
    static inline const QString KeyFolder = QStringLiteral("Folder");

    QString folder;

    static PictureSettings Load(const SettingsStore& store);
    // Whether the section has ever been written.
    static bool IsStored(const SettingsStore& store);
    // False when the store could not be written.
    bool Save(SettingsStore& store) const;

    bool operator==(const PictureSettings&) const = default;
};
