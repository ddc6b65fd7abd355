#pragma once

#include "platform/Form.h"
#include "platform/FormDesign.h"

namespace tav::platform {
class CommandButton;
class Label;
} // namespace tav::platform

namespace tav::app {

// The window that offers the newer version: its DOWNLOAD button starts the updater from the
// program's folder and then closes the program, through the main window's shutdown with its
// offer to save. Closing the window any other way changes nothing.
class UpdateWindow : public platform::Form {
    Q_OBJECT

public:
    // Loads the window at its remembered place; mainWindow is the window that DOWNLOAD closes.
    explicit UpdateWindow(platform::Form& mainWindow);

    void cmdDownload_Click();
    bool closeMainOnUnload() const { return closeMainOnUnload_; }

    platform::ControlSet controlSet;
    platform::Label* Label2;
    platform::Label* lblStatus;
    platform::Label* Label1;
    platform::CommandButton* cmdDownload;

private:
    // Set once the updater has started; the main window then closes as this window goes.
    bool closeMainOnUnload_ = false;
};

} // namespace tav::app
