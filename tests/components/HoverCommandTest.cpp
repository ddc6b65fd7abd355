#include "components/HoverCommandWidget.h"
#include "HoverCommandInput.h"

#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tav::components;
using tav::platform::Picture;

namespace {

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A shown 100 x 40 pixel button whose events are logged in the order raised.
struct Fixture {
    QWidget window;
    HoverCommand* button = newHoverCommand(&window, "cmdTab", 0);
    tav::test::HoverInput input { button->widget() };
    PaintCounter counter;
    QStringList log;

    Fixture()
    {
        button->move(0, 0, 1500, 600);
        const auto record = [this](const char* name) {
            return [this, name](int b, int, float x, float y) {
                log << QStringLiteral("%1 %2 %3,%4").arg(name).arg(b).arg(x).arg(y);
            };
        };
        QObject::connect(button, &HoverCommand::mouseDown, record("down"));
        QObject::connect(button, &HoverCommand::mouseUp, record("up"));
        QObject::connect(button, &HoverCommand::mouseMove, record("move"));
        QObject::connect(button, &HoverCommand::mouseLeave, [this] { log << "leave"; });
        QObject::connect(button, &HoverCommand::clicked, [this] { log << "click"; });
        window.show();
        QCoreApplication::processEvents(); // the first paint
        button->widget()->installEventFilter(&counter);
    }

    void disableByDesign()
    {
        PropertyBag design;
        design.write("Enabled", false);
        button->readProperties(design);
    }
};

} // namespace

TEST(HoverCommand, aLeftClickRunsDownUpClickThroughPressedHoverNormal)
{
    Fixture f;
    f.input.move({ 10, 4 });
    EXPECT_EQ(f.button->buttonState(), ButtonState::Hover);
    QList<ButtonState> seen;
    for (auto signal : { &HoverCommand::mouseDown, &HoverCommand::mouseUp })
        QObject::connect(f.button, signal, [&] { seen << f.button->buttonState(); });
    QObject::connect(f.button, &HoverCommand::clicked, [&] { seen << f.button->buttonState(); });
    f.input.press({ 10, 4 });
    f.input.release({ 10, 4 });
    EXPECT_EQ(f.log, QStringList({ "move 0 150,60", "down 1 150,60", "up 1 150,60", "click" }));
    EXPECT_EQ(seen, QList<ButtonState>({ ButtonState::Pressed, ButtonState::Hover, ButtonState::Normal }));

    f.log.clear();
    f.input.press({ 10, 10 }, Qt::RightButton);
    EXPECT_EQ(f.button->buttonState(), ButtonState::Normal) << "no pressed look for the right button";
    f.input.release({ 10, 10 }, Qt::RightButton);
    f.input.press({ 10, 10 });
    f.input.release({ 300, 10 });
    EXPECT_EQ(f.log, QStringList({ "down 2 150,150", "up 2 150,150", "down 1 150,150", "up 1 4500,150" }))
        << "neither a right click nor a release elsewhere clicks";
}

TEST(HoverCommand, thePointerLeavesAtTheFirstColumnOrRowAndWhenQtReportsItGone)
{
    Fixture f;
    f.input.move({ 50, 20 });
    f.input.move({ 0, 20 });
    EXPECT_EQ(f.button->buttonState(), ButtonState::Normal);
    f.input.move({ 50, 20 });
    f.input.move({ 50, 0 });
    f.input.leave(); // already gone: nothing more
    f.input.move({ 50, 20 });
    f.input.leave();
    EXPECT_EQ(f.log, QStringList({ "move 0 750,300", "leave", "move 0 750,300", "leave", "move 0 750,300", "leave" }));

    // Pressed, dragged out and released elsewhere: the release's hover look goes with the pointer.
    f.input.press({ 50, 20 });
    f.input.move({ 50, 20 }, Qt::LeftButton);
    EXPECT_EQ(f.button->buttonState(), ButtonState::Pressed) << "a held left button keeps the pressed look";
    f.input.move({ 250, 20 }, Qt::LeftButton);
    f.input.release({ 250, 20 });
    f.input.leave();
    EXPECT_EQ(f.button->buttonState(), ButtonState::Normal);
}

TEST(HoverCommand, enterAndSpaceClickOnReleaseAndAHeldKeyClicksOnce)
{
    Fixture f;
    f.input.keyDown(Qt::Key_Space);
    EXPECT_EQ(f.button->buttonState(), ButtonState::Pressed);
    EXPECT_TRUE(f.log.isEmpty());
    f.input.keyUp(Qt::Key_Return); // either key's release ends the press
    EXPECT_EQ(f.button->buttonState(), ButtonState::Normal);
    f.input.keyUp(Qt::Key_Space); // not pressed: nothing
    f.input.keyDown(Qt::Key_Enter);
    for (int i = 0; i < 3; ++i) {
        f.input.keyUp(Qt::Key_Enter, true);
        f.input.keyDown(Qt::Key_Enter, true);
    }
    EXPECT_EQ(f.button->buttonState(), ButtonState::Pressed);
    f.input.keyUp(Qt::Key_Enter);
    EXPECT_EQ(f.log, QStringList({ "click", "click" }));
}

