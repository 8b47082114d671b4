// A whole Gavelor run that reports on standard output: "running" once it holds its settings file,
// and "front <window class>" each time a later start has brought it to the front.
#include "startup/Startup.h"

#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    return Startup::Run(
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
}
