#include "startup/CommandLine.h"

#include "BuildInfo.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace {

// Qt's own options, which QApplication takes out of the arguments; they may be given with one dash
// or two. The first group takes a value as the next argument, the second also after "=".
constexpr std::array<std::string_view, 16> QtOptionsWithValue = {"platform",        "platformpluginpath",
                                                                 "platformtheme",   "plugin",
                                                                 "qwindowgeometry", "geometry",
                                                                 "qwindowtitle",    "title",
                                                                 "qwindowicon",     "icon",
                                                                 "display",         "name",
                                                                 "session",         "style",
                                                                 "stylesheet",      "qmljsdebugger"};
constexpr std::array<std::string_view, 3> QtOptionsWithEquals = {"style", "stylesheet", "qmljsdebugger"};
constexpr std::array<std::string_view, 6> QtFlags = {"reverse", "widgetcount", "testability",
                                                     "sync",    "nograb",      "dograb"};

template <std::size_t N> bool contains(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

namespace CommandLine {

Parsed Parse(const std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--")
            break;
        // "-" alone is not an option, and neither is "bypass" or any other plain word.
        if (argument.size() < 2 || argument.front() != '-')
            continue;
        if (argument == "-h" || argument == "--help")
            return {Request::Help, {}};
        if (argument == "-v" || argument == "--version")
            return {Request::Version, {}};
        std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        if (equals != std::string_view::npos) {
            if (contains(QtOptionsWithEquals, name.substr(0, equals)))
                continue;
        } else if (contains(QtOptionsWithValue, name)) {
            ++i; // its value, whatever it looks like
            continue;
        } else if (contains(QtFlags, name)) {
            continue;
        }
        return {Request::UnknownOption, std::string(argument)};
    }
    return {};
}

std::string VersionText()
{
    return "Gavelor " + std::to_string(BuildInfo::VersionMajor) + '.' + std::to_string(BuildInfo::VersionMinor) + '.' +
           std::to_string(BuildInfo::VersionPatch);
}

std::string Usage()
{
    return "Usage: gavelor [bypass]\n"
           "       gavelor --help | --version\n"
           "\n"
           "Gavelor shows the lot on the block and the current bid on a scoreboard.\n"
           "\n"
           "  bypass         open the scoreboard at once, without the title window\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n"
           "\n"
           "Keys on the scoreboard: Right and Left step to the next and previous lot, Up\n"
           "raises the bid by the increment that applies, Down takes the last raise back;\n"
           "digits and Enter on the amount set the bid (Space clears them), on the lot\n"
           "display the lot number; F1 help, F2 options, F3 lot editor, F11 full screen,\n"
           "F12 the screen for the room.\n"
           "\n"
           "Settings live in $XDG_CONFIG_HOME/Gavelor/settings.json\n"
           "(~/.config/Gavelor/settings.json when XDG_CONFIG_HOME is not set).\n"
           "See gavelor(1).\n";
}

std::optional<int> Answer(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const Parsed parsed = Parse(arguments);
    switch (parsed.request) {
    case Request::Run:
        return std::nullopt;
    case Request::Help:
        std::fputs(Usage().c_str(), stdout);
        return 0;
    case Request::Version:
        std::fputs((VersionText() + '\n').c_str(), stdout);
        return 0;
    case Request::UnknownOption:
        std::fprintf(stderr, "gavelor: unknown option '%s'\n%s", parsed.option.c_str(), Usage().c_str());
        return 2;
    }
    return std::nullopt;
}

} // namespace CommandLine
