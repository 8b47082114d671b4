// Pasting into the text boxes on a real X server, whose clipboard may have no owner at all.
#include "common/Prompts.h"
#include "platform/PasteGuard.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/frmScoreboard.h"
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
        // "repeat:N" stands for a word of N letters, too long for the environment.
        QString text = qEnvironmentVariable(OwnerVariable);
        if (text.startsWith(QLatin1String("repeat:")))
            text = QString(text.mid(7).toInt(), u'w');
        QGuiApplication::clipboard()->setText(text);
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
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
    void longPasteIsCutToTheBox_data();
    void longPasteIsCutToTheBox();

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

void tst_PasteXvfb::longPasteIsCutToTheBox_data()
{
    QTest::addColumn<bool>("onBoard");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("keys"); // xdotool's words; "middle" clicks the box's middle
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");
    QTest::newRow("lot note: Ctrl+V, then Shift+Insert, of 5 MB")
        << false << QStringLiteral("txtLotNote")
        << QStringList{QStringLiteral("key"), QStringLiteral("ctrl+v"), QStringLiteral("shift+Insert")} << (5 << 20)
        << int(frmLots::LotNoteMaxLength);
    QTest::newRow("board note: 300 KB by middle click")
        << true << QStringLiteral("txtNote") << QStringList{QStringLiteral("middle")} << 300000
        << PasteGuard::DefaultLimit;
    QTest::newRow("lot number: 5 MB by Ctrl+V")
        << false << QStringLiteral("txtLotNumber") << QStringList{QStringLiteral("key"), QStringLiteral("ctrl+v")}
        << (5 << 20) << int(frmLots::LotNumberMaxLength);
}

void tst_PasteXvfb::longPasteIsCutToTheBox()
{
    QFETCH(bool, onBoard);
    QFETCH(QString, box);
    QFETCH(QStringList, keys);
    QFETCH(int, length);
    QFETCH(int, expected);

    stopOwner();
    QVERIFY(startOwner(QStringLiteral("repeat:%1").arg(length)));
    std::unique_ptr<frmScoreboard> board;
    QWidget* window = m_editor.get();
    if (onBoard) {
        board = std::make_unique<frmScoreboard>(*m_settings);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        window = board.get();
    }
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* target = window->findChild<QWidget*>(box);
    QVERIFY(target);
    auto text = [&] {
        if (auto* line = qobject_cast<QLineEdit*>(target))
            return line->text();
        return static_cast<QPlainTextEdit*>(target)->toPlainText();
    };
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->clear();
    else
        static_cast<QPlainTextEdit*>(target)->clear();
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    if (keys.first() == QLatin1String("middle")) {
        const QPoint middle = target->mapToGlobal(target->rect().center());
        keys = QStringList{QStringLiteral("mousemove"), QString::number(middle.x()), QString::number(middle.y()),
                           QStringLiteral("click"), QStringLiteral("2")};
    }
    QVERIFY(xdotool(keys));
    // Cut before it is inserted: the box takes the head of the word, at once.
    QTRY_COMPARE_WITH_TIMEOUT(text().size(), expected, 20000);
    QVERIFY(text().startsWith(QStringLiteral("www")));
    stopOwner();
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(OwnerVariable))
        return OwnClipboard(argc, argv);
    tst_PasteXvfb test;
    return RunOnXvfb(argc, argv, &test);
}

#include "tst_paste_xvfb.moc"
