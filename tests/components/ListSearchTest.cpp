#include "components/ListSearch.h"
#include "platform/ListView.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace tav::components;

TEST(ListSearch, findsTheFirstEntryThatBeginsWithTheTextWhateverItsCase)
{
    QWidget window;
    tav::platform::ListView list(&window, "lvwCustomersVis");
    list.add("1k", "Adams, Bob");
    list.add("2k", "Lee, Ann");
    list.add("3k", "Lee, Zoe");
    const int flags = FindFlags::Partial | FindFlags::Wrap;
    EXPECT_EQ(findListViewItem(list, "l", flags), 2);
    EXPECT_EQ(findListViewItem(list, "LEE, z", flags), 3);
    EXPECT_EQ(findListViewItem(list, "x", flags), 0);
    EXPECT_EQ(findListViewItem(list, "ann", flags), 0) << "a text inside an entry is no match";
    EXPECT_EQ(findListViewItem(list, "", flags), 1);
    EXPECT_EQ(findListViewItem(list, "lee", 0), 0) << "without the partial flag the whole text must match";
    EXPECT_EQ(findListViewItem(list, "lee, ann", 0), 2);
}
