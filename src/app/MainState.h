#pragma once

#include "LocaleFormats.h"

namespace tav::app {

// The main window's form variables that several of its parts read.
struct MainState {
    // The visible page, 0 to 6.
    int currentTab = 0;
    // True during the load step; resizing does nothing then.
    bool isLoading = false;
    LocaleFormats formats;
    // True while the database reader fills the company boxes, so that filling them is no edit.
    bool loadingCompanyInfo = false;
    // True while the two line-option boxes of the Print Options page are loaded.
    bool loadingSettings = false;
    // The chosen invoice layout, 0 to 2.
    int printPreviewSelected = 0;
};

} // namespace tav::app
