#include "LossCheck.h"

#include "records/ByteSource.h"
#include "records/Money.h"
#include "records/RecordFormats.h"
#include "records/XmlElements.h"
#include "records/XmlLineReader.h"

#include <QSet>

#include <algorithm>
#include <functional>
#include <vector>

namespace tav::records::test {

namespace {

constexpr QByteArrayView kItemOpening = "PSID Number=\"";

// Calls take(line number, piece text, piece) for every piece of every line, as the reader splits them.
void forEachPiece(QByteArrayView bytes, const std::function<void(qsizetype, QByteArrayView, const LinePiece&)>& take)
{
    MemoryByteSource source(bytes);
    XmlLineReader lines(source);
    while (const auto line = lines.readXmlLine()) {
        forEachLinePiece(*line,
                         [&](QByteArrayView text, const LinePiece& piece) { take(lines.lineNumber(), text, piece); });
    }
}

// An element of one line as the tables hold it: its name in lower case and its value; empty when
// the piece is no such element or its value is empty.
QString elementOf(const LinePiece& piece)
{
    if (piece.kind != LinePiece::Kind::Element)
        return {};
    QString name;
    if (numberedElementNumber(piece.tag, kItemOpening) > 0 && piece.closingName == "PSID")
        name = QStringLiteral("psid");
    else if (sameIgnoringCase(piece.tag, piece.closingName))
        name = QString::fromUtf8(piece.tag).toLower();
    else
        return {};
    QString value = valueText(piece.value);
    if (value.isEmpty())
        return {};
    if (name == QLatin1String("current"))
        value = value.toLower() == QLatin1String("no") ? QStringLiteral("No") : QStringLiteral("Yes");
    if (name == QLatin1String("accountbalance")) {
        if (const std::optional<Cents> balance = storedBalance(value))
            value = balanceText(*balance);
    }
    return name + QLatin1Char('=') + value;
}

// A record's start line as the tables hold it: its name and number; empty for any other piece.
QString startOf(QByteArrayView text, const LinePiece& piece)
{
    if (piece.kind != LinePiece::Kind::Tag)
        return {};
    using Start = std::pair<QByteArrayView, QByteArrayView>;
    for (const auto& [name, attribute] : {Start{"customer", "cid"}, Start{"ps", "psid"}}) {
        if (!isRecordStartLine(text, name))
            continue;
        QString number = QString::fromLatin1(recordStartNumber(text, name, attribute));
        if (name == "customer")
            number.remove(QLatin1Char('k'));
        return isRecordNumber(number) ? QString::fromLatin1(name) + QLatin1Char('=') + number : QString();
    }
    return {};
}

} // namespace

QString firstUnreportedLoss(QByteArrayView file, const ReadReport& report, QByteArrayView saved)
{
    QSet<QString> kept;
    forEachPiece(saved, [&](qsizetype, QByteArrayView text, const LinePiece& piece) {
        kept << elementOf(piece) << startOf(text, piece);
    });
    std::vector<ReadReport::Lines> runs = report.linesNotRead;
    runs.insert(runs.end(), report.duplicateLines.begin(), report.duplicateLines.end());
    std::sort(runs.begin(), runs.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ReadReport::Lines> told;
    for (const ReadReport::Lines& run : runs) {
        if (!told.empty() && run.first <= told.back().last)
            told.back().last = std::max(told.back().last, run.last);
        else
            told.push_back(run);
    }
    const auto isTold = [&](qsizetype line) {
        const auto after = std::upper_bound(told.begin(), told.end(), line,
                                            [](qsizetype n, const ReadReport::Lines& l) { return n < l.first; });
        return after != told.begin() && std::prev(after)->last >= line;
    };
    QString loss;
    forEachPiece(file, [&](qsizetype line, QByteArrayView text, const LinePiece& piece) {
        if (!loss.isEmpty())
            return;
        for (const QString& taken : {elementOf(piece), startOf(text, piece)}) {
            if (!taken.isEmpty() && !kept.contains(taken) && !isTold(line))
                loss = QStringLiteral("line %1 (%2) is neither saved nor told").arg(line).arg(QString::fromUtf8(text));
        }
    });
    return loss;
}

} // namespace tav::records::test
