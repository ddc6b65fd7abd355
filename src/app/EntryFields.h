#pragma once

#include "pages/EntryColors.h"

namespace tav::app {

class MainWindow;

// Puts groups of entry fields into a known state.
class EntryFields {
public:
    enum Mode {
        EmptyCustomerFields = 0,
        PrepareNewPeriod = 1,
        ShowFinalPeriod = 2,
    };

    explicit EntryFields(MainWindow& window);

    // Any mode other than 0, 1 or 2 does nothing.
    void resetEntryFields(int mode);
    // All eight customer fields take the entry colour (true) or the normal colour.
    void setFieldHighlight(bool entry);

private:
    MainWindow& w_;
};

} // namespace tav::app
