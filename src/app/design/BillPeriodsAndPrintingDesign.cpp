#include "ControlNames.h"
#include "MainWindowDesign.h"

namespace tav::app::design {

using platform::ControlKind;
using platform::ControlSpec;
using platform::SystemColor::InfoBackground;

namespace {

// The mode label and the date example are as wide as the name box, so that "Bill Period Name:" and
// the longest month's example show whole in the window's font.
const ControlSpec kBillPeriods[] = {
    {.kind = ControlKind::Label, .name = names::lblBillPeriodName, .caption = "Bill Period:", .left = 120, .top = 600,
     .width = 2835, .height = 210, .container = names::fraMain, .containerIndex = 2},
    {.kind = ControlKind::TextBox, .name = names::txtBillPeriod, .left = 120, .top = 840, .width = 2835, .height = 330,
     .container = names::fraMain, .containerIndex = 2, .tabIndex = 1, .visible = false},
    {.kind = ControlKind::ComboBox, .name = names::cmbBillPeriod, .index = 1, .left = 120, .top = 840, .width = 3135,
     .height = 330, .container = names::fraMain, .containerIndex = 2, .tabIndex = 2},
    {.kind = ControlKind::Label, .name = names::lblExample, .left = 120, .top = 1155, .width = 2835, .height = 210,
     .container = names::fraMain, .containerIndex = 2, .visible = false},
    {.kind = ControlKind::Label, .name = names::lblPeriodStart, .caption = "Period Start:", .left = 4080, .top = 600,
     .width = 1335, .height = 210, .container = names::fraMain, .containerIndex = 2},
    {.kind = ControlKind::TextBox, .name = names::txtPField, .index = 1, .left = 4080, .top = 840, .width = 1335,
     .height = 315, .container = names::fraMain, .containerIndex = 2, .tabIndex = 3, .locked = true},
    {.kind = ControlKind::Label, .name = names::lblPeriodEnd, .caption = "Period End:", .left = 5520, .top = 600,
     .width = 1335, .height = 210, .container = names::fraMain, .containerIndex = 2},
    {.kind = ControlKind::TextBox, .name = names::txtPField, .index = 2, .left = 5520, .top = 840, .width = 1335,
     .height = 315, .container = names::fraMain, .containerIndex = 2, .tabIndex = 4, .locked = true},
    {.kind = ControlKind::Label, .name = names::lblBillDue, .caption = "Bill Due:", .left = 6960, .top = 600,
     .width = 1335, .height = 210, .container = names::fraMain, .containerIndex = 2},
    {.kind = ControlKind::TextBox, .name = names::txtPField, .index = 3, .left = 6960, .top = 840, .width = 1335,
     .height = 315, .container = names::fraMain, .containerIndex = 2, .tabIndex = 5, .locked = true},
    {.kind = ControlKind::Label, .name = names::lblCustomerAccountsForThisPeriod,
     .caption = "Customer Accounts for This Period:", .left = 120, .top = 1320, .width = 3255, .height = 210,
     .container = names::fraMain, .containerIndex = 2},
    {.kind = ControlKind::TreeView, .name = names::tvwInvoiceRecords, .index = 0, .left = 120, .top = 1560,
     .width = 8160, .height = 3840, .container = names::fraMain, .containerIndex = 2, .tabIndex = 6},
    {.kind = ControlKind::Label, .name = names::lblDoubleClickToAdd,
     .caption = "  Double-click to Bill *Marked Customers:  ", .left = 4320, .top = 1320, .width = 3855, .height = 210,
     .container = names::fraMain, .containerIndex = 2, .visible = false, .backColor = InfoBackground},
    {.kind = ControlKind::ListView, .name = names::lvwProducts, .index = 1, .left = 4320, .top = 1560, .width = 3960,
     .height = 3840, .container = names::fraMain, .containerIndex = 2, .tabIndex = 7, .visible = false},
    {.kind = ControlKind::CommandButton, .name = names::cmdResetCustomerAccounts, .caption = "&Log Full Payment",
     .left = 120, .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 2,
     .tabIndex = 8, .visible = false},
    {.kind = ControlKind::CommandButton, .name = names::cmdAdjustBalance, .caption = "Log &Payment && Optional Note",
     .left = 2280, .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 2,
     .tabIndex = 9, .visible = false},
    {.kind = ControlKind::CommandButton, .name = names::cmdCancelNewBP, .caption = "&Cancel New", .left = 4190,
     .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 2, .tabIndex = 10,
     .visible = false},
    {.kind = ControlKind::CommandButton, .name = names::cmdAddNewBP, .caption = "&New Bill Period", .left = 6350,
     .top = 5520, .width = 1935, .height = 615, .container = names::fraMain, .containerIndex = 2, .tabIndex = 11},
};

const ControlSpec kPrinting[] = {
    {.kind = ControlKind::Label, .name = names::lblBillPeriodP2, .caption = "Bill Period:", .left = 120, .top = 600,
     .width = 960, .height = 210, .container = names::fraMain, .containerIndex = 3},
    {.kind = ControlKind::ComboBox, .name = names::cmbBillPeriod, .index = 2, .left = 120, .top = 840, .width = 3135,
     .height = 330, .container = names::fraMain, .containerIndex = 3, .tabIndex = 1},
    {.kind = ControlKind::Label, .name = names::lblPrinting, .caption = "Sending to printer ...", .left = 5400,
     .top = 720, .width = 1815, .height = 255, .container = names::fraMain, .containerIndex = 3, .visible = false},
    {.kind = ControlKind::ProgressBar, .name = names::staPrinting, .left = 5400, .top = 960, .width = 2895,
     .height = 255, .container = names::fraMain, .containerIndex = 3, .visible = false},
    {.kind = ControlKind::TreeView, .name = names::tvwInvoiceRecords, .index = 1, .left = 120, .top = 1320,
     .width = 8175, .height = 4095, .container = names::fraMain, .containerIndex = 3, .tabIndex = 2,
     .checkBoxes = true},
    {.kind = ControlKind::CommandButton, .name = names::cmdPrintSelectedInvoices,
     .caption = "&Print Selected as Invoices", .left = 4190, .top = 5520, .width = 1935, .height = 615,
     .container = names::fraMain, .containerIndex = 3, .tabIndex = 3},
    {.kind = ControlKind::CommandButton, .name = names::cmdPrintSelectedEnvelopes,
     .caption = "Print Selected as &Envelopes", .left = 6350, .top = 5520, .width = 1935, .height = 615,
     .container = names::fraMain, .containerIndex = 3, .tabIndex = 4},
    {.kind = ControlKind::Label, .name = names::lblRightClickForNote,
     .caption = "(Right-click customer to add a note to their bill.)", .left = 120, .top = 5640, .width = 2205,
     .height = 450, .container = names::fraMain, .containerIndex = 3, .wordWrap = true},
};

} // namespace

std::span<const ControlSpec> billPeriodsPage()
{
    return kBillPeriods;
}

std::span<const ControlSpec> printingPage()
{
    return kPrinting;
}

} // namespace tav::app::design
