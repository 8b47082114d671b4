#pragma once

#include <QDialog>
#include <QImage>

class LiveFeed;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// "Live Feed": where the board can be followed (the feed's addresses on each network interface),
// a QR code of the phone page, how many follow it now, and the access code. It only shows; the
// options turn the feed on and off.
class frmLiveFeed : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 7800;
    static constexpr int ClientHeight = 5160;

    // feed: null shows the feed as off.
    explicit frmLiveFeed(LiveFeed* feed, QWidget* parent = nullptr);

    // The phone page's address on the first address other computers can use.
    QString PhoneAddress() const;
    // The QR code as drawn: black modules on white with a quiet zone, `module` pixels each.
    static QImage QrImage(const QString& text, int module);

    // Reads the feed again: addresses, viewers, code, broker.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void cmdClose_Click();

    LiveFeed* m_feed;
    QTimer* m_refresh = nullptr;
    QString m_shownAddresses;
    QLabel* lblStatus = nullptr;
    QLabel* lblAddresses = nullptr;
    QPlainTextEdit* txtAddresses = nullptr;
    QLabel* picQr = nullptr;
    QLabel* lblQr = nullptr;
    QLabel* lblViewers = nullptr;
    QLabel* lblAccessCode = nullptr;
    QLabel* lblMqtt = nullptr;
    QPushButton* cmdClose = nullptr;
};
