#include "PdfWords.h"

#include "TestEnvironment.h"

#include "platform/QtPrintJob.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace tav::test {

namespace {

// A PDF page holds its page area a quarter of an inch, 18 points, from the paper's edges.
constexpr double kMarginPoints = 18;
constexpr double kTwipsPerPoint = 20;

// A word's letters as typed: some fonts join "fi" and the like into one glyph, which pdftotext
// reads back as the ligature's own character.
QString withoutLigatures(const QString& word)
{
    QString letters;
    for (const QChar c : word) {
        const bool ligature = c.unicode() >= 0xFB00 && c.unicode() <= 0xFB06;
        letters += ligature ? QString(c).normalized(QString::NormalizationForm_KC) : QString(c);
    }
    return letters;
}

double pageTwips(const QXmlStreamAttributes& attributes, const char* name)
{
    return (attributes.value(QLatin1String(name)).toDouble() - kMarginPoints) * kTwipsPerPoint;
}

} // namespace

std::vector<PdfWord> printedWords(const std::vector<platform::Page>& pages)
{
    const QString file = testFolder() + QStringLiteral("/printed.pdf");
    platform::QtPrintJob job({QStringLiteral("TAV Test")}, {platform::PrintTarget::Kind::PdfFile, {}, file, false});
    for (const platform::Page& page : pages)
        EXPECT_TRUE(job.printPage(page));
    EXPECT_EQ(job.finish().failure, "");

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    pdftotext.waitForFinished();
    EXPECT_EQ(pdftotext.exitCode(), 0);
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    std::vector<PdfWord> words;
    int page = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const QXmlStreamAttributes at = xml.attributes();
            const QPointF topLeft(pageTwips(at, "xMin"), pageTwips(at, "yMin"));
            const QPointF bottomRight(pageTwips(at, "xMax"), pageTwips(at, "yMax"));
            words.push_back({page, QRectF(topLeft, bottomRight), withoutLigatures(xml.readElementText())});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(page + 1, static_cast<int>(pages.size()));
    return words;
}

QString pageText(const std::vector<PdfWord>& words, int page)
{
    QStringList text;
    for (const PdfWord& word : words) {
        if (word.page == page)
            text << word.text;
    }
    return text.join(QLatin1Char(' '));
}

} // namespace tav::test
