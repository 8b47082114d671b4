#pragma once

#include "help/frmHelp.h"
#include "records/AppSettings.h"
#include "startup/frmSplash.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class JsonSettingsStore;
class LiveFeed;
class LotPictureLoader;
class frmLiveFeed;
class frmLots;
class NumLockBackend;
class SaleJournal;
class SettingsStore;
class frmScoreboard;

// The run of the program: one set of program-wide values over a settings store, the title
// window, and the scoreboard it leads to. Every window that the title window and the
// scoreboard open is connected here.
class Startup : public QObject
{
    Q_OBJECT

public:
    // arguments: the program's arguments after the program name.
    Startup(SettingsStore& store, QStringList arguments, QObject* parent = nullptr);
    ~Startup() override;

    // Opens the title window, which loads the settings and either waits for the operator
    // or goes straight on to the scoreboard.
    void Begin();

    AppSettings& settings() { return m_settings; }
    // The title window until it has closed.
    frmSplash* splash() const { return m_splash; }
    // The scoreboard once the title window has led to it.
    frmScoreboard* scoreboard() const { return m_scoreboard.get(); }
    // The help window while it is open.
    frmHelp* help() const { return m_help; }
    // The live feed; it serves once the scoreboard is open, if the options turned it on.
    LiveFeed* liveFeed() const { return m_feed.get(); }
    // The lot pictures of the audience screen and the lot editor, from the options' folder.
    LotPictureLoader* lotPictures() const { return m_pictures.get(); }

    static QIcon ApplicationIcon();

    // Brings the front window (the scoreboard, or the title window before it) to the front and to
    // the top, with a setup window open over it still above it. Asked by a later start.
    void BringToFront();

    // Ends the run as the operator would: every open dialog closed as its close box would, the
    // topmost first (the lot editor commits and stores, the options dialog is cancelled), then the
    // windows. Asked by SIGTERM, SIGHUP and SIGINT, and by the scoreboard's close box while a
    // dialog is open over it.
    void EndFromOutside();

    // The whole program: application, settings store in the user's configuration, title
    // window, event loop. prepare, if given, sees the run before the title window loads.
    // moduleDirectory: where the program's loadable modules are, when not beside the program.
    static int Run(int argc, char* argv[], const std::function<void(Startup&)>& prepare = {},
                   const QString& moduleDirectory = {});

    // Messages for the operator before any window is up: a settings file that could not be read,
    // and a running copy that does not answer a second start.
    static void TellUnreadableSettings(const JsonSettingsStore& store);
    static void TellRunningCopySilent(const QString& settingsFile);
    // Sale journals set aside at start with what was recovered from them, and a sales folder
    // that another copy writes.
    static void TellJournals(const SaleJournal& sale);

signals:
    // The scoreboard has been created and is about to be shown.
    void ScoreboardOpened(frmScoreboard* window);
    // BringToFront has raised window.
    void BroughtToFront(QWidget* window);

private:
    void OpenScoreboard();
    void OpenHelp();
    void OpenOptions(QWidget* owner);
    void OpenLotEditor(QWidget* owner);
    void OpenLiveFeed();
    // Hands the pictures' loader the folder the options name and the lots' own pictures.
    void UpdateLotPictures();
    void EndRun();
    // The display has gone: what the open windows hold is kept now, as closing them would.
    void KeepOpenWork();
    // One step of EndFromOutside; waitLevel: the event loop depth to get back under first.
    void CloseNextWindow(int step, int waitLevel);

    AppSettings m_settings;
    // The keyboard whose NumLock the scoreboard and the options dialog hold.
    std::unique_ptr<NumLockBackend> m_numLock;
    QPointer<frmSplash> m_splash;
    // The sale's journal outlives the scoreboard that records into it.
    std::unique_ptr<SaleJournal> m_sale;
    std::unique_ptr<LiveFeed> m_feed;
    std::unique_ptr<LotPictureLoader> m_pictures;
    std::unique_ptr<frmScoreboard> m_scoreboard;
    QPointer<frmHelp> m_help;
    QPointer<frmLiveFeed> m_feedWindow;
    // The lot editor while it is open.
    QPointer<frmLots> m_lotEditor;
    bool m_ending = false;
};
