#include "PrintFloor.h"

#include "BenchCase.h"

#include "platform/PagePainter.h"
#include "platform/QtPrintJob.h"

#include <QPageSize>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>

namespace tav::bench {

namespace {

// As a PDF writer has it.
constexpr int kDotsPerInch = 1200;
constexpr double kTwipsPerInch = 1440;

// The paper of the program's PDF files, portrait as invoices are.
QPageLayout paper()
{
    return platform::pdfPaper(QLocale());
}

// Keeps each text item painted, with the transform it was painted under; draws nothing else.
class TextRecordingEngine final : public QPaintEngine {
public:
    explicit TextRecordingEngine(std::vector<PaintedPage>& pages)
        : QPaintEngine(AllFeatures)
        , pages_(pages)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState&) override { }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        pages_.back().push_back({state->transform(), at, item.font(), item.text()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawRects(const QRectF*, int) override { }
    void drawLines(const QLineF*, int) override { }
    void drawEllipse(const QRectF&) override { }
    void drawPoints(const QPointF*, int) override { }

private:
    std::vector<PaintedPage>& pages_;
};

// The printable area of the paper within its margins, at the PDF writer's resolution.
class TextRecordingDevice final : public QPaintDevice {
public:
    explicit TextRecordingDevice(std::vector<PaintedPage>& pages)
        : engine_(pages)
    {
    }

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        const QSizeF inches = paper().paintRect(QPageLayout::Inch).size();
        switch (metric) {
        case PdmWidth: return qRound(inches.width() * kDotsPerInch);
        case PdmHeight: return qRound(inches.height() * kDotsPerInch);
        case PdmWidthMM: return qRound(inches.width() * 25.4);
        case PdmHeightMM: return qRound(inches.height() * 25.4);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return kDotsPerInch;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return qRound(devicePixelRatioFScale());
        case PdmNumColors: return INT_MAX;
        case PdmDepth: return 32;
        }
        return 0;
    }

private:
    mutable TextRecordingEngine engine_;
};

// Paints each page as the program's print job does, on the recording device.
class TextRecordingJob final : public platform::PrintJob {
public:
    explicit TextRecordingJob(std::vector<PaintedPage>& pages)
        : pages_(pages)
        , device_(pages)
    {
    }

    ~TextRecordingJob() override { finish(); }

    bool printPage(const platform::Page& page) override
    {
        pages_.emplace_back();
        if (!painter_.isActive()) {
            painter_.begin(&device_);
            painter_.scale(kDotsPerInch / kTwipsPerInch, kDotsPerInch / kTwipsPerInch);
        }
        pagePainter_.paint(page);
        return true;
    }

    platform::PrintOutcome finish() override
    {
        if (painter_.isActive())
            painter_.end();
        return {};
    }

private:
    std::vector<PaintedPage>& pages_;
    TextRecordingDevice device_;
    QPainter painter_;
    platform::PagePainter pagePainter_{painter_};
};

} // namespace

std::unique_ptr<platform::PrintJob> textRecordingJob(std::vector<PaintedPage>& pages)
{
    return std::make_unique<TextRecordingJob>(pages);
}

double paintTextsBare(const std::vector<PaintedPage>& pages, const QString& pdfPath)
{
    return secondsFor([&] {
        QPdfWriter writer(pdfPath);
        writer.setResolution(kDotsPerInch);
        writer.setPageLayout(paper());
        QPainter painter(&writer);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            for (const PaintedText& text : pages[i]) {
                if (painter.worldTransform() != text.transform)
                    painter.setWorldTransform(text.transform);
                if (painter.font() != text.font)
                    painter.setFont(text.font);
                painter.drawText(text.at, text.text);
            }
        }
        painter.end();
    });
}

} // namespace tav::bench
