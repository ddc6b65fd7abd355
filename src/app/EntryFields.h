#pragma once

#include "pages/EntryColors.h"

namespace tav::app {

class MainWindow;

// Puts groups of entry fields into a known state.
class EntryFields {
public:
    enum Mode {
        EmptyCustomerFields = 0,
    };

    explicit EntryFields(MainWindow& window);

    // Any other mode does nothing.
    void resetEntryFields(int mode);
    // All eight customer fields take the entry colour (true) or the normal colour.
    void setFieldHighlight(bool entry);

private:
    MainWindow& w_;
};

} // namespace tav::app
