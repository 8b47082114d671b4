#pragma once

#include "setup/frmOptionsDesign.h"

class AppSettings;
class NumLockBackend;
class PolyLED;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "&Additional Settings": the digit type with its preview, the NumLock mode, and the sale's
// currency sign and digit grouping. The pending values are the lists' selections, the sign's
// text and the selected option button.
class AdditionalTab : public OptionsTabPage
{
    Q_OBJECT

public:
    // numLock: where the NumLock options take effect; without one that can hold NumLock
    // the options are shown but cannot be chosen.
    AdditionalTab(QTabWidget* tabs, NumLockBackend* numLock);

    void Load(const AppSettings& settings);
    // Sets NumLockMode (a keep option takes effect at once), then LEDTypeIndex, the currency
    // sign and the grouping. A sign that cannot be shown (empty, blanks only) is not taken.
    void Commit(AppSettings& settings) const;

    static QString NumLockUnavailableTip();

private:
    void cmbLedType_Click();
    void cmdResetKeys_Click();
    void SelectNumLockOption(QRadioButton* option);
    void SelectMoney(const QString& currency, const QString& grouping);
    void ShowMoneyPreview();

    NumLockBackend* m_numLock;
    QButtonGroup* m_numLockOptions = nullptr;

    QGroupBox* Frame6 = nullptr;
    QComboBox* cmbLedType = nullptr;
    QLabel* Label1 = nullptr;
    PolyLED* pledPreview = nullptr;
    QGroupBox* Frame9 = nullptr;
    QRadioButton* optNormal = nullptr;
    QRadioButton* optKeepOn = nullptr;
    QRadioButton* optKeepOff = nullptr;
    QGroupBox* fraCurrency = nullptr;
    QLabel* lblCurrency = nullptr;
    QComboBox* cmbCurrency = nullptr;
    QLabel* lblGrouping = nullptr;
    QComboBox* cmbGrouping = nullptr;
    QLabel* lblMoneyPreview = nullptr;
    QLabel* lblMoneySample = nullptr;
    QPushButton* cmdResetKeys = nullptr;
    QCheckBox* chkAskPaddle = nullptr;
};
