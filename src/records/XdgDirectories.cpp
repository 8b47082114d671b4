#include "records/XdgDirectories.h"

#include <QDir>

namespace {

// The rules say a relative path in the variable is invalid and to be ignored; taken as it is,
// it would lead somewhere under whatever folder the program was started from.
QString baseDirectory(const char* variable, QLatin1StringView underHome)
{
    const QString configured = qEnvironmentVariable(variable);
    if (!configured.isEmpty() && !QDir::isRelativePath(configured))
        return configured;
    return QDir::homePath() + underHome;
}

} // namespace

QString XdgDirectories::ConfigHome()
{
    return baseDirectory("XDG_CONFIG_HOME", QLatin1StringView("/.config"));
}

QString XdgDirectories::DataHome()
{
    return baseDirectory("XDG_DATA_HOME", QLatin1StringView("/.local/share"));
}
