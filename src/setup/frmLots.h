#pragma once

#include "records/Limits.h"
#include "records/LotInfo.h"

#include <QDialog>

class AppSettings;
class LotListModel;
class LotPictureLoader;
class LotThumbnail;
class SelectedRowListView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

// The lot editor. It works on a copy of the lot list; whenever the window closes, by
// "Done Editing Lots" or any other way, the copy becomes the program's lot list and is
// stored. There is no way to close it without keeping the changes.
class frmLots : public QDialog
{
    Q_OBJECT

public:
    static constexpr int LotNumberMaxLength = 4;
    static constexpr int LotAmountMaxLength = 6;
    static constexpr int LotNoteMaxLength = static_cast<int>(Limits::MaxLotNote);

    explicit frmLots(AppSettings& settings, QWidget* parent = nullptr);
    ~frmLots() override;

    // The thumbnail of the selected lot comes from these pictures; null: no thumbnail.
    void setLotPictures(LotPictureLoader* pictures);

    // Closing by accept(), reject() or the close box all end here.
    void done(int result) override;
    // Stores the working list at once, as closing would, without a word on screen: for when the
    // program is about to end and cannot close its windows any more.
    void StoreNow() { Form_Unload(false); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private slots:
    void lstLots_Click();
    void cmdNew_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();
    void cmdImport_Click();
    void cmdExport_Click();
    void cmdSaveLot_Click();
    void cmdOk_Click();
    void txtLotNote_Change();

private:
    void createControls();
    void Form_Load();
    // Hands the working list over as the program's lot list and stores it.
    void Form_Unload(bool tellFailure);
    void FillLotList(qint32 SelectPosition);
    void SetLotEditor(const LotInfo* Lot, bool Disable, bool FocusLotNumber = false);
    void UpdateMoveButtons();
    void MoveSelectedLot(qint32 offset);
    // Index of the selected row from 0, or -1 when no row is selected.
    int selectedRow() const;
    void ShowSelectedPicture();

    AppSettings& m_settings;
    LotListModel* m_model = nullptr;
    // The lot the editing fields were filled from, or null for a new lot. The edit is
    // bound to the record, not its position, so moves in between cannot redirect it.
    LotInfoPtr m_editLot;
    // Open from the first show until the window closes; closing commits only then.
    bool m_open = false;
    bool m_needsLoad = false;
    qsizetype m_noteLength = 0;
    bool m_trimmingNote = false;
    // Where the last import or export went; the next file dialog starts there.
    QString m_csvDirectory;

    QGroupBox* fraLots = nullptr;
    SelectedRowListView* lstLots = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdDeleteAll = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* cmdMoveUp = nullptr;
    QPushButton* cmdMoveDown = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdExport = nullptr;
    QGroupBox* fraLotEdit = nullptr;
    QLabel* lblLotNumber = nullptr;
    QLineEdit* txtLotNumber = nullptr;
    QLabel* lblLotAmount = nullptr;
    QLineEdit* txtLotAmount = nullptr;
    QLabel* lblLotNote = nullptr;
    QPlainTextEdit* txtLotNote = nullptr;
    QPushButton* cmdSaveLot = nullptr;
    QPushButton* cmdOk = nullptr;
    LotThumbnail* picLotPicture = nullptr;
    // What the clerk knows of the lot besides, each optional.
    QLabel* lblLotVendor = nullptr;
    QLineEdit* txtLotVendor = nullptr;
    QLabel* lblLotReserve = nullptr;
    QLineEdit* txtLotReserve = nullptr;
    QLabel* lblLotEstimate = nullptr;
    QLineEdit* txtLowEstimate = nullptr;
    QLineEdit* txtHighEstimate = nullptr;
    QLabel* lblLotPicture = nullptr;
    QLineEdit* txtLotPicture = nullptr;
};
