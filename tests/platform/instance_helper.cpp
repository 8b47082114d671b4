// A whole Gavelor run that reports on standard output: "running" once it holds its settings file,
// "front <window class>" each time a later start has brought it to the front, and "told <text>"
// for each message box it showed (answered at once), once the run has ended.
#include "common/Prompts.h"
#include "startup/Startup.h"

#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    Prompts::setTestMode(true);
    const int status = Startup::Run(
        argc, argv,
        [](Startup& startup) {
            QObject::connect(&startup, &Startup::BroughtToFront, [](QWidget* window) {
                std::printf("front %s\n", window->metaObject()->className());
                std::fflush(stdout);
            });
            std::printf("running\n");
            std::fflush(stdout);
        },
        QStringLiteral(GAVELOR_BUILT_MODULE_DIR));
    for (const Prompts::Asked& asked : Prompts::asked())
        std::printf("told %s\n", qUtf8Printable(asked.text.simplified()));
    return status;
}
