#pragma once

#include <QImage>
#include <QPoint>

class QPainter;

namespace tav::platform {

// The disabled look of a picture or a caption: its shape alone, drawn once in the button
// highlight colour one pixel right and down, and once in the button shadow colour in place, so
// that it looks pressed into the surface.

// The shape of a picture as the embossed drawing sees it: the picture is laid on white paper
// and every pixel that is not white belongs to the shape (white parts of the picture drop out).
QImage embossShape(const QImage& picture);

// Draws a shape (its alpha channel says how much of each pixel belongs to it) embossed at `at`.
void drawEmbossed(QPainter& painter, QPoint at, const QImage& shape);

} // namespace tav::platform
