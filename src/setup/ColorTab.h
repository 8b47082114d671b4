#pragma once

#include "setup/frmOptionsDesign.h"

class AppSettings;
class PictureBox;
class QGroupBox;
class QPushButton;

// "Color Controls": five swatches, each the pending value of one program-wide colour, and two
// for the result stamp's "SOLD" and "PASSED". The "SOLD" swatch follows the lot colour's until
// a colour of its own is picked for it.
class ColorTab : public OptionsTabPage
{
    Q_OBJECT

public:
    explicit ColorTab(QTabWidget* tabs);

    // The swatches from the program-wide colours.
    void Load(const AppSettings& settings);
    // The program-wide colours from the swatches.
    void Commit(AppSettings& settings) const;

private:
    void cmdBackC_Click();
    void cmdLEDB_Click();
    void cmdTextC_Click();
    void cmdLEDLotC_Click();
    void cmdLEDAmountC_Click();
    void cmdSoldC_Click();
    void cmdPassedC_Click();
    void cmdResetColors_Click();
    // The picker opens on the swatch's colour; a cancelled picker leaves it as it was.
    void PickInto(PictureBox* swatch);

    QGroupBox* frmBackColor = nullptr;
    PictureBox* picBackC = nullptr;
    QPushButton* cmdBackC = nullptr;
    QGroupBox* fraLedBack = nullptr;
    PictureBox* picLEDB = nullptr;
    QPushButton* cmdLEDB = nullptr;
    QGroupBox* frmTextColor = nullptr;
    PictureBox* picTextC = nullptr;
    QPushButton* cmdTextC = nullptr;
    QGroupBox* frmLEDLotColor = nullptr;
    PictureBox* picLEDLotC = nullptr;
    QPushButton* cmdLEDLotC = nullptr;
    QGroupBox* frmLEDAmountColor = nullptr;
    PictureBox* picLEDAmountC = nullptr;
    QPushButton* cmdLEDAmountC = nullptr;
    QGroupBox* frmSoldColor = nullptr;
    PictureBox* picSoldC = nullptr;
    QPushButton* cmdSoldC = nullptr;
    QGroupBox* frmPassedColor = nullptr;
    PictureBox* picPassedC = nullptr;
    QPushButton* cmdPassedC = nullptr;
    QPushButton* cmdResetColors = nullptr;
};
