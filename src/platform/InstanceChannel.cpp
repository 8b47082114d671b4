#include "platform/InstanceChannel.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QString InstanceChannel::ModuleFileName()
{
    return QStringLiteral(GAVELOR_INSTANCE_MODULE);
}

std::unique_ptr<InstanceChannel> InstanceChannel::Load(const QString& directory, QString* error)
{
    const QString folder = directory.isEmpty() ? QCoreApplication::applicationDirPath() : directory;
    // Only the program's own folder is searched, never the library path.
    QLibrary library(QDir(folder).absoluteFilePath(ModuleFileName()));
    // Stays loaded for the rest of the run: QLibrary unloads only when asked to.
    const auto create = reinterpret_cast<CreateInstanceChannelFunction>(library.resolve(CreateInstanceChannelSymbol));
    if (!create) {
        *error = library.errorString();
        return nullptr;
    }
    return std::unique_ptr<InstanceChannel>(create());
}
