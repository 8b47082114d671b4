#include "feed/frmLiveFeed.h"

#include "common/DesignLayout.h"
#include "common/Twips.h"
#include "feed/LiveFeed.h"
#include "feed/NetworkAddresses.h"
#include "feed/QrCode.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// Modules of white around the code, as scanners expect.
constexpr int QuietZone = 4;
constexpr int RefreshMs = 1000;

QString Url(const QString& host, quint16 port, const QString& path, const QString& code)
{
    return QStringLiteral("http://%1:%2%3?code=%4").arg(host).arg(port).arg(path, code);
}

} // namespace

frmLiveFeed::frmLiveFeed(LiveFeed* feed, QWidget* parent) : QDialog(parent), m_feed(feed)
{
    setObjectName(QStringLiteral("frmLiveFeed"));
    setWindowTitle(tr("Gavelor - Live Feed"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::ToPixels(ClientWidth, this), Twips::ToPixels(ClientHeight, this));
    setFont(QFont(QStringLiteral("Arial"), 8));

    lblStatus = new QLabel(this);
    lblStatus->setWordWrap(true);
    lblAddresses = new QLabel(tr("Addresses:"), this);
    txtAddresses = new QPlainTextEdit(this);
    txtAddresses->setReadOnly(true);
    txtAddresses->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtAddresses->setAccessibleName(tr("Addresses"));
    lblAddresses->setBuddy(txtAddresses);
    picQr = new QLabel(this);
    picQr->setAlignment(Qt::AlignCenter);
    picQr->setAccessibleName(tr("QR code of the phone page"));
    lblQr = new QLabel(tr("Scan for the phone page"), this);
    lblQr->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblViewers = new QLabel(this);
    lblAccessCode = new QLabel(this);
    lblAccessCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMqtt = new QLabel(this);
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setDefault(true);

    // clang-format off
    DesignLayout::Place({
        {lblStatus,     u"lblStatus",      120,  120, 7560,  495},
        {lblAddresses,  u"lblAddresses",   120,  720, 4560,  255},
        {txtAddresses,  u"txtAddresses",   120, 1020, 4560, 2700},
        {picQr,         u"picQr",         4800,  720, 2880, 2880},
        {lblQr,         u"lblQr",         4800, 3660, 2880,  255},
        {lblViewers,    u"lblViewers",     120, 3900, 4560,  255},
        {lblAccessCode, u"lblAccessCode",  120, 4200, 4560,  255},
        {lblMqtt,       u"lblMqtt",        120, 4500, 6240,  255},
        {cmdClose,      u"cmdClose",      6600, 4620, 1080,  375},
    }, this);
    // clang-format on

    m_refresh = new QTimer(this);
    m_refresh->setInterval(RefreshMs);
    connect(m_refresh, &QTimer::timeout, this, &frmLiveFeed::Refresh);
    connect(cmdClose, &QPushButton::clicked, this, &frmLiveFeed::cmdClose_Click);
    Refresh();
}

QString frmLiveFeed::PhoneAddress() const
{
    if (!m_feed || !m_feed->isServing())
        return {};
    const QList<NetworkAddress> addresses = FeedNetworkAddresses();
    const QString host = addresses.isEmpty() ? QStringLiteral("127.0.0.1") : addresses.first().address;
    return Url(host, m_feed->settings().port, QStringLiteral("/"), m_feed->settings().accessCode);
}

QImage frmLiveFeed::QrImage(const QString& text, int module)
{
    const QrCode code = QrCode::Encode(text.toUtf8());
    if (code.isEmpty() || module < 1)
        return {};
    const int side = (code.size + 2 * QuietZone) * module;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code.size; ++y)
        for (int x = 0; x < code.size; ++x)
            if (code.isDark(x, y))
                painter.fillRect((x + QuietZone) * module, (y + QuietZone) * module, module, module, Qt::black);
    return image;
}

void frmLiveFeed::Refresh()
{
    const bool serving = m_feed && m_feed->isServing();
    if (serving)
        lblStatus->setText(tr("The live feed is on, on port %1.").arg(m_feed->settings().port));
    else if (m_feed && m_feed->settings().enabled && !m_feed->error().isEmpty())
        lblStatus->setText(m_feed->error());
    else
        lblStatus->setText(tr("The live feed is off. It is turned on in the options (F2), on the Live Feed tab."));

    QString addresses;
    if (serving) {
        const FeedSettings& settings = m_feed->settings();
        for (const NetworkAddress& address : FeedNetworkAddresses()) {
            addresses += QStringLiteral("%1 (%2)\n").arg(address.interfaceName, address.address);
            addresses +=
                QStringLiteral("  %1  %2\n")
                    .arg(tr("Phone"), Url(address.address, settings.port, QStringLiteral("/"), settings.accessCode));
            addresses += QStringLiteral("  %1  %2\n")
                             .arg(tr("Board"),
                                  Url(address.address, settings.port, QStringLiteral("/board"), settings.accessCode));
            addresses += QStringLiteral("  %1  %2\n")
                             .arg(tr("Overlay"),
                                  Url(address.address, settings.port, QStringLiteral("/overlay"), settings.accessCode));
        }
    }
    if (addresses != m_shownAddresses) {
        m_shownAddresses = addresses;
        txtAddresses->setPlainText(addresses);
        const QString phone = PhoneAddress();
        const QrCode code = QrCode::Encode(phone.toUtf8());
        if (phone.isEmpty() || code.isEmpty()) {
            picQr->clear();
        } else {
            // Whole pixels per module, as large as the box allows: a scanner reads sharp edges.
            const int module = std::max(1, std::min(picQr->width(), picQr->height()) / (code.size + 2 * QuietZone));
            picQr->setPixmap(QPixmap::fromImage(QrImage(phone, module)));
        }
        picQr->setToolTip(phone);
        lblQr->setVisible(!phone.isEmpty());
    }
    lblViewers->setText(tr("Viewers: %1").arg(m_feed && serving ? m_feed->viewers() : 0));
    const QString code = m_feed ? m_feed->settings().accessCode : QString();
    lblAccessCode->setText(tr("Access code: %1").arg(code.isEmpty() ? tr("none yet") : code));
    if (!m_feed || !m_feed->isMqttConfigured())
        lblMqtt->setText(tr("MQTT broker: none"));
    else if (m_feed->isMqttConnected())
        lblMqtt->setText(tr("MQTT broker: publishing to %1").arg(m_feed->settings().mqttBroker));
    else
        lblMqtt->setText(tr("MQTT broker: connecting to %1").arg(m_feed->settings().mqttBroker));
}

void frmLiveFeed::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_shownAddresses = QStringLiteral("\n");
    Refresh();
    m_refresh->start();
}

void frmLiveFeed::hideEvent(QHideEvent* event)
{
    m_refresh->stop();
    QDialog::hideEvent(event);
}

void frmLiveFeed::cmdClose_Click()
{
    close();
}
