#include "TreeView.h"

#include "KeyCodes.h"
#include "TreeModel.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QTreeView>

#include <utility>

namespace tav::platform {

// Qt's tree view, laying out its rows once after any number of changes by code. Laid out at every
// change, a tree of thousands of nodes took time growing with the square of their number.
class TreeView::View final : public QTreeView {
public:
    using QTreeView::QTreeView;

    void layOutLater() { scheduleDelayedItemsLayout(); }
};

TreeView::TreeView(QWidget* container, const QString& name, int index)
    : Control(new View(container), name, index)
    , view_(static_cast<View*>(widget()))
    , model_(new TreeModel(view_))
    , viewport_(view_->viewport())
{
    view_->setModel(model_);
    view_->setHeaderHidden(true);
    view_->setUniformRowHeights(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Double-click handlers decide themselves what expands.
    view_->setExpandsOnDoubleClick(false);
    viewport_->installEventFilter(this);
    view_->installEventFilter(this);
    connect(model_, &TreeModel::userChecked, this, [this](const QString& key) {
        if (checkBoxes_)
            emit nodeCheck(key);
    });
    connect(view_, &QTreeView::doubleClicked, this, [this] { emit doubleClicked(); });
    setBackColor(SystemColor::Window);
}

TreeView::~TreeView() = default;

TreeView::Refill::Refill(TreeView& tree)
    : tree_(tree)
{
    tree_.pendingFill_ = nullptr;
    tree_.refill_ = std::make_unique<TreeNodes>();
    // A tree is mostly filled anew with about as many nodes as before.
    tree_.refill_->reserve(tree_.model_->nodes().count());
}

TreeView::Refill::~Refill()
{
    tree_.endRefill();
}

void TreeView::endRefill()
{
    // The model's reset resets the view as a cleared tree's is: nothing selected or current,
    // nothing expanded. Told node by node what went, a view took time growing with the square of
    // the number of nodes that went.
    model_->replaceAll(std::exchange(refill_, nullptr));
    view_->layOutLater();
    const TreeNodes& shown = model_->nodes();
    for (int i = 0; i < shown.count(); ++i) {
        TreeNode& node = shown.at(i);
        if (std::exchange(node.expanded, false))
            view_->setExpanded(model_->indexOf(node), true);
    }
}

void TreeView::refillWhenShown(std::function<void()> fill)
{
    pendingFill_ = std::move(fill);
    if (view_->isVisible())
        fillNow();
}

void TreeView::fillNow() const
{
    // Taken first: the fill's own calls find nothing pending.
    if (const std::function<void()> fill = std::exchange(pendingFill_, nullptr))
        fill();
}

QTreeView* TreeView::treeView() const
{
    fillNow();
    return view_;
}

const TreeNodes& TreeView::nodes() const
{
    fillNow();
    return refill_ ? *refill_ : model_->nodes();
}

TreeNode* TreeView::node(const QString& key) const
{
    return nodes().find(key);
}

void TreeView::showChange(TreeNode& node)
{
    if (!refill_)
        model_->showChange(node);
}

void TreeView::setCheckBoxes(bool checkBoxes)
{
    checkBoxes_ = checkBoxes;
}

void TreeView::clear()
{
    pendingFill_ = nullptr;
    if (refill_)
        refill_ = std::make_unique<TreeNodes>();
    else
        model_->clear();
}

bool TreeView::add(const QString& parentKey, const QString& key, const QString& text)
{
    fillNow();
    if (refill_) {
        return refill_->add(parentKey, key, text, checkBoxes_);
    }
    view_->layOutLater();
    return model_->add(parentKey, key, text, checkBoxes_);
}

bool TreeView::remove(const QString& key)
{
    TreeNode* found = node(key);
    if (!found)
        return false;
    if (refill_)
        refill_->remove(*found);
    else
        model_->remove(*found);
    return true;
}

int TreeView::nodeCount() const
{
    return nodes().count();
}

QString TreeView::keyAt(int position) const
{
    return position >= 1 && position <= nodeCount() ? nodes().at(position - 1).key : QString();
}

QString TreeView::parentKey(const QString& key) const
{
    const TreeNode* found = node(key);
    return found ? found->parent->key : QString();
}

QStringList TreeView::childKeys(const QString& key) const
{
    QStringList keys;
    if (const TreeNode* found = node(key)) {
        for (const TreeNode* child : found->children)
            keys << child->key;
    }
    return keys;
}

QString TreeView::text(const QString& key) const
{
    const TreeNode* found = node(key);
    return found ? found->data.text : QString();
}

void TreeView::setText(const QString& key, const QString& text)
{
    if (TreeNode* found = node(key)) {
        found->data.text = text;
        showChange(*found);
    }
}

QString TreeView::tag(const QString& key) const
{
    const TreeNode* found = node(key);
    return found ? found->data.tag : QString();
}

void TreeView::setTag(const QString& key, const QString& tag)
{
    // The tag is not shown: the view need not hear of it.
    if (TreeNode* found = node(key))
        found->data.tag = tag;
}

ColorValue TreeView::foreColor(const QString& key) const
{
    const TreeNode* found = node(key);
    return found ? found->data.color : SystemColor::WindowText;
}

void TreeView::setForeColor(const QString& key, ColorValue color)
{
    if (TreeNode* found = node(key)) {
        found->data.color = color;
        found->data.colorSet = true;
        showChange(*found);
    }
}

bool TreeView::checked(const QString& key) const
{
    const TreeNode* found = node(key);
    return found && found->data.checked;
}

void TreeView::setChecked(const QString& key, bool checked)
{
    if (TreeNode* found = node(key)) {
        found->data.hasCheckState = true;
        found->data.checked = checked;
        showChange(*found);
    }
}

bool TreeView::expanded(const QString& key) const
{
    const TreeNode* found = node(key);
    if (!found)
        return false;
    return refill_ ? found->expanded : view_->isExpanded(model_->indexOf(*found));
}

void TreeView::setExpanded(const QString& key, bool expanded)
{
    TreeNode* found = node(key);
    if (!found)
        return;
    if (refill_) {
        found->expanded = expanded;
        return;
    }
    view_->layOutLater();
    view_->setExpanded(model_->indexOf(*found), expanded);
}

void TreeView::ensureVisible(const QString& key)
{
    fillNow();
    const TreeNode* found = model_->find(key);
    if (!found)
        return;
    view_->layOutLater();
    for (const TreeNode* parent = found->parent; parent->parent; parent = parent->parent)
        view_->setExpanded(model_->indexOf(*parent), true);
    view_->scrollTo(model_->indexOf(*found));
}

QString TreeView::selectedKey() const
{
    fillNow();
    const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : model_->nodeAt(selected.first())->key;
}

void TreeView::select(const QString& key)
{
    fillNow();
    if (const TreeNode* found = model_->find(key)) {
        const QModelIndex index = model_->indexOf(*found);
        view_->setCurrentIndex(index);
        view_->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

bool TreeView::eventFilter(QObject* watched, QEvent* event)
{
    // Compares pointers only: events also arrive while the widget is being destroyed.
    if (watched == view_ && event->type() == QEvent::Show)
        fillNow();
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
            | (modifiers & Qt::ControlModifier ? ShiftState::Ctrl : 0)
            | (modifiers & Qt::AltModifier ? ShiftState::Alt : 0);
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
