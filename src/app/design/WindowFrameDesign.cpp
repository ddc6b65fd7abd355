#include "ControlNames.h"
#include "MainWindowDesign.h"

#include <array>
#include <vector>

namespace tav::app::design {

using platform::ControlKind;
using platform::ControlSpec;
using platform::TextAlign;

namespace {

constexpr platform::ColorValue kTitleBack = 0x00FFFFFF;
constexpr platform::ColorValue kTitleFore = 0x00008000;

constexpr std::array<const char*, 7> kPageTitles = {
    "Customers", "Products && Services", "Bill Periods", "Printing", "Print Options", "Options", "Company Info"};
constexpr std::array<const char*, 7> kAcceleratorCaptions = {"&C", "&P", "&B", "&N", "&T", "&O", "&I"};

std::vector<ControlSpec> frameDesign()
{
    std::vector<ControlSpec> design;
    design.push_back({.kind = ControlKind::PictureBox, .name = names::picLogo, .left = 547, .top = 45, .width = 480,
                      .height = 240});
    for (int i = 0; i < 7; ++i) {
        // Each page is a borderless frame with its title bar across the top. The design keeps pages
        // 1 to 6 outside the page area; start-up moves them in.
        design.push_back({.kind = ControlKind::Frame, .name = names::fraMain, .index = i,
                          .left = i == 0 ? 1560.0 : 12000.0, .width = 8400, .height = 6240, .tabIndex = 20 + i,
                          .visible = false, .border = false});
        design.push_back({.kind = ControlKind::Label, .name = names::lblTop, .index = i, .caption = kPageTitles[i],
                          .width = 8400, .height = 375, .container = names::fraMain, .containerIndex = i,
                          .fontName = "Arial", .fontSize = 14.25, .bold = true, .foreColor = kTitleFore,
                          .backColor = kTitleBack, .align = TextAlign::Center});
    }
    // Outside the window: only their access keys reach them.
    for (int i = 0; i < 7; ++i) {
        design.push_back({.kind = ControlKind::CommandButton, .name = names::cmdAcceleratorKey, .index = i,
                          .caption = kAcceleratorCaptions[i], .left = -2000, .top = 6360.0 + 600 * i, .width = 1215,
                          .height = 495, .tabIndex = 40 + i});
    }
    return design;
}

} // namespace

std::span<const ControlSpec> windowFrame()
{
    static const std::vector<ControlSpec> design = frameDesign();
    return design;
}

} // namespace tav::app::design
