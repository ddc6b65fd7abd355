#include "ListingLines.h"

namespace tav::platform {

namespace {
const QLatin1String kLineEnd("\r\n");
} // namespace

QString ListingLines::text() const
{
    QString whole;
    for (qsizetype i = 0; i < count(); ++i)
        whole += line(i) + kLineEnd;
    return whole;
}

TextLines::TextLines(QString text)
    : text_(std::move(text))
{
    if (text_.isEmpty())
        return;
    starts_.push_back(0);
    for (qsizetype end = text_.indexOf(kLineEnd); end >= 0; end = text_.indexOf(kLineEnd, end + 2)) {
        // A line end that closes the text starts no line after it.
        if (end + 2 < text_.size())
            starts_.push_back(end + 2);
    }
}

QString TextLines::line(qsizetype index) const
{
    const qsizetype start = starts_[static_cast<size_t>(index)];
    const qsizetype next = static_cast<size_t>(index) + 1 < starts_.size()
        ? starts_[static_cast<size_t>(index) + 1] - 2
        : text_.size() - (text_.endsWith(kLineEnd) ? 2 : 0);
    return text_.mid(start, next - start);
}

} // namespace tav::platform
