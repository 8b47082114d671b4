#include "startup/Startup.h"

#include "BuildInfo.h"
#include "common/ComboAccessible.h"
#include "common/Prompts.h"
#include "common/Translations.h"
#include "common/WindowAccessible.h"
#include "feed/LiveFeed.h"
#include "feed/frmLiveFeed.h"
#include "help/frmHelp.h"
#include "pictures/LotPictureLoader.h"
#include "pictures/PictureSettings.h"
#include "platform/DisplayLoss.h"
#include "platform/ModalGuard.h"
#include "platform/NumLockBackend.h"
#include "platform/PasteGuard.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "records/JsonSettingsStore.h"
#include "sale/PendingMarks.h"
#include "sale/SaleJournal.h"
#include "sale/frmResults.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"
#include "startup/frmSplash.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

// How long a later start waits for the running copy to answer, which it does from its event loop.
constexpr int RaiseTimeoutMs = 5000;
// A claim that no copy answers for may be one that a killed copy left half written; QLockFile
// takes it over once it is older than the claim's stale time.
constexpr int StaleClaimWaitMs = 3000;

void tell(const QString& message)
{
    std::fprintf(stderr, "gavelor: %s\n", qUtf8Printable(message));
}

// Runs work once the first window has painted its first frame, after what that frame queued.
// What the operator does not need to see the window goes here.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(std::function<void()> work, QObject* parent) : QObject(parent), m_work(std::move(work))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            qApp->removeEventFilter(this);
            // The window's children paint in the same pass; a call posted now runs once it is over,
            // and one posted from there runs after whatever the pass posted.
            QTimer::singleShot(0, this, [this] {
                QTimer::singleShot(0, this, [this] {
                    m_work();
                    deleteLater();
                });
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

static void LoadIconResources()
{
    Q_INIT_RESOURCE(gavelor);
}

Startup::Startup(SettingsStore& store, QStringList arguments, QObject* parent)
    : QObject(parent), m_settings(store), m_numLock(NumLockBackend::ForPlatform()),
      m_feed(std::make_unique<LiveFeed>(store)), m_pictures(std::make_unique<LotPictureLoader>())
{
    WindowAccessible::Install();
    ComboAccessible::Install();
    m_splash = new frmSplash(m_settings, std::move(arguments));
    m_splash->setScoreboardOpener([this] { OpenScoreboard(); });
    m_splash->setHelpOpener([this] { OpenHelp(); });
    m_splash->setOptionsOpener([this] { OpenOptions(m_splash); });
    // The scoreboard's close box while a setup window is open over it: the open windows close as
    // their own close boxes would, as when the session ends.
    ModalGuard::setCloseRequestHandler([this](QWidget* window) {
        if (window == m_scoreboard.get())
            EndFromOutside();
    });
}

Startup::~Startup()
{
    ModalGuard::setCloseRequestHandler({});
    // Still there when the run ended on the title window, or closed but not yet deleted.
    delete m_splash;
    delete m_help;
    delete m_feedWindow;
}

void Startup::Begin()
{
    if (m_splash)
        m_splash->Form_Load();
}

void Startup::OpenScoreboard()
{
    if (m_scoreboard)
        return;
    m_scoreboard = std::make_unique<frmScoreboard>(m_settings, nullptr, m_numLock.get());
    frmScoreboard* window = m_scoreboard.get();
    window->setHelpOpener([this] { OpenHelp(); });
    window->setOptionsOpener([this, window] { OpenOptions(window); });
    window->setLotEditorOpener([this, window] { OpenLotEditor(window); });
    connect(window, &frmScoreboard::Unloaded, this, &Startup::EndRun);
    m_sale = std::make_unique<SaleJournal>(SaleJournal::DefaultDirectory());
    m_sale->Open();
    window->setSale(m_sale.get());
    new PendingMarks::CloseGuard(*m_sale, window);
    {
        const TerminationSignals::Uncaught nothingToLoseYet;
        TellJournals(*m_sale);
    }
    // No pictures until the options name a folder or the lots name their own.
    UpdateLotPictures();
    window->setLotPictures(m_pictures.get());
    // Off unless the options turned it on: then no port is opened.
    window->setLiveFeed(m_feed.get(), [this] { OpenLiveFeed(); });
    m_feed->Reload();
    emit ScoreboardOpened(window);
    window->show();
    // A sale that a crash or a power cut interrupted: its results, and the board back; or
    // earlier sales that were never ended, on offer there. The results open beside the board,
    // which keeps the keys: the sale goes on at once.
    if ((m_sale->resumed() && m_sale->record().HasEvents()) || !m_sale->earlierSales().isEmpty())
        window->ShowResults(false);
}

void Startup::TellJournals(const SaleJournal& sale)
{
    // A long list of damaged files is named in part; the folder holds the rest.
    constexpr qsizetype Named = 8;
    QStringList parts;
    for (const SaleJournal::SetAside& aside : sale.setAside().mid(0, Named)) {
        QString text = tr("The sale journal \"%1\" could not be read as it is (%2).")
                           .arg(QDir::toNativeSeparators(aside.path), aside.reason);
        text += u' ';
        text += aside.keptAs.isEmpty() ? tr("It was left where it is.")
                                       : tr("It was kept as \"%1\".").arg(QDir::toNativeSeparators(aside.keptAs));
        text += u' ';
        if (!aside.continuedIn.isEmpty())
            text += tr("Recovered from it: %1 lines, with %2 lots sold and %3 passed; %4 damaged lines were left "
                       "out. The sale goes on in \"%5\".")
                        .arg(aside.recoveredLines)
                        .arg(aside.sold)
                        .arg(aside.passed)
                        .arg(aside.damagedLines)
                        .arg(QDir::toNativeSeparators(aside.continuedIn));
        else if (aside.recoveredLines > 0 && aside.keptAs.isEmpty())
            text += tr("Its %1 readable lines are kept in memory and written as soon as the disk takes them.")
                        .arg(aside.recoveredLines);
        else
            text += tr("No results could be recovered from it.");
        parts << text;
    }
    if (sale.setAside().size() > Named)
        parts << tr("%1 more sale journals could not be read; they were kept beside the others with the ending "
                    "\".unreadable\".")
                     .arg(sale.setAside().size() - Named);
    if (!sale.otherWriter().isEmpty())
        parts << tr("Another copy of Gavelor (%1) keeps the sales in \"%2\". This copy records nothing there: "
                    "its results are not saved.")
                     .arg(sale.otherWriter(), QDir::toNativeSeparators(sale.directory()));
    if (!parts.isEmpty())
        Prompts::Inform(nullptr, parts.join(QStringLiteral("\n\n")), Prompts::Icon::Warning);
}

void Startup::OpenHelp()
{
    // One help window at a time, without an owner, so that it outlives the title window; asked
    // for again, it comes to the front.
    if (!m_help) {
        m_help = new frmHelp();
        m_help->setAttribute(Qt::WA_DeleteOnClose);
        // The scoreboard alone decides when the run ends.
        m_help->setAttribute(Qt::WA_QuitOnClose, false);
    }
    m_help->setWindowState(m_help->windowState() & ~Qt::WindowMinimized);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void Startup::OpenOptions(QWidget* owner)
{
    const ModalGuard guard;
    frmOptions dialog(m_settings, m_numLock.get(), owner);
    dialog.setLiveFeed(m_feed.get());
    const bool accepted = dialog.exec() == QDialog::Accepted;
    UpdateLotPictures();
    // The feed serves only while the scoreboard is open.
    if (accepted && m_scoreboard)
        m_feed->Apply(dialog.feedSettings());
    // The sale takes the board's rates in force, and records them when they change mid-sale.
    if (accepted && m_scoreboard)
        m_scoreboard->sale().SetCurrencyBoard(dialog.currencyBoard());
}

void Startup::OpenLiveFeed()
{
    // One window, modeless, beside the scoreboard; asked for again, it comes to the front.
    if (!m_feedWindow) {
        m_feedWindow = new frmLiveFeed(m_feed.get());
        m_feedWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_feedWindow->setAttribute(Qt::WA_QuitOnClose, false);
    }
    m_feedWindow->show();
    m_feedWindow->raise();
    m_feedWindow->activateWindow();
}

void Startup::OpenLotEditor(QWidget* owner)
{
    const ModalGuard guard;
    frmLots editor(m_settings, owner);
    editor.setLotPictures(m_pictures.get());
    m_lotEditor = &editor;
    editor.exec();
    UpdateLotPictures();
}

void Startup::UpdateLotPictures()
{
    m_pictures->setFolder(PictureSettings::Load(m_settings.store()).folder);
    // A lot's own picture (from the lot list's CSV) comes before the folder's.
    const auto namesOwn = [](const LotInfoPtr& lot) {
        return !lot->Picture.isEmpty();
    };
    if (!m_settings.LotList || std::none_of(m_settings.LotList->begin(), m_settings.LotList->end(), namesOwn)) {
        m_pictures->setPathLookup({});
        return;
    }
    m_pictures->setPathLookup([this](qint32 number) {
        for (const LotInfoPtr& lot : *m_settings.LotList) {
            if (lot->LotNumber == number)
                return lot->Picture;
        }
        return QString();
    });
}

void Startup::KeepOpenWork()
{
    // Without the X server no window closes any more: the lot editor's list is stored straight away.
    if (m_lotEditor)
        m_lotEditor->StoreNow();
    // A buyer being typed goes to the journal, as when the window closes.
    if (frmResults* results = m_scoreboard ? m_scoreboard->results() : nullptr)
        results->CommitEdit();
}

void Startup::EndRun()
{
    // Closing the scoreboard ends the run at once, even with the help window still open.
    QCoreApplication::exit(0);
}

void Startup::EndFromOutside()
{
    if (m_ending)
        return;
    m_ending = true;
    CloseNextWindow(0, QThread::currentThread()->loopLevel() + 1);
}

void Startup::CloseNextWindow(int step, int waitLevel)
{
    // A dialog's command goes on once its question has closed and the question's loop has returned;
    // the dialog under it is closed only after that, never from inside the question's loop.
    constexpr int MaxSteps = 500;
    const int level = QThread::currentThread()->loopLevel();
    QWidget* modal = QApplication::activeModalWidget();
    if (step < MaxSteps && (level >= waitLevel || modal)) {
        if (level < waitLevel && modal) {
            if (!modal->close())
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
            waitLevel = level;
        }
        QTimer::singleShot(10, this, [this, step, waitLevel] { CloseNextWindow(step + 1, waitLevel); });
        return;
    }
    if (m_help)
        m_help->close();
    if (m_feedWindow)
        m_feedWindow->close();
    if (m_splash)
        m_splash->close();
    // The operator chose to keep the run: results the disk refused are still in memory.
    if (m_scoreboard && !m_scoreboard->close()) {
        m_ending = false;
        return;
    }
    QCoreApplication::exit(0);
}

void Startup::BringToFront()
{
    QWidget* window = m_scoreboard ? static_cast<QWidget*>(m_scoreboard.get()) : m_splash.data();
    if (!window || !window->isVisible())
        return;
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
    emit BroughtToFront(window);
}

QIcon Startup::ApplicationIcon()
{
    LoadIconResources();
    QIcon icon;
    // Title bars, task bars and window switchers; the launcher takes the installed icon.
    for (int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/gavelor/icons/gavelor-%1.png").arg(size), QSize(size, size));
    return icon;
}

void Startup::TellUnreadableSettings(const JsonSettingsStore& store)
{
    if (!store.foundUnreadable())
        return;
    const QString kept =
        store.keptUnreadableAs().isEmpty()
            ? QCoreApplication::translate("Startup", "It could not be moved aside and was left as it is.")
            : QCoreApplication::translate("Startup", "The unreadable file was kept as \"%1\".")
                  .arg(store.keptUnreadableAs());
    Prompts::Inform(nullptr,
                    QCoreApplication::translate(
                        "Startup", "The settings file \"%1\" could not be read. Gavelor starts with its default "
                                   "settings: no lots, no increment ranges, the default colours.\n\n%2")
                        .arg(store.filePath(), kept),
                    Prompts::Icon::Warning);
}

void Startup::TellRunningCopySilent(const QString& settingsFile)
{
    Prompts::Inform(nullptr,
                    QCoreApplication::translate(
                        "Startup", "Gavelor is already running for the settings file \"%1\", but that copy does not "
                                   "answer (it may be busy or hung, or belong to another session). A second copy "
                                   "was not started.")
                        .arg(settingsFile),
                    Prompts::Icon::Warning);
}

int Startup::Run(int argc, char* argv[], const std::function<void(Startup&)>& prepare, const QString& moduleDirectory)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gavelor"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(BuildInfo::VersionMajor)
                                            .arg(BuildInfo::VersionMinor)
                                            .arg(BuildInfo::VersionPatch));
    QGuiApplication::setDesktopFileName(QStringLiteral("gavelor"));
    Translations::Install();
    PasteGuard::Install();
    ModalGuard::Install();
    TerminationSignals termination;

    const QString settingsFile = JsonSettingsStore::DefaultFilePath();
    SingleInstance instance(settingsFile, moduleDirectory);
    SingleInstance::Claim claim = instance.claim(0);
    if (claim == SingleInstance::Claim::AlreadyRunning) {
        if (instance.askRunningCopyToRaise(RaiseTimeoutMs)) {
            tell(QStringLiteral("already running for %1; brought its window to the front").arg(settingsFile));
            return 0;
        }
        if (!instance.claimError().isEmpty())
            tell(QStringLiteral("cannot reach the running copy: %1").arg(instance.claimError()));
        claim = instance.claim(StaleClaimWaitMs);
        if (claim == SingleInstance::Claim::AlreadyRunning) {
            tell(QStringLiteral("another copy holds %1 but does not answer; not starting a second one")
                     .arg(settingsFile));
            const TerminationSignals::Uncaught nothingToLose;
            TellRunningCopySilent(settingsFile);
            return 1;
        }
    }
    if (claim == SingleInstance::Claim::Unavailable)
        tell(QStringLiteral("%1; a second start will open a second copy").arg(instance.claimError()));
    // Left until the first window is up: the icons (the window takes the icon as soon as it is
    // set) and the socket module, whose loading takes longer than the rest of the start-up; a
    // later start keeps asking until this copy listens.
    new AfterFirstFrame(
        [&instance, claim] {
            QApplication::setWindowIcon(ApplicationIcon());
            if (claim == SingleInstance::Claim::First && !instance.listen())
                tell(QStringLiteral("a second start cannot reach this copy: %1").arg(instance.claimError()));
        },
        &app);

    JsonSettingsStore store(settingsFile);
    {
        const TerminationSignals::Uncaught nothingToLoseYet;
        TellUnreadableSettings(store);
    }
    // Qt has already taken its own options (-platform and the like) out of the arguments.
    Startup startup(store, QCoreApplication::arguments().mid(1));
    QObject::connect(&instance, &SingleInstance::raiseRequested, &startup, &Startup::BringToFront);
    QObject::connect(&termination, &TerminationSignals::Received, &startup, &Startup::EndFromOutside);
    const std::unique_ptr<DisplayLoss> displayLoss = DisplayLoss::ForPlatform();
    QObject::connect(displayLoss.get(), &DisplayLoss::Lost, &startup, &Startup::KeepOpenWork);
    if (prepare)
        prepare(startup);
    startup.Begin();
    return QApplication::exec();
}
