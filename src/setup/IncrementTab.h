#pragma once

#include "records/IncrementCollection.h"
#include "setup/frmOptionsDesign.h"

class AppSettings;
class SelectedRowListView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// "Increment Settings": edits a working copy of the increment table, which reaches the
// program only through the dialog's OK.
class IncrementTab : public OptionsTabPage
{
    Q_OBJECT

public:
    explicit IncrementTab(QTabWidget* tabs);

    // A fresh working copy of the program's table, the first row selected, the editor idle.
    void Load(const AppSettings& settings);
    // The working table becomes the program's table and is stored; false when the store
    // could not be written.
    bool Commit(AppSettings& settings);

private:
    void cmdIncrementAdd_Click();
    void cmdIncrementEdit_Click();
    void cmdIncrementDelete_Click();
    void cmdIncrementEditSave_Click();
    void FillIncrementList(qint32 SelectPosition);
    void SetIncrementEditor(const IncrementInfo* Increment, bool Disable);
    // Index of the selected row from 0, or -1 when no row is selected.
    int selectedRow() const;

    class RangeModel;
    RangeModel* m_model = nullptr;
    IncrementCollectionPtr m_working = std::make_shared<IncrementCollection>();
    // 0: the editor holds a new range; k > 0: the range taken from position k.
    qint32 m_editPosition = 0;

    QGroupBox* fraIncrements = nullptr;
    SelectedRowListView* lstIncrements = nullptr;
    QPushButton* cmdIncrementAdd = nullptr;
    QPushButton* cmdIncrementEdit = nullptr;
    QPushButton* cmdIncrementDelete = nullptr;
    QGroupBox* fraEditIncrement = nullptr;
    QLabel* lblIncrementMin = nullptr;
    QLineEdit* txtIncrementMin = nullptr;
    QLabel* lblIncrementAmount = nullptr;
    QLineEdit* txtIncrementAmount = nullptr;
    QPushButton* cmdIncrementEditSave = nullptr;
};
