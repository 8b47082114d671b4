#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks for before anything of the program starts: the usage, the version, or a
// run. A run takes Qt's own options (-platform, -style, -display...) and plain arguments such as
// "bypass", which the title window reads; anything else that starts with "-" is an unknown option.
namespace CommandLine {

enum class Request
{
    Run,
    Help,
    Version,
    UnknownOption
};

struct Parsed
{
    Request request = Request::Run;
    // The unknown option, as given.
    std::string option;
};

// arguments: the program's arguments after the program name. The first --help, --version or
// unknown option decides; "--" ends the options.
Parsed Parse(const std::vector<std::string>& arguments);

std::string Usage();
// "Gavelor 1.0.2"
std::string VersionText();

// Answers --help and --version on standard output and an unknown option on standard error, and gives
// the exit code; nothing when the program is to run. Touches no window, settings or running copy.
std::optional<int> Answer(int argc, char* argv[]);

} // namespace CommandLine
