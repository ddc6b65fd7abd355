#include "TextMeasurer.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tav::platform {

namespace {
const TextMeasurer* installedMeasurer = nullptr;
} // namespace

namespace {

QFont makePageQFont(const PageFont& font)
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

} // namespace

QFont pageQFont(const PageFont& font)
{
    // A print run asks for the same few fonts thousands of times; a font made anew looks for its
    // font files anew, one kept finds them at once.
    static std::vector<std::pair<PageFont, QFont>> made;
    const auto known = std::find_if(made.begin(), made.end(), [&](const auto& entry) { return entry.first == font; });
    if (known != made.end())
        return known->second;
    made.emplace_back(font, makePageQFont(font));
    return made.back().second;
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
