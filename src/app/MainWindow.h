#pragma once

#include "BillPeriodEntry.h"
#include "books/Books.h"
#include "CustomerListPrinting.h"
#include "CustomerPage.h"
#include "CustomerSearch.h"
#include "Deletion.h"
#include "EntryFields.h"
#include "EnvelopePrinting.h"
#include "InvoicePrinting.h"
#include "InvoiceTrees.h"
#include "design/PageControls.h"
#include "MainState.h"
#include "NewBillPeriod.h"
#include "PageLayout.h"
#include "pages/CompanyInfoPage.h"
#include "pages/OptionsPage.h"
#include "pages/PrintOptionsPage.h"
#include "pages/ProductsPage.h"
#include "Payments.h"
#include "VisibleLists.h"
#include "windows/DeveloperAccess.h"
#include "windows/VersionCheck.h"

#include "platform/Form.h"
#include "platform/FormDesign.h"

namespace tav::app {

// The main window: seven pages switched by the tab buttons down the left edge, the Save and Cancel
// buttons that show while there are unsaved changes, and the program's start-up and shutdown.
// It owns the record tables and the company texts for its whole life; its parts, one per page or
// workflow, call one another through it.
class MainWindow : public platform::Form {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // The load step: works out the local formats, loads and shows the database, places the window,
    // reopens the page shown last and shows the window.
    void load();

    bool hasUnsavedChanges() const { return books.hasUnsavedChanges(); }

    platform::ControlSet controlSet;
    WindowControls c;
    Books books;
    MainState state;

    PageLayout layout;
    EntryFields entryFields;
    VisibleLists lists;
    CustomerPage customers;
    CustomerSearch search;
    ProductsPage products;
    Deletion deletion;
    NewBillPeriod newPeriod;
    BillPeriodEntry billPeriods;
    InvoiceTrees trees;
    Payments payments;
    OptionsPage options;
    PrintOptionsPage printOptions;
    CompanyInfoPage companyInfo;
    VersionCheck versionCheck;
    DeveloperAccess developerAccess;
    InvoicePrinting invoicePrinting;
    EnvelopePrinting envelopePrinting;
    CustomerListPrinting customerListPrinting;

protected:
    void onUnload(bool& cancel) override;
    void onResize() override;

private:
    // Hands every control's events to the part that handles them.
    void connectHandlers();
    // Lets the views follow the books.
    void connectBooks();
    // Carries what the Products & Services and Options pages do over to the other pages: deleting
    // a product, and expert mode's hints, which stand on several pages.
    void connectProductAndOptionPages();
    // Empties the views of the tables that are about to be replaced: the lists, both trees and the
    // customer entry fields.
    void clearViews();
    void rememberSelectedCustomer();
    void unloadSecondaryWindows();
};

} // namespace tav::app
