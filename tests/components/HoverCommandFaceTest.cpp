#include "components/HoverCommandFace.h"
#include "HoverCommandInput.h"
#include "components/HoverCommandWidget.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <functional>

using namespace tav::components;
using tav::platform::ColorValue;
using tav::platform::Picture;
using tav::platform::rgbValue;
namespace SystemColor = tav::platform::SystemColor;

namespace {

constexpr ColorValue kBlue = rgbValue(0, 0, 200);
constexpr QRgb kContainer = 0xFF00A000;
constexpr QRgb kRed = 0xFFFF0000;

QRgb rgb(ColorValue color)
{
    return tav::platform::toQColor(color).rgb();
}

QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A 10 x 10 bitmap: a red square from (2, 2) to (7, 7) on a magenta key, with a key-coloured hole at (5, 5).
Picture keyedSquare()
{
    QImage image = solid(10, 10, Qt::magenta);
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x)
            image.setPixel(x, y, kRed);
    image.setPixel(5, 5, qRgb(255, 0, 255));
    return Picture(image, Picture::Kind::Bitmap);
}

// The bounding box of the pixels that pass the test.
QRect inkBox(const QImage& face, const std::function<bool(QRgb)>& isInk)
{
    QRect box;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (isInk(face.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool isRed(QRgb pixel)
{
    return pixel == kRed;
}

// A blue 100 x 40 pixel button without caption and border at (20, 10) of a green container.
struct Fixture {
    QWidget window;
    HoverCommand* button = newHoverCommand(&window, "cmdTest");
    tav::test::HoverInput input { button->widget() };

    Fixture()
    {
        window.resize(200, 100);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(kContainer));
        window.setPalette(palette);
        button->move(300, 150, 1500, 600);
        button->setCaption("");
        button->setStyle(HoverStyle::NoBorder);
        button->setBackColor(kBlue);
        QFont font("DejaVu Sans");
        font.setPixelSize(16);
        font.setBold(true);
        button->setFont(font);
    }

    QImage face() const { return composeHoverFace(*button); }
    void hover() { input.move({ 50, 20 }); }
    void press() { input.press({ 50, 20 }); }
};

} // namespace

TEST(HoverCommandFace, backgroundPrecedenceIsHoverFillTiledPictureContainerBackColour)
{
    Fixture f;
    f.button->setStyle(HoverStyle::NoBorder | HoverStyle::HoverFill);
    f.button->setHighlightColor(rgbValue(255, 255, 0));
    EXPECT_EQ(f.face().pixel(50, 20), rgb(kBlue));
    f.button->setGrabBG(true);
    EXPECT_EQ(f.face().pixel(50, 20), kContainer);
    f.button->setBGPicture(Picture(solid(3, 3, Qt::cyan), Picture::Kind::Bitmap));
    EXPECT_EQ(f.face().pixel(50, 20), QColor(Qt::cyan).rgb());
    f.hover();
    EXPECT_EQ(f.face().pixel(50, 20), qRgb(255, 255, 0));
    f.button->setStyle(HoverStyle::NoBorder);
    EXPECT_EQ(f.face().pixel(50, 20), QColor(Qt::cyan).rgb()) << "no hover fill without its style bit";
}

TEST(HoverCommandFace, theCopiedBackgroundShowsWhatLiesBehindAndMovesWithThePressOverTheBackColour)
{
    Fixture f;
    QWidget below(&f.window), above(&f.window);
    below.setGeometry(0, 0, 40, 100); // under the button's first 20 columns
    below.setAutoFillBackground(true);
    QPalette palette = below.palette();
    palette.setColor(QPalette::Window, Qt::red);
    below.setPalette(palette);
    below.lower();
    above.setGeometry(100, 0, 100, 100);
    above.setAutoFillBackground(true);
    f.button->setGrabBG(true);
    QImage face = f.face();
    EXPECT_EQ(face.pixel(19, 20), kRed);
    EXPECT_EQ(face.pixel(20, 20), kContainer);
    EXPECT_EQ(face.pixel(90, 20), kContainer) << "a sibling stacked above is not behind";

    f.press();
    face = f.face();
    EXPECT_EQ(face.pixel(1, 20), rgb(kBlue)) << "the band the shifted copy leaves shows the back colour";
    EXPECT_EQ(face.pixel(50, 1), rgb(kBlue));
    EXPECT_EQ(face.pixel(2, 20), kRed);
    EXPECT_EQ(face.pixel(21, 20), kRed);
    EXPECT_EQ(face.pixel(22, 20), kContainer);
}

TEST(HoverCommandFace, aTiledPictureRepeatsFromTheCornerAndFollowsThePressShift)
{
    Fixture f;
    QImage dotted = solid(3, 3, Qt::white);
    dotted.setPixel(0, 0, qRgb(0, 0, 0));
    f.button->setBGPicture(Picture(dotted, Picture::Kind::Bitmap));
    f.button->setStyle(HoverStyle::NoBorder | HoverStyle::Thin);
    const QImage face = f.face();
    EXPECT_EQ(face.pixel(9, 9), qRgb(0, 0, 0));
    EXPECT_EQ(face.pixel(10, 9), QColor(Qt::white).rgb());
    EXPECT_EQ(face.pixel(99, 39), qRgb(0, 0, 0));
    f.press();
    EXPECT_EQ(f.face().pixel(10, 10), qRgb(0, 0, 0)) << "thin style: one pixel of shift";
    f.button->setStyle(HoverStyle::NoBorder);
    EXPECT_EQ(f.face().pixel(11, 11), qRgb(0, 0, 0)) << "otherwise two";
}

TEST(HoverCommandFace, theBorderFollowsStyleAndState)
{
    using HoverStyle::Flat, HoverStyle::Thin, HoverStyle::NoBorder;
    const QRgb back = rgb(kBlue), light = rgb(SystemColor::Light3D), white = rgb(SystemColor::ButtonHighlight);
    const QRgb shadow = rgb(SystemColor::ButtonShadow), dark = rgb(SystemColor::DarkShadow3D);
    struct Case {
        int style;
        ButtonState state;
        QRgb corner, inside, farCorner; // at (0, 0), (1, 1) and (99, 39)
    };
    const Case cases[] = {
        { 0, ButtonState::Normal, light, white, dark },
        { 0, ButtonState::Hover, light, white, dark },
        { 0, ButtonState::Pressed, shadow, dark, white },
        { Thin, ButtonState::Normal, white, back, shadow },
        { Thin, ButtonState::Pressed, dark, back, light },
        { Flat, ButtonState::Normal, back, back, back },
        { Flat | Thin, ButtonState::Hover, white, back, shadow },
        { Flat, ButtonState::Pressed, shadow, dark, white },
        { NoBorder, ButtonState::Hover, back, back, back },
        { NoBorder | Thin, ButtonState::Pressed, back, back, back },
    };
    for (const Case& c : cases) {
        Fixture f;
        f.button->setStyle(c.style);
        if (c.state == ButtonState::Hover)
            f.hover();
        if (c.state == ButtonState::Pressed)
            f.press();
        const QImage face = f.face();
        SCOPED_TRACE(testing::Message() << "style " << c.style << ", state " << static_cast<int>(c.state));
        EXPECT_EQ(face.pixel(0, 0), c.corner);
        EXPECT_EQ(face.pixel(1, 1), c.inside);
        EXPECT_EQ(face.pixel(99, 39), c.farCorner);
        EXPECT_EQ(face.pixel(50, 20), back);
    }
}

TEST(HoverCommandFace, aBitmapIsPlacedByAlignmentAndShowsTheFaceThroughItsCornerColour)
{
    struct Case {
        int align;
        int left; // of the picture; its red square starts 2 pixels in
    };
    const Case cases[] = { { HoverAlign::Left, 5 }, { HoverAlign::Center, (100 - (8 + 10)) / 2 },
        { HoverAlign::Right, 100 - 5 - 8 - 10 }, { 9, 0 } };
    for (const Case& c : cases) {
        Fixture f;
        f.button->setPicture(keyedSquare());
        f.button->setHAlign(c.align);
        f.button->setBorderOffset(5);
        f.button->setImageOffset(8); // counts in the centred group even without a caption
        const QImage face = f.face();
        EXPECT_EQ(inkBox(face, isRed), QRect(c.left + 2, 15 + 2, 6, 6)) << "alignment " << c.align;
        EXPECT_EQ(face.pixel(c.left + 5, 15 + 5), rgb(kBlue))
            << "key-coloured pixels inside the picture are transparent";
        EXPECT_EQ(face.pixel(c.left, 15), rgb(kBlue));
        f.press();
        EXPECT_EQ(inkBox(f.face(), isRed).topLeft(), QPoint(c.left + 4, 19)) << "alignment " << c.align;
    }
}

TEST(HoverCommandFace, theHoverPictureReplacesThePictureOnlyWhileHovered)
{
    Fixture f;
    f.button->setPicture(keyedSquare());
    f.button->setHovPicture(Picture(solid(4, 4, Qt::green), Picture::Kind::Icon));
    const auto isGreen = [](QRgb p) { return p == QColor(Qt::green).rgb(); };
    EXPECT_TRUE(inkBox(f.face(), isGreen).isEmpty());
    f.hover();
    EXPECT_EQ(inkBox(f.face(), isGreen), QRect(10, 18, 4, 4));
    f.press();
    EXPECT_TRUE(inkBox(f.face(), isGreen).isEmpty());
}

TEST(HoverCommandFace, aCentredPictureAndCaptionFormOneGroup)
{
    Fixture f;
    f.button->setPicture(keyedSquare());
    f.button->setHAlign(HoverAlign::Center);
    f.button->setImageOffset(6);
    f.button->setForeColor(rgbValue(0, 255, 0));
    f.button->setCaption("&MM");
    const int textWidth = QFontMetrics(f.button->font()).horizontalAdvance("MM");
    const int groupLeft = (100 - (6 + 10 + textWidth)) / 2;
    const QImage face = f.face();
    const QRect caption = inkBox(face, [](QRgb p) { return qGreen(p) > 0; });
    EXPECT_NEAR(inkBox(face, isRed).left(), groupLeft + 2, 1);
    EXPECT_NEAR(caption.left(), groupLeft + 10 + 6, 2);
    EXPECT_NEAR(caption.right(), groupLeft + 10 + 6 + textWidth, 2);
    EXPECT_NEAR(caption.center().y(), 20, 3);
}

TEST(HoverCommandFace, theCaptionTakesTheHighlightColourOnlyWithItsStyleBitAndUnderlinesItsAccessKey)
{
    Fixture f;
    f.button->setStyle(HoverStyle::NoBorder | HoverStyle::HoverCaption);
    f.button->setBackColor(rgbValue(0, 0, 0));
    f.button->setForeColor(rgbValue(255, 0, 0));
    f.button->setHighlightColor(rgbValue(0, 255, 0));
    f.button->setCaption("MM");
    const auto reddish = [](QRgb p) { return qRed(p) > 0; };
    const auto greenish = [](QRgb p) { return qGreen(p) > 0; };
    EXPECT_TRUE(inkBox(f.face(), greenish).isEmpty());
    f.hover();
    EXPECT_TRUE(inkBox(f.face(), reddish).isEmpty());
    EXPECT_FALSE(inkBox(f.face(), greenish).isEmpty());
    f.button->setStyle(HoverStyle::NoBorder);
    const int plainBottom = inkBox(f.face(), reddish).bottom();
    f.button->setCaption("&MM");
    EXPECT_GT(inkBox(f.face(), reddish).bottom(), plainBottom);
}

TEST(HoverCommandFace, disabledPictureAndCaptionAreEmbossedAndComeBackInTheirColours)
{
    Fixture f;
    f.button->setPicture(keyedSquare());
    f.button->setForeColor(rgbValue(255, 0, 0));
    f.button->setCaption("MM");
    const QImage enabled = f.face();
    f.button->setEnabled(false);
    const QImage face = f.face();
    EXPECT_TRUE(inkBox(face, isRed).isEmpty());
    EXPECT_EQ(face.pixel(12, 17), rgb(SystemColor::ButtonShadow));
    EXPECT_EQ(face.pixel(18, 23), rgb(SystemColor::ButtonHighlight)) << "the highlight one pixel below right";
    EXPECT_EQ(face.pixel(15, 20), rgb(SystemColor::ButtonHighlight)) << "the hole shows the highlight";
    const QRect caption
        = inkBox(face, [](QRgb p) { return p == rgb(SystemColor::ButtonShadow); }) & QRect(30, 0, 70, 40);
    EXPECT_FALSE(caption.isEmpty());
    EXPECT_EQ(f.button->picture().image().pixel(5, 5), qRgb(255, 0, 255)) << "the picture itself is unchanged";
    f.button->setEnabled(true);
    EXPECT_EQ(f.face(), enabled);
}

TEST(HoverCommandFace, theFocusMarkIsInsetOrOnTheEdgeOrLeftOut)
{
    Fixture f;
    const QImage unfocused = f.face();
    f.input.focusIn();
    QImage face = f.face();
    const QRgb inverted = 0xFF000000 | ~rgb(kBlue);
    EXPECT_EQ(face.pixel(3, 3), inverted) << "no border, but the focus mark";
    EXPECT_EQ(face.pixel(4, 3), rgb(kBlue));
    EXPECT_EQ(face.pixel(5, 3), inverted);
    EXPECT_EQ(face.pixel(96, 36), inverted);
    EXPECT_EQ(face.pixel(2, 2), rgb(kBlue));
    f.button->setStyle(HoverStyle::NoBorder | HoverStyle::WholeFocus);
    face = f.face();
    EXPECT_EQ(face.pixel(0, 0), inverted);
    EXPECT_EQ(face.pixel(3, 3), rgb(kBlue));
    f.button->setHovPicture(keyedSquare());
    EXPECT_EQ(f.face(), unfocused) << "no mark on the edge of a button with a hover picture";
    f.button->setStyle(HoverStyle::Flat);
    EXPECT_EQ(f.face().pixel(0, 0), rgb(SystemColor::Light3D)) << "a focused flat button shows its border";
    f.input.focusOut();
    EXPECT_EQ(f.face().pixel(0, 0), rgb(kBlue));
}

TEST(HoverCommandFace, aButtonWithoutAreaPaintsNothingAndATinyOneNoFocusMark)
{
    Fixture f;
    f.window.show();
    f.button->setWidth(0);
    EXPECT_TRUE(f.face().isNull());
    f.button->refresh();
    f.button->move(0, 0, 1500, 30); // two pixels high
    f.input.focusIn();
    EXPECT_EQ(f.face().size(), QSize(100, 2));
}
