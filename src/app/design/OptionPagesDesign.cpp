#include "ControlNames.h"
#include "MainWindowDesign.h"

namespace tav::app::design {

using platform::ControlKind;
using platform::ControlSpec;
using platform::TextAlign;

namespace {

constexpr platform::ColorValue kLinkBlue = 0x00FF0000;

const ControlSpec kPrintOptions[] = {
    {.kind = ControlKind::Frame, .name = names::fraInvoiceTitle, .caption = "Invoice Title", .left = 240, .top = 600,
     .width = 3735, .height = 1575, .container = names::fraMain, .containerIndex = 4, .tabIndex = 1},
    {.kind = ControlKind::OptionButton, .name = names::optInvoiceTitle, .index = 0, .caption = "Invoice", .left = 120,
     .top = 300, .width = 1215, .height = 255, .container = names::fraInvoiceTitle, .tabIndex = 1, .checked = true},
    {.kind = ControlKind::OptionButton, .name = names::optInvoiceTitle, .index = 1, .caption = "Estimate", .left = 120,
     .top = 660, .width = 1215, .height = 255, .container = names::fraInvoiceTitle, .tabIndex = 2},
    {.kind = ControlKind::OptionButton, .name = names::optInvoiceTitle, .index = 2, .caption = "Other:", .left = 120,
     .top = 1020, .width = 855, .height = 255, .container = names::fraInvoiceTitle, .tabIndex = 3},
    {.kind = ControlKind::TextBox, .name = names::txtInvoiceTitle, .left = 960, .top = 990, .width = 1575,
     .height = 315, .container = names::fraInvoiceTitle, .tabIndex = 4},
    {.kind = ControlKind::Frame, .name = names::fraSize, .caption = "Size", .left = 2700, .top = 180, .width = 915,
     .height = 1275, .container = names::fraInvoiceTitle, .tabIndex = 5},
    {.kind = ControlKind::OptionButton, .name = names::optInvoiceTitleSize, .index = 0, .caption = "S", .left = 180,
     .top = 300, .width = 615, .height = 255, .container = names::fraSize, .tabIndex = 1},
    {.kind = ControlKind::OptionButton, .name = names::optInvoiceTitleSize, .index = 1, .caption = "M", .left = 180,
     .top = 600, .width = 615, .height = 255, .container = names::fraSize, .tabIndex = 2},
    {.kind = ControlKind::OptionButton, .name = names::optInvoiceTitleSize, .index = 2, .caption = "L", .left = 180,
     .top = 900, .width = 615, .height = 255, .container = names::fraSize, .tabIndex = 3, .checked = true},
    {.kind = ControlKind::CheckBox, .name = names::chkAddInvoiceDateToInvoice,
     .caption = "add invoice &date to invoice", .left = 240, .top = 2400, .width = 3735, .height = 300,
     .container = names::fraMain, .containerIndex = 4, .tabIndex = 2},
    {.kind = ControlKind::CheckBox, .name = names::chkPrintDuplicateInvoices, .caption = "print d&uplicate invoices",
     .left = 240, .top = 2760, .width = 3735, .height = 300, .container = names::fraMain, .containerIndex = 4,
     .tabIndex = 3},
    {.kind = ControlKind::CheckBox, .name = names::chkKeepTwelveLines,
     .caption = "keep &twelve lines in list of billed items", .left = 240, .top = 3120, .width = 3735,
     .height = 300, .container = names::fraMain, .containerIndex = 4, .tabIndex = 4, .checked = true},
    {.kind = ControlKind::CheckBox, .name = names::chkMoveAccordingly, .caption = "&move bottom text up accordingly",
     .left = 480, .top = 3480, .width = 3495, .height = 300, .container = names::fraMain, .containerIndex = 4,
     .tabIndex = 5},
    {.kind = ControlKind::Frame, .name = names::fraPrintPreview, .caption = "Print Preview", .left = 4440, .top = 600,
     .width = 3615, .height = 5415, .container = names::fraMain, .containerIndex = 4, .tabIndex = 6},
    {.kind = ControlKind::PictureBox, .name = names::picPrintPreviewTop, .index = 0, .left = 375, .top = 495,
     .width = 2880, .height = 1575, .container = names::fraPrintPreview},
    {.kind = ControlKind::PictureBox, .name = names::picPrintPreviewTop, .index = 1, .left = 375, .top = 495,
     .width = 2880, .height = 1575, .container = names::fraPrintPreview, .visible = false},
    {.kind = ControlKind::PictureBox, .name = names::picPrintPreviewTop, .index = 2, .left = 375, .top = 495,
     .width = 2880, .height = 1575, .container = names::fraPrintPreview, .visible = false},
    {.kind = ControlKind::PictureBox, .name = names::picPrintPreviewBottom, .index = 0, .left = 375, .top = 2070,
     .width = 2880, .height = 2160, .container = names::fraPrintPreview},
    {.kind = ControlKind::PictureBox, .name = names::picPrintPreviewBottom, .index = 1, .left = 375, .top = 2070,
     .width = 2880, .height = 2160, .container = names::fraPrintPreview, .visible = false},
    {.kind = ControlKind::PictureBox, .name = names::picPrintPreviewBottom, .index = 2, .left = 375, .top = 2070,
     .width = 2880, .height = 2160, .container = names::fraPrintPreview, .visible = false},
    {.kind = ControlKind::CommandButton, .name = names::cmdPrintPreviewBack, .caption = "<", .left = 960, .top = 4440,
     .width = 735, .height = 615, .container = names::fraPrintPreview, .tabIndex = 1},
    {.kind = ControlKind::CommandButton, .name = names::cmdPrintPreviewForward, .caption = ">", .left = 1920,
     .top = 4440, .width = 735, .height = 615, .container = names::fraPrintPreview, .tabIndex = 2},
};

const ControlSpec kOptions[] = {
    {.kind = ControlKind::Label, .name = names::lblPathToCurrent, .caption = "Current Quobilla Database Path:",
     .left = 240, .top = 600, .width = 3255, .height = 210, .container = names::fraMain, .containerIndex = 5},
    {.kind = ControlKind::TextBox, .name = names::txtChangePath, .left = 240, .top = 840, .width = 3255, .height = 285,
     .container = names::fraMain, .containerIndex = 5, .tabIndex = 1, .locked = true},
    {.kind = ControlKind::CommandButton, .name = names::cmdChangePath, .index = 0, .caption = "&New", .left = 240,
     .top = 1200, .width = 735, .height = 375, .container = names::fraMain, .containerIndex = 5, .tabIndex = 2},
    {.kind = ControlKind::CommandButton, .name = names::cmdChangePath, .index = 1, .caption = "&Open", .left = 1080,
     .top = 1200, .width = 735, .height = 375, .container = names::fraMain, .containerIndex = 5, .tabIndex = 3},
    {.kind = ControlKind::CommandButton, .name = names::cmdChangePath, .index = 2, .caption = "&Save", .left = 1920,
     .top = 1200, .width = 735, .height = 375, .container = names::fraMain, .containerIndex = 5, .tabIndex = 4,
     .visible = false},
    {.kind = ControlKind::CommandButton, .name = names::cmdChangePath, .index = 3, .caption = "Sv&As", .left = 2760,
     .top = 1200, .width = 735, .height = 375, .container = names::fraMain, .containerIndex = 5, .tabIndex = 5},
    {.kind = ControlKind::Label, .name = names::lblQuickestWay,
     .caption = "(The quickest way to save from any screen is the check mark top right.)", .left = 240,
     .top = 1620, .width = 3255, .height = 435, .container = names::fraMain, .containerIndex = 5, .visible = false,
     .wordWrap = true},
    {.kind = ControlKind::CommandButton, .name = names::cmdCloseBooks, .index = 4,
     .caption = "&Close the Books && Start New", .left = 240, .top = 2160, .width = 3255, .height = 375,
     .container = names::fraMain, .containerIndex = 5, .tabIndex = 6},
    // High enough for its caption's two lines in the window's font.
    {.kind = ControlKind::CheckBox, .name = names::chkCheckToConfirmEdits,
     .caption = "check to confirm before deleting or applying edits to existing customers", .left = 240,
     .top = 2880, .width = 3495, .height = 390, .container = names::fraMain, .containerIndex = 5, .tabIndex = 7,
     .wordWrap = true, .checked = true},
    {.kind = ControlKind::CheckBox, .name = names::chkExpertMode, .left = 240, .top = 3480, .width = 255,
     .height = 375, .container = names::fraMain, .containerIndex = 5, .tabIndex = 8},
    {.kind = ControlKind::Label, .name = names::lblExpertMode1, .caption = "Expert Mode", .left = 510, .top = 3450,
     .width = 2535, .height = 210, .container = names::fraMain, .containerIndex = 5},
    {.kind = ControlKind::Label, .name = names::lblExpertMode2, .caption = "(turn off hints && explanations)",
     .left = 510, .top = 3660, .width = 2535, .height = 210, .container = names::fraMain, .containerIndex = 5},
    {.kind = ControlKind::Label, .name = names::lblVersionNumber, .left = 4905, .top = 480, .width = 3255,
     .height = 255, .container = names::fraMain, .containerIndex = 5, .align = TextAlign::Center},
    {.kind = ControlKind::Label, .name = names::lblCheckForNewVersion, .caption = "check for new version", .left = 4905,
     .top = 660, .width = 3255, .height = 255, .container = names::fraMain, .containerIndex = 5, .foreColor = kLinkBlue,
     .align = TextAlign::Center},
    {.kind = ControlKind::Frame, .name = names::fraDocumentation, .caption = "Documentation", .left = 4905,
     .top = 5160, .width = 3255, .height = 945, .container = names::fraMain, .containerIndex = 5, .tabIndex = 9},
    {.kind = ControlKind::Label, .name = names::Label11, .caption = "open TAV help file:", .left = 195, .top = 375,
     .width = 2055, .height = 285, .container = names::fraDocumentation},
};

const ControlSpec kCompanyInfo[] = {
    {.kind = ControlKind::Label, .name = names::lblCompanyName, .caption = "Company Name:", .left = 120, .top = 600,
     .width = 2385, .height = 210, .container = names::fraMain, .containerIndex = 6},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 0, .left = 120, .top = 840, .width = 3960,
     .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 1},
    {.kind = ControlKind::Label, .name = names::lblCompanyAddress, .caption = "Company Address:", .left = 120,
     .top = 1440, .width = 2385, .height = 210, .container = names::fraMain, .containerIndex = 6},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 1, .left = 120, .top = 1680,
     .width = 3960, .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 2},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 2, .left = 120, .top = 2100,
     .width = 3960, .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 3},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 3, .left = 120, .top = 2520,
     .width = 3960, .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 4},
    {.kind = ControlKind::Label, .name = names::lblCompanyPhone, .caption = "Company Phone / Fax / Email:", .left = 120,
     .top = 3120, .width = 2385, .height = 210, .container = names::fraMain, .containerIndex = 6},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 4, .left = 120, .top = 3360,
     .width = 3960, .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 5},
    {.kind = ControlKind::Label, .name = names::lblCompanySlogan, .caption = "Optional Company Slogan:", .left = 4320,
     .top = 600, .width = 2385, .height = 210, .container = names::fraMain, .containerIndex = 6},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 5, .left = 4320, .top = 840,
     .width = 3960, .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 6},
    // The longer labels over the right column are as wide as the boxes under them, so that their
    // captions show whole in the window's font.
    {.kind = ControlKind::Label, .name = names::lblGeneralDescription,
     .caption = "Optional General Invoice Description:", .left = 4320, .top = 1440, .width = 3960, .height = 210,
     .container = names::fraMain, .containerIndex = 6},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 6, .left = 4320, .top = 1680,
     .width = 3960, .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 7},
    {.kind = ControlKind::Label, .name = names::lblMakePayableTo, .caption = "Optional Make Checks Payable to:",
     .left = 4320, .top = 2280, .width = 3960, .height = 210, .container = names::fraMain, .containerIndex = 6},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 7, .left = 4320, .top = 2520,
     .width = 3960, .height = 315, .container = names::fraMain, .containerIndex = 6, .tabIndex = 8},
    {.kind = ControlKind::Label, .name = names::lblInvoiceClosing, .caption = "Optional Invoice Closing:", .left = 4320,
     .top = 3120, .width = 3960, .height = 210, .container = names::fraMain, .containerIndex = 6},
    {.kind = ControlKind::TextBox, .name = names::txtCompanyDetails, .index = 8,
     .caption = "THANK YOU FOR YOUR BUSINESS!", .left = 4320, .top = 3360, .width = 3960, .height = 315,
     .container = names::fraMain, .containerIndex = 6, .tabIndex = 9},
    {.kind = ControlKind::Label, .name = names::lblLeaveOptionalEntriesBlank,
     .caption = "Leave optional entries blank to omit from invoice.", .left = 0, .top = 5760, .width = 8400,
     .height = 210, .container = names::fraMain, .containerIndex = 6, .align = TextAlign::Center},
    {.kind = ControlKind::Label, .name = names::lblSaveDatabaseToUpdate,
     .caption = "Save database (check mark top right) to update company info.", .left = 0, .top = 5940,
     .width = 8400, .height = 210, .container = names::fraMain, .containerIndex = 6, .align = TextAlign::Center},
};

} // namespace

std::span<const ControlSpec> printOptionsPage()
{
    return kPrintOptions;
}

std::span<const ControlSpec> optionsPage()
{
    return kOptions;
}

std::span<const ControlSpec> companyInfoPage()
{
    return kCompanyInfo;
}

} // namespace tav::app::design
