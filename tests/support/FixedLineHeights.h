#pragma once

#include "platform/TextMeasurer.h"

namespace tav::test {

// Line heights of so many twips per point of the font's size, whatever fonts the machine has;
// installed for as long as the object lives.
class FixedLineHeights : public platform::TextMeasurer {
public:
    explicit FixedLineHeights(double twipsPerPoint)
        : twipsPerPoint_(twipsPerPoint)
    {
        platform::installTextMeasurer(this);
    }
    ~FixedLineHeights() override { platform::installTextMeasurer(nullptr); }

    double lineHeight(const platform::PageFont& font) const override { return font.points * twipsPerPoint_; }

private:
    double twipsPerPoint_;
};

} // namespace tav::test
