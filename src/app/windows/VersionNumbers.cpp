#include "VersionNumbers.h"

#include "records/TextNumbers.h"

#include <QString>

namespace tav::app {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView firstLine(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
        ++end;
    return text.left(end);
}

QStringView firstItem(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    line = line.mid(start);
    if (line.startsWith(QLatin1Char('"'))) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), 1);
        return close < 0 ? line.mid(1) : line.mid(1, close - 1);
    }
    const qsizetype comma = line.indexOf(QLatin1Char(','));
    return (comma < 0 ? line : line.left(comma)).trimmed();
}

} // namespace

qint64 getAppVersionNumber(const platform::AppVersion& version)
{
    return qint64(version.major) * 1000000 + qint64(version.minor) * 1000 + version.revision;
}

std::optional<qint64> versionFileNumber(const QByteArray& content)
{
    if (content.trimmed().isEmpty())
        return std::nullopt;
    const QString text = QString::fromLatin1(content);
    return records::roundHalfEven(records::leadingNumber(firstItem(firstLine(text))));
}

} // namespace tav::app
