// Compiled as a release build is, without Qt's debug checks, so that the stop tested here is the one
// every build has, not a debug assertion.
#ifndef QT_NO_DEBUG
#define QT_NO_DEBUG
#endif

#include "platform/FormDesign.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/TextBox.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace tav::platform;

namespace {

const ControlSpec kDesign[] = {
    {.kind = ControlKind::Frame, .name = "fraMain", .index = 0, .width = 8400, .height = 6240},
    {.kind = ControlKind::Label, .name = "lblTop", .index = 0, .width = 8400, .height = 375, .container = "fraMain",
     .containerIndex = 0},
    {.kind = ControlKind::TextBox, .name = "txtField", .index = 1, .width = 2880, .height = 315,
     .container = "fraMain", .containerIndex = 0},
};

} // namespace

TEST(ControlSetDeathTest, aControlTheCodeReliesOnButTheDesignLacksStopsTheProgramAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QWidget window;
    ControlSet set;
    set.build(&window, kDesign);
    EXPECT_NE(set.get<Label>("lblTop", 0), nullptr);
    EXPECT_EQ(set.find(QStringLiteral("txtField"), 0), nullptr) << "asking whether a control is there answers null";

    EXPECT_DEATH(set.get<Label>("lblTpo", 0), "lblTpo\\(0\\): no control");
    EXPECT_DEATH(set.get<TextBox>("txtField", 0), "txtField\\(0\\): no control") << "an element the array lacks";
    EXPECT_DEATH(set.get<TextBox>("lblTop", 0), "lblTop\\(0\\): no control") << "a control of another kind";
    const ControlSpec orphan[] = {{.kind = ControlKind::Label, .name = "lblNote", .container = "fraMain",
                                   .containerIndex = 1}};
    EXPECT_DEATH(set.build(&window, orphan), "lblNote: its container");
}
