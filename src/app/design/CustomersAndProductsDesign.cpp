#include "ControlNames.h"
#include "MainWindowDesign.h"

namespace tav::app::design {

using platform::ControlKind;
using platform::ControlSpec;

namespace {

// At design size the page frame is 8400 x 6240 twips; the page layout moves what follows the size.
const ControlSpec kCustomers[] = {
    {.kind = ControlKind::Label, .name = names::lblCustomers, .caption = "List of Customers:", .left = 120, .top = 690,
     .width = 2730, .height = 210, .container = names::fraMain, .containerIndex = 0},
    {.kind = ControlKind::CommandButton, .name = names::cmdSearch, .left = 3120, .top = 585, .width = 375,
     .height = 360, .container = names::fraMain, .containerIndex = 0, .tabIndex = 1},
    {.kind = ControlKind::TextBox, .name = names::txtSearch, .caption = "search text", .left = 840, .top = 645,
     .width = 2175, .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 2, .visible = false,
     .backColor = 0x00FFFFC0},
    {.kind = ControlKind::ListView, .name = names::lvwCustomersVis, .left = 120, .top = 960, .width = 3840,
     .height = 5160, .container = names::fraMain, .containerIndex = 0, .tabIndex = 3},
    {.kind = ControlKind::CommandButton, .name = names::cmdPrint, .left = 3600, .top = 585, .width = 375, .height = 360,
     .container = names::fraMain, .containerIndex = 0, .tabIndex = 4},
    {.kind = ControlKind::CommandButton, .name = names::cmdAddNew, .caption = "&New Customer", .left = 6350,
     .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 0, .tabIndex = 5},
    {.kind = ControlKind::Label, .name = names::lblFirstName, .caption = "First Name:", .left = 3960, .top = 615,
     .width = 1275, .height = 255, .container = names::fraMain, .containerIndex = 0},
    {.kind = ControlKind::TextBox, .name = names::txtField, .index = 0, .left = 5400, .top = 600, .width = 2880,
     .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 6, .maxLength = 32},
    {.kind = ControlKind::Label, .name = names::lblLastName, .caption = "Last Name:", .left = 3960, .top = 975,
     .width = 1275, .height = 255, .container = names::fraMain, .containerIndex = 0},
    {.kind = ControlKind::TextBox, .name = names::txtField, .index = 1, .left = 5400, .top = 960, .width = 2880,
     .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 7, .maxLength = 32},
    {.kind = ControlKind::Label, .name = names::lblAddress, .caption = "Address:", .left = 3960, .top = 1455,
     .width = 1275, .height = 255, .container = names::fraMain, .containerIndex = 0},
    {.kind = ControlKind::TextBox, .name = names::txtField, .index = 2, .left = 5400, .top = 1440, .width = 2880,
     .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 8, .maxLength = 32},
    {.kind = ControlKind::TextBox, .name = names::txtField, .index = 3, .left = 5400, .top = 1800, .width = 2880,
     .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 9, .maxLength = 32},
    {.kind = ControlKind::TextBox, .name = names::txtField, .index = 4, .left = 5400, .top = 2160, .width = 2880,
     .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 10, .maxLength = 32},
    {.kind = ControlKind::Label, .name = names::lblEmail, .caption = "Email:", .left = 3960, .top = 2655, .width = 1275,
     .height = 255, .container = names::fraMain, .containerIndex = 0},
    {.kind = ControlKind::TextBox, .name = names::txtField, .index = 5, .left = 5400, .top = 2640, .width = 2880,
     .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 11, .maxLength = 128},
    {.kind = ControlKind::Label, .name = names::lblPhone, .caption = "Phone #'s:", .left = 3960, .top = 3015,
     .width = 1275, .height = 255, .container = names::fraMain, .containerIndex = 0},
    {.kind = ControlKind::TextBox, .name = names::txtField, .index = 6, .left = 5400, .top = 3000, .width = 2880,
     .height = 315, .container = names::fraMain, .containerIndex = 0, .tabIndex = 12, .maxLength = 128},
    {.kind = ControlKind::Label, .name = names::lblNotes, .caption = "Notes:", .left = 3960, .top = 3495, .width = 1275,
     .height = 255, .container = names::fraMain, .containerIndex = 0},
    {.kind = ControlKind::MultiLineTextBox, .name = names::txtField, .index = 7, .left = 5040, .top = 3480,
     .width = 3240, .height = 1935, .container = names::fraMain, .containerIndex = 0, .tabIndex = 13},
    {.kind = ControlKind::CommandButton, .name = names::cmdUndo, .caption = "&Delete Existing", .left = 4190,
     .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 0, .tabIndex = 14,
     .visible = false},
};

const ControlSpec kProducts[] = {
    {.kind = ControlKind::Label, .name = names::lblPrice, .caption = "Price:", .left = 120, .top = 600, .width = 555,
     .height = 240, .container = names::fraMain, .containerIndex = 1, .visible = false},
    {.kind = ControlKind::TextBox, .name = names::txtPrice, .left = 120, .top = 840, .width = 1815, .height = 315,
     .container = names::fraMain, .containerIndex = 1, .tabIndex = 1, .visible = false},
    {.kind = ControlKind::Label, .name = names::lblProductOrServiceName, .caption = "Product or Service Name:",
     .left = 2160, .top = 600, .width = 2310, .height = 210, .container = names::fraMain, .containerIndex = 1,
     .visible = false},
    {.kind = ControlKind::TextBox, .name = names::txtProductOrServiceName, .left = 2160, .top = 840, .width = 6105,
     .height = 315, .container = names::fraMain, .containerIndex = 1, .tabIndex = 2, .visible = false},
    {.kind = ControlKind::Label, .name = names::lblListOfProductsAndServices,
     .caption = "List of Products and Services:", .left = 120, .top = 1320, .width = 2730, .height = 210,
     .container = names::fraMain, .containerIndex = 1},
    {.kind = ControlKind::ListView, .name = names::lvwProducts, .index = 0, .left = 120, .top = 1560, .width = 8175,
     .height = 3855, .container = names::fraMain, .containerIndex = 1, .tabIndex = 5},
    {.kind = ControlKind::CommandButton, .name = names::cmdAddNewItem, .caption = "&New Product or Service",
     .left = 6350, .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 1,
     .tabIndex = 3},
    {.kind = ControlKind::CommandButton, .name = names::cmdCancelNewItem, .caption = "&Delete Existing", .left = 4190,
     .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 1, .tabIndex = 4},
};

} // namespace

std::span<const ControlSpec> customersPage()
{
    return kCustomers;
}

std::span<const ControlSpec> productsPage()
{
    return kProducts;
}

} // namespace tav::app::design
