#include "MainControls.h"

#include "ButtonPictures.h"
#include "design/ControlNames.h"
#include "design/MainWindowDesign.h"

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
void findArray(const ControlSet& set, const char* name, std::array<T*, N>& into, size_t first = 0)
{
    for (size_t i = first; i < N; ++i)
        into[i] = set.get<T>(name, static_cast<int>(i));
}

} // namespace

MainControls MainControls::create(QWidget* window, ControlSet& set)
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
    MainControls c{};
    for (int i = 0; i < components::kPageTabCount; ++i)
        c.cmdTab[static_cast<size_t>(i)] = hover(window, components::pageTab(i), 10 + i);
    c.cmdSave = hover(window, components::MainWindowButton::Save, 50);
    c.cmdCancel = hover(window, components::MainWindowButton::Cancel, 51);
    c.cmdOpenHelp = hover(set.get<Frame>(names::fraDocumentation)->widget(), components::MainWindowButton::OpenHelp, 1);
    set.applyTabOrder();

    c.picLogo = set.get<PictureBox>(names::picLogo);
    findArray(set, names::cmdAcceleratorKey, c.cmdAcceleratorKey);
    findArray(set, names::fraMain, c.fraMain);
    findArray(set, names::lblTop, c.lblTop);

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

    c.lblPrice = set.get<Label>(names::lblPrice);
    c.txtPrice = set.get<TextBox>(names::txtPrice);
    c.lblProductOrServiceName = set.get<Label>(names::lblProductOrServiceName);
    c.txtProductOrServiceName = set.get<TextBox>(names::txtProductOrServiceName);
    c.lblListOfProductsAndServices = set.get<Label>(names::lblListOfProductsAndServices);
    findArray(set, names::lvwProducts, c.lvwProducts);
    c.cmdAddNewItem = set.get<CommandButton>(names::cmdAddNewItem);
    c.cmdCancelNewItem = set.get<CommandButton>(names::cmdCancelNewItem);

    c.lblBillPeriodName = set.get<Label>(names::lblBillPeriodName);
    c.txtBillPeriod = set.get<TextBox>(names::txtBillPeriod);
    findArray(set, names::cmbBillPeriod, c.cmbBillPeriod, 1);
    c.lblExample = set.get<Label>(names::lblExample);
    c.lblPeriodStart = set.get<Label>(names::lblPeriodStart);
    c.lblPeriodEnd = set.get<Label>(names::lblPeriodEnd);
    c.lblBillDue = set.get<Label>(names::lblBillDue);
    findArray(set, names::txtPField, c.txtPField, 1);
    c.lblCustomerAccountsForThisPeriod = set.get<Label>(names::lblCustomerAccountsForThisPeriod);
    findArray(set, names::tvwInvoiceRecords, c.tvwInvoiceRecords);
    c.lblDoubleClickToAdd = set.get<Label>(names::lblDoubleClickToAdd);
    c.cmdResetCustomerAccounts = set.get<CommandButton>(names::cmdResetCustomerAccounts);
    c.cmdAdjustBalance = set.get<CommandButton>(names::cmdAdjustBalance);
    c.cmdCancelNewBP = set.get<CommandButton>(names::cmdCancelNewBP);
    c.cmdAddNewBP = set.get<CommandButton>(names::cmdAddNewBP);

    c.lblBillPeriodP2 = set.get<Label>(names::lblBillPeriodP2);
    c.lblPrinting = set.get<Label>(names::lblPrinting);
    c.staPrinting = set.get<ProgressBar>(names::staPrinting);
    c.cmdPrintSelectedInvoices = set.get<CommandButton>(names::cmdPrintSelectedInvoices);
    c.cmdPrintSelectedEnvelopes = set.get<CommandButton>(names::cmdPrintSelectedEnvelopes);
    c.lblRightClickForNote = set.get<Label>(names::lblRightClickForNote);

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
    c.cmdSearch->setPicture(searchPicture());
    c.cmdPrint->setPicture(printerPicture());
    c.picLogo->setPicture(logoPicture());
    return c;
}

} // namespace tav::app
