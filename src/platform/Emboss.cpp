#include "Emboss.h"

#include "Colors.h"

#include <QPainter>

namespace tav::platform {

namespace {

QImage tinted(const QImage& shape, const QColor& color)
{
    QImage result = shape.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), color);
    return result;
}

} // namespace

QImage embossShape(const QImage& picture)
{
    QImage paper(picture.size(), QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        QPainter painter(&paper);
        painter.drawImage(0, 0, picture);
    }
    QImage shape(picture.size(), QImage::Format_ARGB32);
    for (int y = 0; y < paper.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(paper.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < paper.width(); ++x)
            out[x] = (in[x] & 0x00FFFFFF) == 0x00FFFFFF ? qRgba(0, 0, 0, 0) : qRgba(0, 0, 0, 255);
    }
    return shape;
}

void drawEmbossed(QPainter& painter, QPoint at, const QImage& shape)
{
    if (shape.isNull())
        return;
    painter.drawImage(at + QPoint(1, 1), tinted(shape, toQColor(SystemColor::ButtonHighlight)));
    painter.drawImage(at, tinted(shape, toQColor(SystemColor::ButtonShadow)));
}

} // namespace tav::platform
