#pragma once

#include "Colors.h"
#include "Control.h"

#include <QHash>
#include <QString>

#include <span>
#include <vector>

class QWidget;

namespace tav::platform {

enum class ControlKind {
    Label, TextBox, MultiLineTextBox, ListingBox, CommandButton, CheckBox, OptionButton, ComboBox, ListView, TreeView,
    Frame, PictureBox, ProgressBar
};

enum class TextAlign { Left, Center, Right };

// One control of a window's design: what it is, where it stands (twips, within its container),
// its caption and look, and whether it shows when the window opens.
struct ControlSpec {
    ControlKind kind;
    const char* name;
    int index = -1;
    const char* caption = "";
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    // The container's name and index; no name means the window itself.
    const char* container = nullptr;
    int containerIndex = -1;
    int tabIndex = 0;
    bool visible = true;
    // A font family of "" keeps the window's font.
    const char* fontName = "";
    double fontSize = 0;
    bool bold = false;
    ColorValue foreColor = 0;
    ColorValue backColor = 0;
    TextAlign align = TextAlign::Left;
    int maxLength = 0;
    bool locked = false;
    bool wordWrap = false;
    bool checkBoxes = false;
    bool border = true;
    // The design value of a check box (checked) or an option button (chosen).
    bool checked = false;
};

// The controls of one window, created from its design and found again by name and index.
class ControlSet {
public:
    // Creates every control in order; a container must come before the controls it holds.
    void build(QWidget* window, std::span<const ControlSpec> design);
    // Takes in a control made elsewhere (a kind the design tables do not know), so that it is
    // found by name and takes its place in the tab order.
    void adopt(Control* control);
    // Chains the keyboard focus through the window by tab index, containers first.
    void applyTabOrder() const;

    // Null where the window has no such control: for a caller that asks whether it is there.
    Control* find(const QString& name, int index = -1) const;
    // A control the code relies on. If the window has none of that name, index and kind, the code
    // and its design disagree: that stops the program here, in every build, rather than leaving a
    // null to be followed later.
    template<class T>
    T* get(const char* name, int index = -1) const
    {
        auto* control = qobject_cast<T*>(find(QLatin1String(name), index));
        if (!control)
            stopForMissing(name, index, "no control of that name and kind in the window");
        return control;
    }

private:
    Control* create(QWidget* window, const ControlSpec& spec);
    [[noreturn]] static void stopForMissing(const char* name, int index, const char* fault);

    QHash<QString, Control*> byName_;
    std::vector<Control*> inOrder_;
};

} // namespace tav::platform
