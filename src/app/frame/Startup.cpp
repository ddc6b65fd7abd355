#include "Startup.h"

#include "MainWindow.h"

#include "components/Dialogs.h"
#include "platform/DesktopHost.h"
#include "platform/SettingsStore.h"
#include "records/FileReplacement.h"

#include <QApplication>

namespace tav::app {

bool refuseSecondInstance(platform::Host& host)
{
    if (!host.previousInstanceRunning())
        return false;
    host.messageBox(QStringLiteral("TAV is already running."), platform::MessageButtons::Ok, platform::MessageIcon::None,
                    host.appTitle());
    return true;
}

int runProgram(int argc, char** argv)
{
    // A file-size limit fails a write (a save is then reported) instead of ending the program.
    records::keepRunningPastFileSizeLimit();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TAV"));
    platform::DesktopHost host;
    platform::installHost(&host);
    if (refuseSecondInstance(host))
        return 0;
    platform::SettingsStore settings(platform::SettingsStore::defaultFilePath());
    platform::installSettings(&settings);

    components::createDialogs();
    auto* mainWindow = new MainWindow;
    mainWindow->load();
    const int result = QApplication::exec();
    components::releaseDialogs();
    return result;
}

} // namespace tav::app
