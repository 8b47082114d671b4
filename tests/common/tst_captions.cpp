// Every caption of every window is whole in its box: button captions and label texts, on
// the offscreen platform at 96 dpi and once more at a scale factor of 2, in the language that
// LANG names (CTest runs it in English and in every translated language).
#include "common/CaptionButton.h"
#include "common/Prompts.h"
#include "common/Translations.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleController.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"
#include "startup/frmSplash.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_Captions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsAreWhole_data();
    void captionsAreWhole();
    void longCaptionWrapsWithinItsBox();

private:
    std::unique_ptr<QWidget> makeWindow(const QString& which);

    MemorySettingsStore m_store;
    std::unique_ptr<AppSettings> m_settings;
    QTemporaryDir m_saleDirectory;
    std::unique_ptr<SaleJournal> m_journal;
    std::unique_ptr<SaleController> m_sale;
};

void tst_Captions::initTestCase()
{
    Prompts::setTestMode(true);
    m_settings = std::make_unique<AppSettings>(m_store);
    m_journal = std::make_unique<SaleJournal>(m_saleDirectory.path());
    m_sale = std::make_unique<SaleController>(*m_settings);
    m_sale->setJournal(m_journal.get());
    // Four-digit lot counts are the widest "Total Lots" text the editor meets in practice.
    for (int n = 1; n <= 1000; ++n) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = n;
        m_settings->LotList->Add(lot, 0);
    }
}

std::unique_ptr<QWidget> tst_Captions::makeWindow(const QString& which)
{
    if (which == QLatin1String("scoreboard"))
        return std::make_unique<frmScoreboard>(*m_settings);
    if (which == QLatin1String("title"))
        return std::make_unique<frmSplash>(*m_settings, QStringList{});
    if (which == QLatin1String("results"))
        return std::make_unique<frmResults>(*m_sale, *m_settings);
    if (which == QLatin1String("options"))
        return std::make_unique<frmOptions>(*m_settings, nullptr);
    return std::make_unique<frmLots>(*m_settings);
}

void tst_Captions::captionsAreWhole_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"scoreboard", "title", "lot editor", "options", "results"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void tst_Captions::captionsAreWhole()
{
    QFETCH(QString, window);
    const std::unique_ptr<QWidget> shown = makeWindow(window);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));

    QStringList cutOff;
    for (const QPushButton* button : shown->findChildren<QPushButton*>()) {
        const auto* wrapping = qobject_cast<const CaptionButton*>(button);
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect box = wrapping ? wrapping->CaptionBox()
                                   : button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFont font = wrapping ? wrapping->CaptionFont() : button->font();
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic | (wrapping ? Qt::TextWordWrap : 0);
        const QRect needed = QFontMetrics(font, button).boundingRect(box, flags, button->text());
        if (!box.contains(needed) || font.pointSizeF() < 6)
            cutOff << button->objectName();
    }
    for (const QLabel* label : shown->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(shown.get()))
            continue;
        const QRect box = label->contentsRect();
        const int flags = int(label->alignment()) | Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(box, flags, label->text());
        if (!box.contains(needed))
            cutOff << label->objectName();
    }
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(QLatin1String(", "))));
}

// "Do&ne Editing Lots" is wider than its button: it goes onto two lines at full size.
void tst_Captions::longCaptionWrapsWithinItsBox()
{
    QWidget window;
    CaptionButton button(QStringLiteral("Do&ne Editing Lots"), &window);
    button.setFont(QFont(QStringLiteral("Arial"), 8));
    const QFontMetrics metrics(button.font(), &button);
    const int oneLine = metrics.size(Qt::TextShowMnemonic, button.text()).width();
    button.setGeometry(0, 0, oneLine * 3 / 4, metrics.height() * 3);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(button.CaptionFont(), button.font());

    // Drawn: ink on two lines, none left or right of the box.
    QImage image(button.size(), QImage::Format_RGB32);
    button.render(&image);
    const QRect box = button.CaptionBox();
    const QRgb face = image.pixel(box.left() + 1, box.top() + 1);
    int top = image.height(), bottom = -1, left = image.width(), right = -1;
    for (int y = box.top() + 2; y < box.bottom() - 1; ++y) {
        for (int x = box.left() + 2; x < box.right() - 1; ++x) {
            if (image.pixel(x, y) != face) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY(bottom - top + 1 > metrics.height());
    QVERIFY(right - left + 1 < oneLine);

    // In a box too small for two lines at full size, the caption gets smaller instead.
    button.resize(oneLine * 3 / 4, metrics.height() + 4);
    QVERIFY(button.CaptionFont().pointSizeF() < button.font().pointSizeF());
}

// Runs the cases, then once more in a child at a scale factor of 2.
int main(int argc, char** argv)
{
    // On a private X server when asked: the fonts and metrics that xcb windows get.
    std::unique_ptr<XvfbServer> server;
    if (qEnvironmentVariableIsSet("GAVELOR_CAPTIONS_XVFB")) {
        server = std::make_unique<XvfbServer>();
        if (!server->isRunning()) {
            qCritical("%s", qPrintable(server->error()));
            return 1;
        }
        qputenv("DISPLAY", server->display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    if (server && QGuiApplication::platformName() != QLatin1String("xcb"))
        return 1;
    const QString language = Translations::Install();
    // A language that CTest asks for must really be loaded, or the run would check English again.
    const QString wanted = qEnvironmentVariable("GAVELOR_CAPTIONS_LANGUAGE");
    if (language != wanted) {
        qCritical("loaded language '%s', wanted '%s'", qPrintable(language), qPrintable(wanted));
        return 1;
    }
    tst_Captions test;
    const int status = QTest::qExec(&test, argc, argv);
    if (qEnvironmentVariableIsSet("GAVELOR_CAPTIONS_SCALED"))
        return status;
    QProcess scaled;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    environment.insert(QStringLiteral("GAVELOR_CAPTIONS_SCALED"), QStringLiteral("1"));
    // The child draws on this process's X server, when there is one.
    environment.remove(QStringLiteral("GAVELOR_CAPTIONS_XVFB"));
    scaled.setProcessEnvironment(environment);
    scaled.setProcessChannelMode(QProcess::ForwardedChannels);
    scaled.start(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
    if (!scaled.waitForFinished(300000) || scaled.exitStatus() != QProcess::NormalExit)
        return 1;
    return status != 0 ? status : scaled.exitCode();
}

#include "tst_captions.moc"
