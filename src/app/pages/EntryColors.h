#pragma once

#include "platform/Colors.h"

namespace tav::app {

// The two colours of every entry field: one that must still be filled in, or whose content is not
// valid, shows the info background; a valid one, or one that may stay empty, the window colour.
inline constexpr platform::ColorValue kEntryColor = platform::SystemColor::InfoBackground;
inline constexpr platform::ColorValue kNormalColor = platform::SystemColor::Window;

} // namespace tav::app
