#include "TextMeasurer.h"

#include <QFontMetricsF>

#include <cmath>

namespace tav::platform {

namespace {
const TextMeasurer* installedMeasurer = nullptr;
} // namespace

QFont pageQFont(const PageFont& font)
{
    const QString family = font.family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0
        ? QStringLiteral("Liberation Sans")
        : font.family;
    QFont qfont(family);
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.points * kTwipsPerPoint))));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    // Outlines without hinting: the same shapes and advances on the screen, in a PDF and on paper.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setStyleStrategy(QFont::PreferOutline);
    return qfont;
}

double FontMetricsMeasurer::lineHeight(const PageFont& font) const
{
    return QFontMetricsF(pageQFont(font)).height();
}

const TextMeasurer& textMeasurer()
{
    static const FontMetricsMeasurer fontMetrics;
    return installedMeasurer ? *installedMeasurer : fontMetrics;
}

void installTextMeasurer(const TextMeasurer* measurer)
{
    installedMeasurer = measurer;
}

} // namespace tav::platform
