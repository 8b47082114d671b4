// Memory over a long session: random keys on the scoreboard, with the lot editor and the options
// dialog opened, typed into and closed again all the while (offscreen, every question answered by
// the prompts seam). What a window or a cache keeps shows as resident memory that keeps growing.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

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
const Qt::Key DialogKeys[] = {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Up, Qt::Key_Space, Qt::Key_C,
                              Qt::Key_D,   Qt::Key_A,    Qt::Key_S,  Qt::Key_7,     Qt::Key_Return};

class Soak
{
public:
    Soak() : m_settings(m_store), m_board(m_settings)
    {
        m_settings.LoadAllSettings();
        m_board.setLotEditorOpener([this] {
            frmLots editor(m_settings, &m_board);
            runDialog(editor);
        });
        m_board.setOptionsOpener([this] {
            frmOptions options(m_settings, nullptr, &m_board);
            runDialog(options);
        });
        m_board.setHelpOpener([] {});
        m_board.show();
        QApplication::setActiveWindow(&m_board);
    }

    void press(int keys)
    {
        for (int n = 0; n < keys; ++n) {
            const Qt::Key key = BoardKeys[m_random.bounded(static_cast<int>(std::size(BoardKeys)))];
            // The board's own focus, which a closed dialog hands back.
            QWidget* target = m_board.focusWidget() ? m_board.focusWidget() : &m_board;
            QTest::keyClick(target, key);
            if (n % 64 == 0)
                QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }

private:
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
    QRandomGenerator m_random{18};

public:
    int m_dialogs = 0;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Prompts::setTestMode(true);
    Soak soak;
    soak.press(WarmUpKeys);
    const double before = residentMegabytes();
    soak.press(SoakKeys);
    const double after = residentMegabytes();
    std::printf("BENCH soak.rss_growth.200k_keys %.2f MB\n", after - before);
    std::fprintf(stderr, "soak: %d dialogs opened and closed, %.1f MB resident at the end\n", soak.m_dialogs, after);
    return 0;
}
