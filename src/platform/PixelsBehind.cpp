#include "PixelsBehind.h"

#include <QWidget>

namespace tav::platform {

QImage pixelsBehind(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QWidget* container = widget.parentWidget();
    if (!container || image.isNull())
        return image;
    const QRect area = widget.geometry();
    container->render(&image, QPoint(), QRegion(area), QWidget::DrawWindowBackground);
    // Children are kept in stacking order, bottom first; the widget itself and whatever lies
    // above it are not behind it.
    for (QObject* child : container->children()) {
        if (child == &widget)
            break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || sibling->isWindow() || sibling->isHidden() || !sibling->geometry().intersects(area))
            continue;
        const QRect overlap = sibling->geometry().intersected(area);
        // A sibling that does not fill its background lets what lies below show through.
        sibling->render(&image, overlap.topLeft() - area.topLeft(), QRegion(overlap.translated(-sibling->pos())),
                        QWidget::DrawChildren);
    }
    return image;
}

} // namespace tav::platform
