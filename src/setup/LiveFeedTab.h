#pragma once

#include "feed/FeedSettings.h"
#include "setup/frmOptionsDesign.h"

class LiveFeed;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SettingsStore;

// "Live Feed": the board served to browsers on the house's network (on or off, port, access
// code) and, optionally, published to an MQTT broker. The pending values are the controls'.
class LiveFeedTab : public OptionsTabPage
{
    Q_OBJECT

public:
    explicit LiveFeedTab(QTabWidget* tabs);

    // The running feed, whose window the tab opens; null: the window shows the feed as off.
    void setLiveFeed(LiveFeed* feed) { m_feed = feed; }

    void Load(const SettingsStore& store);
    // Stores the settings once the feed has been turned on, now or before; false when the
    // store could not be written.
    bool Commit(SettingsStore& store) const;
    FeedSettings Pending() const;

private:
    void chkFeedOn_Click();
    void cmdNewCode_Click();
    void cmdShowFeed_Click();

    LiveFeed* m_feed = nullptr;
    FeedSettings m_loaded;

    QGroupBox* fraFeed = nullptr;
    QCheckBox* chkFeedOn = nullptr;
    QLabel* lblPort = nullptr;
    QSpinBox* txtPort = nullptr;
    QLabel* lblCode = nullptr;
    QLabel* lblCodeValue = nullptr;
    QPushButton* cmdNewCode = nullptr;
    QPushButton* cmdShowFeed = nullptr;
    QGroupBox* fraMqtt = nullptr;
    QLabel* lblBroker = nullptr;
    QLineEdit* txtBroker = nullptr;
    QLabel* lblMqttPort = nullptr;
    QSpinBox* txtMqttPort = nullptr;
    QLabel* lblPrefix = nullptr;
    QLineEdit* txtPrefix = nullptr;
    QLabel* lblUser = nullptr;
    QLineEdit* txtUser = nullptr;
    QLabel* lblPassword = nullptr;
    QLineEdit* txtPassword = nullptr;
};
