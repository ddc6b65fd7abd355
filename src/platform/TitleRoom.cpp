#include "TitleRoom.h"

#include <QFontDatabase>
#include <QFontMetrics>

namespace tav::platform {

namespace {

// The icon and three buttons a title bar holds, each about as wide as a line of its text.
constexpr int kFrameItemsEachSide = 4;

} // namespace

int titleRoom(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 2 * kFrameItemsEachSide * metrics.height();
}

} // namespace tav::platform
