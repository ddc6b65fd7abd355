#pragma once

#include "platform/PageModel.h"

#include <QRectF>
#include <QString>

#include <vector>

namespace tav::test {

// A word of a printed PDF: its page (counted from 0), where it stands in twips of the page area
// (the box pdftotext gives it, from the line's top), and its text.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};

// The widest a printed page may be, in twips of its page area: the printable width of A4 or of
// Letter paper, whichever is narrower.
double printableWidth();

// The pages printed as one job into a PDF file, as the program prints them where there is no
// printer, and read back with pdftotext -bbox: every word, page by page, in reading order.
std::vector<PdfWord> printedWords(const std::vector<platform::Page>& pages);

// The words of one page, joined by blanks.
QString pageText(const std::vector<PdfWord>& words, int page);

} // namespace tav::test
