#pragma once

#include "app/books/LocaleFormats.h"

namespace tav::app {

// The main window's form variables that several of its parts read.
struct MainState {
    // The visible page, 0 to 6.
    int currentTab = 0;
    // True during the load step; resizing does nothing then.
    bool isLoading = false;
    LocaleFormats formats;
};

} // namespace tav::app
