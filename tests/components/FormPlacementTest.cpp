#include "components/FormPlacement.h"
#include "platform/Form.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace tav::components;
using tav::platform::Form;
using tav::platform::settings;

namespace {

struct Window : Form {
    explicit Window(BorderStyle style = BorderStyle::Sizable)
        : Form("frmTest", style)
    {
        setWidth(6000);
        setHeight(4500);
    }
};

QSizeF screenTwips()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return QSizeF(screen.width() * 15.0, screen.height() * 15.0);
}

void store(const char* suffix, const QString& value)
{
    settings().setValue("FormPositions", QString("frmTest") + suffix, value);
}

} // namespace

TEST(FormPlacement, theFirstStartKeepsTheDesignedSizeAndCentresTheWindow)
{
    Window window;
    restoreFormPosition(window);
    EXPECT_EQ(window.width(), 6000);
    EXPECT_EQ(window.height(), 4500);
    EXPECT_NEAR(window.left(), (screenTwips().width() - 6000) / 2, 15);
    EXPECT_NEAR(window.top(), (screenTwips().height() - 4500) / 2, 15);
}

TEST(FormPlacement, aNormalWindowRoundTripsItsRectangle)
{
    {
        Window window;
        window.setLeft(300);
        window.setTop(450);
        window.setWidth(7500);
        window.setHeight(5010);
        saveFormPosition(window);
    }
    EXPECT_EQ(settings().value("FormPositions", "frmTest_WindowState"), "0");
    EXPECT_EQ(settings().value("FormPositions", "frmTest_Width"), "7500");
    Window again;
    restoreFormPosition(again);
    EXPECT_EQ(again.left(), 300);
    EXPECT_EQ(again.top(), 450);
    EXPECT_EQ(again.width(), 7500);
    EXPECT_EQ(again.height(), 5010);
}

TEST(FormPlacement, aFixedBorderKeepsItsSizeAndOnlyItsPositionIsStored)
{
    Window window(Form::BorderStyle::FixedSingle);
    window.setLeft(600);
    window.setTop(600);
    saveFormPosition(window);
    EXPECT_FALSE(settings().contains("FormPositions", "frmTest_Width"));
    store("_Width", "9000");
    Window again(Form::BorderStyle::FixedDialog);
    restoreFormPosition(again);
    EXPECT_EQ(again.width(), 6000);
    EXPECT_EQ(again.left(), 600);
}

TEST(FormPlacement, aWindowClosedMaximizedOrMinimizedReopensSoAndRestoresToItsNormalRectangle)
{
    for (const auto state : {Form::WindowState::Maximized, Form::WindowState::Minimized}) {
        store("_Left", "300");
        store("_Top", "450");
        store("_Width", "7500");
        store("_Height", "5010");
        {
            Window window;
            window.show();
            window.setWindowState(state);
            saveFormPosition(window);
        }
        EXPECT_EQ(settings().value("FormPositions", "frmTest_WindowState"), QString::number(static_cast<int>(state)));
        EXPECT_EQ(settings().value("FormPositions", "frmTest_Left"), "300") << "the last normal position stays";
        EXPECT_EQ(settings().value("FormPositions", "frmTest_Width"), "7500") << "and so does the last normal size";

        // Shown in that state, the window frames itself as a window manager frames it; Restore
        // then gives the stored rectangle, frame included.
        Window again;
        restoreFormPosition(again);
        again.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(again.windowState(), state);
        again.setWindowState(Form::WindowState::Normal);
        QCoreApplication::processEvents();
        EXPECT_EQ(again.left(), 300);
        EXPECT_EQ(again.top(), 450);
        EXPECT_EQ(again.width(), 7500);
        EXPECT_EQ(again.height(), 5010);
    }
}

