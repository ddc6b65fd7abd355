#pragma once

#include "platform/Form.h"

namespace tav::platform {
class CommandButton;
class Label;
class ProgressBar;
} // namespace tav::platform

namespace tav::app {

// The small window that shows the check whether a deleted entry is still used by invoice records,
// and then what became of the entry. It does not block the main window and stays until its OK
// button (or the main window's shutdown) unloads it.
class CheckingWindow : public platform::Form {
    Q_OBJECT

public:
    CheckingWindow();

    platform::Label* lblStatus;
    platform::ProgressBar* staChecking;
    platform::CommandButton* cmdOK;

protected:
    void onUnload(bool& cancel) override;
};

} // namespace tav::app
