#pragma once

#include <array>

class QWidget;

namespace tav::platform {
class CheckBox;
class ComboBox;
class CommandButton;
class ControlSet;
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

// A control array of the design. Where an array starts at another index than 0, or where its
// elements stand on several pages, the elements that are not on the page stay null.
template<class T, std::size_t N>
using ControlArray = std::array<T*, N>;

// The controls of the main window, by their design names, one struct per page. Every member that
// is not an unused array element is set: a control the design lacks stops the program while the
// window is made (or while its page finds them).

// The window frame: the logo, the page tabs and their access keys, the page frames and their
// title bars, Save and Cancel.
struct FrameControls {
    platform::PictureBox* picLogo;
    ControlArray<components::HoverCommand, 7> cmdTab;
    ControlArray<platform::CommandButton, 7> cmdAcceleratorKey;
    ControlArray<platform::Frame, 7> fraMain;
    ControlArray<platform::Label, 7> lblTop;
    components::HoverCommand* cmdSave;
    components::HoverCommand* cmdCancel;
};

// The Customers page.
struct CustomerControls {
    platform::Label* lblCustomers;
    platform::CommandButton* cmdSearch;
    platform::TextBox* txtSearch;
    platform::ListView* lvwCustomersVis;
    platform::CommandButton* cmdPrint;
    platform::CommandButton* cmdAddNew;
    platform::CommandButton* cmdUndo;
    ControlArray<platform::TextBox, 8> txtField;
    platform::Label* lblFirstName;
    platform::Label* lblLastName;
    platform::Label* lblAddress;
    platform::Label* lblEmail;
    platform::Label* lblPhone;
    platform::Label* lblNotes;

    static CustomerControls find(const platform::ControlSet& set);
};

// The Products & Services page; of the design's lvwProducts only element 0 stands here.
struct ProductControls {
    platform::Label* lblPrice;
    platform::TextBox* txtPrice;
    platform::Label* lblProductOrServiceName;
    platform::TextBox* txtProductOrServiceName;
    platform::Label* lblListOfProductsAndServices;
    ControlArray<platform::ListView, 2> lvwProducts;
    platform::CommandButton* cmdAddNewItem;
    platform::CommandButton* cmdCancelNewItem;

    static ProductControls find(const platform::ControlSet& set);
};

// The Bill Periods page; of the design's arrays cmbBillPeriod(1), tvwInvoiceRecords(0) and
// lvwProducts(1) stand here.
struct BillPeriodControls {
    platform::Label* lblBillPeriodName;
    platform::TextBox* txtBillPeriod;
    ControlArray<platform::ComboBox, 3> cmbBillPeriod;
    platform::Label* lblExample;
    platform::Label* lblPeriodStart;
    platform::Label* lblPeriodEnd;
    platform::Label* lblBillDue;
    ControlArray<platform::TextBox, 4> txtPField;
    platform::Label* lblCustomerAccountsForThisPeriod;
    ControlArray<platform::TreeView, 2> tvwInvoiceRecords;
    platform::Label* lblDoubleClickToAdd;
    ControlArray<platform::ListView, 2> lvwProducts;
    platform::CommandButton* cmdResetCustomerAccounts;
    platform::CommandButton* cmdAdjustBalance;
    platform::CommandButton* cmdCancelNewBP;
    platform::CommandButton* cmdAddNewBP;

    static BillPeriodControls find(const platform::ControlSet& set);
};

// The Printing page; of the design's arrays cmbBillPeriod(2) and tvwInvoiceRecords(1) stand here.
struct PrintingControls {
    platform::Label* lblBillPeriodP2;
    ControlArray<platform::ComboBox, 3> cmbBillPeriod;
    ControlArray<platform::TreeView, 2> tvwInvoiceRecords;
    platform::Label* lblPrinting;
    platform::ProgressBar* staPrinting;
    platform::CommandButton* cmdPrintSelectedInvoices;
    platform::CommandButton* cmdPrintSelectedEnvelopes;
    platform::Label* lblRightClickForNote;

    static PrintingControls find(const platform::ControlSet& set);
};

// The Print Options page.
struct PrintOptionsControls {
    platform::Frame* fraInvoiceTitle;
    ControlArray<platform::OptionButton, 3> optInvoiceTitle;
    platform::TextBox* txtInvoiceTitle;
    platform::Frame* fraSize;
    ControlArray<platform::OptionButton, 3> optInvoiceTitleSize;
    platform::CheckBox* chkAddInvoiceDateToInvoice;
    platform::CheckBox* chkPrintDuplicateInvoices;
    platform::CheckBox* chkKeepTwelveLines;
    platform::CheckBox* chkMoveAccordingly;
    platform::Frame* fraPrintPreview;
    ControlArray<platform::PictureBox, 3> picPrintPreviewTop;
    ControlArray<platform::PictureBox, 3> picPrintPreviewBottom;
    platform::CommandButton* cmdPrintPreviewBack;
    platform::CommandButton* cmdPrintPreviewForward;

    static PrintOptionsControls find(const platform::ControlSet& set);
};

// The Options page.
struct OptionsControls {
    platform::Label* lblPathToCurrent;
    platform::TextBox* txtChangePath;
    ControlArray<platform::CommandButton, 4> cmdChangePath;
    platform::Label* lblQuickestWay;
    ControlArray<platform::CommandButton, 5> cmdCloseBooks;
    platform::CheckBox* chkCheckToConfirmEdits;
    platform::CheckBox* chkExpertMode;
    platform::Label* lblExpertMode1;
    platform::Label* lblExpertMode2;
    platform::Label* lblVersionNumber;
    platform::Label* lblCheckForNewVersion;
    platform::Frame* fraDocumentation;
    platform::Label* Label11;
    components::HoverCommand* cmdOpenHelp;

    static OptionsControls find(const platform::ControlSet& set);
};

// The Company Info page.
struct CompanyControls {
    ControlArray<platform::TextBox, 9> txtCompanyDetails;
    platform::Label* lblCompanyName;
    platform::Label* lblCompanyAddress;
    platform::Label* lblCompanyPhone;
    platform::Label* lblCompanySlogan;
    platform::Label* lblGeneralDescription;
    platform::Label* lblMakePayableTo;
    platform::Label* lblInvoiceClosing;
    platform::Label* lblLeaveOptionalEntriesBlank;
    platform::Label* lblSaveDatabaseToUpdate;

    static CompanyControls find(const platform::ControlSet& set);
};

// Every control of the main window, made from the design tables. The window frame keeps its own;
// each page finds its own with its struct's find().
struct WindowControls {
    FrameControls frame;

    // Creates every control of the design in the window and finds the frame's by their names.
    static WindowControls create(QWidget* window, platform::ControlSet& set);
};

} // namespace tav::app