TEST(HoverCommand, aDisabledButtonRaisesNothingWhetherOrNotItsWidgetIsDisabled)
{
    Fixture f, g;
    f.button->setEnabled(false);
    EXPECT_FALSE(f.button->widget()->isEnabled());
    g.disableByDesign();
    ASSERT_TRUE(g.button->widget()->isEnabled());
    for (Fixture* each : { &f, &g }) {
        each->input.move({ 10, 10 });
        each->input.press({ 10, 10 });
        each->input.release({ 10, 10 });
        each->input.keyDown(Qt::Key_Space);
        each->input.keyUp(Qt::Key_Space);
        each->input.focusOut();
        each->input.focusIn();
        EXPECT_TRUE(each->log.isEmpty());
        EXPECT_EQ(each->button->buttonState(), ButtonState::Normal);
        EXPECT_FALSE(each->button->showsFocus());
    }
}

TEST(HoverCommand, losingTheFocusClearsTheFocusMarkEvenWhenDisabledFirst)
{
    Fixture f;
    f.input.focusIn();
    EXPECT_TRUE(f.button->showsFocus());
    f.disableByDesign();
    f.input.focusOut();
    EXPECT_FALSE(f.button->showsFocus());
}

TEST(HoverCommand, valueSettersRepaintOnlyOnAChangeAndPictureSettersAlways)
{
    Fixture f;
    QSignalSpy changes(f.button, &HoverCommand::propertyChanged);
    f.button->setCaption("HoverCommand");
    f.button->setStyle(2);
    f.button->setImageOffset(10);
    f.button->setEnabled(true);
    EXPECT_EQ(f.counter.paints, 0);
    f.button->setCaption("&Save");
    f.button->setBackColor(tav::platform::rgbValue(1, 2, 3));
    f.button->setPicture(Picture());
    f.button->setPicture(Picture());
    EXPECT_EQ(f.counter.paints, 4);
    ASSERT_EQ(changes.count(), 4);
    EXPECT_EQ(changes.at(0).at(0).toString(), "Caption");
    EXPECT_EQ(changes.at(3).at(0).toString(), "Picture");
}

TEST(HoverCommand, enabledAlwaysSetsTheWidgetAndCaptionLetsPendingEventsRun)
{
    Fixture f;
    f.disableByDesign();
    f.button->setEnabled(false);
    EXPECT_FALSE(f.button->widget()->isEnabled()) << "the value did not change, the widget follows all the same";
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    f.button->setCaption("&Cancel");
    EXPECT_TRUE(ran);
}

TEST(HoverCommand, anEmptyDesignReadsAsANewButtonWithoutRepainting)
{
    Fixture f;
    f.button->setCaption("x");
    f.button->setStyle(64);
    f.button->setBorderOffset(0);
    f.button->setForeColor(0);
    const int paints = f.counter.paints;
    f.button->readProperties(PropertyBag());
    EXPECT_EQ(f.counter.paints, paints);
    EXPECT_EQ(f.button->caption(), "HoverCommand");
    EXPECT_EQ(f.button->style(), HoverStyle::Thin);
    EXPECT_EQ(f.button->borderOffset(), 10);
    EXPECT_EQ(f.button->foreColor(), 0x80000007u);
}

TEST(HoverCommand, aWrittenDesignReadsBackTheSameButton)
{
    Fixture f;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    f.button->setCaption("&Save");
    f.button->setHovPicture(Picture(image, Picture::Kind::Bitmap));
    f.button->setFont(QFont("Arial", 11));
    f.button->setHAlign(7);
    f.button->setHighlightColor(tav::platform::rgbValue(0, 128, 0));
    f.button->setEnabled(false);

    PropertyBag design;
    f.button->writeProperties(design);
    EXPECT_EQ(design.names(),
        QStringList({ "Caption", "Style", "Picture", "HovPicture", "BGPicture", "Font", "ImageOffset", "BorderOffset",
            "HAlign", "GrabBG", "Enabled", "ForeColor", "BackColor", "HighlightColor" }));
    HoverCommand copy(new QWidget(&f.window), "cmdCopy");
    copy.readProperties(design);
    EXPECT_EQ(copy.caption(), "&Save");
    EXPECT_EQ(copy.hovPicture().image(), image);
    EXPECT_TRUE(copy.picture().isNull());
    EXPECT_EQ(copy.font().pointSize(), 11);
    EXPECT_EQ(copy.hAlign(), 7);
    EXPECT_EQ(copy.highlightColor(), tav::platform::rgbValue(0, 128, 0));
    EXPECT_FALSE(copy.enabled());
}
