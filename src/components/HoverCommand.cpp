#include "HoverCommand.h"

#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace tav::components {

namespace {

// The values of a new button, and of every property a design leaves out.
const QString kDefaultCaption = QStringLiteral("HoverCommand");
constexpr int kDefaultStyle = HoverStyle::Thin;
constexpr qint16 kDefaultOffset = 10;
constexpr platform::ColorValue kDefaultForeColor = platform::SystemColor::MenuText;
constexpr platform::ColorValue kDefaultBackColor = platform::SystemColor::ButtonFace;
constexpr platform::ColorValue kDefaultHighlightColor = platform::SystemColor::Highlight;
// The design size, in twips.
constexpr double kDesignWidth = 1335;
constexpr double kDesignHeight = 330;

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? platform::ShiftState::Shift : 0)
        | (modifiers & Qt::ControlModifier ? platform::ShiftState::Ctrl : 0)
        | (modifiers & Qt::AltModifier ? platform::ShiftState::Alt : 0);
}

float twipsOf(qreal pixels)
{
    return static_cast<float>(pixels * platform::kTwipsPerPixel);
}

bool isButtonKey(const QKeyEvent& event)
{
    const int code = platform::keyCodeOf(event);
    return code == platform::KeyCode::Return || code == platform::KeyCode::Space;
}

// Lets pending window events run (a caption change shows at once), but no input from the user:
// a click must not be handled in the middle of the setter that another click's handler called.
void pumpPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

platform::Picture pictureOf(const QVariant& value)
{
    return value.value<platform::Picture>();
}

} // namespace

HoverCommand::HoverCommand(QWidget* widget, const QString& name, int index)
    : Control(widget, name, index)
    , caption_(kDefaultCaption)
    , style_(kDefaultStyle)
    , grabBG_(false)
    , hAlign_(HoverAlign::Left)
    , imageOffset_(kDefaultOffset)
    , borderOffset_(kDefaultOffset)
    , enabled_(true)
    , highlightColor_(kDefaultHighlightColor)
{
    Control::setForeColor(kDefaultForeColor);
    Control::setBackColor(kDefaultBackColor);
    move(0, 0, kDesignWidth, kDesignHeight);
}

template <typename T> void HoverCommand::changeValue(T& field, const T& value, const char* name)
{
    if (field == value)
        return;
    field = value;
    emit propertyChanged(QString::fromLatin1(name));
    refresh();
}

void HoverCommand::changeAlways(const char* name)
{
    emit propertyChanged(QString::fromLatin1(name));
    refresh();
}

void HoverCommand::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    emit propertyChanged(QStringLiteral("Caption"));
    pumpPendingEvents();
    refresh();
}

void HoverCommand::setEnabled(bool enabled)
{
    if (enabled != enabled_) {
        enabled_ = enabled;
        emit propertyChanged(QStringLiteral("Enabled"));
        pumpPendingEvents();
        refresh();
    }
    Control::setEnabled(enabled);
}

void HoverCommand::setPicture(const platform::Picture& picture)
{
    picture_ = picture;
    changeAlways("Picture");
}

void HoverCommand::setHovPicture(const platform::Picture& picture)
{
    hovPicture_ = picture;
    changeAlways("HovPicture");
}

void HoverCommand::setBGPicture(const platform::Picture& picture)
{
    bgPicture_ = picture;
    changeAlways("BGPicture");
}

QFont HoverCommand::font() const
{
    return widget()->font();
}

void HoverCommand::setFont(const QFont& font)
{
    widget()->setFont(font);
    changeAlways("Font");
}

void HoverCommand::setStyle(int style)
{
    changeValue(style_, style, "Style");
}

void HoverCommand::setGrabBG(bool grab)
{
    changeValue(grabBG_, grab, "GrabBG");
}

void HoverCommand::setHAlign(int align)
{
    changeValue(hAlign_, align, "HAlign");
}

void HoverCommand::setImageOffset(qint16 pixels)
{
    changeValue(imageOffset_, pixels, "ImageOffset");
}

void HoverCommand::setBorderOffset(qint16 pixels)
{
    changeValue(borderOffset_, pixels, "BorderOffset");
}

void HoverCommand::setForeColor(platform::ColorValue color)
{
    if (color == foreColor())
        return;
    Control::setForeColor(color);
    changeAlways("ForeColor");
}

void HoverCommand::setBackColor(platform::ColorValue color)
{
    if (color == backColor())
        return;
    Control::setBackColor(color);
    changeAlways("BackColor");
}

void HoverCommand::setHighlightColor(platform::ColorValue color)
{
    changeValue(highlightColor_, color, "HighlightColor");
}

void HoverCommand::refresh()
{
    widget()->repaint();
}

