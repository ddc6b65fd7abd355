#pragma once

#include "components/PropertyBag.h"
#include "platform/Control.h"
#include "platform/Picture.h"

#include <QFont>

class QKeyEvent;
class QMouseEvent;

namespace tav::components {

class HoverCommandWidget;

// Look bits of HoverCommand::style(), in any combination.
namespace HoverStyle {
inline constexpr int Flat = 1;         // border only while hovered or pressed (or focused)
inline constexpr int Thin = 2;         // single-line edges; the pressed content moves 1 pixel, not 2
inline constexpr int HoverCaption = 8; // caption in the highlight colour while hovered
inline constexpr int NoBorder = 16;    // no border in any state
inline constexpr int WholeFocus = 32;  // focus mark on the face's edge, none at all with a hover picture
inline constexpr int HoverFill = 64;   // face filled with the highlight colour while hovered
} // namespace HoverStyle

// Where picture and caption stand. Any other value puts both at the left edge without offsets.
namespace HoverAlign {
inline constexpr int Left = 0;
inline constexpr int Center = 1;
inline constexpr int Right = 2;
} // namespace HoverAlign

enum class ButtonState { Normal = 0, Hover = 1, Pressed = 2 };

// The program's own command button: it draws itself (see HoverCommandFace.h) in three states,
// normal, hover and pressed, with a caption, an optional picture (and another one while hovered)
// and a background of its colour, a tiled picture or a copy of what its container shows under it.
//
// Its Enabled property is its own: reading a design sets it without touching the widget's
// enabled state, and a disabled button reacts to nothing. Use the setters of this class, not
// those of Control, so that every change follows the button's rules and repaints.
class HoverCommand : public platform::Control {
    Q_OBJECT

public:
    // The button shown by the widget; newHoverCommand (HoverCommandWidget.h) makes both.
    HoverCommand(QWidget* widget, const QString& name, int index = -1);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const platform::Picture& picture() const { return picture_; }
    void setPicture(const platform::Picture& picture);
    const platform::Picture& hovPicture() const { return hovPicture_; }
    void setHovPicture(const platform::Picture& picture);
    const platform::Picture& bgPicture() const { return bgPicture_; }
    void setBGPicture(const platform::Picture& picture);
    int style() const { return style_; }
    void setStyle(int style);
    bool grabBG() const { return grabBG_; }
    void setGrabBG(bool grab);
    int hAlign() const { return hAlign_; }
    void setHAlign(int align);
    qint16 imageOffset() const { return imageOffset_; }
    void setImageOffset(qint16 pixels);
    qint16 borderOffset() const { return borderOffset_; }
    void setBorderOffset(qint16 pixels);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    QFont font() const;
    void setFont(const QFont& font);
    void setForeColor(platform::ColorValue color);
    void setBackColor(platform::ColorValue color);
    platform::ColorValue highlightColor() const { return highlightColor_; }
    void setHighlightColor(platform::ColorValue color);

    ButtonState buttonState() const { return state_; }
    // Set while the button has the keyboard focus; the face then shows the focus mark.
    bool showsFocus() const { return showsFocus_; }

    void refresh();

    // The form design: reading takes every missing value from the defaults of a new button and
    // sets only the Enabled property, not the widget's state; neither repaints.
    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

signals:
    // Button: 1 left, 2 right, 4 middle (for moves, the buttons held); shift: 1 Shift, 2 Ctrl,
    // 4 Alt; x and y in twips within the button.
    void mouseDown(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseLeave();
    void clicked();
    // A property changed through its setter, so that a design holding it is out of date.
    void propertyChanged(const QString& name);

private:
    friend class HoverCommandWidget;

    template <typename T> void changeValue(T& field, const T& value, const char* name);
    void changeAlways(const char* name);
    void moveTo(ButtonState state);

    void onMousePress(const QMouseEvent& event);
    void onMouseRelease(const QMouseEvent& event);
    void onMouseMove(const QMouseEvent& event);
    void onLeave();
    // Both return whether the key was the button's own (Enter or Space).
    bool onKeyPress(const QKeyEvent& event);
    bool onKeyRelease(const QKeyEvent& event);
    void onFocusIn();
    void onFocusOut();
    void pointerLeft();

    QString caption_;
    platform::Picture picture_;
    platform::Picture hovPicture_;
    platform::Picture bgPicture_;
    int style_;
    ButtonState state_ = ButtonState::Normal;
    bool grabBG_;
    int hAlign_;
    qint16 imageOffset_;
    qint16 borderOffset_;
    bool enabled_;
    bool showsFocus_ = false;
    platform::ColorValue highlightColor_;
    // Whether the pointer was last seen inside, so that its leaving ends the hover state.
    bool holdsPointer_ = false;
};

} // namespace tav::components
