#include "MainWindowButtons.h"

#include "HoverCommandWidget.h"
#include "PropertyBag.h"

#include <QFont>
#include <array>

// Resources of a static library are registered by hand; this must be called outside a namespace.
static void registerButtonPictures()
{
    Q_INIT_RESOURCE(hover_buttons);
}

namespace tav::components {

namespace {

using platform::ColorValue;
using platform::rgbValue;

struct ButtonDesign {
    MainWindowButton which;
    const char* name;
    int index;
    double left, top, width, height; // twips, within the container
    bool visible;
    const char* caption;
    const char* picture; // resource path
    int style;
    int hAlign;
    qint16 imageOffset;
    qint16 borderOffset;
    bool grabBG;
    ColorValue backColor;
    ColorValue highlightColor;
    bool ownFont; // the tabs' captions are set in a small font that fits the column
};

// Tabs: flat until the pointer is over them, then filled with a light highlight; picture and
// caption at the left so that the pictures form a column, with offsets small enough that the
// longest caption ends clear of the focus mark. The caption's access key is the page's
// accelerator key.
constexpr int kTabStyle = HoverStyle::Flat | HoverStyle::Thin | HoverStyle::HoverFill;
// Picture-only buttons: flat, centred picture without a gap for a caption, and what lies behind
// them (the white title bar, the frame) as their background.
constexpr int kPictureStyle = HoverStyle::Flat | HoverStyle::Thin;
constexpr ColorValue kFace = platform::SystemColor::ButtonFace;
constexpr ColorValue kTabHighlight = rgbValue(204, 228, 247);
constexpr ColorValue kWhite = rgbValue(255, 255, 255);
constexpr ColorValue kSystemHighlight = platform::SystemColor::Highlight;

constexpr ButtonDesign tab(int page, const char* caption, const char* picture)
{
    return {static_cast<MainWindowButton>(page), "cmdTab", page, 15, 360.0 + 840 * page, 1545, 840, true, caption,
            picture, kTabStyle, HoverAlign::Left, 3, 3, false, kFace, kTabHighlight, true};
}

constexpr std::array<ButtonDesign, 10> kDesigns = {{
    tab(0, "&Customers", ":/hover/customers.png"),
    tab(1, "&Products", ":/hover/products.png"),
    tab(2, "&Bill Periods", ":/hover/billperiods.png"),
    tab(3, "Pri&nting", ":/hover/printing.png"),
    tab(4, "Prin&t Options", ":/hover/printoptions.png"),
    tab(5, "&Options", ":/hover/options.png"),
    tab(6, "Company &Info", ":/hover/companyinfo.png"),
    // Hidden until there are unsaved changes.
    {MainWindowButton::Save, "cmdSave", -1, 1680, 135, 390, 480, false, "", ":/hover/save.png", kPictureStyle,
     HoverAlign::Center, 0, 0, true, kWhite, kSystemHighlight, false},
    {MainWindowButton::Cancel, "cmdCancel", -1, 2160, 135, 390, 480, false, "", ":/hover/cancel.png", kPictureStyle,
     HoverAlign::Center, 0, 0, true, kWhite, kSystemHighlight, false},
    {MainWindowButton::OpenHelp, "cmdOpenHelp", -1, 2310, 150, 690, 735, true, "", ":/hover/help.png", kPictureStyle,
     HoverAlign::Center, 0, 0, true, kFace, kSystemHighlight, false},
}};

const ButtonDesign& designOf(MainWindowButton which)
{
    return kDesigns.at(static_cast<std::size_t>(which));
}

QFont tabFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    return font;
}

PropertyBag storedDesign(const ButtonDesign& design)
{
    PropertyBag bag;
    bag.write(QStringLiteral("Caption"), QString::fromUtf8(design.caption));
    bag.write(QStringLiteral("Style"), design.style);
    const platform::Picture picture(QImage(QString::fromUtf8(design.picture)), platform::Picture::Kind::Bitmap);
    bag.write(QStringLiteral("Picture"), QVariant::fromValue(picture));
    if (design.ownFont)
        bag.write(QStringLiteral("Font"), tabFont());
    bag.write(QStringLiteral("ImageOffset"), design.imageOffset);
    bag.write(QStringLiteral("BorderOffset"), design.borderOffset);
    bag.write(QStringLiteral("HAlign"), design.hAlign);
    bag.write(QStringLiteral("GrabBG"), design.grabBG);
    bag.write(QStringLiteral("BackColor"), design.backColor);
    bag.write(QStringLiteral("HighlightColor"), design.highlightColor);
    return bag;
}

} // namespace

MainWindowButton pageTab(int page)
{
    Q_ASSERT(page >= 0 && page < kPageTabCount);
    return static_cast<MainWindowButton>(page);
}

HoverCommand* createMainWindowButton(QWidget* container, MainWindowButton which)
{
    static const bool picturesRegistered = (registerButtonPictures(), true);
    Q_UNUSED(picturesRegistered);
    const ButtonDesign& design = designOf(which);
    Q_ASSERT(design.which == which);
    auto* button = newHoverCommand(container, QString::fromUtf8(design.name), design.index);
    button->readProperties(storedDesign(design));
    button->move(design.left, design.top, design.width, design.height);
    button->setVisible(design.visible);
    return button;
}

} // namespace tav::components
