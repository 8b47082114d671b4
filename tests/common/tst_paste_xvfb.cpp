// Pasting into the text boxes on a real X server, whose clipboard may have no owner at all.
#include "common/PasteGuard.h"
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "setup/frmLots.h"
#include "support/XvfbServer.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

const char* const OwnerVariable = "GAVELOR_TEST_CLIPBOARD_OWNER";

// Run as a separate client: takes the clipboard with the given text and keeps it until killed.
int OwnClipboard(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        QGuiApplication::clipboard()->setText(qEnvironmentVariable(OwnerVariable));
        std::printf("owned %d\n", QGuiApplication::clipboard()->ownsClipboard());
        std::fflush(stdout);
    });
    return QApplication::exec();
}

} // namespace

class tst_PasteXvfb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pasteTakesOnlyWhatIsThere_data();
    void pasteTakesOnlyWhatIsThere();

private:
    bool startOwner(const QString& text);
    void stopOwner();
    static bool xdotool(const QStringList& arguments);

    MemorySettingsStore m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<frmLots> m_editor;
    QProcess m_owner;
};

bool tst_PasteXvfb::startOwner(const QString& text)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(OwnerVariable), text);
    m_owner.setProcessEnvironment(environment);
    m_owner.start(QCoreApplication::applicationFilePath(), {});
    if (!m_owner.waitForStarted(10000))
        return false;
    QByteArray out;
    while (!(out += m_owner.readAllStandardOutput()).contains("owned")) {
        if (!m_owner.waitForReadyRead(20000))
            return false;
    }
    return true;
}

bool tst_PasteXvfb::xdotool(const QStringList& arguments)
{
    // The server is the one the test main started; DISPLAY points at it.
    QProcess client;
    client.start(QStringLiteral("xdotool"), arguments);
    return client.waitForFinished(20000) && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

void tst_PasteXvfb::stopOwner()
{
    // Killed, as a program that crashes or is ended: it never hands the clipboard over.
    m_owner.kill();
    m_owner.waitForFinished(10000);
}

void tst_PasteXvfb::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    Prompts::setTestMode(true);
    PasteGuard::Install();
    m_settings = std::make_unique<AppSettings>(m_store);
    m_editor = std::make_unique<frmLots>(*m_settings);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    // No window manager: the test gives the window the focus itself.
    m_editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
    QTest::mouseClick(m_editor->findChild<QPushButton*>(QStringLiteral("cmdNew")), Qt::LeftButton);
}

void tst_PasteXvfb::cleanupTestCase()
{
    stopOwner();
    m_editor.reset();
}

void tst_PasteXvfb::pasteTakesOnlyWhatIsThere_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("owner"); // "none", "live" or "exited"
    QTest::addColumn<QString>("expected");

    for (const char* box : {"txtLotNumber", "txtLotAmount", "txtLotNote"}) {
        QTest::addRow("%s, no owner", box) << QString::fromLatin1(box) << "none"
                                           << "1";
        QTest::addRow("%s, owner alive", box) << QString::fromLatin1(box) << "live"
                                              << "12";
        QTest::addRow("%s, owner exited", box) << QString::fromLatin1(box) << "exited"
                                               << "1";
    }
}

void tst_PasteXvfb::pasteTakesOnlyWhatIsThere()
{
    QFETCH(QString, box);
    QFETCH(QString, owner);
    QFETCH(QString, expected);

    stopOwner();
    if (owner != QLatin1String("none"))
        QVERIFY(startOwner(QStringLiteral("2")));
    if (owner == QLatin1String("exited"))
        stopOwner();

    QWidget* target = m_editor->findChild<QWidget*>(box);
    QVERIFY(target);
    auto text = [&] {
        if (auto* line = qobject_cast<QLineEdit*>(target))
            return line->text();
        return static_cast<QPlainTextEdit*>(target)->toPlainText();
    };
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->clear();
    else
        static_cast<QPlainTextEdit*>(target)->clear();
    // Real key presses and a real middle click through the X server, as the operator's.
    const QPoint middle = target->mapToGlobal(target->rect().center());
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("1"), QStringLiteral("ctrl+v"),
                     QStringLiteral("shift+Insert"), QStringLiteral("mousemove"), QString::number(middle.x()),
                     QString::number(middle.y()), QStringLiteral("click"), QStringLiteral("2")}));
    QTRY_COMPARE(text().left(2), expected);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(OwnerVariable))
        return OwnClipboard(argc, argv);
    tst_PasteXvfb test;
    return RunOnXvfb(argc, argv, &test);
}

#include "tst_paste_xvfb.moc"
