#include "DialogFilter.h"

#include <QStringList>

#include <algorithm>

namespace tav::components {

namespace {
const QChar kNul(u'\0');
const QString kListEnd(2, kNul);
} // namespace

QString defaultFilterList()
{
    return filterListFromText(QStringLiteral("All Files (*.*)|*.*|Batch Files (*.BAT)|*.BAT|INF Files (*.INF)|*.INF|"
                                             "SYS Files (*.SYS)|*.SYS|HTM Files (*.HTM)|*.HTM|"
                                             "Text Files (*.TXT)|*.TXT|"));
}

QString filterListFromText(const QString& text)
{
    QString list = text;
    list.replace(QLatin1Char('|'), kNul);
    if (!list.endsWith(kListEnd))
        list += list.endsWith(kNul) ? QString(kNul) : kListEnd;
    return list;
}

std::vector<platform::FileType> fileTypesFromFilterList(const QString& list)
{
    const qsizetype end = list.indexOf(kListEnd);
    const QStringList parts = list.left(end).split(kNul);
    std::vector<platform::FileType> types;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        types.push_back(platform::FileType{parts.at(i), parts.at(i + 1)});
    return types;
}

int clampedFileTypeIndex(int index, std::size_t fileTypeCount)
{
    const int last = static_cast<int>(std::max<std::size_t>(fileTypeCount, 1));
    return std::clamp(index, 1, last);
}

} // namespace tav::components
