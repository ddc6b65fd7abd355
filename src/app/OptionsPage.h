#pragma once

namespace tav::app {

class MainWindow;

// The Options page's two option boxes and expert mode, the loading of every option control from
// the settings, and the Company Info page's boxes.
class OptionsPage {
public:
    explicit OptionsPage(MainWindow& window);

    // Fills the option controls of the Options and Print Options pages from the settings.
    void loadOptionSettings();
    // Shows or hides the hints for the state of the expert-mode box.
    void applyExpertMode();

    void chkCheckToConfirmEdits_Click();
    void chkExpertMode_Click();
    void txtCompanyDetails_Change(int index);

private:
    MainWindow& w_;
};

} // namespace tav::app
