#pragma once

#include <QColor>
#include <cstdint>

namespace tav::platform {

// Colours are held as the forms give them: either &H00BBGGRR (blue in the high byte) or a
// system colour reference, &H80000000 plus the index of a system colour.
using ColorValue = std::uint32_t;

namespace SystemColor {
inline constexpr ColorValue MenuText = 0x80000007;
inline constexpr ColorValue Highlight = 0x8000000D;
inline constexpr ColorValue ButtonFace = 0x8000000F;
inline constexpr ColorValue ButtonText = 0x80000012;
inline constexpr ColorValue ButtonShadow = 0x80000010;
inline constexpr ColorValue ButtonHighlight = 0x80000014;
inline constexpr ColorValue DarkShadow3D = 0x80000015;
inline constexpr ColorValue Light3D = 0x80000016;
inline constexpr ColorValue Window = 0x80000005;
inline constexpr ColorValue WindowText = 0x80000008;
inline constexpr ColorValue GrayText = 0x80000011;
inline constexpr ColorValue InfoBackground = 0x80000018;
} // namespace SystemColor

inline constexpr ColorValue rgbValue(int red, int green, int blue)
{
    return static_cast<ColorValue>(red) | (static_cast<ColorValue>(green) << 8)
        | (static_cast<ColorValue>(blue) << 16);
}

// Resolves a colour value. System colours come from one fixed table, so that every machine
// draws the same; an index outside the table gives the button face colour.
QColor toQColor(ColorValue value);

} // namespace tav::platform
