#pragma once

#include "common/Frame.h"
#include "pictures/PictureSettings.h"

class QLineEdit;
class QPushButton;
class SettingsStore;

// "Lot Pictures:": the folder whose files, named by lot number, the audience screen and the lot
// editor show. A frame of its own, placed on an options tab; like a tab, it loads the stored
// folder, keeps the operator's choice pending, and stores it only once a folder has been chosen.
class PictureFolderFrame : public Frame
{
    Q_OBJECT

public:
    // The frame's design size in twips.
    static constexpr int DesignWidth = 5715;
    static constexpr int DesignHeight = 855;

    explicit PictureFolderFrame(QWidget* parent = nullptr);

    void Load(const SettingsStore& store);
    QString Pending() const;
    // Stores the pending folder once one has been chosen, now or before; false when the store
    // could not be written.
    bool Commit(SettingsStore& store) const;

private:
    void cmdBrowse_Click();
    void cmdClear_Click();
    void ShowFolder(const QString& folder);

    PictureSettings m_loaded;
    QString m_pending;
    QLineEdit* txtFolder = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* cmdClear = nullptr;
};
