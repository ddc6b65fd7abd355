#pragma once

#include <QWidget>

namespace tav::components {

class HoverCommand;

// The hover buttons of the main window: the seven page tabs cmdTab(0) to cmdTab(6) down the left
// edge, cmdSave and cmdCancel in front of the page title, and cmdOpenHelp in the Options page's
// documentation frame.
enum class MainWindowButton { Tab0, Tab1, Tab2, Tab3, Tab4, Tab5, Tab6, Save, Cancel, OpenHelp };

inline constexpr int kPageTabCount = 7;

// The tab button of a page, 0 to 6.
MainWindowButton pageTab(int page);

// Creates the button in its container (the main window's client area for the tabs, Save and
// Cancel; the documentation frame for cmdOpenHelp) with its design: name and index, rectangle,
// visibility, and the look read from its stored design. The button belongs to the container.
HoverCommand* createMainWindowButton(QWidget* container, MainWindowButton which);

} // namespace tav::components
