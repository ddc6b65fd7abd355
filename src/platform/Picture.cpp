#include "Picture.h"

namespace tav::platform {

Picture::Picture(QImage image, Kind kind)
    : image_(std::move(image))
    , kind_(kind)
{
}

QImage Picture::drawable() const
{
    if (kind_ == Kind::Icon || image_.isNull())
        return image_.convertToFormat(QImage::Format_ARGB32);
    // Whatever alpha a bitmap's file had is not part of a bitmap.
    QImage result = image_.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, 0);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return result;
}

} // namespace tav::platform
