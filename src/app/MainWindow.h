#pragma once

#include "books/Books.h"
#include "DeveloperAccess.h"
#include "FileCommands.h"
#include "design/PageControls.h"
#include "MainState.h"
#include "OptionsPage.h"
#include "pages/CustomersPage.h"
#include "PageLayout.h"
#include "pages/BillPeriodsPage.h"
#include "pages/PrintingPage.h"
#include "PrintOptionsPage.h"
#include "ProductsPage.h"
#include "VersionCheck.h"
#include "VisibleLists.h"
#include "workflows/Deletion.h"

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

    CustomersPage& customersPage() { return customersPage_; }

    // Makes child an owned window of owner, so that it stays in front of owner.
    static void alwaysOnTop(platform::Form& child, const platform::Form& owner);

    platform::ControlSet controlSet;
    WindowControls c;
    Books books;
    MainState state;

    PageLayout layout;
    VisibleLists lists;
    ProductsPage products;
    // The Printing page fills its period combo before the Bill Periods page chooses the period
    // both show: it is made, and hears the books, first.
    PrintingPage printingPage;
    BillPeriodsPage billPeriodsPage;
    Deletion deletion;
    FileCommands files;
    OptionsPage options;
    PrintOptionsPage printOptions;
    VersionCheck versionCheck;
    DeveloperAccess developerAccess;

protected:
    void onUnload(bool& cancel) override;
    void onResize() override;

private:
    // Hands every control's events to the part that handles them.
    void connectHandlers();
    // Lets the views follow the books.
    void connectBooks();
    // Lets the Bill Periods and Printing pages show the same period, and what they ask of the
    // other pages.
    void connectBillPeriodPages();
    // Lets the other pages follow what the Customers page changed.
    void connectCustomerPage();
    // Empties the views of the tables that are about to be replaced.
    void clearViews();
    void showCompanyTexts();
    void unloadSecondaryWindows();

    CustomersPage customersPage_;
};

} // namespace tav::app
