#include "setup/AdditionalTab.h"

#include "common/Frame.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "scoreboard/NumLockBackend.h"
#include "scoreboard/PolyLED.h"
#include "scoreboard/modGrabKeys.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

AdditionalTab::AdditionalTab(QTabWidget* tabs, NumLockBackend* numLock) : OptionsTabPage(tabs), m_numLock(numLock)
{
    QWidget* tab = face();
    Frame6 = new Frame(tr("Digit Type:"), tab);
    cmbLedType = new QComboBox(Frame6);
    cmbLedType->setAccessibleName(tr("Digit type"));
    cmbLedType->addItems({tr("Lines"), tr("Dots")});
    Label1 = new QLabel(tr("Preview:"), Frame6);
    pledPreview = new PolyLED(Frame6);
    pledPreview->setCaption(8);
    Frame9 = new Frame(tr("Numlock Options:"), tab);
    optNormal = new QRadioButton(tr("Normal Mode"), Frame9);
    optKeepOn = new QRadioButton(tr("Keep Numlock On"), Frame9);
    optKeepOff = new QRadioButton(tr("Keep Numlock Off"), Frame9);
    cmdResetKeys = new QPushButton(tr("Reset Settings"), tab);

    m_numLockOptions = new QButtonGroup(this);
    for (QRadioButton* option : {optNormal, optKeepOn, optKeepOff})
        m_numLockOptions->addButton(option);

    // clang-format off
    OptionsDesign::Place({
        {Frame6,       u"Frame6",        540,  840, 2415, 1575},
        {cmbLedType,   u"cmbLedType",    120,  600, 1335,  315},
        {Label1,       u"Label1",       1440,  240,  855,  255},
        {pledPreview,  u"pledPreview",  1560,  480,  540,  975},
        {Frame9,       u"Frame9",       3540, 1080, 1935, 1455},
        {optNormal,    u"optNormal",     120,  240, 1695,  375},
        {optKeepOn,    u"optKeepOn",     120,  600, 1695,  375},
        {optKeepOff,   u"optKeepOff",    120,  960, 1695,  375},
        {cmdResetKeys, u"cmdResetKeys", 4380, 4560, 1215,  375},
    }, tabs);
    // clang-format on

    if (!m_numLock || !m_numLock->IsAvailable()) {
        for (QRadioButton* option : {optNormal, optKeepOn, optKeepOff}) {
            option->setEnabled(false);
            option->setToolTip(NumLockUnavailableTip());
        }
    }

    connect(cmbLedType, &QComboBox::currentIndexChanged, this, &AdditionalTab::cmbLedType_Click);
    connect(cmdResetKeys, &QPushButton::clicked, this, &AdditionalTab::cmdResetKeys_Click);
}

QString AdditionalTab::NumLockUnavailableTip()
{
    return tr("This desktop does not let programs hold NumLock.");
}

void AdditionalTab::Load(const AppSettings& settings)
{
    switch (settings.NumLockMode) {
    case 0:
        SelectNumLockOption(optNormal);
        break;
    case 1:
        SelectNumLockOption(optKeepOn);
        break;
    case 2:
        SelectNumLockOption(optKeepOff);
        break;
    default:
        // A mode the options do not offer: none is chosen, and OK keeps the mode.
        SelectNumLockOption(nullptr);
        break;
    }
    // A stored digit type that the list does not offer shows the first entry, and OK
    // then stores what the list shows.
    const int type = settings.LEDTypeIndex;
    cmbLedType->setCurrentIndex(type >= 0 && type < cmbLedType->count() ? type : 0);
    cmbLedType_Click();
}

void AdditionalTab::Commit(AppSettings& settings) const
{
    if (optNormal->isChecked()) {
        settings.NumLockMode = 0;
    } else if (optKeepOn->isChecked()) {
        settings.NumLockMode = 1;
        modGrabKeys::SetNumLock(m_numLock, true);
    } else if (optKeepOff->isChecked()) {
        settings.NumLockMode = 2;
        modGrabKeys::SetNumLock(m_numLock, false);
    }
    settings.LEDTypeIndex = static_cast<qint16>(cmbLedType->currentIndex());
}

void AdditionalTab::SelectNumLockOption(QRadioButton* option)
{
    // An exclusive group cannot be emptied; loading a mode without an option must.
    m_numLockOptions->setExclusive(false);
    for (QAbstractButton* button : m_numLockOptions->buttons())
        button->setChecked(button == option);
    m_numLockOptions->setExclusive(true);
}

void AdditionalTab::cmbLedType_Click()
{
    pledPreview->setLedType(cmbLedType->currentIndex());
}

void AdditionalTab::cmdResetKeys_Click()
{
    if (!Prompts::Confirm(this, tr("Are you sure you want to reset these additional settings?"),
                          Prompts::Icon::Question, tr("Reset Additional Settings")))
        return;
    cmbLedType->setCurrentIndex(0);
    cmbLedType_Click();
    SelectNumLockOption(optNormal);
}
