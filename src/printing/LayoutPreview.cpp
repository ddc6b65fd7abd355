#include "LayoutPreview.h"

#include "InvoiceFilling.h"
#include "InvoiceLayouts.h"

#include "platform/PagePainter.h"

#include <QPainter>

namespace tav::printing {

namespace {

constexpr int kPreviewWidth = 192;
constexpr int kTopHeight = 105;
constexpr int kBottomHeight = 144;
// The pictures show the page from just left of its boxes to just right of them; the top one from
// above the company name, the bottom one from above the item table.
constexpr double kFromLeft = 480;
constexpr double kShownWidth = 10455;
constexpr double kTopFrom = 960;
constexpr double kBottomFrom = 6660;
// Rows in use in the pictures of a shrunk table.
constexpr int kShrunkRows = 3;

// The part of the page from the given height down, scaled to the picture's width.
QImage picture(const platform::Page& page, int height, double fromTop)
{
    QImage image(kPreviewWidth, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const double scale = kPreviewWidth / kShownWidth;
    painter.scale(scale, scale);
    painter.translate(-kFromLeft, -fromTop);
    platform::paintPage(painter, page);
    return image;
}

} // namespace

QImage layoutPreviewTop(int layout)
{
    platform::Page page = invoiceLayout(layout);
    placeInvoiceDate(page, layout, QStringLiteral("01/01/2001"));
    return picture(page, kTopHeight, kTopFrom);
}

QImage layoutPreviewBottom(BottomPreview kind)
{
    platform::Page page = invoiceLayout(0);
    for (int row = 0; row < kShrunkRows; ++row) {
        page.setText(QStringLiteral("lblPS"), row, QStringLiteral("[item]"));
        page.setText(QStringLiteral("lblAm"), row, QStringLiteral("[amount]"));
    }
    if (kind != BottomPreview::TwelveLines)
        fitInvoiceToLines(page, kShrunkRows - 1, kind == BottomPreview::ShrunkAndMoved);
    return picture(page, kBottomHeight, kBottomFrom);
}

} // namespace tav::printing
