#include "setup/AdditionalTab.h"

#include "common/DesignLayout.h"
#include "common/Frame.h"
#include "common/Prompts.h"
#include "platform/NumLockBackend.h"
#include "records/AppSettings.h"
#include "scoreboard/PolyLED.h"
#include "scoreboard/modGrabKeys.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

namespace {

// The amount the currency preview shows: long enough to show a separator.
constexpr qint64 SampleAmount = 12050;

} // namespace

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
    fraCurrency = new Frame(tr("Currency:"), tab);
    lblCurrency = new QLabel(tr("Sign:"), fraCurrency);
    cmbCurrency = new QComboBox(fraCurrency);
    cmbCurrency->setEditable(true);
    cmbCurrency->setInsertPolicy(QComboBox::NoInsert);
    cmbCurrency->addItems({QStringLiteral("$"), QStringLiteral("\u20AC"), QStringLiteral("\u00A3"),
                           QStringLiteral("CHF"), QStringLiteral("kr"), QStringLiteral("\u00A5")});
    cmbCurrency->lineEdit()->setMaxLength(MoneyFormat::MaxCurrencyLength);
    cmbCurrency->setAccessibleName(tr("Currency sign"));
    lblCurrency->setBuddy(cmbCurrency);
    lblGrouping = new QLabel(tr("Grouping:"), fraCurrency);
    cmbGrouping = new QComboBox(fraCurrency);
    cmbGrouping->setAccessibleName(tr("Digit grouping"));
    const QStringList groupingNames{tr("Comma"), tr("Point"), tr("Narrow space"), tr("Apostrophe"), tr("None")};
    for (qsizetype choice = 0; choice < groupingNames.size(); ++choice) {
        const QString& separator = MoneyFormat::Groupings()[choice];
        cmbGrouping->addItem(groupingNames[choice] + QStringLiteral("  ") +
                                 MoneyFormat{QString(), separator}.Grouped(SampleAmount),
                             separator);
    }
    lblGrouping->setBuddy(cmbGrouping);
    lblMoneyPreview = new QLabel(tr("Preview:"), fraCurrency);
    lblMoneySample = new QLabel(fraCurrency);
    QFont sampleFont = lblMoneySample->font();
    sampleFont.setPointSizeF(sampleFont.pointSizeF() * 1.5);
    sampleFont.setBold(true);
    lblMoneySample->setFont(sampleFont);
    cmdResetKeys = new QPushButton(tr("Reset Settings"), tab);
    chkAskPaddle = new QCheckBox(tr("Ask for the paddle number after Sold"), tab);

    m_numLockOptions = new QButtonGroup(this);
    for (QRadioButton* option : {optNormal, optKeepOn, optKeepOff})
        m_numLockOptions->addButton(option);

    // clang-format off
    DesignLayout::Place({
        {Frame6,          u"Frame6",           540,  840, 2415, 1575},
        {cmbLedType,      u"cmbLedType",       120,  600, 1335,  315},
        {Label1,          u"Label1",          1440,  240,  855,  255},
        {pledPreview,     u"pledPreview",     1560,  480,  540,  975},
        {Frame9,          u"Frame9",          3540, 1080, 1935, 1455},
        {optNormal,       u"optNormal",        120,  240, 1695,  375},
        {optKeepOn,       u"optKeepOn",        120,  600, 1695,  375},
        {optKeepOff,      u"optKeepOff",       120,  960, 1695,  375},
        {fraCurrency,     u"fraCurrency",      540, 2760, 4935, 1455},
        {lblCurrency,     u"lblCurrency",      120,  360,  975,  255},
        {cmbCurrency,     u"cmbCurrency",     1140,  300,  975,  315},
        {lblGrouping,     u"lblGrouping",      120,  840,  975,  255},
        {cmbGrouping,     u"cmbGrouping",     1140,  780, 1935,  315},
        {lblMoneyPreview, u"lblMoneyPreview", 3240,  300,  855,  255},
        {lblMoneySample,  u"lblMoneySample",  3240,  600, 1575,  495},
        {chkAskPaddle,    u"chkAskPaddle",     540, 4560, 3735,  375},
        {cmdResetKeys,    u"cmdResetKeys",    4380, 4560, 1215,  375},
    }, tabs);
    // clang-format on

    if (!m_numLock || !m_numLock->IsAvailable()) {
        for (QRadioButton* option : {optNormal, optKeepOn, optKeepOff}) {
            option->setEnabled(false);
            option->setToolTip(NumLockUnavailableTip());
        }
    }

    connect(cmbLedType, &QComboBox::currentIndexChanged, this, &AdditionalTab::cmbLedType_Click);
    connect(cmbCurrency, &QComboBox::currentTextChanged, this, &AdditionalTab::ShowMoneyPreview);
    connect(cmbGrouping, &QComboBox::currentIndexChanged, this, &AdditionalTab::ShowMoneyPreview);
    connect(cmdResetKeys, &QPushButton::clicked, this, &AdditionalTab::cmdResetKeys_Click);
}

QString AdditionalTab::NumLockUnavailableTip()
{
    return tr("This desktop does not let programs hold NumLock.");
}

void AdditionalTab::Load(const AppSettings& settings)
{
    chkAskPaddle->setChecked(settings.AskPaddle);
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
    SelectMoney(settings.Currency, settings.Grouping);
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
    if (MoneyFormat::IsCurrency(cmbCurrency->currentText()))
        settings.Currency = cmbCurrency->currentText();
    settings.Grouping = cmbGrouping->currentData().toString();
    settings.AskPaddle = chkAskPaddle->isChecked();
}

void AdditionalTab::SelectMoney(const QString& currency, const QString& grouping)
{
    cmbCurrency->setCurrentText(currency);
    cmbGrouping->setCurrentIndex(std::max(0, cmbGrouping->findData(grouping)));
    ShowMoneyPreview();
}

void AdditionalTab::ShowMoneyPreview()
{
    lblMoneySample->setText(
        MoneyFormat{cmbCurrency->currentText(), cmbGrouping->currentData().toString()}.Text(SampleAmount));
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
    SelectMoney(MoneyFormat::DefaultCurrency, MoneyFormat::DefaultGrouping);
}
