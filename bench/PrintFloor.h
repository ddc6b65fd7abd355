#pragma once

#include "platform/PrintJob.h"

#include <QFont>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

namespace tav::bench {

// One text as a print run paints it: the painter's transform, the text's place and font.
struct PaintedText {
    QTransform transform;
    QPointF at;
    QFont font;
    QString text;
};
using PaintedPage = std::vector<PaintedText>;

// A print job that paints its pages as the program's PDF files have them and keeps only what texts
// they hold and where, one entry of pages for each page.
std::unique_ptr<platform::PrintJob> textRecordingJob(std::vector<PaintedPage>& pages);

// Paints the recorded pages' texts into a PDF file on the same paper with a bare QPdfWriter, each
// at its place in its font, and returns the seconds it took: the least that Qt takes to print
// those texts, with no layout of the program's own.
double paintTextsBare(const std::vector<PaintedPage>& pages, const QString& pdfPath);

} // namespace tav::bench
