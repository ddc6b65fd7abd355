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

void ReportCollector::notRead(ReadReport::Lines lines, QByteArrayView text)
{
    runs_.push_back(lines);
    if (texts_.wouldKeep(lines.first))
        texts_.add(lines.first, shownLineText(text));
}

void ReportCollector::duplicate(ReadReport::Lines lines, QString kept)
{
    duplicateLines_.push_back(lines);
    if (duplicates_.wouldKeep(lines.first))
        duplicates_.add(lines.first, ReadReport::Duplicate{lines, std::move(kept)});
}

void ReportCollector::amountNotRead(qsizetype line, ReadReport::AmountKind kind, QString text, QString of)
{
    ++amountCounts_[size_t(kind)];
    if (amounts_.wouldKeep(line))
        amounts_.add(line, ReadReport::UnreadableAmount{line, kind, std::move(text), std::move(of)});
}

void ReportCollector::mixedLine(qsizetype line, QByteArrayView text)
{
    ++mixedLineCount_;
    if (mixedLines_.wouldKeep(line))
        mixedLines_.add(line, ReadReport::Example{{line, line}, shownLineText(text)});
}

void ReportCollector::finishInto(ReadReport& report)
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
    report.firstLinesNotRead.clear();
    for (const ReadReport::Lines& lines : merged) {
        report.lineCountNotRead += lines.last - lines.first + 1;
        if (report.firstLinesNotRead.size() == ReadReport::kExamples)
            continue;
        const auto& texts = texts_.items();
        const auto text
            = std::find_if(texts.begin(), texts.end(), [&](const auto& t) { return t.first == lines.first; });
        report.firstLinesNotRead.append({lines, text == texts.end() ? QString() : text->second});
    }
    report.duplicateLines = std::move(duplicateLines_);
    report.firstDuplicates = duplicates_.firstItems();
    report.unreadableAmounts = amountCounts_;
    report.firstUnreadableAmounts = amounts_.firstItems();
    report.mixedLineCount = mixedLineCount_;
    report.firstMixedLines = mixedLines_.firstItems();
}

} // namespace tav::records
