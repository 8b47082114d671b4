// Renders every window of Gavelor to PNG for the README and the AppStream metadata, on an X
// server at 96 dpi, read back from the server as a screenshot tool would, so that a picture
// shows what a user's screen shows:
//
//   xvfb-run -s "-screen 0 3840x2160x24 -dpi 96" screenshots docs/images   (or: make screenshots)
//
// The windows are the program's own, over a sale prepared in memory; nothing is read from
// or written to the user's settings.

#include "help/frmHelp.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "scoreboard/frmScoreboard.h"
#include "setup/frmLots.h"
#include "setup/frmOptions.h"
#include "startup/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

// A small sale: lots with their notes, and the usual increment ranges.
SettingsSections PreparedSale(int ledType)
{
    SettingsChange change;
    change.Save(QStringLiteral("PicSettings"), QStringLiteral("LEDType"), QString::number(ledType));
    const QPair<const char*, const char*> increments[] = {
        {" 0", " 5"}, {" 100", " 10"}, {" 1000", " 50"}, {" 10000", " 250"}};
    for (const auto& [minimum, amount] : increments)
        change.Save(QStringLiteral("Increments"), QLatin1String(minimum), QLatin1String(amount));
    const char* const lots[] = {" 12\x05 1150\x05Oak chest, Georgian, c. 1790", " 14\x05 300\x05Pair of Delft vases",
                                " 15\x05 75\x05"
                                "Brass bell",
                                " 21\x05 12000\x05Longcase clock by J. Harrison"};
    int key = 0;
    for (const char* lot : lots)
        change.Save(QStringLiteral("Lots"), QStringLiteral(" %1").arg(++key), QString::fromUtf8(lot));
    SettingsSections sections;
    sections.apply(change);
    return sections;
}

class Renderer
{
public:
    explicit Renderer(QDir out) : m_out(std::move(out)) {}

    // Shows the window alone, waits until the server has drawn it, and saves what the
    // server shows of it.
    void save(QWidget& window, const QString& name)
    {
        for (QWidget* other : QApplication::topLevelWidgets()) {
            if (other != &window)
                other->hide();
        }
        window.move(0, 0);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            std::fprintf(stderr, "screenshots: %s was never shown\n", qUtf8Printable(name));
        QTest::qWait(300);
        const QPixmap shot = window.screen()->grabWindow(window.winId());
        const QString path = m_out.filePath(name + QStringLiteral(".png"));
        if (!shot.save(path, "PNG")) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qUtf8Printable(path));
            m_ok = false;
        }
    }

    bool ok() const { return m_ok; }

private:
    QDir m_out;
    bool m_ok = true;
};

void Press(QWidget* target, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(target, key);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gavelor"));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/images"));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", qUtf8Printable(out.path()));
        return 1;
    }
    Renderer renderer(out);

    for (int ledType : {0, 1}) {
        MemorySettingsStore store(PreparedSale(ledType));
        AppSettings settings(store);
        settings.LoadAllSettings();
        frmScoreboard scoreboard(settings);
        scoreboard.show();
        // The first lot on the block, raised a few times.
        QWidget* keys = scoreboard.findChild<QWidget*>(QStringLiteral("nledLotNum"));
        Press(keys, Qt::Key_Right);
        Press(keys, Qt::Key_Up, 3);
        const QString style = ledType == 0 ? QStringLiteral("lines") : QStringLiteral("dots");
        for (QSize size : {QSize(1280, 720), QSize(3840, 2160)}) {
            scoreboard.resize(size);
            renderer.save(scoreboard,
                          QStringLiteral("scoreboard-%1-%2x%3").arg(style).arg(size.width()).arg(size.height()));
        }
        if (ledType != 0)
            continue;

        frmSplash splash(settings, {});
        renderer.save(splash, QStringLiteral("title"));

        frmLots editor(settings, &scoreboard);
        renderer.save(editor, QStringLiteral("lot-editor"));
        editor.hide();

        frmOptions options(settings, nullptr, &scoreboard);
        auto* tabs = options.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        const char* const tabNames[] = {"options-colors", "options-increments", "options-additional"};
        for (int tab = 0; tab < tabs->count() && tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            renderer.save(options, QLatin1String(tabNames[tab]));
        }
        options.hide();

        // The help document beside the program, as the build puts it.
        frmHelp help(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
        while (help.IsLoading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        help.resize(900, 700);
        renderer.save(help, QStringLiteral("help"));
    }
    return renderer.ok() ? 0 : 1;
}
