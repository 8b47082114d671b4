#include "setup/PictureFolderFrame.h"

#include "common/DesignLayout.h"
#include "common/Twips.h"
#include "records/SettingsStore.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {

PictureFolderFrame::FolderChooser& Chooser()
{
    static PictureFolderFrame::FolderChooser chooser;
    return chooser;
}

} // namespace

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
        {txtFolder, u"txtFolder",  120, 330, 3255, 375},
        {cmdBrowse, u"cmdBrowse", 3495, 330, 1095, 375},
        {cmdClear,  u"cmdClear",  4680, 330,  915, 375},
    }, this);
    // clang-format on

    connect(cmdBrowse, &QPushButton::clicked, this, &PictureFolderFrame::cmdBrowse_Click);
    connect(cmdClear, &QPushButton::clicked, this, &PictureFolderFrame::cmdClear_Click);
    ShowFolder({});
}

void PictureFolderFrame::setFolderChooser(FolderChooser chooser)
{
    Chooser() = std::move(chooser);
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
    const QString chosen = Chooser() ? Chooser()(this, start)
                                     : QFileDialog::getExistingDirectory(this, tr("Folder of Lot Pictures"), start,
                                                                         QFileDialog::ShowDirsOnly);
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
