#include "TreeView.h"

#include "KeyCodes.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QTreeWidget>

#include <utility>

namespace tav::platform {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;
constexpr int kColorRole = Qt::UserRole + 2;

// Marks changes made by code, so that the item-changed notification they cause is not taken for
// the user's click on a check box.
class CodeChange {
public:
    explicit CodeChange(bool& flag)
        : flag_(flag)
        , previous_(flag)
    {
        flag_ = true;
    }
    ~CodeChange() { flag_ = previous_; }

private:
    bool& flag_;
    bool previous_;
};

} // namespace

TreeView::TreeView(QWidget* container, const QString& name, int index)
    : Control(new QTreeWidget(container), name, index)
    , tree_(static_cast<QTreeWidget*>(widget()))
    , viewport_(tree_->viewport())
{
    tree_->setColumnCount(1);
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Double-click handlers decide themselves what expands.
    tree_->setExpandsOnDoubleClick(false);
    viewport_->installEventFilter(this);
    connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        if (!changingByCode_ && checkBoxes_)
            emit nodeCheck(keyOf(item));
    });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { emit doubleClicked(); });
    setBackColor(SystemColor::Window);
}

QString TreeView::keyOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kKeyRole).toString() : QString();
}

void TreeView::setCheckBoxes(bool checkBoxes)
{
    checkBoxes_ = checkBoxes;
}

void TreeView::clear()
{
    const CodeChange change(changingByCode_);
    nodes_.clear();
    order_.clear();
    tree_->clear();
}

bool TreeView::add(const QString& parentKey, const QString& key, const QString& text)
{
    if (key.isEmpty() || nodes_.contains(key))
        return false;
    QTreeWidgetItem* parent = nullptr;
    if (!parentKey.isEmpty()) {
        parent = node(parentKey);
        if (!parent)
            return false;
    }
    const CodeChange change(changingByCode_);
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kKeyRole, key);
    item->setData(0, kColorRole, static_cast<qulonglong>(SystemColor::WindowText));
    if (checkBoxes_) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
    if (parent)
        parent->addChild(item);
    else
        tree_->addTopLevelItem(item);
    nodes_.insert(key, item);
    order_.push_back(item);
    return true;
}

void TreeView::forget(QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
    nodes_.remove(keyOf(item));
    order_.erase(std::remove(order_.begin(), order_.end(), item), order_.end());
}

bool TreeView::remove(const QString& key)
{
    QTreeWidgetItem* item = node(key);
    if (!item)
        return false;
    const CodeChange change(changingByCode_);
    forget(item);
    delete item;
    return true;
}

QString TreeView::keyAt(int position) const
{
    return position >= 1 && position <= nodeCount() ? keyOf(order_[static_cast<size_t>(position - 1)]) : QString();
}

QString TreeView::parentKey(const QString& key) const
{
    const QTreeWidgetItem* item = node(key);
    return item ? keyOf(item->parent()) : QString();
}

QStringList TreeView::childKeys(const QString& key) const
{
    QStringList keys;
    if (const QTreeWidgetItem* item = node(key)) {
        for (int i = 0; i < item->childCount(); ++i)
            keys << keyOf(item->child(i));
    }
    return keys;
}

QString TreeView::text(const QString& key) const
{
    const QTreeWidgetItem* item = node(key);
    return item ? item->text(0) : QString();
}

void TreeView::setText(const QString& key, const QString& text)
{
    if (QTreeWidgetItem* item = node(key)) {
        const CodeChange change(changingByCode_);
        item->setText(0, text);
    }
}

QString TreeView::tag(const QString& key) const
{
    const QTreeWidgetItem* item = node(key);
    return item ? item->data(0, kTagRole).toString() : QString();
}

void TreeView::setTag(const QString& key, const QString& tag)
{
    if (QTreeWidgetItem* item = node(key)) {
        const CodeChange change(changingByCode_);
        item->setData(0, kTagRole, tag);
    }
}

ColorValue TreeView::foreColor(const QString& key) const
{
    const QTreeWidgetItem* item = node(key);
    return item ? static_cast<ColorValue>(item->data(0, kColorRole).toULongLong()) : SystemColor::WindowText;
}

void TreeView::setForeColor(const QString& key, ColorValue color)
{
    if (QTreeWidgetItem* item = node(key)) {
        const CodeChange change(changingByCode_);
        item->setData(0, kColorRole, static_cast<qulonglong>(color));
        item->setForeground(0, QBrush(toQColor(color)));
    }
}

bool TreeView::checked(const QString& key) const
{
    const QTreeWidgetItem* item = node(key);
    return item && item->checkState(0) == Qt::Checked;
}

void TreeView::setChecked(const QString& key, bool checked)
{
    if (QTreeWidgetItem* item = node(key)) {
        const CodeChange change(changingByCode_);
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    }
}

bool TreeView::expanded(const QString& key) const
{
    const QTreeWidgetItem* item = node(key);
    return item && item->isExpanded();
}

void TreeView::setExpanded(const QString& key, bool expanded)
{
    if (QTreeWidgetItem* item = node(key))
        item->setExpanded(expanded);
}

void TreeView::ensureVisible(const QString& key)
{
    QTreeWidgetItem* item = node(key);
    if (!item)
        return;
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tree_->scrollToItem(item);
}

QString TreeView::selectedKey() const
{
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    return selected.isEmpty() ? QString() : keyOf(selected.first());
}

void TreeView::select(const QString& key)
{
    if (QTreeWidgetItem* item = node(key)) {
        tree_->setCurrentItem(item);
        item->setSelected(true);
    }
}

bool TreeView::eventFilter(QObject* watched, QEvent* event)
{
    // Compares pointers only: events also arrive while the widget is being destroyed.
    if (watched != viewport_)
        return Control::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        releaseEndsDoubleClick_ = false;
        break;
    case QEvent::MouseButtonDblClick:
        // The release that ends a double-click is no click of its own: by then the double-click
        // may have moved the selection, and a mouse-up would act on another node.
        releaseEndsDoubleClick_ = true;
        break;
    case QEvent::MouseButtonRelease: {
        if (std::exchange(releaseEndsDoubleClick_, false))
            break;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int button = mouse->button() == Qt::LeftButton ? LeftButton
            : mouse->button() == Qt::RightButton             ? RightButton
                                                             : MiddleButton;
        const Qt::KeyboardModifiers modifiers = mouse->modifiers();
        const int shift = (modifiers & Qt::ShiftModifier ? ShiftState::Shift : 0)
            | (modifiers & Qt::ControlModifier ? ShiftState::Ctrl : 0) | (modifiers & Qt::AltModifier ? ShiftState::Alt : 0);
        emit mouseUp(button, shift, pixelsToTwips(mouse->position().toPoint().x()),
                     pixelsToTwips(mouse->position().toPoint().y()));
        break;
    }
    default:
        break;
    }
    return Control::eventFilter(watched, event);
}

} // namespace tav::platform
