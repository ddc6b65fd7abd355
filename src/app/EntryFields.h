#pragma once

#include "pages/EntryColors.h"

namespace tav::app {

class MainWindow;

// Puts groups of entry fields into a known state.
class EntryFields {
public:
    enum Mode {
        PrepareNewPeriod = 1,
        ShowFinalPeriod = 2,
    };

    explicit EntryFields(MainWindow& window);

    // Any mode other than 1 or 2 does nothing.
    void resetEntryFields(int mode);

private:
    MainWindow& w_;
};

} // namespace tav::app
