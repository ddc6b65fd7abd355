#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>

namespace tav::platform {
class Form;
class Label;
} // namespace tav::platform

namespace tav::app {

class UpdateWindow;

// "check for new version" on the Options page: fetches the version file and either says that the
// latest version is running or offers the newer one in the update window, which stays in front
// of the main window and keeps it from closing while it shows.
class VersionCheck : public QObject {
    Q_OBJECT

public:
    // link is the label that asks for the check; mainWindow is the window the update window stays
    // in front of and closes.
    VersionCheck(platform::Form& mainWindow, platform::Label* link);

    // The update window while it is loaded, or nullptr.
    UpdateWindow* updateWindow() const;
    bool updateWindowShowing() const;
    // Unloads the update window at shutdown.
    void unloadUpdateWindow();

    // The version file's address is a build setting; tests point it at a server of their own.
    void setVersionFileUrl(const QUrl& url) { versionFileUrl_ = url; }

private:
    void lblCheckForNewVersion_Click();
    // Shows the update window, loading it first when needed.
    void offerNewVersion();

    platform::Form& mainWindow_;
    QUrl versionFileUrl_;
    QPointer<UpdateWindow> update_;
};

} // namespace tav::app
