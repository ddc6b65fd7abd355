#include "Startup.h"

#include "platform/DesktopHost.h"
#include "platform/SettingsStore.h"

#include <QApplication>

namespace tav::app {

int runProgram(int argc, char** argv)
{
    QApplication application(argc, argv);
    platform::DesktopHost host;
    platform::installHost(&host);
    platform::SettingsStore settings(platform::SettingsStore::defaultFilePath());
    platform::installSettings(&settings);
    return 0;
}

} // namespace tav::app
