#include "ListView.h"

#include "KeyCodes.h"
#include "Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

namespace tav::platform {

namespace {
constexpr int kKeyRole = Qt::UserRole;
}

ListView::ListView(QWidget* container, const QString& name, int index)
    : Control(new QTreeWidget(container), name, index)
    , tree_(static_cast<QTreeWidget*>(widget()))
{
    tree_->setColumnCount(1);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree_->header()->setStretchLastSection(false);
    tree_->installEventFilter(this);
    viewport_ = tree_->viewport();
    viewport_->installEventFilter(this);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { emit doubleClicked(); });
    setBackColor(SystemColor::Window);
}

void ListView::clear()
{
    byKey_.clear();
    tree_->clear();
}

bool ListView::add(const QString& key, const QString& text)
{
    return insert(count() + 1, key, text);
}

bool ListView::insert(qsizetype position, const QString& key, const QString& text)
{
    if (key.isEmpty() || byKey_.contains(key) || position < 1 || position > count() + 1)
        return false;
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kKeyRole, key);
    tree_->insertTopLevelItem(static_cast<int>(position - 1), item);
    byKey_.insert(key, item);
    return true;
}

bool ListView::remove(const QString& key)
{
    QTreeWidgetItem* item = byKey_.take(key);
    if (!item)
        return false;
    delete item;
    return true;
}

qsizetype ListView::count() const
{
    return tree_->topLevelItemCount();
}

QTreeWidgetItem* ListView::itemAt(qsizetype position) const
{
    return position >= 1 && position <= count() ? tree_->topLevelItem(static_cast<int>(position - 1)) : nullptr;
}

QString ListView::keyAt(qsizetype position) const
{
    const QTreeWidgetItem* item = itemAt(position);
    return item ? item->data(0, kKeyRole).toString() : QString();
}

QString ListView::textAt(qsizetype position) const
{
    const QTreeWidgetItem* item = itemAt(position);
    return item ? item->text(0) : QString();
}

qsizetype ListView::positionOf(const QString& key) const
{
    QTreeWidgetItem* item = byKey_.value(key);
    return item ? tree_->indexOfTopLevelItem(item) + 1 : 0;
}

qsizetype ListView::currentPosition() const
{
    QTreeWidgetItem* item = tree_->currentItem();
    return item ? tree_->indexOfTopLevelItem(item) + 1 : 0;
}

QString ListView::currentKey() const
{
    return keyAt(currentPosition());
}

void ListView::select(qsizetype position)
{
    QTreeWidgetItem* item = itemAt(position);
    if (!item)
        return;
    tree_->setCurrentItem(item);
    item->setSelected(true);
    tree_->scrollToItem(item);
}

bool ListView::isSelected(qsizetype position) const
{
    const QTreeWidgetItem* item = itemAt(position);
    return item && item->isSelected();
}

void ListView::clearSelectedMark()
{
    if (QTreeWidgetItem* item = tree_->currentItem())
        item->setSelected(false);
}

qsizetype ListView::selectedPosition() const
{
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    return selected.isEmpty() ? 0 : tree_->indexOfTopLevelItem(selected.first()) + 1;
}

void ListView::setColumnWidth(double twips)
{
    columnWidth_ = twips;
    tree_->setColumnWidth(0, std::max(0, twipsToPixels(twips)));
}

bool ListView::eventFilter(QObject* watched, QEvent* event)
{
    // Compares pointers only: events also arrive while the widget is being destroyed.
    if (watched == viewport_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit clicked();
    } else if (watched == tree_ && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            emit keyUp(keyCodeOf(*key), shiftStateOf(*key));
    }
    return Control::eventFilter(watched, event);
}

} // namespace tav::platform
