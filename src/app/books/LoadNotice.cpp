#include "LoadNotice.h"

#include "records/ReadReport.h"

#include <QStringList>

namespace tav::app {

using records::ReadReport;

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString counted(qsizetype count, const char* one, const char* more)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : more);
}

QString linesText(const ReadReport::Lines& lines)
{
    return lines.first == lines.last ? QStringLiteral("line %1").arg(lines.first)
                                     : QStringLiteral("lines %1 to %2").arg(lines.first).arg(lines.last);
}

// "  line 12: text", one a line, and how many more there are.
QString listed(const QStringList& shown, qsizetype more, const char* one, const char* several)
{
    QString list;
    for (const QString& line : shown)
        list += kLineBreak + QLatin1String("  ") + line;
    if (more > 0)
        list += kLineBreak + QStringLiteral("  (and %1 more %2)").arg(more).arg(QLatin1String(more == 1 ? one : several));
    return list;
}

QString linesNotRead(const ReadReport& report)
{
    QStringList shown;
    qsizetype shownLines = 0;
    for (const ReadReport::Example& example : report.firstLinesNotRead) {
        shown << linesText(example.lines) + QLatin1String(": ") + example.text;
        shownLines += example.lines.last - example.lines.first + 1;
    }
    const qsizetype count = report.lineCountNotRead;
    return counted(count, "line", "lines") + QLatin1String(" of the database file could not be read and ")
        + QLatin1String(count == 1 ? "is" : "are") + QLatin1String(" left out:")
        + listed(shown, count - shownLines, "line", "lines");
}

QString duplicates(const ReadReport& report)
{
    QStringList shown;
    for (const ReadReport::Duplicate& duplicate : report.firstDuplicates)
        shown << linesText(duplicate.lines) + QLatin1String(": repeats ") + duplicate.kept;
    const auto count = static_cast<qsizetype>(report.duplicateLines.size());
    return counted(count, "entry", "entries")
        + QLatin1String(" of the database file repeated the number or name of an earlier entry and ")
        + QLatin1String(count == 1 ? "is" : "are") + QLatin1String(" left out; the earlier one, named here, is kept:")
        + listed(shown, count - shown.size(), "entry", "entries");
}

QString amountsNotRead(const ReadReport& report)
{
    static const char* const kinds[] = { "price", "balance", "billed item" };
    QStringList shown;
    for (const ReadReport::UnreadableAmount& amount : report.firstUnreadableAmounts) {
        shown << QStringLiteral("line %1: the %2 \"%3\" of %4")
                     .arg(amount.line)
                     .arg(QLatin1String(kinds[int(amount.kind)]), amount.text, amount.of);
    }
    const qsizetype count = report.unreadableAmountCount();
    return QStringLiteral("These amounts in the database file could not be read with this computer's number "
                          "settings and are kept as they are written:")
        + listed(shown, count - shown.size(), "amount", "amounts");
}

QString mixedLines(const ReadReport& report)
{
    QStringList shown;
    for (const ReadReport::Example& example : report.firstMixedLines)
        shown << linesText(example.lines) + QLatin1String(": ") + example.text;
    return QStringLiteral("These lines of the database file mix two kinds of text encoding; their text may not read "
                          "as it was meant:")
        + listed(shown, report.mixedLineCount - shown.size(), "line", "lines");
}

// How each kind of amount that could not be read counts, and how to clear it.
QString amountsExplained(const ReadReport& report)
{
    using Kind = ReadReport::AmountKind;
    const auto has = [&](Kind kind) { return report.unreadableAmounts[size_t(kind)] > 0; };
    QStringList sentences;
    if (has(Kind::Price))
        sentences << QStringLiteral("A product or service whose price could not be read cannot be billed, and its "
                                    "lines on invoices print without an amount.");
    if (has(Kind::Balance))
        sentences << QStringLiteral("A balance that could not be read counts as owed and shows as it is written; "
                                    "entering a new balance for the customer on the Bill Periods page replaces it.");
    if (has(Kind::Item))
        sentences << QStringLiteral("A billed item that could not be read prints without an amount.");
    sentences << QStringLiteral("To clear an amount for good, deleted products and services included, correct it "
                                "on the line named in the database file with a text editor while TAV is closed.");
    return sentences.join(QLatin1Char(' '));
}

} // namespace

QString whereTheFileAsItWasIsKept(const QString& keptAs)
{
    return QStringLiteral("The file as it was is kept as %1 when you next save.").arg(keptAs);
}

std::optional<LoadNotice> loadNotice(const ReadReport& report, const QString& keptAs)
{
    if (report.isEmpty())
        return std::nullopt;
    QStringList statements;
    QStringList explanations;
    if (!report.linesNotRead.empty())
        statements << linesNotRead(report);
    if (report.cutShort) {
        statements << QStringLiteral("The database file does not end with its last line, </TAV-DB>: it may have "
                                     "been cut short, and what stood after the cut is not in it.");
    }
    if (!report.duplicateLines.empty())
        statements << duplicates(report);
    if (report.unreadableAmountCount() > 0) {
        statements << amountsNotRead(report);
        explanations << amountsExplained(report);
    }
    if (report.mixedLineCount > 0)
        statements << mixedLines(report);
    if (report.mixedLineCount > 0)
        explanations << QStringLiteral("Check the text of those lines and correct it where it is wrong.");
    if (report.leftOutAnything())
        explanations << QStringLiteral("Saving writes the database without what was left out.")
                     << whereTheFileAsItWasIsKept(keptAs);

    LoadNotice notice;
    notice.title = !report.linesNotRead.empty() || report.cutShort ? QStringLiteral("Unreadable Entries Found")
        : !report.duplicateLines.empty()                           ? QStringLiteral("Duplicate Entries Found")
        : report.unreadableAmountCount() > 0                       ? QStringLiteral("Amounts Not Read")
                                                                   : QStringLiteral("Mixed Text Encodings Found");
    notice.statement = statements.join(kLineBreak + kLineBreak);
    notice.explanation = explanations.join(QLatin1Char(' '));
    return notice;
}

} // namespace tav::app
