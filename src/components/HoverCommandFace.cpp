#include "HoverCommandFace.h"

#include "HoverCommand.h"
#include "platform/Caption.h"
#include "platform/Edges.h"
#include "platform/Emboss.h"
#include "platform/PixelsBehind.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <cmath>
#include <optional>

namespace tav::components {

namespace {

using platform::Picture;

constexpr int kCaptionFlags
    = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;
constexpr int kFocusInset = 3;

bool has(const HoverCommand& button, int styleBit)
{
    return (button.style() & styleBit) != 0;
}

// Halves in the layout go to the even neighbour.
int nearestPixel(double value)
{
    return static_cast<int>(std::lrint(value));
}

// What the face is built from, worked out once per paint.
struct FaceLayout {
    QRect face;
    int shift = 0; // the press shift: content moves right and down while pressed
    Picture picture;
    int textWidth = 0;
    int textHeight = 0;
};

FaceLayout layoutOf(const HoverCommand& button)
{
    FaceLayout layout;
    layout.face = button.widget()->rect();
    if (button.buttonState() == ButtonState::Pressed)
        layout.shift = has(button, HoverStyle::Thin) ? 1 : 2;
    if (button.buttonState() == ButtonState::Hover && !button.hovPicture().isNull())
        layout.picture = button.hovPicture();
    else
        layout.picture = button.picture();
    // Measured as drawn: access-key markers take no room.
    const QFontMetrics metrics(button.font());
    layout.textWidth = metrics.horizontalAdvance(platform::displayedCaption(button.caption()));
    layout.textHeight = metrics.height();
    return layout;
}

void paintBackground(QPainter& painter, QWidget* widget, const HoverCommand& button, const FaceLayout& layout)
{
    // The back colour goes first in every case, so that no pixel is left unpainted where a
    // shifted copy of the container's background does not reach.
    painter.fillRect(layout.face, platform::toQColor(button.backColor()));
    if (button.buttonState() == ButtonState::Hover && has(button, HoverStyle::HoverFill)) {
        painter.fillRect(layout.face, platform::toQColor(button.highlightColor()));
    } else if (button.bgPicture().isNull() && button.grabBG()) {
        painter.drawImage(layout.shift, layout.shift, platform::pixelsBehind(*widget));
    } else if (!button.bgPicture().isNull()) {
        painter.setBrushOrigin(layout.shift, layout.shift);
        painter.fillRect(layout.face, QBrush(button.bgPicture().image()));
        painter.setBrushOrigin(0, 0);
    }
}

void paintPicture(QPainter& painter, const HoverCommand& button, const FaceLayout& layout)
{
    if (layout.picture.isNull())
        return;
    const int width = layout.face.width();
    const int pw = layout.picture.size().width();
    double x = 0;
    switch (button.hAlign()) {
    case HoverAlign::Left: x = button.borderOffset(); break;
    case HoverAlign::Center: x = (width - (button.imageOffset() + pw + layout.textWidth)) / 2.0; break;
    case HoverAlign::Right: x = width - layout.textWidth - button.borderOffset() - button.imageOffset() - pw; break;
    default: break;
    }
    const double y = (layout.face.height() - layout.picture.size().height()) / 2.0;
    const QPoint at(nearestPixel(x) + layout.shift, nearestPixel(y) + layout.shift);
    const QImage drawable = layout.picture.drawable();
    if (button.enabled())
        painter.drawImage(at, drawable);
    else
        platform::drawEmbossed(painter, at, platform::embossShape(drawable));
}

void paintCaption(QPainter& painter, const HoverCommand& button, const FaceLayout& layout)
{
    const int width = layout.face.width();
    const int pw = layout.picture.isNull() ? 0 : layout.picture.size().width();
    const int pictureRoom = layout.picture.isNull() ? 0 : button.imageOffset() + pw;
    double x = 0;
    switch (button.hAlign()) {
    case HoverAlign::Left: x = button.borderOffset() + pictureRoom; break;
    case HoverAlign::Center: x = (width - layout.textWidth + pictureRoom) / 2.0; break;
    case HoverAlign::Right: x = width - layout.textWidth - button.borderOffset(); break;
    default: break;
    }
    const double y = (layout.face.height() - layout.textHeight) / 2.0;
    const QPoint at(nearestPixel(x) + layout.shift, nearestPixel(y) + layout.shift);

    painter.setFont(button.font());
    if (button.enabled()) {
        const bool highlighted = has(button, HoverStyle::HoverCaption) && button.buttonState() == ButtonState::Hover;
        painter.setPen(platform::toQColor(highlighted ? button.highlightColor() : button.foreColor()));
        painter.drawText(QRect(at, QSize(layout.textWidth, layout.textHeight)), kCaptionFlags, button.caption());
        return;
    }
    // The disabled caption is embossed whatever its colour; its shape leaves room for a
    // slanted last letter.
    QImage shape(layout.textWidth + layout.textHeight, layout.textHeight, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter text(&shape);
        text.setFont(button.font());
        text.setPen(Qt::black);
        text.drawText(QRect(QPoint(0, 0), QSize(layout.textWidth, layout.textHeight)), kCaptionFlags, button.caption());
    }
    platform::drawEmbossed(painter, at, shape);
}

std::optional<platform::Edge> borderOf(const HoverCommand& button)
{
    const bool thin = has(button, HoverStyle::Thin);
    switch (button.buttonState()) {
    case ButtonState::Normal:
        if (has(button, HoverStyle::Flat))
            return std::nullopt;
        [[fallthrough]];
    case ButtonState::Hover: return thin ? platform::Edge::RaisedThin : platform::Edge::Raised;
    case ButtonState::Pressed: return thin ? platform::Edge::SunkenThin : platform::Edge::Sunken;
    }
    return std::nullopt;
}

void paintBorder(QPainter& painter, const HoverCommand& button, const FaceLayout& layout)
{
    if (has(button, HoverStyle::NoBorder))
        return;
    if (const auto edge = borderOf(button))
        platform::drawEdge(painter, layout.face, *edge);
}

void paintFocus(QPainter& painter, const HoverCommand& button, const FaceLayout& layout)
{
    const bool thin = has(button, HoverStyle::Thin);
    // A focused flat button shows the border it would have while hovered.
    if (has(button, HoverStyle::Flat) && button.buttonState() == ButtonState::Normal)
        platform::drawEdge(painter, layout.face, thin ? platform::Edge::RaisedThin : platform::Edge::Raised);
    if (has(button, HoverStyle::WholeFocus)) {
        if (button.hovPicture().isNull())
            platform::drawFocusRect(painter, layout.face);
        return;
    }
    platform::drawFocusRect(painter, layout.face.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset));
}

} // namespace

QImage composeHoverFace(const HoverCommand& button)
{
    QWidget* widget = button.widget();
    if (widget->width() <= 0 || widget->height() <= 0)
        return {};
    const FaceLayout layout = layoutOf(button);
    QImage face(layout.face.size(), QImage::Format_RGB32);
    QPainter painter(&face);
    paintBackground(painter, widget, button, layout);
    paintPicture(painter, button, layout);
    paintCaption(painter, button, layout);
    paintBorder(painter, button, layout);
    if (button.showsFocus())
        paintFocus(painter, button, layout);
    return face;
}

} // namespace tav::components
