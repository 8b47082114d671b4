#include "startup/CommandLine.h"
#include "startup/Startup.h"

int main(int argc, char* argv[])
{
    // --help and --version answer before any window, settings file or running copy is touched.
    if (const std::optional<int> exitCode = CommandLine::Answer(argc, argv))
        return *exitCode;
    return Startup::Run(argc, argv);
}