void HoverCommand::readProperties(const PropertyBag& bag)
{
    caption_ = bag.read(QStringLiteral("Caption"), kDefaultCaption).toString();
    style_ = bag.read(QStringLiteral("Style"), kDefaultStyle).toInt();
    hovPicture_ = pictureOf(bag.read(QStringLiteral("HovPicture"), {}));
    picture_ = pictureOf(bag.read(QStringLiteral("Picture"), {}));
    bgPicture_ = pictureOf(bag.read(QStringLiteral("BGPicture"), {}));
    widget()->setFont(bag.read(QStringLiteral("Font"), widget()->font()).value<QFont>());
    imageOffset_ = static_cast<qint16>(bag.read(QStringLiteral("ImageOffset"), kDefaultOffset).toInt());
    borderOffset_ = static_cast<qint16>(bag.read(QStringLiteral("BorderOffset"), kDefaultOffset).toInt());
    hAlign_ = bag.read(QStringLiteral("HAlign"), HoverAlign::Left).toInt();
    grabBG_ = bag.read(QStringLiteral("GrabBG"), false).toBool();
    enabled_ = bag.read(QStringLiteral("Enabled"), true).toBool();
    Control::setForeColor(bag.read(QStringLiteral("ForeColor"), kDefaultForeColor).toUInt());
    Control::setBackColor(bag.read(QStringLiteral("BackColor"), kDefaultBackColor).toUInt());
    highlightColor_ = bag.read(QStringLiteral("HighlightColor"), kDefaultHighlightColor).toUInt();
}

void HoverCommand::writeProperties(PropertyBag& bag) const
{
    // Every property is written, defaults included, so that a design reads back the same even
    // if the defaults of a later version differ.
    bag.write(QStringLiteral("Caption"), caption_);
    bag.write(QStringLiteral("Style"), style_);
    bag.write(QStringLiteral("Picture"), QVariant::fromValue(picture_));
    bag.write(QStringLiteral("HovPicture"), QVariant::fromValue(hovPicture_));
    bag.write(QStringLiteral("BGPicture"), QVariant::fromValue(bgPicture_));
    bag.write(QStringLiteral("Font"), font());
    bag.write(QStringLiteral("ImageOffset"), imageOffset_);
    bag.write(QStringLiteral("BorderOffset"), borderOffset_);
    bag.write(QStringLiteral("HAlign"), hAlign_);
    bag.write(QStringLiteral("GrabBG"), grabBG_);
    bag.write(QStringLiteral("Enabled"), enabled_);
    bag.write(QStringLiteral("ForeColor"), foreColor());
    bag.write(QStringLiteral("BackColor"), backColor());
    bag.write(QStringLiteral("HighlightColor"), highlightColor_);
}

void HoverCommand::moveTo(ButtonState state)
{
    state_ = state;
    refresh();
}

void HoverCommand::onMousePress(const QMouseEvent& event)
{
    if (!enabled_)
        return;
    if (event.button() == Qt::LeftButton)
        moveTo(ButtonState::Pressed);
    const QPointF at = event.position();
    emit mouseDown(buttonCode(event.button()), shiftCode(event.modifiers()), twipsOf(at.x()), twipsOf(at.y()));
}

void HoverCommand::onMouseRelease(const QMouseEvent& event)
{
    const QPointF at = event.position();
    if (enabled_) {
        moveTo(ButtonState::Hover);
        emit mouseUp(buttonCode(event.button()), shiftCode(event.modifiers()), twipsOf(at.x()), twipsOf(at.y()));
    }
    // A click is a left press and release over the button. Its reset of the state happens even
    // when a MouseUp handler has just disabled the button; the Click itself then does not.
    if (event.button() != Qt::LeftButton || !widget()->rect().contains(at.toPoint()))
        return;
    moveTo(ButtonState::Normal);
    if (enabled_)
        emit clicked();
}

void HoverCommand::onMouseMove(const QMouseEvent& event)
{
    if (!enabled_)
        return;
    // The first column and row count as outside.
    const QPointF at = event.position();
    const bool inside = at.x() > 0 && at.x() < widget()->width() && at.y() > 0 && at.y() < widget()->height();
    if (!inside) {
        pointerLeft();
        return;
    }
    holdsPointer_ = true;
    if (state_ != ButtonState::Hover && !(event.buttons() & Qt::LeftButton))
        moveTo(ButtonState::Hover);
    emit mouseMove(buttonCode(event.buttons()), shiftCode(event.modifiers()), twipsOf(at.x()), twipsOf(at.y()));
}

void HoverCommand::onLeave()
{
    // Qt reports the pointer leaving (also after a press that was released elsewhere) instead
    // of a move outside; it ends the hover and pressed looks in the same way.
    if (enabled_ && (holdsPointer_ || state_ != ButtonState::Normal))
        pointerLeft();
}

void HoverCommand::pointerLeft()
{
    holdsPointer_ = false;
    moveTo(ButtonState::Normal);
    emit mouseLeave();
}

bool HoverCommand::onKeyPress(const QKeyEvent& event)
{
    if (!enabled_ || !isButtonKey(event))
        return false;
    // A key held down repeats its press; the button goes down once.
    if (!event.isAutoRepeat() && state_ != ButtonState::Pressed)
        moveTo(ButtonState::Pressed);
    return true;
}

bool HoverCommand::onKeyRelease(const QKeyEvent& event)
{
    if (!enabled_ || !isButtonKey(event))
        return false;
    // A held key also repeats its release; only the real one clicks.
    if (!event.isAutoRepeat() && state_ == ButtonState::Pressed) {
        moveTo(ButtonState::Normal);
        emit clicked();
    }
    return true;
}

void HoverCommand::onFocusIn()
{
    if (!enabled_)
        return;
    showsFocus_ = true;
    refresh();
}

void HoverCommand::onFocusOut()
{
    // Cleared even when the button was disabled first, so that no stale focus mark remains.
    showsFocus_ = false;
    refresh();
}

} // namespace tav::components
