#include "PdfWords.h"

#include "TestEnvironment.h"

#include "platform/QtPrintJob.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace tav::test {

namespace {

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

// A PDF page holds its page area at its printable origin, inside the paper's margins.
double pageTwips(const QXmlStreamAttributes& attributes, const char* name, double marginPoints)
{
    return (attributes.value(QLatin1String(name)).toDouble() - marginPoints) * kTwipsPerPoint;
}

} // namespace

std::vector<PdfWord> printedWords(const std::vector<platform::Page>& pages)
{
    const QString file = testFolder() + QStringLiteral("/printed.pdf");
    const platform::PrintTarget target{platform::PrintTarget::Kind::PdfFile, {}, file, false};
    const QMarginsF margins = target.paper.margins(QPageLayout::Point);
    platform::QtPrintJob job({QStringLiteral("TAV Test")}, target);
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
            const QPointF topLeft(pageTwips(at, "xMin", margins.left()), pageTwips(at, "yMin", margins.top()));
            const QPointF bottomRight(pageTwips(at, "xMax", margins.left()), pageTwips(at, "yMax", margins.top()));
            words.push_back({page, QRectF(topLeft, bottomRight), withoutLigatures(xml.readElementText())});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(page + 1, static_cast<int>(pages.size()));
    return words;
}

double printableWidth()
{
    double narrowest = std::numeric_limits<double>::max();
    for (const QLocale& country : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)}) {
        const double width = platform::pdfPaper(country).paintRect(QPageLayout::Point).width();
        narrowest = std::min(narrowest, width * kTwipsPerPoint);
    }
    return narrowest;
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
