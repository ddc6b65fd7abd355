#include "app/books/LocaleFormats.h"

#include <gtest/gtest.h>

using tav::app::probeLocaleFormats;

TEST(LocaleFormats, theDatePatternFollowsTheLocale)
{
    const auto us = probeLocaleFormats(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.dateFormat, "mm/dd/yyyy");
    EXPECT_EQ(us.dateSeparator, "/");

    const auto german = probeLocaleFormats(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.dateFormat, "dd.mm.yyyy");
    EXPECT_EQ(german.dateSeparator, ".");

    const auto swedish = probeLocaleFormats(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(swedish.dateFormat, "yyyy-mm-dd");
    EXPECT_EQ(swedish.dateSeparator, "-");

    // The C locale spells the month out: the pattern is not recognised.
    const auto c = probeLocaleFormats(QLocale::c());
    EXPECT_EQ(c.dateFormat, "mm/dd/yyyy");
    EXPECT_EQ(c.dateSeparator, "");
}
