#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gavelor"));
    JsonSettingsStore store;
    AppSettings settings(store);
    settings.LoadAllSettings();
    QWidget placeholder;
    placeholder.show();
    return QApplication::exec();
}
