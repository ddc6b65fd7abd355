#include "Caption.h"

namespace tav::platform {

QString displayedCaption(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // Lines are separated by CR LF in captions; the line break alone is drawn.
        if (caption.at(i) == QLatin1Char('\r') && i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('\n'))
            continue;
        if (caption.at(i) != QLatin1Char('&')) {
            shown += caption.at(i);
            continue;
        }
        if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
            shown += QLatin1Char('&');
            ++i;
        }
    }
    return shown;
}

} // namespace tav::platform
