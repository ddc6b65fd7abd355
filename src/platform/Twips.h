#pragma once

#include <cmath>

namespace tav::platform {

// Window and control geometry is kept in twips, as the forms were designed; the screen is
// treated as 96 dots per inch everywhere, which is 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline double pixelsToTwips(int pixels)
{
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

} // namespace tav::platform
