#include "components/DialogFilter.h"

#include <gtest/gtest.h>

using namespace tav::components;
using tav::platform::FileType;

namespace {
const QChar nul(0);
}

TEST(DialogFilter, barsBecomeNulsAndTheListEndsInExactlyTwo)
{
    EXPECT_EQ(filterListFromText("Db|*.xml"), QString("Db") + nul + "*.xml" + nul + nul);
    EXPECT_EQ(filterListFromText("Db|*.xml|"), QString("Db") + nul + "*.xml" + nul + nul);
    EXPECT_EQ(filterListFromText("Db|*.xml||"), QString("Db") + nul + "*.xml" + nul + nul);
    EXPECT_EQ(filterListFromText(""), QString(2, nul));
}

TEST(DialogFilter, theListGivesItsPairsUpToItsEnd)
{
    EXPECT_EQ(fileTypesFromFilterList(filterListFromText("Text|*.txt;*.log|Lone description")),
              (std::vector<FileType>{{"Text", "*.txt;*.log"}}));
    EXPECT_EQ(fileTypesFromFilterList(filterListFromText("A|*.a||B|*.b")), (std::vector<FileType>{{"A", "*.a"}}))
        << "an empty entry ends the list";
    const auto defaults = fileTypesFromFilterList(defaultFilterList());
    ASSERT_EQ(defaults.size(), 6u);
    EXPECT_EQ(defaults.front(), (FileType{"All Files (*.*)", "*.*"}));
    EXPECT_EQ(defaults.back(), (FileType{"Text Files (*.TXT)", "*.TXT"}));
    EXPECT_TRUE(defaultFilterList().endsWith(QString("*.TXT") + nul + nul));
}
