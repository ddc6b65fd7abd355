#pragma once

#include <QImage>

class QWidget;

namespace tav::platform {

// What a widget's container shows under the widget: the container's own background and drawing
// and every sibling stacked below the widget, as an image of the widget's size. A widget without
// a container gives a transparent image.
QImage pixelsBehind(QWidget& widget);

} // namespace tav::platform
