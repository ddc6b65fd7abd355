#pragma once

#include "platform/TreeView.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QStringList>
#include <QTreeView>

namespace tav::test {

// Everything a tree keeps and shows, one line per node: through its own calls, in the order the
// nodes were added, and as its view reads its model, depth first; then what is selected and
// current. Two trees that read the same look and act the same.
inline QStringList treeState(const platform::TreeView& tree)
{
    QStringList lines;
    for (int i = 1; i <= tree.nodeCount(); ++i) {
        const QString key = tree.keyAt(i);
        lines << QStringLiteral("%1 under '%2': %3 tag '%4' colour %5%6%7")
                     .arg(key, tree.parentKey(key), tree.text(key), tree.tag(key))
                     .arg(tree.foreColor(key), 0, 16)
                     .arg(tree.checked(key) ? QStringLiteral(" checked") : QString(),
                         tree.expanded(key) ? QStringLiteral(" expanded") : QString());
    }
    const QTreeView& view = *tree.treeView();
    const QAbstractItemModel& model = *view.model();
    const auto walk = [&](const auto& self, const QModelIndex& parent, const QString& indent) -> void {
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            const QVariant check = index.data(Qt::CheckStateRole);
            const QVariant brush = index.data(Qt::ForegroundRole);
            lines << QStringLiteral("%1%2 check %3 ink %4, %5 children%6")
                         .arg(indent, index.data().toString(),
                             check.isValid() ? QString::number(check.toInt()) : QStringLiteral("none"),
                             brush.isValid() ? brush.value<QBrush>().color().name() : QStringLiteral("the view's"))
                         .arg(model.rowCount(index))
                         .arg(view.isExpanded(index) ? QStringLiteral(" open") : QString());
            self(self, index, indent + QLatin1String("  "));
        }
    };
    walk(walk, QModelIndex(), QString());
    lines
        << QStringLiteral("selected '%1', current '%2'").arg(tree.selectedKey(), view.currentIndex().data().toString());
    return lines;
}

} // namespace tav::test
