// The program's own start-up, unchanged, reporting when the scoreboard's first frame is
// painted. Started by bench_startup.
#include "FirstFrame.h"

#include "scoreboard/frmScoreboard.h"
#include "startup/Startup.h"

int main(int argc, char* argv[])
{
    return Startup::Run(
        argc, argv,
        [](Startup& startup) {
            QObject::connect(&startup, &Startup::ScoreboardOpened,
                             [](frmScoreboard* window) { new FirstFrame::Reporter(window); });
        },
        QStringLiteral(GAVELOR_BUILT_MODULE_DIR));
}
