#include "PageControls.h"

#include "ControlNames.h"
#include "MainWindowDesign.h"
#include "ButtonPictures.h"

#include "components/HoverCommand.h"
#include "components/MainWindowButtons.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ProgressBar.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"

namespace tav::app {

using namespace tav::platform;
namespace names = design::names;

namespace {

template<class T, size_t N>
void findArray(const ControlSet& set, const char* name, std::array<T*, N>& into, size_t first = 0, size_t end = N)
{
    for (size_t i = first; i < end; ++i)
        into[i] = set.get<T>(name, static_cast<int>(i));
}

} // namespace

WindowControls WindowControls::create(QWidget* window, ControlSet& set)
{
    for (auto part : {design::windowFrame(), design::customersPage(), design::productsPage(), design::billPeriodsPage(),
                      design::printingPage(), design::printOptionsPage(), design::optionsPage(),
                      design::companyInfoPage()})
        set.build(window, part);
    // Made after the pages, so that Save and Cancel stand in front of every page's title bar.
    const auto hover = [&](QWidget* container, components::MainWindowButton which, int tabIndex) {
        components::HoverCommand* button = components::createMainWindowButton(container, which);
        button->setTabIndex(tabIndex);
        set.adopt(button);
        return button;
    };
    WindowControls c{};
    for (int i = 0; i < components::kPageTabCount; ++i)
        c.frame.cmdTab[static_cast<size_t>(i)] = hover(window, components::pageTab(i), 10 + i);
    c.frame.cmdSave = hover(window, components::MainWindowButton::Save, 50);
    c.frame.cmdCancel = hover(window, components::MainWindowButton::Cancel, 51);
    hover(set.get<Frame>(names::fraDocumentation)->widget(), components::MainWindowButton::OpenHelp, 1);
    set.applyTabOrder();

    c.frame.picLogo = set.get<PictureBox>(names::picLogo);
    findArray(set, names::cmdAcceleratorKey, c.frame.cmdAcceleratorKey);
    findArray(set, names::fraMain, c.frame.fraMain);
    findArray(set, names::lblTop, c.frame.lblTop);

    c.frame.picLogo->setPicture(logoPicture());
    return c;
}

CustomerControls CustomerControls::find(const ControlSet& set)
{
    CustomerControls c{};
    c.lblCustomers = set.get<Label>(names::lblCustomers);
    c.cmdSearch = set.get<CommandButton>(names::cmdSearch);
    c.txtSearch = set.get<TextBox>(names::txtSearch);
    c.lvwCustomersVis = set.get<ListView>(names::lvwCustomersVis);
    c.cmdPrint = set.get<CommandButton>(names::cmdPrint);
    c.cmdAddNew = set.get<CommandButton>(names::cmdAddNew);
    c.cmdUndo = set.get<CommandButton>(names::cmdUndo);
    findArray(set, names::txtField, c.txtField);
    c.lblFirstName = set.get<Label>(names::lblFirstName);
    c.lblLastName = set.get<Label>(names::lblLastName);
    c.lblAddress = set.get<Label>(names::lblAddress);
    c.lblEmail = set.get<Label>(names::lblEmail);
    c.lblPhone = set.get<Label>(names::lblPhone);
    c.lblNotes = set.get<Label>(names::lblNotes);
    return c;
}

ProductControls ProductControls::find(const ControlSet& set)
{
    ProductControls c{};
    c.lblPrice = set.get<Label>(names::lblPrice);
    c.txtPrice = set.get<TextBox>(names::txtPrice);
    c.lblProductOrServiceName = set.get<Label>(names::lblProductOrServiceName);
    c.txtProductOrServiceName = set.get<TextBox>(names::txtProductOrServiceName);
    c.lblListOfProductsAndServices = set.get<Label>(names::lblListOfProductsAndServices);
    findArray(set, names::lvwProducts, c.lvwProducts, 0, 1);
    c.cmdAddNewItem = set.get<CommandButton>(names::cmdAddNewItem);
    c.cmdCancelNewItem = set.get<CommandButton>(names::cmdCancelNewItem);
    return c;
}

PrintOptionsControls PrintOptionsControls::find(const ControlSet& set)
{
    PrintOptionsControls c{};
    c.fraInvoiceTitle = set.get<Frame>(names::fraInvoiceTitle);
    findArray(set, names::optInvoiceTitle, c.optInvoiceTitle);
    c.txtInvoiceTitle = set.get<TextBox>(names::txtInvoiceTitle);
    c.fraSize = set.get<Frame>(names::fraSize);
    findArray(set, names::optInvoiceTitleSize, c.optInvoiceTitleSize);
    c.chkAddInvoiceDateToInvoice = set.get<CheckBox>(names::chkAddInvoiceDateToInvoice);
    c.chkPrintDuplicateInvoices = set.get<CheckBox>(names::chkPrintDuplicateInvoices);
    c.chkKeepTwelveLines = set.get<CheckBox>(names::chkKeepTwelveLines);
    c.chkMoveAccordingly = set.get<CheckBox>(names::chkMoveAccordingly);
    c.fraPrintPreview = set.get<Frame>(names::fraPrintPreview);
    findArray(set, names::picPrintPreviewTop, c.picPrintPreviewTop);
    findArray(set, names::picPrintPreviewBottom, c.picPrintPreviewBottom);
    c.cmdPrintPreviewBack = set.get<CommandButton>(names::cmdPrintPreviewBack);
    c.cmdPrintPreviewForward = set.get<CommandButton>(names::cmdPrintPreviewForward);
    return c;
}

OptionsControls OptionsControls::find(const ControlSet& set)
{
    OptionsControls c{};
    c.lblPathToCurrent = set.get<Label>(names::lblPathToCurrent);
    c.txtChangePath = set.get<TextBox>(names::txtChangePath);
    findArray(set, names::cmdChangePath, c.cmdChangePath);
    c.lblQuickestWay = set.get<Label>(names::lblQuickestWay);
    c.cmdCloseBooks[4] = set.get<CommandButton>(names::cmdCloseBooks, 4);
    c.chkCheckToConfirmEdits = set.get<CheckBox>(names::chkCheckToConfirmEdits);
    c.chkExpertMode = set.get<CheckBox>(names::chkExpertMode);
    c.lblExpertMode1 = set.get<Label>(names::lblExpertMode1);
    c.lblExpertMode2 = set.get<Label>(names::lblExpertMode2);
    c.lblVersionNumber = set.get<Label>(names::lblVersionNumber);
    c.lblCheckForNewVersion = set.get<Label>(names::lblCheckForNewVersion);
    c.fraDocumentation = set.get<Frame>(names::fraDocumentation);
    c.Label11 = set.get<Label>(names::Label11);
    c.cmdOpenHelp = set.get<components::HoverCommand>(names::cmdOpenHelp);
    return c;
}

CompanyControls CompanyControls::find(const ControlSet& set)
{
    CompanyControls c{};
    findArray(set, names::txtCompanyDetails, c.txtCompanyDetails);
    c.lblCompanyName = set.get<Label>(names::lblCompanyName);
    c.lblCompanyAddress = set.get<Label>(names::lblCompanyAddress);
    c.lblCompanyPhone = set.get<Label>(names::lblCompanyPhone);
    c.lblCompanySlogan = set.get<Label>(names::lblCompanySlogan);
    c.lblGeneralDescription = set.get<Label>(names::lblGeneralDescription);
    c.lblMakePayableTo = set.get<Label>(names::lblMakePayableTo);
    c.lblInvoiceClosing = set.get<Label>(names::lblInvoiceClosing);
    c.lblLeaveOptionalEntriesBlank = set.get<Label>(names::lblLeaveOptionalEntriesBlank);
    c.lblSaveDatabaseToUpdate = set.get<Label>(names::lblSaveDatabaseToUpdate);
    return c;
}

BillPeriodControls BillPeriodControls::find(const ControlSet& set)
{
    BillPeriodControls c{};
    c.lblBillPeriodName = set.get<Label>(names::lblBillPeriodName);
    c.txtBillPeriod = set.get<TextBox>(names::txtBillPeriod);
    c.cmbBillPeriod[1] = set.get<ComboBox>(names::cmbBillPeriod, 1);
    c.lblExample = set.get<Label>(names::lblExample);
    c.lblPeriodStart = set.get<Label>(names::lblPeriodStart);
    c.lblPeriodEnd = set.get<Label>(names::lblPeriodEnd);
    c.lblBillDue = set.get<Label>(names::lblBillDue);
    for (int i = 1; i <= 3; ++i)
        c.txtPField[static_cast<size_t>(i)] = set.get<TextBox>(names::txtPField, i);
    c.lblCustomerAccountsForThisPeriod = set.get<Label>(names::lblCustomerAccountsForThisPeriod);
    c.tvwInvoiceRecords[0] = set.get<TreeView>(names::tvwInvoiceRecords, 0);
    c.lblDoubleClickToAdd = set.get<Label>(names::lblDoubleClickToAdd);
    c.lvwProducts[1] = set.get<ListView>(names::lvwProducts, 1);
    c.cmdResetCustomerAccounts = set.get<CommandButton>(names::cmdResetCustomerAccounts);
    c.cmdAdjustBalance = set.get<CommandButton>(names::cmdAdjustBalance);
    c.cmdCancelNewBP = set.get<CommandButton>(names::cmdCancelNewBP);
    c.cmdAddNewBP = set.get<CommandButton>(names::cmdAddNewBP);
    return c;
}

PrintingControls PrintingControls::find(const ControlSet& set)
{
    PrintingControls c{};
    c.lblBillPeriodP2 = set.get<Label>(names::lblBillPeriodP2);
    c.cmbBillPeriod[2] = set.get<ComboBox>(names::cmbBillPeriod, 2);
    c.tvwInvoiceRecords[1] = set.get<TreeView>(names::tvwInvoiceRecords, 1);
    c.lblPrinting = set.get<Label>(names::lblPrinting);
    c.staPrinting = set.get<ProgressBar>(names::staPrinting);
    c.cmdPrintSelectedInvoices = set.get<CommandButton>(names::cmdPrintSelectedInvoices);
    c.cmdPrintSelectedEnvelopes = set.get<CommandButton>(names::cmdPrintSelectedEnvelopes);
    c.lblRightClickForNote = set.get<Label>(names::lblRightClickForNote);
    return c;
}

} // namespace tav::app
