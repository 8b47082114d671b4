#include "setup/LiveFeedTab.h"

#include "common/DesignLayout.h"
#include "common/Frame.h"
#include "common/Prompts.h"
#include "feed/frmLiveFeed.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>

namespace {

// Below 1024 a port needs the administrator's rights.
constexpr int LowestPort = 1024;
constexpr int HighestPort = 65535;

} // namespace

LiveFeedTab::LiveFeedTab(QTabWidget* tabs) : OptionsTabPage(tabs)
{
    QWidget* tab = face();
    fraFeed = new Frame(tr("Live Feed:"), tab);
    chkFeedOn = new QCheckBox(tr("&Serve the board on this computer's network"), fraFeed);
    lblPort = new QLabel(tr("Port:"), fraFeed);
    txtPort = new QSpinBox(fraFeed);
    txtPort->setRange(LowestPort, HighestPort);
    txtPort->setAccessibleName(tr("Port of the live feed"));
    lblPort->setBuddy(txtPort);
    lblCode = new QLabel(tr("Access code:"), fraFeed);
    lblCodeValue = new QLabel(fraFeed);
    QFont codeFont = lblCodeValue->font();
    codeFont.setBold(true);
    codeFont.setPointSizeF(codeFont.pointSizeF() * 1.5);
    lblCodeValue->setFont(codeFont);
    lblCodeValue->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdNewCode = new QPushButton(tr("&New Code"), fraFeed);
    cmdShowFeed = new QPushButton(tr("Live Feed &Window..."), fraFeed);
    fraMqtt = new Frame(tr("MQTT Broker (optional):"), tab);
    lblBroker = new QLabel(tr("Broker:"), fraMqtt);
    txtBroker = new QLineEdit(fraMqtt);
    txtBroker->setMaxLength(253);
    txtBroker->setAccessibleName(tr("MQTT broker address"));
    lblBroker->setBuddy(txtBroker);
    lblMqttPort = new QLabel(tr("Port:"), fraMqtt);
    txtMqttPort = new QSpinBox(fraMqtt);
    txtMqttPort->setRange(1, HighestPort);
    txtMqttPort->setAccessibleName(tr("Port of the MQTT broker"));
    lblMqttPort->setBuddy(txtMqttPort);
    lblPrefix = new QLabel(tr("Topic prefix:"), fraMqtt);
    txtPrefix = new QLineEdit(fraMqtt);
    // MQTT's wildcards cannot be published to.
    txtPrefix->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^#+/][^#+]{0,200}")), txtPrefix));
    lblPrefix->setBuddy(txtPrefix);
    lblUser = new QLabel(tr("User:"), fraMqtt);
    txtUser = new QLineEdit(fraMqtt);
    lblUser->setBuddy(txtUser);
    lblPassword = new QLabel(tr("Password:"), fraMqtt);
    txtPassword = new QLineEdit(fraMqtt);
    txtPassword->setEchoMode(QLineEdit::Password);
    lblPassword->setBuddy(txtPassword);

    // clang-format off
    DesignLayout::Place({
        {fraFeed,      u"fraFeed",       240,  600, 5595, 2160},
        {chkFeedOn,    u"chkFeedOn",     120,  300, 5235,  315},
        {lblPort,      u"lblPort",       120,  720, 1335,  255},
        {txtPort,      u"txtPort",      1500,  660,  975,  315},
        {lblCode,      u"lblCode",       120, 1140, 1335,  255},
        {lblCodeValue, u"lblCodeValue", 1500, 1080, 1335,  375},
        {cmdNewCode,   u"cmdNewCode",   2955, 1080, 1215,  375},
        {cmdShowFeed,  u"cmdShowFeed",   120, 1620, 2055,  375},
        {fraMqtt,      u"fraMqtt",       240, 2880, 5595, 2220},
        {lblBroker,    u"lblBroker",     120,  360, 1335,  255},
        {txtBroker,    u"txtBroker",    1500,  300, 2655,  315},
        {lblMqttPort,  u"lblMqttPort",  4275,  360,  495,  255},
        {txtMqttPort,  u"txtMqttPort",  4800,  300,  675,  315},
        {lblPrefix,    u"lblPrefix",     120,  780, 1335,  255},
        {txtPrefix,    u"txtPrefix",    1500,  720, 2655,  315},
        {lblUser,      u"lblUser",       120, 1200, 1335,  255},
        {txtUser,      u"txtUser",      1500, 1140, 2655,  315},
        {lblPassword,  u"lblPassword",   120, 1620, 1335,  255},
        {txtPassword,  u"txtPassword",  1500, 1560, 2655,  315},
    }, tabs);
    // clang-format on

    connect(chkFeedOn, &QCheckBox::toggled, this, &LiveFeedTab::chkFeedOn_Click);
    connect(cmdNewCode, &QPushButton::clicked, this, &LiveFeedTab::cmdNewCode_Click);
    connect(cmdShowFeed, &QPushButton::clicked, this, &LiveFeedTab::cmdShowFeed_Click);
}

void LiveFeedTab::Load(const SettingsStore& store)
{
    m_loaded = FeedSettings::Load(store);
    chkFeedOn->setChecked(m_loaded.enabled);
    txtPort->setValue(m_loaded.port);
    // Made on first use; stored only when the feed is turned on.
    lblCodeValue->setText(m_loaded.accessCode.isEmpty() ? FeedSettings::NewAccessCode() : m_loaded.accessCode);
    txtBroker->setText(m_loaded.mqttBroker);
    txtMqttPort->setValue(m_loaded.mqttPort);
    txtPrefix->setText(m_loaded.mqttPrefix);
    txtUser->setText(m_loaded.mqttUser);
    txtPassword->setText(m_loaded.mqttPassword);
    chkFeedOn_Click();
}

FeedSettings LiveFeedTab::Pending() const
{
    FeedSettings settings = m_loaded;
    settings.enabled = chkFeedOn->isChecked();
    settings.port = static_cast<quint16>(txtPort->value());
    settings.accessCode = lblCodeValue->text();
    settings.mqttBroker = txtBroker->text().trimmed();
    settings.mqttPort = static_cast<quint16>(txtMqttPort->value());
    const QString prefix = txtPrefix->text().trimmed();
    settings.mqttPrefix = FeedSettings::IsTopicPrefix(prefix) ? prefix : FeedSettings::DefaultMqttPrefix;
    settings.mqttUser = txtUser->text();
    settings.mqttPassword = txtPassword->text();
    return settings;
}

bool LiveFeedTab::Commit(SettingsStore& store) const
{
    const FeedSettings pending = Pending();
    // A user who never turns the feed on finds nothing of it in the settings.
    if (!pending.enabled && !FeedSettings::IsStored(store))
        return true;
    if (pending == m_loaded)
        return true;
    return pending.Save(store);
}

void LiveFeedTab::chkFeedOn_Click()
{
    const bool on = chkFeedOn->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{lblPort, txtPort, lblCode, lblCodeValue, cmdNewCode, fraMqtt})
        control->setEnabled(on);
}

void LiveFeedTab::cmdNewCode_Click()
{
    if (!Prompts::Confirm(this, tr("Replace the access code? Everyone who follows the feed will need the new one."),
                          Prompts::Icon::Question, tr("New Access Code")))
        return;
    QString code;
    do
        code = FeedSettings::NewAccessCode();
    while (code == lblCodeValue->text());
    lblCodeValue->setText(code);
}

void LiveFeedTab::cmdShowFeed_Click()
{
    frmLiveFeed window(m_feed, this);
    window.exec();
}
