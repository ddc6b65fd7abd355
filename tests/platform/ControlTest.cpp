#include "platform/Caption.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Label.h"

#include <QLabel>
#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>

using namespace tav::platform;

TEST(Control, keepsItsOwnVisibleFlagAndTwipsInsideAHiddenContainer)
{
    QWidget window;
    QWidget page(&window);
    page.hide();
    CommandButton button(&page, "cmdAddNew");
    button.move(1680, 135, 390, 480);
    EXPECT_TRUE(button.visible());
    EXPECT_FALSE(button.widget()->isVisible()) << "Qt says hidden, the control's own flag says visible";
    button.setVisible(false);
    EXPECT_FALSE(button.visible());
    EXPECT_EQ(button.left(), 1680);
    EXPECT_EQ(button.widget()->geometry(), QRect(112, 9, 26, 32));
    button.setLeft(-2000);
    EXPECT_EQ(button.left(), -2000);
    EXPECT_EQ(button.widget()->x(), -133);
}

TEST(Control, captionsAreKeptVerbatimAndShownAsTheFormsShowThem)
{
    EXPECT_EQ(displayedCaption("Products && Services"), "Products & Services");
    EXPECT_EQ(displayedCaption("&New Customer"), "New Customer");
    EXPECT_EQ(displayedCaption("line one\r\nline two"), "line one\nline two");
    QWidget window;
    Label label(&window, "lblTop", 1);
    label.setCaption("Products && Services");
    EXPECT_EQ(label.caption(), "Products && Services");
    EXPECT_EQ(static_cast<QLabel*>(label.widget())->text(), "Products & Services");
    label.setCaption("<b>Lee</b>");
    EXPECT_EQ(static_cast<QLabel*>(label.widget())->textFormat(), Qt::PlainText);
    CommandButton button(&window, "cmdUndo");
    button.setCaption("&Delete Existing");
    EXPECT_EQ(button.caption(), "&Delete Existing");
}

TEST(Control, aCheckBoxRaisesClickWheneverItsValueChanges)
{
    QWidget window;
    CheckBox box(&window, "chkExpertMode");
    QSignalSpy clicks(&box, &CheckBox::clicked);
    box.setValue(CheckBox::Checked);
    box.setValue(CheckBox::Checked);
    EXPECT_EQ(clicks.count(), 1);
    box.setValue(CheckBox::Grayed);
    EXPECT_EQ(box.value(), CheckBox::Grayed);
    EXPECT_EQ(clicks.count(), 2);
}
