#pragma once

#include "platform/Colors.h"

namespace tav::app {

class MainWindow;

// The two colours of every entry field: one that must still be filled in, or whose content is not
// valid, shows the info background; a valid one, or one that may stay empty, the window colour.
inline constexpr platform::ColorValue kEntryColor = platform::SystemColor::InfoBackground;
inline constexpr platform::ColorValue kNormalColor = platform::SystemColor::Window;

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
