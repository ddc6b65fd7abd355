#pragma once

#include "platform/PageModel.h"

#include <QImage>
#include <QRectF>

#include <limits>
#include <vector>

namespace tav::test {

// A page painted on white as the paper shows it, at so many twips to a pixel, and where its ink
// lies.
class PageInk {
public:
    PageInk(const platform::Page& page, double twipsPerPixel);
    // The last page of a run whose pages go through one painter, as a print job's do.
    PageInk(const std::vector<platform::Page>& run, double twipsPerPixel);

    const QImage& image() const { return image_; }

    // The smallest rectangle, in twips, that holds every painted pixel between the two heights
    // (twips from the top); empty when nothing is painted there.
    QRectF bounds(double fromTop = 0, double toBottom = std::numeric_limits<double>::max()) const;

private:
    double twipsPerPixel_;
    QImage image_;
};

} // namespace tav::test
