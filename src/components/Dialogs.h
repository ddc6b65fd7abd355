#pragma once

namespace tav::components {

// The one shared dialog object through which every file and font dialog is shown. It lives from
// start-up until the very end of shutdown.
class Dialogs {
public:
    Dialogs() = default;
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;
};

} // namespace tav::components

namespace tav::components {

// gDialogs: created by start-up before the main window loads, released as the last step of
// shutdown.
Dialogs& dialogs();
void createDialogs();
void releaseDialogs();
bool dialogsExist();

} // namespace tav::components
