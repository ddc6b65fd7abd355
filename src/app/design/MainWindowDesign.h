#pragma once

#include "platform/FormDesign.h"

#include <span>

namespace tav::app::design {

// The main window's controls as designed: the window frame, then the seven pages, each page's
// controls inside its frame fraMain(i). Positions are the design values in twips; the pages' own
// layout moves some of them with the window's size.
// The page tabs, Save, Cancel and the help button are hover buttons with designs of their own.
std::span<const platform::ControlSpec> windowFrame();
std::span<const platform::ControlSpec> customersPage();
std::span<const platform::ControlSpec> productsPage();
std::span<const platform::ControlSpec> billPeriodsPage();
std::span<const platform::ControlSpec> printingPage();
std::span<const platform::ControlSpec> printOptionsPage();
std::span<const platform::ControlSpec> optionsPage();
std::span<const platform::ControlSpec> companyInfoPage();

} // namespace tav::app::design
