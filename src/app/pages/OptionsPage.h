#pragma once

#include "app/design/PageControls.h"
#include "app/workflows/FileCommands.h"

#include <QObject>

namespace tav::app {

class Books;

// The Options page: the database file commands, its two option boxes and expert mode, and the
// help button.
class OptionsPage : public QObject {
    Q_OBJECT

public:
    OptionsPage(Books& books, const platform::ControlSet& set);

    // The page's controls, for the frame and the tests.
    OptionsControls& controls() { return c_; }
    // Places the version and help at the right and brings the page's Save command and its hint up
    // to date (only here).
    void layout(int w, int h);

    // Shows the running program's version.
    void showVersionNumber();

signals:
    // Expert mode was turned on (true) or off: the other pages' hints follow.
    void expertModeChanged(bool expert);

private:
    // Fills the option boxes from the settings.
    void loadOptionSettings();
    // Shows or hides the hints for the state of the expert-mode box.
    void applyExpertMode();
    void chkCheckToConfirmEdits_Click();
    void chkExpertMode_Click();

    Books& books_;
    OptionsControls c_;
    FileCommands files_;
};

} // namespace tav::app
