#pragma once

#include "Colors.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace tav::platform {

// What every control of a form has, kept the way the form runtime keeps it: a name (and an index
// within a control array), its own Visible and Enabled flags, and its rectangle in twips within
// its container. Qt's isVisible() is false inside a hidden page or before the window was shown;
// program logic asks visible() instead.
//
// A control owns nothing but its state: the widget belongs to the widget tree of its form and
// the control object is a child of its widget, so both go when the form goes.
class Control : public QObject {
    Q_OBJECT

public:
    Control(QWidget* widget, QString name, int index = -1);

    QWidget* widget() const { return widget_; }
    const QString& name() const { return name_; }
    int index() const { return index_; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void move(double left, double top, double width, double height);

    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int index) { tabIndex_ = index; }
    // The control's place in its window's tab order: the tab indexes of its containers from the
    // window down, then its own. Containers come first, so a page's controls stay together.
    std::vector<int> tabOrderPath() const;

    void setFont(const QString& family, double points, bool bold = false, bool italic = false);
    ColorValue foreColor() const { return foreColor_; }
    void setForeColor(ColorValue color);
    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    void setFocus();
    bool hasFocus() const;

    // The letter of the caption's access key (upper case), or a null character.
    virtual QChar accessKey() const { return {}; }
    // Does what the access key does for this kind of control; false when it does nothing of its
    // own, and the key only moves the focus (a label's gives it to the control after the label).
    virtual bool activateAccessKey() { return false; }

private:
    void applyGeometry();

    QWidget* widget_;
    QString name_;
    int index_;
    bool visible_ = true;
    bool enabled_ = true;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
    int tabIndex_ = 0;
    ColorValue foreColor_ = SystemColor::WindowText;
    ColorValue backColor_ = SystemColor::ButtonFace;
};

// Puts controls of one window in its tab order; controls of the same place keep their order.
void sortInTabOrder(std::vector<Control*>& controls);

} // namespace tav::platform
