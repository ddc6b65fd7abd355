#include "MainControls.h"

#include "ButtonPictures.h"
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
    for (int i = 0; i < components::kPageTabCount; ++i)
        hover(window, components::pageTab(i), 10 + i);
    hover(window, components::MainWindowButton::Save, 50);
    hover(window, components::MainWindowButton::Cancel, 51);
    hover(set.find(QStringLiteral("fraDocumentation"))->widget(), components::MainWindowButton::OpenHelp, 1);
    set.applyTabOrder();

    MainControls c{};
    c.picLogo = set.get<PictureBox>("picLogo");
    findArray(set, "cmdTab", c.cmdTab);
    findArray(set, "cmdAcceleratorKey", c.cmdAcceleratorKey);
    findArray(set, "fraMain", c.fraMain);
    findArray(set, "lblTop", c.lblTop);
    c.cmdSave = set.get<components::HoverCommand>("cmdSave");
    c.cmdCancel = set.get<components::HoverCommand>("cmdCancel");

    c.lblCustomers = set.get<Label>("lblCustomers");
    c.cmdSearch = set.get<CommandButton>("cmdSearch");
    c.txtSearch = set.get<TextBox>("txtSearch");
    c.lvwCustomersVis = set.get<ListView>("lvwCustomersVis");
    c.cmdPrint = set.get<CommandButton>("cmdPrint");
    c.cmdAddNew = set.get<CommandButton>("cmdAddNew");
    c.cmdUndo = set.get<CommandButton>("cmdUndo");
    findArray(set, "txtField", c.txtField);
    c.lblFirstName = set.get<Label>("lblFirstName");
    c.lblLastName = set.get<Label>("lblLastName");
    c.lblAddress = set.get<Label>("lblAddress");
    c.lblEmail = set.get<Label>("lblEmail");
    c.lblPhone = set.get<Label>("lblPhone");
    c.lblNotes = set.get<Label>("lblNotes");

    c.lblPrice = set.get<Label>("lblPrice");
    c.txtPrice = set.get<TextBox>("txtPrice");
    c.lblProductOrServiceName = set.get<Label>("lblProductOrServiceName");
    c.txtProductOrServiceName = set.get<TextBox>("txtProductOrServiceName");
    c.lblListOfProductsAndServices = set.get<Label>("lblListOfProductsAndServices");
    findArray(set, "lvwProducts", c.lvwProducts);
    c.cmdAddNewItem = set.get<CommandButton>("cmdAddNewItem");
    c.cmdCancelNewItem = set.get<CommandButton>("cmdCancelNewItem");

    c.lblBillPeriodName = set.get<Label>("lblBillPeriodName");
    c.txtBillPeriod = set.get<TextBox>("txtBillPeriod");
    findArray(set, "cmbBillPeriod", c.cmbBillPeriod, 1);
    c.lblExample = set.get<Label>("lblExample");
    c.lblPeriodStart = set.get<Label>("lblPeriodStart");
    c.lblPeriodEnd = set.get<Label>("lblPeriodEnd");
    c.lblBillDue = set.get<Label>("lblBillDue");
    findArray(set, "txtPField", c.txtPField, 1);
    c.lblCustomerAccountsForThisPeriod = set.get<Label>("lblCustomerAccountsForThisPeriod");
    findArray(set, "tvwInvoiceRecords", c.tvwInvoiceRecords);
    c.lblDoubleClickToAdd = set.get<Label>("lblDoubleClickToAdd");
    c.cmdResetCustomerAccounts = set.get<CommandButton>("cmdResetCustomerAccounts");
    c.cmdAdjustBalance = set.get<CommandButton>("cmdAdjustBalance");
    c.cmdCancelNewBP = set.get<CommandButton>("cmdCancelNewBP");
    c.cmdAddNewBP = set.get<CommandButton>("cmdAddNewBP");

    c.lblBillPeriodP2 = set.get<Label>("lblBillPeriodP2");
    c.lblPrinting = set.get<Label>("lblPrinting");
    c.staPrinting = set.get<ProgressBar>("staPrinting");
    c.cmdPrintSelectedInvoices = set.get<CommandButton>("cmdPrintSelectedInvoices");
    c.cmdPrintSelectedEnvelopes = set.get<CommandButton>("cmdPrintSelectedEnvelopes");
    c.lblRightClickForNote = set.get<Label>("lblRightClickForNote");

    c.fraInvoiceTitle = set.get<Frame>("fraInvoiceTitle");
    findArray(set, "optInvoiceTitle", c.optInvoiceTitle);
    c.txtInvoiceTitle = set.get<TextBox>("txtInvoiceTitle");
    c.fraSize = set.get<Frame>("fraSize");
    findArray(set, "optInvoiceTitleSize", c.optInvoiceTitleSize);
    c.chkAddInvoiceDateToInvoice = set.get<CheckBox>("chkAddInvoiceDateToInvoice");
    c.chkPrintDuplicateInvoices = set.get<CheckBox>("chkPrintDuplicateInvoices");
    c.chkKeepTwelveLines = set.get<CheckBox>("chkKeepTwelveLines");
    c.chkMoveAccordingly = set.get<CheckBox>("chkMoveAccordingly");
    c.fraPrintPreview = set.get<Frame>("fraPrintPreview");
    findArray(set, "picPrintPreviewTop", c.picPrintPreviewTop);
    findArray(set, "picPrintPreviewBottom", c.picPrintPreviewBottom);
    c.cmdPrintPreviewBack = set.get<CommandButton>("cmdPrintPreviewBack");
    c.cmdPrintPreviewForward = set.get<CommandButton>("cmdPrintPreviewForward");

    c.lblPathToCurrent = set.get<Label>("lblPathToCurrent");
    c.txtChangePath = set.get<TextBox>("txtChangePath");
    findArray(set, "cmdChangePath", c.cmdChangePath);
    c.lblQuickestWay = set.get<Label>("lblQuickestWay");
    c.cmdCloseBooks[4] = set.get<CommandButton>("cmdCloseBooks", 4);
    c.chkCheckToConfirmEdits = set.get<CheckBox>("chkCheckToConfirmEdits");
    c.chkExpertMode = set.get<CheckBox>("chkExpertMode");
    c.lblExpertMode1 = set.get<Label>("lblExpertMode1");
    c.lblExpertMode2 = set.get<Label>("lblExpertMode2");
    c.lblVersionNumber = set.get<Label>("lblVersionNumber");
    c.lblCheckForNewVersion = set.get<Label>("lblCheckForNewVersion");
    c.fraDocumentation = set.get<Frame>("fraDocumentation");
    c.Label11 = set.get<Label>("Label11");
    c.cmdOpenHelp = set.get<components::HoverCommand>("cmdOpenHelp");

    findArray(set, "txtCompanyDetails", c.txtCompanyDetails);
    c.lblCompanyName = set.get<Label>("lblCompanyName");
    c.lblCompanyAddress = set.get<Label>("lblCompanyAddress");
    c.lblCompanyPhone = set.get<Label>("lblCompanyPhone");
    c.lblCompanySlogan = set.get<Label>("lblCompanySlogan");
    c.lblGeneralDescription = set.get<Label>("lblGeneralDescription");
    c.lblMakePayableTo = set.get<Label>("lblMakePayableTo");
    c.lblInvoiceClosing = set.get<Label>("lblInvoiceClosing");
    c.lblLeaveOptionalEntriesBlank = set.get<Label>("lblLeaveOptionalEntriesBlank");
    c.lblSaveDatabaseToUpdate = set.get<Label>("lblSaveDatabaseToUpdate");
    c.cmdSearch->setPicture(searchPicture());
    c.cmdPrint->setPicture(printerPicture());
    c.picLogo->setPicture(logoPicture());
    return c;
}

} // namespace tav::app
