#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tav::records {

// What a load of a database file could not take into the tables, and what it took but could not
// read, line by line, so that the user hears of it before a save writes the tables back. Every
// line of the file is either taken into the tables (a root, section, record start or end line, an
// element whose value is kept, a company text) or told here.
struct ReadReport {
    // Lines of the file, counted from 1 as an editor counts them.
    struct Lines {
        qsizetype first = 0;
        qsizetype last = 0;

        bool operator==(const Lines&) const = default;
    };
    // Lines with the text of the first of them, as the notice shows them.
    struct Example {
        Lines lines;
        QString text;
    };
    // An entry left out because an earlier one had its number, name or period and customer.
    struct Duplicate {
        Lines lines;
        // The entry kept, by its number or name and what it holds ("customer 1 (Smith, Anna)").
        QString kept;
    };
    enum class AmountKind { Price, Balance, Item };
    // An amount kept as the file writes it because it is not wholly an amount this program can
    // hold: it counts as AmountKind says (see the notice).
    struct UnreadableAmount {
        qsizetype line = 0;
        AmountKind kind = AmountKind::Price;
        QString text;
        // Whose amount it is ("Lawn mowing", "Smith, Anna in January 2006").
        QString of;
    };

    // How many of each kind the lists below show at most, the first in the file.
    static constexpr qsizetype kExamples = 5;

    // Every line not taken into the tables, in ascending order, runs of lines merged; the lines of
    // duplicates are in `duplicateLines`.
    std::vector<Lines> linesNotRead;
    // How many lines linesNotRead spans.
    qsizetype lineCountNotRead = 0;
    QList<Example> firstLinesNotRead;

    std::vector<Lines> duplicateLines;
    QList<Duplicate> firstDuplicates;

    // How many amounts of each kind could not be read, by AmountKind.
    std::array<qsizetype, 3> unreadableAmounts{};
    QList<UnreadableAmount> firstUnreadableAmounts;

    // Lines read as UTF-8 and Windows-1252 mixed: their text may not be what was meant.
    qsizetype mixedLineCount = 0;
    QList<Example> firstMixedLines;

    // The file does not end with the root's closing line: it may have been cut short, and what
    // stood after the cut is not in it.
    bool cutShort = false;

    // Whether anything of the file is not in the tables: a save would leave it out.
    bool leftOutAnything() const { return !linesNotRead.empty() || !duplicateLines.empty() || cutShort; }
    qsizetype unreadableAmountCount() const
    {
        return unreadableAmounts[0] + unreadableAmounts[1] + unreadableAmounts[2];
    }
    bool isEmpty() const { return !leftOutAnything() && unreadableAmountCount() == 0 && mixedLineCount == 0; }
};

// Keeps the `capacity` items that stand first in the file, whatever order they come in.
template <class T>
class FirstInFile {
public:
    explicit FirstInFile(size_t capacity)
        : capacity_(capacity)
    {
    }

    // Whether an item of this line would be kept: one that would not need not be made.
    bool wouldKeep(qsizetype line) const { return items_.size() < capacity_ || line < items_.back().first; }

    void add(qsizetype line, T item)
    {
        const auto later = [](qsizetype l, const std::pair<qsizetype, T>& kept) { return l < kept.first; };
        const auto at = std::upper_bound(items_.begin(), items_.end(), line, later);
        if (items_.size() == capacity_) {
            if (at == items_.end())
                return;
            items_.pop_back();
        }
        items_.insert(at, {line, std::move(item)});
    }

    const std::vector<std::pair<qsizetype, T>>& items() const { return items_; }
    QList<T> firstItems() const
    {
        QList<T> first;
        for (const auto& item : items_)
            first.append(item.second);
        return first;
    }

private:
    size_t capacity_;
    std::vector<std::pair<qsizetype, T>> items_;
};

// Collects what a load tells as the reader meets it, in any order, and gives it in file order, the
// first few of each kind shown. Keeps a bounded number of texts whatever the input.
class ReportCollector {
public:
    // Lines first..last were not read; text is the first's.
    void notRead(ReadReport::Lines lines, QByteArrayView text);
    void duplicate(ReadReport::Lines lines, QString kept);
    void amountNotRead(qsizetype line, ReadReport::AmountKind kind, QString text, QString of);
    void mixedLine(qsizetype line, QByteArrayView text);
    // Fills the report: the lines not read sorted, runs merged, and the first few of each kind.
    void finishInto(ReadReport& report);

private:
    std::vector<ReadReport::Lines> runs_;
    // Runs merge when they touch, so more texts are kept than are shown.
    FirstInFile<QString> texts_{4 * ReadReport::kExamples};
    std::vector<ReadReport::Lines> duplicateLines_;
    FirstInFile<ReadReport::Duplicate> duplicates_{ReadReport::kExamples};
    std::array<qsizetype, 3> amountCounts_{};
    FirstInFile<ReadReport::UnreadableAmount> amounts_{ReadReport::kExamples};
    qsizetype mixedLineCount_ = 0;
    FirstInFile<ReadReport::Example> mixedLines_{ReadReport::kExamples};
};

// What a line shows in a notice: its text, shortened when it is long.
QString shownLineText(QByteArrayView text);

} // namespace tav::records
