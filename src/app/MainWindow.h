#pragma once

#include "LocaleFormats.h"

#include "platform/Form.h"

#include <array>

namespace tav::platform {
class CommandButton;
class Frame;
class Label;
} // namespace tav::platform

namespace tav::app {

// The main window: seven pages switched by the tab buttons down the left edge, the Save and Cancel
// buttons that show while there are unsaved changes, and the program's start-up and shutdown.
class MainWindow : public platform::Form {
    Q_OBJECT

public:
    static constexpr int kPageCount = 7;

    MainWindow();
    ~MainWindow() override;

    // The load step: works out the local formats, loads and shows the database, places the window,
    // reopens the page shown last and shows the window.
    void load();

    int currentTab() const { return currentTab_; }
    bool isLoading() const { return isLoading_; }
    const LocaleFormats& formats() const { return formats_; }

    // Shows page index.
    void cmdTab_Click(int index);

    // The one record of unsaved changes: Save and Cancel show exactly while there are some.
    void setSaveCancelVisible(bool visible);
    bool hasUnsavedChanges() const;

    // Controls of the window frame.
    std::array<platform::CommandButton*, kPageCount> cmdTab{};
    std::array<platform::CommandButton*, kPageCount> cmdAcceleratorKey{};
    std::array<platform::Frame*, kPageCount> fraMain{};
    platform::CommandButton* cmdSave = nullptr;
    platform::CommandButton* cmdCancel = nullptr;
    platform::Label* lblVersionNumber = nullptr;

protected:
    void onUnload(bool& cancel) override;

private:
    void createFrameControls();
    void loadAndShowDatabase();
    // Writes the database file; false (and the user told why) when it could not be written.
    bool saveDatabase();
    void rememberSelectedCustomer();
    void unloadSecondaryWindows();

    int currentTab_ = 0;
    bool isLoading_ = false;
    LocaleFormats formats_;
};

} // namespace tav::app
