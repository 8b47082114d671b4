// Memory over a long session: random keys on the scoreboard, with the lot editor and the options
// dialog opened, typed into and closed again all the while, and the help window (F1), the results
// window (F4) and the audience screen (F12) opened and closed now and then (offscreen with two
// screens unless a platform is given, every question answered by the prompts seam). What a window
// or a cache keeps shows as resident memory that keeps growing. On a display (xcb) the questions are
// real dialogs, closed as soon as they are up.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"
#include "help/frmHelp.h"

#include <QApplication>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int WarmUpKeys = 20000;
constexpr int SoakKeys = 200000;
constexpr int KeysInADialog = 12;

double residentMegabytes()
{
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        long size = 0;
        if (std::fscanf(statm, "%ld %ld", &size, &pages) != 2)
            pages = 0;
        std::fclose(statm);
    }
    return static_cast<double>(pages) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

const Qt::Key BoardKeys[] = {Qt::Key_Up,  Qt::Key_Up,        Qt::Key_Down, Qt::Key_Right,  Qt::Key_Left,
                             Qt::Key_1,   Qt::Key_5,         Qt::Key_0,    Qt::Key_Return, Qt::Key_Space,
                             Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_F2,   Qt::Key_F3};
// One key in this many opens or closes one of the windows beside the board.
constexpr int WindowKeyEvery = 100;
const Qt::Key WindowKeys[] = {Qt::Key_F1, Qt::Key_F4, Qt::Key_F12};
// The help and results windows stay open for up to this many keys, as the operator glances at them.
constexpr int MostKeysOpen = 50;
const Qt::Key DialogKeys[] = {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Up, Qt::Key_Space, Qt::Key_C,
                              Qt::Key_D,   Qt::Key_A,    Qt::Key_S,  Qt::Key_7,     Qt::Key_Return};

class Soak
{
public:
    Soak() : m_settings(m_store), m_board(m_settings), m_sale(m_saleDirectory.path())
    {
        m_settings.LoadAllSettings();
        m_sale.Open();
        m_board.setSale(&m_sale);
        m_board.setLotEditorOpener([this] {
            frmLots editor(m_settings, &m_board);
            runDialog(editor);
        });
        m_board.setOptionsOpener([this] {
            frmOptions options(m_settings, nullptr, &m_board);
            runDialog(options);
        });
        // As the program opens it: one window, freed when it closes.
        m_board.setHelpOpener([this] {
            if (!m_help) {
                m_help = new frmHelp(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
                m_help->setAttribute(Qt::WA_DeleteOnClose);
            }
            m_help->show();
        });
        m_board.show();
        QApplication::setActiveWindow(&m_board);
    }

    void press(int keys)
    {
        for (int n = 0; n < keys; ++n) {
            Qt::Key key = BoardKeys[m_random.bounded(static_cast<int>(std::size(BoardKeys)))];
            if (m_random.bounded(WindowKeyEvery) == 0) {
                key = WindowKeys[m_random.bounded(static_cast<int>(std::size(WindowKeys)))];
                ++m_windows;
                if (m_closeIn <= 0)
                    m_closeIn = 1 + m_random.bounded(MostKeysOpen);
            }
            // The board's own focus, which a closed dialog hands back.
            QWidget* target = m_board.focusWidget() ? m_board.focusWidget() : &m_board;
            QTest::keyClick(target, key);
            if (m_closeIn > 0 && --m_closeIn == 0)
                closeSideWindows();
            if (n % 64 == 0)
                QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }

private:
    // The help and results windows closed with their close boxes; the audience screen goes with F12.
    void closeSideWindows()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != &m_board && window->isVisible() && !window->inherits("frmAudience") &&
                !qobject_cast<QDialog*>(window))
                window->close();
        }
        // What the event loop frees once a window has closed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A dialog as the operator meets it: shown, a few keys with Alt held now and then, closed.
    void runDialog(QDialog& dialog)
    {
        ++m_dialogs;
        dialog.show();
        for (int n = 0; n < KeysInADialog; ++n) {
            const Qt::Key key = DialogKeys[m_random.bounded(static_cast<int>(std::size(DialogKeys)))];
            const Qt::KeyboardModifiers modifiers = m_random.bounded(3) == 0 ? Qt::AltModifier : Qt::NoModifier;
            QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            QTest::keyClick(target, key, modifiers);
            Prompts::clear(); // the answers asked are recorded; a long session would keep them all
        }
        dialog.close();
        QCoreApplication::processEvents();
    }

    MemorySettingsStore m_store;
    AppSettings m_settings;
    frmScoreboard m_board;
    QTemporaryDir m_saleDirectory;
    SaleJournal m_sale;
    QPointer<frmHelp> m_help;
    QRandomGenerator m_random{18};
    int m_closeIn = 0;

public:
    int m_dialogs = 0;
    int m_windows = 0;
};

} // namespace

int main(int argc, char** argv)
{
    // The operator's screen and a projector, so that F12 opens the audience screen.
    QTemporaryFile screens;
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [
        {"name": "laptop", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "projector", "x": 1920, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}
    ]})");
    screens.flush();
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool offscreen = platform.isEmpty() || platform == "offscreen";
    if (offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    const QByteArray suffix = offscreen ? QByteArray() : "." + QGuiApplication::platformName().toLatin1();
    // Offscreen the seam answers every question; on a real display the real message boxes, file
    // dialogs and colour picker open and are closed again as their close boxes would.
    QTimer closer;
    int prompts = 0;
    if (offscreen) {
        Prompts::setTestMode(true);
    } else {
        closer.callOnTimeout([&prompts] {
            // The setup dialogs are driven by the soak itself; a question over one is not.
            auto* prompt = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (prompt && !prompt->inherits("frmLots") && !prompt->inherits("frmOptions")) {
                prompt->reject();
                ++prompts;
            }
        });
        closer.start(2);
    }
    Soak soak;
    soak.press(WarmUpKeys);
    const double before = residentMegabytes();
    // The curve on the way, to tell a level from a slow climb.
    constexpr int Steps = 10;
    for (int step = 1; step <= Steps; ++step) {
        soak.press(SoakKeys / Steps);
        std::fprintf(stderr, "soak: %d keys, %.1f MB\n", step * (SoakKeys / Steps), residentMegabytes());
    }
    const double after = residentMegabytes();
    std::printf("BENCH soak.rss_growth.200k_keys%s %.2f MB\n", suffix.constData(), after - before);
    std::fprintf(stderr,
                 "soak: %d dialogs, %d side windows and %d real questions opened or closed, %.1f MB resident at "
                 "the end\n",
                 soak.m_dialogs, soak.m_windows, prompts, after);
    return 0;
}
