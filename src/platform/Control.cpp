#include "Control.h"

#include "Twips.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

#include <algorithm>

namespace tav::platform {

Control::Control(QWidget* widget, QString name, int index)
    : QObject(widget)
    , widget_(widget)
    , name_(std::move(name))
    , index_(index)
{
    widget_->setObjectName(index_ < 0 ? name_ : name_ + QLatin1Char('_') + QString::number(index_));
}

void Control::setVisible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

void Control::setEnabled(bool enabled)
{
    enabled_ = enabled;
    widget_->setEnabled(enabled);
}

void Control::setLeft(double twips)
{
    left_ = twips;
    applyGeometry();
}

void Control::setTop(double twips)
{
    top_ = twips;
    applyGeometry();
}

void Control::setWidth(double twips)
{
    width_ = twips;
    applyGeometry();
}

void Control::setHeight(double twips)
{
    height_ = twips;
    applyGeometry();
}

void Control::move(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::applyGeometry()
{
    // Negative sizes are clamped by the widget; the twip values are kept as given.
    widget_->setGeometry(twipsToPixels(left_), twipsToPixels(top_), std::max(0, twipsToPixels(width_)),
                         std::max(0, twipsToPixels(height_)));
}

std::vector<int> Control::tabOrderPath() const
{
    std::vector<int> indexes;
    for (const QWidget* w = widget_; w; w = w->parentWidget()) {
        if (const auto* owner = w->findChild<Control*>(QString(), Qt::FindDirectChildrenOnly))
            indexes.insert(indexes.begin(), owner->tabIndex());
        if (w->isWindow())
            break;
    }
    return indexes;
}

void sortInTabOrder(std::vector<Control*>& controls)
{
    std::vector<std::pair<std::vector<int>, Control*>> chain;
    chain.reserve(controls.size());
    for (Control* control : controls)
        chain.emplace_back(control->tabOrderPath(), control);
    std::stable_sort(chain.begin(), chain.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < chain.size(); ++i)
        controls[i] = chain[i].second;
}

void Control::setFont(const QString& family, double points, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    widget_->setFont(font);
}

void Control::setForeColor(ColorValue color)
{
    foreColor_ = color;
    QPalette palette = widget_->palette();
    const QColor qcolor = toQColor(color);
    palette.setColor(QPalette::WindowText, qcolor);
    palette.setColor(QPalette::Text, qcolor);
    palette.setColor(QPalette::ButtonText, qcolor);
    widget_->setPalette(palette);
}

void Control::setBackColor(ColorValue color)
{
    backColor_ = color;
    QPalette palette = widget_->palette();
    const QColor qcolor = toQColor(color);
    palette.setColor(QPalette::Window, qcolor);
    palette.setColor(QPalette::Base, qcolor);
    palette.setColor(QPalette::Button, qcolor);
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
}

void Control::setFocus()
{
    widget_->setFocus(Qt::OtherFocusReason);
}

bool Control::hasFocus() const
{
    return widget_->hasFocus();
}

} // namespace tav::platform
