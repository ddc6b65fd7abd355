#pragma once

#include <QImage>

namespace tav::printing {

// Small pictures of the invoice layouts for the Print Options page, drawn from the layouts
// themselves so that the preview is what gets printed.

// The upper part of a layout with its placeholders, the invoice date shown: 192 x 105 pixels.
QImage layoutPreviewTop(int layout);

enum class BottomPreview { TwelveLines, Shrunk, ShrunkAndMoved };
// The item table, the totals and the bottom texts: at twelve lines, shrunk to a few lines, or
// shrunk with the bottom texts moved up under it. 192 x 144 pixels.
QImage layoutPreviewBottom(BottomPreview kind);

} // namespace tav::printing
