#pragma once

#include <QString>

// The per-user base directories of the XDG rules, where the settings and the sales are kept.
namespace XdgDirectories {

// $XDG_CONFIG_HOME, or ~/.config when it is unset, empty or not absolute.
QString ConfigHome();
// $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or not absolute.
QString DataHome();

} // namespace XdgDirectories
