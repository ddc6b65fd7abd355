#include "components/MainWindowButtons.h"
#include "components/HoverCommand.h"
#include "components/HoverCommandFace.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace tav::components;

TEST(MainWindowButtons, standWhereTheWindowFrameWantsThem)
{
    QWidget window;
    for (int page = 0; page < kPageTabCount; ++page) {
        const HoverCommand* tab = createMainWindowButton(&window, pageTab(page));
        EXPECT_EQ(tab->name(), "cmdTab");
        EXPECT_EQ(tab->index(), page);
        EXPECT_EQ(
            QRectF(tab->left(), tab->top(), tab->width(), tab->height()), QRectF(15, 360 + 840 * page, 1545, 840));
        EXPECT_TRUE(tab->visible());
    }
    const HoverCommand* save = createMainWindowButton(&window, MainWindowButton::Save);
    const HoverCommand* cancel = createMainWindowButton(&window, MainWindowButton::Cancel);
    EXPECT_EQ(save->name(), "cmdSave");
    EXPECT_EQ(QRectF(save->left(), save->top(), save->width(), save->height()), QRectF(1680, 135, 390, 480));
    EXPECT_EQ(QRectF(cancel->left(), cancel->top(), cancel->width(), cancel->height()), QRectF(2160, 135, 390, 480));
    EXPECT_FALSE(save->visible()) << "hidden until there are unsaved changes";
    EXPECT_FALSE(cancel->visible());
    QWidget frame(&window);
    const HoverCommand* help = createMainWindowButton(&frame, MainWindowButton::OpenHelp);
    EXPECT_EQ(help->name(), "cmdOpenHelp");
    EXPECT_EQ(help->widget()->parentWidget(), &frame);
    EXPECT_EQ(QRectF(help->left(), help->top(), help->width(), help->height()), QRectF(2310, 150, 690, 735));
}

TEST(MainWindowButtons, carryKeyedPicturesThatFitAndRaiseClickWhenClicked)
{
    QWidget window;
    window.resize(700, 460);
    for (int which = 0; which <= static_cast<int>(MainWindowButton::OpenHelp); ++which) {
        HoverCommand* button = createMainWindowButton(&window, static_cast<MainWindowButton>(which));
        const QImage picture = button->picture().image();
        ASSERT_FALSE(picture.isNull()) << "button " << which;
        EXPECT_EQ(qAlpha(button->picture().drawable().pixel(0, 0)), 0) << "button " << which;
        EXPECT_LE(picture.width(), button->widget()->width()) << "button " << which;
        EXPECT_LE(picture.height(), button->widget()->height()) << "button " << which;
        // Nothing drawn reaches the last two columns, where the border goes, nor on a tab the focus
        // mark three pixels further in or the column before it, so that the mark never touches a
        // letter of the caption.
        const QImage face = composeHoverFace(*button);
        const QRgb back = face.pixel(face.width() - 1, 0);
        const int clear = which < kPageTabCount ? 5 : 2;
        for (int x = face.width() - clear; x < face.width(); ++x) {
            for (int y = 0; y < face.height(); ++y)
                ASSERT_EQ(face.pixel(x, y), back) << "button " << which << " column " << x << " row " << y;
        }
    }
    HoverCommand* tab = createMainWindowButton(&window, pageTab(3));
    window.show();
    QSignalSpy clicks(tab, &HoverCommand::clicked);
    QTest::mouseClick(tab->widget(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks.count(), 1);
}
