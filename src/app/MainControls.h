#pragma once

#include "platform/FormDesign.h"

#include <array>

namespace tav::platform {
class CheckBox;
class ComboBox;
class CommandButton;
class Frame;
class Label;
class ListView;
class OptionButton;
class PictureBox;
class ProgressBar;
class TextBox;
class TreeView;
} // namespace tav::platform

namespace tav::components {
class HoverCommand;
}

namespace tav::app {

// Every control of the main window, by its design name. Arrays are the design's control arrays;
// where an array starts at another index than 0 the unused elements stay null. Every other member
// is set: a control the design lacks stops the program while the window is made.
struct MainControls {
    template<class T, size_t N>
    using Array = std::array<T*, N>;

    // Window frame.
    platform::PictureBox* picLogo;
    Array<components::HoverCommand, 7> cmdTab;
    Array<platform::CommandButton, 7> cmdAcceleratorKey;
    Array<platform::Frame, 7> fraMain;
    Array<platform::Label, 7> lblTop;
    components::HoverCommand* cmdSave;
    components::HoverCommand* cmdCancel;

    // Customers.
    platform::Label* lblCustomers;
    platform::CommandButton* cmdSearch;
    platform::TextBox* txtSearch;
    platform::ListView* lvwCustomersVis;
    platform::CommandButton* cmdPrint;
    platform::CommandButton* cmdAddNew;
    platform::CommandButton* cmdUndo;
    Array<platform::TextBox, 8> txtField;
    platform::Label* lblFirstName;
    platform::Label* lblLastName;
    platform::Label* lblAddress;
    platform::Label* lblEmail;
    platform::Label* lblPhone;
    platform::Label* lblNotes;

    // Products and services; lvwProducts(1) stands on the Bill Periods page.
    platform::Label* lblPrice;
    platform::TextBox* txtPrice;
    platform::Label* lblProductOrServiceName;
    platform::TextBox* txtProductOrServiceName;
    platform::Label* lblListOfProductsAndServices;
    Array<platform::ListView, 2> lvwProducts;
    platform::CommandButton* cmdAddNewItem;
    platform::CommandButton* cmdCancelNewItem;

    // Bill periods; cmbBillPeriod(2) and tvwInvoiceRecords(1) stand on the Printing page.
    platform::Label* lblBillPeriodName;
    platform::TextBox* txtBillPeriod;
    Array<platform::ComboBox, 3> cmbBillPeriod;
    platform::Label* lblExample;
    platform::Label* lblPeriodStart;
    platform::Label* lblPeriodEnd;
    platform::Label* lblBillDue;
    Array<platform::TextBox, 4> txtPField;
    platform::Label* lblCustomerAccountsForThisPeriod;
    Array<platform::TreeView, 2> tvwInvoiceRecords;
    platform::Label* lblDoubleClickToAdd;
    platform::CommandButton* cmdResetCustomerAccounts;
    platform::CommandButton* cmdAdjustBalance;
    platform::CommandButton* cmdCancelNewBP;
    platform::CommandButton* cmdAddNewBP;

    // Printing.
    platform::Label* lblBillPeriodP2;
    platform::Label* lblPrinting;
    platform::ProgressBar* staPrinting;
    platform::CommandButton* cmdPrintSelectedInvoices;
    platform::CommandButton* cmdPrintSelectedEnvelopes;
    platform::Label* lblRightClickForNote;

    // Print options.
    platform::Frame* fraInvoiceTitle;
    Array<platform::OptionButton, 3> optInvoiceTitle;
    platform::TextBox* txtInvoiceTitle;
    platform::Frame* fraSize;
    Array<platform::OptionButton, 3> optInvoiceTitleSize;
    platform::CheckBox* chkAddInvoiceDateToInvoice;
    platform::CheckBox* chkPrintDuplicateInvoices;
    platform::CheckBox* chkKeepTwelveLines;
    platform::CheckBox* chkMoveAccordingly;
    platform::Frame* fraPrintPreview;
    Array<platform::PictureBox, 3> picPrintPreviewTop;
    Array<platform::PictureBox, 3> picPrintPreviewBottom;
    platform::CommandButton* cmdPrintPreviewBack;
    platform::CommandButton* cmdPrintPreviewForward;

    // Options.
    platform::Label* lblPathToCurrent;
    platform::TextBox* txtChangePath;
    Array<platform::CommandButton, 4> cmdChangePath;
    platform::Label* lblQuickestWay;
    Array<platform::CommandButton, 5> cmdCloseBooks;
    platform::CheckBox* chkCheckToConfirmEdits;
    platform::CheckBox* chkExpertMode;
    platform::Label* lblExpertMode1;
    platform::Label* lblExpertMode2;
    platform::Label* lblVersionNumber;
    platform::Label* lblCheckForNewVersion;
    platform::Frame* fraDocumentation;
    platform::Label* Label11;
    components::HoverCommand* cmdOpenHelp;

    // Company info.
    Array<platform::TextBox, 9> txtCompanyDetails;
    platform::Label* lblCompanyName;
    platform::Label* lblCompanyAddress;
    platform::Label* lblCompanyPhone;
    platform::Label* lblCompanySlogan;
    platform::Label* lblGeneralDescription;
    platform::Label* lblMakePayableTo;
    platform::Label* lblInvoiceClosing;
    platform::Label* lblLeaveOptionalEntriesBlank;
    platform::Label* lblSaveDatabaseToUpdate;

    // Creates every control of the design in the window and finds each by its name in
    // design::names; the hover buttons are kept as they are made.
    static MainControls create(QWidget* window, platform::ControlSet& set);
};

} // namespace tav::app
