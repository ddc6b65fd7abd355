#pragma once

#include <QImage>

namespace tav::components {

class HoverCommand;

// Composes the whole face of a hover button, as its widget shows it now, in one image of the
// widget's size: background, picture, caption, border and focus mark. A widget without area
// gives a null image.
QImage composeHoverFace(const HoverCommand& button);

} // namespace tav::components
