#include "ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace tav::app {

namespace {

QPixmap canvas(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap searchPicture()
{
    QPixmap pixmap = canvas(18, 18);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.setBrush(QColor(200, 230, 255));
    painter.drawEllipse(QRectF(2, 2, 9, 9));
    painter.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(11, 11), QPointF(16, 16));
    return pixmap;
}

QPixmap printerPicture()
{
    QPixmap pixmap = canvas(18, 18);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5, 1.5, 8, 5));
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 15, 7), 1.5, 1.5);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(4.5, 11.5, 9, 5));
    painter.setPen(QColor(0, 160, 0));
    painter.drawPoint(QPointF(14, 8.5));
    return pixmap;
}

QPixmap logoPicture()
{
    QPixmap pixmap = canvas(32, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 0));
    painter.drawRoundedRect(QRectF(0, 0, 32, 16), 4, 4);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 32, 16), Qt::AlignCenter, QStringLiteral("TAV"));
    return pixmap;
}

} // namespace tav::app
