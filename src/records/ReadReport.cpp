#include "ReadReport.h"

#include <algorithm>

namespace tav::records {

namespace {

constexpr qsizetype kShownCharacters = 80;

} // namespace

QString shownLineText(QByteArrayView text)
{
    QString shown = QString::fromUtf8(text.first(std::min<qsizetype>(text.size(), 4 * kShownCharacters)));
    if (shown.size() > kShownCharacters || text.size() > 4 * kShownCharacters)
        shown = shown.first(std::min(shown.size(), kShownCharacters)) + QChar(0x2026);
    return shown;
}

void LinesNotReadCollector::add(ReadReport::Lines lines, QByteArrayView text)
{
    runs_.push_back(lines);
    if (texts_.wouldKeep(lines.first))
        texts_.add(lines.first, shownLineText(text));
}

void LinesNotReadCollector::finishInto(ReadReport& report)
{
    std::sort(runs_.begin(), runs_.end(),
              [](const ReadReport::Lines& a, const ReadReport::Lines& b) { return a.first < b.first; });
    std::vector<ReadReport::Lines>& merged = report.linesNotRead;
    merged.clear();
    for (const ReadReport::Lines& run : runs_) {
        if (!merged.empty() && run.first <= merged.back().last + 1)
            merged.back().last = std::max(merged.back().last, run.last);
        else
            merged.push_back(run);
    }
    runs_ = {};
    report.lineCountNotRead = 0;
    for (const ReadReport::Lines& lines : merged)
        report.lineCountNotRead += lines.last - lines.first + 1;
    report.firstLinesNotRead.clear();
    for (const ReadReport::Lines& lines : merged) {
        if (report.firstLinesNotRead.size() == ReadReport::kExamples)
            break;
        const auto& texts = texts_.items();
        const auto text = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.first == lines.first; });
        report.firstLinesNotRead.append({lines, text == texts.end() ? QString() : text->second});
    }
}

} // namespace tav::records
