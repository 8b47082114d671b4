#include "setup/frmOptions.h"

#include "common/ComboAccessible.h"
#include "common/DesignLayout.h"
#include "common/Prompts.h"
#include "common/Twips.h"
#include "records/AppSettings.h"
#include "setup/AdditionalTab.h"
#include "setup/ColorTab.h"
#include "setup/CurrenciesTab.h"
#include "setup/IncrementTab.h"
#include "setup/LiveFeedTab.h"
#include "setup/PictureFolderFrame.h"
#include "setup/frmOptionsDesign.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Five captions share the dialog's width: the tabs take less room on either side of their
// captions than the desktop's style gives them, and nothing else changes.
class CompactTabStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? std::min(value, TabHSpace) : value;
    }

private:
    static constexpr int TabHSpace = 8;
};

} // namespace

frmOptions::frmOptions(AppSettings& settings, NumLockBackend* numLock, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    ComboAccessible::Install();
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Gavelor - Options"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::ToPixels(ClientWidth, this), Twips::ToPixels(ClientHeight, this));
    // Laid out in twips for a small dialog face, like the lot editor.
    setFont(QFont(QStringLiteral("Arial"), 8));

    SSTab1 = new QTabWidget(this);
    m_colorTab = new ColorTab(SSTab1);
    m_incrementTab = new IncrementTab(SSTab1);
    m_additionalTab = new AdditionalTab(SSTab1, numLock);
    m_feedTab = new LiveFeedTab(SSTab1);
    m_currenciesTab = new CurrenciesTab(SSTab1);
    SSTab1->addTab(m_colorTab, tr("Color Controls"));
    SSTab1->addTab(m_incrementTab, tr("Increment Settings"));
    SSTab1->addTab(m_additionalTab, tr("&Additional Settings"));
    SSTab1->addTab(m_feedTab, tr("&Live Feed"));
    SSTab1->addTab(m_currenciesTab, tr("C&urrencies"));
    m_colorTab->setObjectName(QStringLiteral("tabColors"));
    m_incrementTab->setObjectName(QStringLiteral("tabIncrements"));
    m_additionalTab->setObjectName(QStringLiteral("tabAdditional"));
    m_feedTab->setObjectName(QStringLiteral("tabLiveFeed"));
    m_currenciesTab->setObjectName(QStringLiteral("tabCurrencies"));
    // What else the room's screen shows: the lots' pictures, below the rates.
    m_pictureFrame = new PictureFolderFrame(m_currenciesTab);
    DesignLayout::Place({m_pictureFrame, u"fraLotPictures", 240, 3960, PictureFolderFrame::DesignWidth,
                         PictureFolderFrame::DesignHeight},
                        m_currenciesTab);
    auto* tabStyle = new CompactTabStyle(QApplication::style()->name());
    tabStyle->setParent(SSTab1->tabBar());
    SSTab1->tabBar()->setStyle(tabStyle);
    SSTab1->setAccessibleName(tr("Options"));
    for (int tab = 0; tab < SSTab1->count(); ++tab)
        SSTab1->widget(tab)->setAccessibleName(SSTab1->tabText(tab).remove(QLatin1Char('&')));

    cmdOk = new QPushButton(tr("&Ok"), this);
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);

    // clang-format off
    DesignLayout::Place({
        {SSTab1,    u"SSTab1",     180,  120, 6075, 5295},
        {cmdOk,     u"cmdOk",     2002, 5520, 1080,  375},
        {cmdCancel, u"cmdCancel", 3322, 5520, 1080,  375},
    }, this);
    // clang-format on

    connect(cmdOk, &QPushButton::clicked, this, &frmOptions::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);

    Form_Load();
}

QString frmOptions::SaveFailedMessage()
{
    return tr("The options could not be written to the settings file. They stay in use until Gavelor "
              "is closed.");
}

void frmOptions::Form_Load()
{
    m_needsLoad = false;
    SSTab1->setCurrentIndex(0);
    m_colorTab->Load(m_settings);
    m_additionalTab->Load(m_settings);
    m_incrementTab->Load(m_settings);
    m_feedTab->Load(m_settings.store());
    m_currenciesTab->Load(m_settings, m_settings.store());
    m_pictureFrame->Load(m_settings.store());
}

void frmOptions::setLiveFeed(LiveFeed* feed)
{
    m_feedTab->setLiveFeed(feed);
}

FeedSettings frmOptions::feedSettings() const
{
    return m_feedTab->Pending();
}

CurrencyBoard frmOptions::currencyBoard() const
{
    return m_currenciesTab->Committed();
}

void frmOptions::Form_Activate()
{
    cmdOk->setFocus(Qt::ActiveWindowFocusReason);
}

void frmOptions::showEvent(QShowEvent* event)
{
    // Shown again after closing: start afresh from the program-wide values.
    if (m_needsLoad)
        Form_Load();
    QDialog::showEvent(event);
    // Only at opening: a message box or the picker closing over the dialog leaves the focus be.
    if (!event->spontaneous())
        Form_Activate();
}

void frmOptions::done(int result)
{
    m_needsLoad = true;
    QDialog::done(result);
}

void frmOptions::cmdOk_Click()
{
    // Rates that cannot be used are refused before anything is committed; the dialog stays open.
    if (!m_currenciesTab->Validate())
        return;
    m_colorTab->Commit(m_settings);
    m_additionalTab->Commit(m_settings);
    const bool displayStored = m_settings.SaveDisplaySettings();
    const bool incrementsStored = m_incrementTab->Commit(m_settings);
    const bool feedStored = m_feedTab->Commit(m_settings.store());
    const bool currenciesStored = m_currenciesTab->Commit(m_settings.store());
    const bool picturesStored = m_pictureFrame->Commit(m_settings.store());
    // The values are in effect either way; the operator learns once that they will not last.
    if (!displayStored || !incrementsStored || !feedStored || !currenciesStored || !picturesStored)
        Prompts::Inform(this, SaveFailedMessage(), Prompts::Icon::Warning);
    accept();
}

void frmOptions::cmdCancel_Click()
{
    reject();
}
