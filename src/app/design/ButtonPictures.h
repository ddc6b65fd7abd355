#pragma once

#include <QPixmap>

namespace tav::app {

// The small pictures of the main window's picture buttons and its logo, drawn by the program.
QPixmap searchPicture();
QPixmap printerPicture();
QPixmap logoPicture();

} // namespace tav::app