TEST(FormPlacement, badStoredValuesGiveTheirDefaults)
{
    store("_WindowState", "maximized");
    store("_Width", "wide");
    store("_Height", "0");
    store("_Left", "-999");
    store("_Top", "600");
    Window window;
    restoreFormPosition(window);
    EXPECT_EQ(window.windowState(), Form::WindowState::Normal);
    EXPECT_EQ(window.width(), 6000);
    EXPECT_EQ(window.height(), 4500);
    EXPECT_NEAR(window.left(), -999, 15) << "a single -999 is applied as stored";
    EXPECT_EQ(window.top(), 600);

    store("_WindowState", "7");
    store("_Left", "900000");
    store("_Top", "-900000");
    Window faraway;
    restoreFormPosition(faraway);
    EXPECT_EQ(faraway.windowState(), Form::WindowState::Normal);
    EXPECT_NEAR(faraway.left(), (screenTwips().width() - 6000) / 2, 15) << "a window on no screen is centred";

    // A size beyond 16 bits, or larger than the desktop, keeps the designed one; so does a
    // position beyond 16 bits, and a window wholly off the screen comes back onto it.
    store("_WindowState", "0");
    store("_Width", "1000000000");
    store("_Height", QString::number(screenTwips().height() + 15));
    store("_Left", "40000");
    store("_Top", "40000");
    Window huge;
    restoreFormPosition(huge);
    EXPECT_EQ(huge.width(), 6000);
    EXPECT_EQ(huge.height(), 4500);
    EXPECT_NEAR(huge.top(), (screenTwips().height() - 4500) / 2, 15);
    store("_Left", QString::number(screenTwips().width() + 1500));
    store("_Top", "600");
    Window offScreen;
    restoreFormPosition(offScreen);
    EXPECT_NEAR(offScreen.left(), (screenTwips().width() - 6000) / 2, 15);

    // The screen is wider than it is high: a width the screen's height could not hold is a width
    // all the same.
    store("_Width", QString::number(screenTwips().height() + 1500));
    store("_Height", "4800");
    store("_Left", "0");
    store("_Top", "0");
    Window wide;
    restoreFormPosition(wide);
    EXPECT_EQ(wide.width(), screenTwips().height() + 1500);
    EXPECT_EQ(wide.height(), 4800);
}

TEST(FormPlacement, aStoredSizeBelowTheMinimumOpensAtTheMinimumWithItsTitleBarOnTheScreen)
{
    // As a window that went wrong would have stored it: too low, and with its title bar above the
    // screen.
    store("_Width", "7500");
    store("_Height", "3000");
    store("_Left", "-15");
    store("_Top", "-300");
    Window window;
    window.setMinimumSize(6000, 4500);
    restoreFormPosition(window);
    EXPECT_EQ(window.width(), 7500);
    EXPECT_EQ(window.height(), 4500);
    EXPECT_NEAR(window.top(), (screenTwips().height() - 4500) / 2, 15) << "centred";

    // A title bar just inside the screen's top, or a window reaching in from the left, stays.
    store("_Top", "0");
    Window atTheTop;
    restoreFormPosition(atTheTop);
    EXPECT_NEAR(atTheTop.left(), -15, 15);
    EXPECT_EQ(atTheTop.top(), 0);
}

TEST(FormPlacement, noValueThatAStartWouldNotApplyIsWritten)
{
    store("_Width", "7500");
    Window wide;
    wide.setWidth(33000);
    wide.setLeft(-33000);
    saveFormPosition(wide);
    EXPECT_EQ(settings().value("FormPositions", "frmTest_Width"), "7500") << "the last width that fits stays";
    EXPECT_FALSE(settings().contains("FormPositions", "frmTest_Left"));
    EXPECT_EQ(settings().value("FormPositions", "frmTest_Height"), "4500");

    store("_Top", "450");
    Window aboveTheScreen;
    aboveTheScreen.setTop(-300);
    saveFormPosition(aboveTheScreen);
    EXPECT_EQ(settings().value("FormPositions", "frmTest_Top"), "450") << "a title bar above the screen is not stored";
}
