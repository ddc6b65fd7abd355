#include "ListSearch.h"

#include "platform/ListView.h"

namespace tav::components {

qsizetype findListViewItem(const platform::ListView& list, const QString& text, int flags)
{
    const bool partial = (flags & FindFlags::Partial) != 0;
    for (qsizetype position = 1; position <= list.count(); ++position) {
        const QString entry = list.textAt(position);
        const bool matches = partial ? entry.startsWith(text, Qt::CaseInsensitive)
                                     : entry.compare(text, Qt::CaseInsensitive) == 0;
        if (matches)
            return position;
    }
    return 0;
}

} // namespace tav::components
