#include "PageControls.h"

#include "ControlNames.h"
#include "MainWindowDesign.h"
#include "ButtonPictures.h"

#include "components/HoverCommand.h"
#include "components/MainWindowButtons.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"

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
    c.options.cmdOpenHelp = hover(set.get<Frame>(names::fraDocumentation)->widget(), components::MainWindowButton::OpenHelp, 1);
    set.applyTabOrder();

    c.frame.picLogo = set.get<PictureBox>(names::picLogo);
    findArray(set, names::cmdAcceleratorKey, c.frame.cmdAcceleratorKey);
    findArray(set, names::fraMain, c.frame.fraMain);
    findArray(set, names::lblTop, c.frame.lblTop);

    c.products.lblPrice = set.get<Label>(names::lblPrice);
    c.products.txtPrice = set.get<TextBox>(names::txtPrice);
    c.products.lblProductOrServiceName = set.get<Label>(names::lblProductOrServiceName);
    c.products.txtProductOrServiceName = set.get<TextBox>(names::txtProductOrServiceName);
    c.products.lblListOfProductsAndServices = set.get<Label>(names::lblListOfProductsAndServices);
    findArray(set, names::lvwProducts, c.products.lvwProducts, 0, 1);
    c.products.cmdAddNewItem = set.get<CommandButton>(names::cmdAddNewItem);
    c.products.cmdCancelNewItem = set.get<CommandButton>(names::cmdCancelNewItem);

    c.printOptions.fraInvoiceTitle = set.get<Frame>(names::fraInvoiceTitle);
    findArray(set, names::optInvoiceTitle, c.printOptions.optInvoiceTitle);
    c.printOptions.txtInvoiceTitle = set.get<TextBox>(names::txtInvoiceTitle);
    c.printOptions.fraSize = set.get<Frame>(names::fraSize);
    findArray(set, names::optInvoiceTitleSize, c.printOptions.optInvoiceTitleSize);
    c.printOptions.chkAddInvoiceDateToInvoice = set.get<CheckBox>(names::chkAddInvoiceDateToInvoice);
    c.printOptions.chkPrintDuplicateInvoices = set.get<CheckBox>(names::chkPrintDuplicateInvoices);
    c.printOptions.chkKeepTwelveLines = set.get<CheckBox>(names::chkKeepTwelveLines);
    c.printOptions.chkMoveAccordingly = set.get<CheckBox>(names::chkMoveAccordingly);
    c.printOptions.fraPrintPreview = set.get<Frame>(names::fraPrintPreview);
    findArray(set, names::picPrintPreviewTop, c.printOptions.picPrintPreviewTop);
    findArray(set, names::picPrintPreviewBottom, c.printOptions.picPrintPreviewBottom);
    c.printOptions.cmdPrintPreviewBack = set.get<CommandButton>(names::cmdPrintPreviewBack);
    c.printOptions.cmdPrintPreviewForward = set.get<CommandButton>(names::cmdPrintPreviewForward);

    c.options.lblPathToCurrent = set.get<Label>(names::lblPathToCurrent);
    c.options.txtChangePath = set.get<TextBox>(names::txtChangePath);
    findArray(set, names::cmdChangePath, c.options.cmdChangePath);
    c.options.lblQuickestWay = set.get<Label>(names::lblQuickestWay);
    c.options.cmdCloseBooks[4] = set.get<CommandButton>(names::cmdCloseBooks, 4);
    c.options.chkCheckToConfirmEdits = set.get<CheckBox>(names::chkCheckToConfirmEdits);
    c.options.chkExpertMode = set.get<CheckBox>(names::chkExpertMode);
    c.options.lblExpertMode1 = set.get<Label>(names::lblExpertMode1);
    c.options.lblExpertMode2 = set.get<Label>(names::lblExpertMode2);
    c.options.lblVersionNumber = set.get<Label>(names::lblVersionNumber);
    c.options.lblCheckForNewVersion = set.get<Label>(names::lblCheckForNewVersion);
    c.options.fraDocumentation = set.get<Frame>(names::fraDocumentation);
    c.options.Label11 = set.get<Label>(names::Label11);

    findArray(set, names::txtCompanyDetails, c.company.txtCompanyDetails);
    c.company.lblCompanyName = set.get<Label>(names::lblCompanyName);
    c.company.lblCompanyAddress = set.get<Label>(names::lblCompanyAddress);
    c.company.lblCompanyPhone = set.get<Label>(names::lblCompanyPhone);
    c.company.lblCompanySlogan = set.get<Label>(names::lblCompanySlogan);
    c.company.lblGeneralDescription = set.get<Label>(names::lblGeneralDescription);
    c.company.lblMakePayableTo = set.get<Label>(names::lblMakePayableTo);
    c.company.lblInvoiceClosing = set.get<Label>(names::lblInvoiceClosing);
    c.company.lblLeaveOptionalEntriesBlank = set.get<Label>(names::lblLeaveOptionalEntriesBlank);
    c.company.lblSaveDatabaseToUpdate = set.get<Label>(names::lblSaveDatabaseToUpdate);
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

} // namespace tav::app
