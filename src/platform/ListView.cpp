#include "ListView.h"

#include "KeyCodes.h"
#include "ListModel.h"
#include "Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>

namespace tav::platform {

ListView::ListView(QWidget* container, const QString& name, int index)
    : Control(new QTreeView(container), name, index)
    , tree_(static_cast<QTreeView*>(widget()))
    , model_(new ListModel(tree_))
{
    tree_->setModel(model_);
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(false);
    tree_->setUniformRowHeights(true);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree_->header()->setStretchLastSection(false);
    tree_->installEventFilter(this);
    viewport_ = tree_->viewport();
    viewport_->installEventFilter(this);
    connect(tree_, &QTreeView::doubleClicked, this, [this] { emit doubleClicked(); });
    setBackColor(SystemColor::Window);
}

ListView::Refill::Refill(ListView& list)
    : list_(list)
{
    list_.refilling_ = true;
    list_.model_->beginRefill();
}

ListView::Refill::~Refill()
{
    list_.model_->endRefill();
    list_.refilling_ = false;
}

void ListView::clear()
{
    model_->clear();
}

bool ListView::add(const QString& key, const QString& text)
{
    return refilling_ ? model_->append(key, text) : insert(count() + 1, key, text);
}

bool ListView::insert(qsizetype position, const QString& key, const QString& text)
{
    return model_->insert(static_cast<int>(position - 1), key, text);
}

bool ListView::remove(const QString& key)
{
    return model_->remove(key);
}

qsizetype ListView::count() const
{
    return model_->count();
}

QModelIndex ListView::indexAt(qsizetype position) const
{
    return position >= 1 && position <= count() ? model_->index(static_cast<int>(position - 1)) : QModelIndex();
}

QString ListView::keyAt(qsizetype position) const
{
    return position >= 1 && position <= count() ? model_->keyAt(static_cast<int>(position - 1)) : QString();
}

QString ListView::textAt(qsizetype position) const
{
    return position >= 1 && position <= count() ? model_->textAt(static_cast<int>(position - 1)) : QString();
}

qsizetype ListView::positionOf(const QString& key) const
{
    return model_->rowOf(key) + 1;
}

qsizetype ListView::currentPosition() const
{
    const QModelIndex current = tree_->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

QString ListView::currentKey() const
{
    return keyAt(currentPosition());
}

void ListView::select(qsizetype position)
{
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return;
    tree_->setCurrentIndex(index);
    tree_->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    tree_->scrollTo(index);
}

bool ListView::isSelected(qsizetype position) const
{
    const QModelIndex index = indexAt(position);
    return index.isValid() && tree_->selectionModel()->isSelected(index);
}

void ListView::clearSelectedMark()
{
    const QModelIndex current = tree_->currentIndex();
    if (current.isValid())
        tree_->selectionModel()->select(current, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

qsizetype ListView::selectedPosition() const
{
    const QModelIndexList selected = tree_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : selected.first().row() + 1;
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
