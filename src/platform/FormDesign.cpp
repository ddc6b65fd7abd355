#include "FormDesign.h"

#include "CheckBox.h"
#include "ComboBox.h"
#include "CommandButton.h"
#include "Frame.h"
#include "Label.h"
#include "ListingBox.h"
#include "ListView.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "ProgressBar.h"
#include "TextBox.h"
#include "TreeView.h"

#include <QWidget>


namespace tav::platform {

namespace {

QString registryKey(const QString& name, int index)
{
    return index < 0 ? name : name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

Label::Alignment labelAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::Center: return Label::Alignment::Center;
    case TextAlign::Right: return Label::Alignment::Right;
    case TextAlign::Left: break;
    }
    return Label::Alignment::Left;
}

} // namespace

Control* ControlSet::create(QWidget* window, const ControlSpec& spec)
{
    QWidget* container = window;
    if (spec.container) {
        Control* owner = find(QLatin1String(spec.container), spec.containerIndex);
        if (!owner)
            stopForMissing(spec.name, spec.index, "its container is not in the design before it");
        container = owner->widget();
    }
    const QString name = QLatin1String(spec.name);
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
    case ControlKind::Label: {
        auto* label = new Label(container, name, spec.index);
        label->setAlignment(labelAlignment(spec.align));
        label->setWordWrap(spec.wordWrap);
        label->setCaption(caption);
        return label;
    }
    case ControlKind::TextBox:
    case ControlKind::MultiLineTextBox: {
        auto* box = new TextBox(container, name, spec.index,
                                spec.kind == ControlKind::TextBox ? TextBox::Lines::Single : TextBox::Lines::Multi);
        box->setText(caption);
        box->setMaxLength(spec.maxLength);
        box->setLocked(spec.locked);
        return box;
    }
    case ControlKind::ListingBox: {
        auto* box = new ListingBox(container, name, spec.index);
        box->setText(caption);
        return box;
    }
    case ControlKind::CommandButton: {
        auto* button = new CommandButton(container, name, spec.index);
        button->setCaption(caption);
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new CheckBox(container, name, spec.index);
        box->setCaption(caption);
        box->setValue(spec.checked ? CheckBox::Checked : CheckBox::Unchecked);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* option = new OptionButton(container, name, spec.index);
        option->setCaption(caption);
        option->setValue(spec.checked);
        return option;
    }
    case ControlKind::ComboBox: return new ComboBox(container, name, spec.index);
    case ControlKind::ListView: return new ListView(container, name, spec.index);
    case ControlKind::TreeView: {
        auto* tree = new TreeView(container, name, spec.index);
        tree->setCheckBoxes(spec.checkBoxes);
        return tree;
    }
    case ControlKind::Frame: {
        auto* frame = new Frame(container, name, spec.index);
        frame->setCaption(caption);
        frame->setBorder(spec.border);
        return frame;
    }
    case ControlKind::PictureBox: return new PictureBox(container, name, spec.index);
    case ControlKind::ProgressBar: return new ProgressBar(container, name, spec.index);
    }
    return nullptr;
}

void ControlSet::build(QWidget* window, std::span<const ControlSpec> design)
{
    for (const ControlSpec& spec : design) {
        Control* control = create(window, spec);
        control->move(spec.left, spec.top, spec.width, spec.height);
        control->setTabIndex(spec.tabIndex);
        if (*spec.fontName)
            control->setFont(QLatin1String(spec.fontName), spec.fontSize, spec.bold);
        if (spec.foreColor)
            control->setForeColor(spec.foreColor);
        if (spec.backColor)
            control->setBackColor(spec.backColor);
        control->setVisible(spec.visible);
        adopt(control);
    }
}

void ControlSet::adopt(Control* control)
{
    byName_.insert(registryKey(control->name(), control->index()), control);
    inOrder_.push_back(control);
}

Control* ControlSet::find(const QString& name, int index) const
{
    return byName_.value(registryKey(name, index));
}

void ControlSet::stopForMissing(const char* name, int index, const char* fault)
{
    qFatal("%s: %s", qPrintable(registryKey(QLatin1String(name), index)), fault);
}

void ControlSet::applyTabOrder() const
{
    std::vector<Control*> chain = inOrder_;
    sortInTabOrder(chain);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1]->widget(), chain[i]->widget());
}

} // namespace tav::platform
