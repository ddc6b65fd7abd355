#include "platform/KeyCodes.h"
#include "platform/ListView.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QWidget>
#include <gtest/gtest.h>

using tav::platform::ListView;

namespace {

struct Fixture {
    QWidget window;
    ListView* list = new ListView(&window, "lvwCustomersVis");

    Fixture()
    {
        list->move(0, 0, 3000, 3000);
        list->add("1k", "Adams, Bob");
        list->add("2k", "Lee, Ann");
        list->add("3k", "Moss, Kim");
    }
};

} // namespace

TEST(ListView, keysAreUniqueAndPositionsCountFromOne)
{
    Fixture f;
    EXPECT_FALSE(f.list->add("2k", "Again"));
    EXPECT_FALSE(f.list->add("", "No key"));
    EXPECT_EQ(f.list->count(), 3);
    EXPECT_EQ(f.list->keyAt(2), "2k");
    EXPECT_EQ(f.list->textAt(3), "Moss, Kim");
    EXPECT_EQ(f.list->positionOf("3k"), 3);
    EXPECT_EQ(f.list->positionOf("9k"), 0);
    EXPECT_TRUE(f.list->insert(1, "4k", "Aaron, Al"));
    EXPECT_EQ(f.list->positionOf("3k"), 4);
    EXPECT_TRUE(f.list->remove("1k"));
    EXPECT_EQ(f.list->positionOf("2k"), 2);
    EXPECT_TRUE(f.list->keyAt(9).isEmpty());
}

TEST(ListView, theCurrentEntryOutlivesItsSelectedMark)
{
    Fixture f;
    EXPECT_EQ(f.list->currentPosition(), 0);
    f.list->select(2);
    EXPECT_EQ(f.list->currentPosition(), 2);
    EXPECT_TRUE(f.list->isSelected(2));
    f.list->clearSelectedMark();
    EXPECT_FALSE(f.list->isSelected(2));
    EXPECT_EQ(f.list->selectedPosition(), 0);
    EXPECT_EQ(f.list->currentKey(), "2k");
}

TEST(ListView, onlyTheUserRaisesEvents)
{
    Fixture f;
    f.window.show();
    QSignalSpy clicks(f.list, &ListView::clicked);
    QSignalSpy keys(f.list, &ListView::keyUp);
    f.list->select(3);
    EXPECT_EQ(clicks.count(), 0);

    QTreeView* tree = f.list->treeView();
    const QRect row = tree->visualRect(tree->model()->index(0, 0));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(f.list->currentPosition(), 1);

    QTest::keyClick(tree, Qt::Key_Down);
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys.at(0).at(0).toInt(), tav::platform::KeyCode::Down);
    EXPECT_EQ(f.list->currentPosition(), 2);
    QTest::keyClick(tree, Qt::Key_L, Qt::ShiftModifier);
    EXPECT_EQ(keys.at(1).at(0).toInt(), 'L');
    EXPECT_EQ(keys.at(1).at(1).toInt(), tav::platform::ShiftState::Shift);
}
