#include "platform/Colors.h"

#include <gtest/gtest.h>

using namespace tav::platform;

TEST(Colors, systemColoursComeFromTheFixedTableAndUnknownOnesFallBackToButtonFace)
{
    EXPECT_EQ(toQColor(SystemColor::Highlight), QColor(0x33, 0x99, 0xFF));
    EXPECT_EQ(toQColor(rgbValue(1, 2, 3)), QColor(1, 2, 3));
    for (ColorValue unknown : { 0x8000001Fu, 0x80000063u, 0x80FFFFFFu })
        EXPECT_EQ(toQColor(unknown), toQColor(SystemColor::ButtonFace)) << std::hex << unknown;
}
