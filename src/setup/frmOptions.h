#pragma once

#include "currency/CurrencyBoard.h"
#include "feed/FeedSettings.h"

#include <QDialog>

class AdditionalTab;
class AppSettings;
class ColorTab;
class CurrenciesTab;
class PictureFolderFrame;
class IncrementTab;
class LiveFeed;
class LiveFeedTab;
class NumLockBackend;
class QPushButton;
class QTabWidget;

// The options dialog: colours, increment ranges and additional settings on three tabs.
// It edits pending values only; OK puts them into the program-wide values and stores them,
// Cancel, Esc and the close box drop them. Each opening starts from the program-wide
// values on "Color Controls".
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 6405;
    static constexpr int ClientHeight = 6000;

    // numLock: where a keep option takes effect at OK; null, or one that cannot hold
    // NumLock, leaves the NumLock options unavailable.
    frmOptions(AppSettings& settings, NumLockBackend* numLock, QWidget* parent = nullptr);

    static QString SaveFailedMessage();

    // The running live feed, whose window the Live Feed tab opens.
    void setLiveFeed(LiveFeed* feed);
    // The live feed's settings as the dialog shows them.
    FeedSettings feedSettings() const;
    // The currency board in force after OK; as it was loaded otherwise.
    CurrencyBoard currencyBoard() const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void Form_Load();
    void Form_Activate();
    void cmdOk_Click();
    void cmdCancel_Click();

    AppSettings& m_settings;
    bool m_needsLoad = false;

    QTabWidget* SSTab1 = nullptr;
    ColorTab* m_colorTab = nullptr;
    IncrementTab* m_incrementTab = nullptr;
    AdditionalTab* m_additionalTab = nullptr;
    LiveFeedTab* m_feedTab = nullptr;
    CurrenciesTab* m_currenciesTab = nullptr;
    PictureFolderFrame* m_pictureFrame = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};
