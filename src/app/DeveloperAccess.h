#pragma once

#include <QPointer>

namespace tav::app {

class DeveloperView;
class MainWindow;

// The logo opens the developer view, but only while the settings hold its access word.
class DeveloperAccess {
public:
    explicit DeveloperAccess(MainWindow& window);

    void picLogo_Click();

    // The developer view while it is loaded, or nullptr.
    DeveloperView* view() const;
    // Unloads the developer view at shutdown.
    void unloadView();

private:
    MainWindow& w_;
    QPointer<DeveloperView> view_;
};

} // namespace tav::app
