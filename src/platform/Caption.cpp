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

QChar accessKeyOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&'))
            continue;
        if (caption.at(i + 1) != QLatin1Char('&'))
            return caption.at(i + 1).toUpper();
        ++i;
    }
    return {};
}

} // namespace tav::platform
