#include "setup/PictureFolderFrame.h"

#include "common/DesignLayout.h"
#include "common/Prompts.h"
#include "common/Twips.h"
#include "records/SettingsStore.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

PictureFolderFrame::PictureFolderFrame(QWidget* parent) : Frame(tr("Lot Pictures:"), parent)
{
    setObjectName(QStringLiteral("fraLotPictures"));
    txtFolder = new QLineEdit(this);
    txtFolder->setReadOnly(true);
    txtFolder->setAccessibleName(tr("Folder of lot pictures"));
    txtFolder->setPlaceholderText(tr("No pictures"));
    cmdBrowse = new QPushButton(tr("Browse..."), this);
    cmdClear = new QPushButton(tr("Clear"), this);

    resize(Twips::ToPixels(DesignWidth, this), Twips::ToPixels(DesignHeight, this));
    // clang-format off
    DesignLayout::Place({
        {txtFolder, u"txtFolder",  120, 330, 3015, 375},
        {cmdBrowse, u"cmdBrowse", 3255, 330, 1335, 375},
        {cmdClear,  u"cmdClear",  4680, 330,  915, 375},
    }, this);
    // clang-format on

    connect(cmdBrowse, &QPushButton::clicked, this, &PictureFolderFrame::cmdBrowse_Click);
    connect(cmdClear, &QPushButton::clicked, this, &PictureFolderFrame::cmdClear_Click);
    ShowFolder({});
}

void PictureFolderFrame::Load(const SettingsStore& store)
{
    m_loaded = PictureSettings::Load(store);
    ShowFolder(m_loaded.folder);
}

QString PictureFolderFrame::Pending() const
{
    return m_pending;
}

bool PictureFolderFrame::Commit(SettingsStore& store) const
{
    // A user who never chooses a folder finds nothing of it in the settings.
    if (m_pending.isEmpty() && !PictureSettings::IsStored(store))
        return true;
    if (m_pending == m_loaded.folder)
        return true;
    return PictureSettings{m_pending}.Save(store);
}

void PictureFolderFrame::cmdBrowse_Click()
{
    const QString start = m_pending.isEmpty() ? QDir::homePath() : m_pending;
    const QString chosen = Prompts::FolderName(this, tr("Folder of Lot Pictures"), start);
    if (!chosen.isEmpty())
        ShowFolder(QDir::cleanPath(chosen));
}

void PictureFolderFrame::cmdClear_Click()
{
    ShowFolder({});
}

void PictureFolderFrame::ShowFolder(const QString& folder)
{
    m_pending = folder;
    txtFolder->setText(QDir::toNativeSeparators(folder));
    txtFolder->setCursorPosition(0);
    cmdClear->setEnabled(!folder.isEmpty());
}
