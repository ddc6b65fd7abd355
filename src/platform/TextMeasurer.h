#pragma once

#include "PageModel.h"

#include <QFont>
#include <QString>

namespace tav::platform {

// Twips per typographic point.
inline constexpr double kTwipsPerPoint = 20;
// Twips per centimetre.
inline constexpr double kTwipsPerCentimetre = 1440 / 2.54;

// The font a page's text is drawn in, sized in twips (so that it fits a painter whose unit is the
// twip). "Arial" is drawn with Liberation Sans, which has the same metrics.
QFont pageQFont(const PageFont& font);

// How high a line of text is on a page, in twips. Every layout that depends on line heights asks
// the installed measurer, so that tests can fix the heights whatever fonts a machine has.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The height of one line: what a label grows by per line and how far printing moves down.
    virtual double lineHeight(const PageFont& font) const = 0;
};

// Measures with the fonts' own metrics.
class FontMetricsMeasurer : public TextMeasurer {
public:
    double lineHeight(const PageFont& font) const override;
};

// The installed measurer; the font-metrics one unless another is installed.
const TextMeasurer& textMeasurer();
// Installs a measurer (not owned), or the font-metrics one again with nullptr.
void installTextMeasurer(const TextMeasurer* measurer);

} // namespace tav::platform
