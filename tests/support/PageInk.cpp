#include "PageInk.h"

#include "platform/PagePainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tav::test {

PageInk::PageInk(const platform::Page& page, double twipsPerPixel)
    : PageInk(std::vector<platform::Page>{page}, twipsPerPixel)
{
}

PageInk::PageInk(const std::vector<platform::Page>& run, double twipsPerPixel)
    : twipsPerPixel_(twipsPerPixel)
    , image_(static_cast<int>(std::ceil(run.back().width() / twipsPerPixel)),
          static_cast<int>(std::ceil(run.back().height() / twipsPerPixel)), QImage::Format_RGB32)
{
    QPainter painter(&image_);
    painter.scale(1 / twipsPerPixel, 1 / twipsPerPixel);
    platform::PagePainter pages(painter);
    for (const platform::Page& page : run) {
        image_.fill(Qt::white);
        pages.paint(page);
    }
}

QRectF PageInk::bounds(double fromTop, double toBottom) const
{
    const double rows = image_.height();
    const int firstRow = static_cast<int>(std::clamp(std::floor(fromTop / twipsPerPixel_), 0.0, rows));
    const int lastRow = static_cast<int>(std::clamp(std::ceil(toBottom / twipsPerPixel_), 0.0, rows)) - 1;
    int left = image_.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = firstRow; y <= lastRow; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = 0; x < image_.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    if (right < 0)
        return {};
    return {left * twipsPerPixel_, top * twipsPerPixel_, (right - left + 1) * twipsPerPixel_,
        (bottom - top + 1) * twipsPerPixel_};
}

} // namespace tav::test
