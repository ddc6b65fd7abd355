#pragma once

#include <QImage>

namespace tav::platform {

// A picture as a form holds it. A bitmap has no transparency of its own: where it is drawn over
// something, the colour of its top-left pixel stands for "transparent". An icon carries its own
// transparency in its alpha channel.
class Picture {
public:
    enum class Kind { Bitmap, Icon };

    Picture() = default;
    Picture(QImage image, Kind kind);

    bool isNull() const { return image_.isNull(); }
    Kind kind() const { return kind_; }
    const QImage& image() const { return image_; }
    QSize size() const { return image_.size(); }

    // The picture as it is drawn over other pixels: a bitmap with every pixel of its top-left
    // pixel's colour made transparent (wherever it occurs), an icon as it is.
    QImage drawable() const;

private:
    QImage image_;
    Kind kind_ = Kind::Bitmap;
};

} // namespace tav::platform
