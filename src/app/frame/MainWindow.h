#pragma once

#include "app/books/Books.h"
#include "app/design/PageControls.h"
#include "MainState.h"
#include "PageLayout.h"
#include "app/pages/BillPeriodsPage.h"
#include "app/pages/CompanyInfoPage.h"
#include "app/pages/CustomersPage.h"
#include "app/pages/OptionsPage.h"
#include "app/pages/PrintingPage.h"
#include "app/pages/PrintOptionsPage.h"
#include "app/pages/ProductsPage.h"
#include "app/windows/DeveloperAccess.h"
#include "app/windows/VersionCheck.h"
#include "app/workflows/Deletion.h"

#include "platform/Form.h"
#include "platform/FormDesign.h"

namespace tav::app {

// The main window, a frame around the seven pages: the tab buttons down the left edge that switch
// them, the Save and Cancel buttons that show while the books hold unsaved changes, and the
// program's start-up and shutdown. It owns the books and the pages for its whole life and connects
// what one page does to the others; no page or workflow reaches it.
class MainWindow : public platform::Form {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // The load step: works out the local formats, loads and shows the database, places the window,
    // reopens the page shown last and shows the window.
    void load();

    bool hasUnsavedChanges() const { return books_.hasUnsavedChanges(); }

    // The window's parts, for the tests.
    Books& books() { return books_; }
    MainState& state() { return state_; }
    PageLayout& pageLayout() { return layout_; }
    const FrameControls& frameControls() const { return frame_; }
    platform::ControlSet& controlSet() { return controlSet_; }
    CustomersPage& customersPage() { return customersPage_; }
    ProductsPage& productsPage() { return productsPage_; }
    BillPeriodsPage& billPeriodsPage() { return billPeriodsPage_; }
    PrintingPage& printingPage() { return printingPage_; }
    PrintOptionsPage& printOptionsPage() { return printOptionsPage_; }
    OptionsPage& optionsPage() { return optionsPage_; }
    CompanyInfoPage& companyInfoPage() { return companyInfoPage_; }
    Deletion& deletion() { return deletion_; }
    VersionCheck& versionCheck() { return versionCheck_; }
    DeveloperAccess& developerAccess() { return developerAccess_; }

protected:
    void onUnload(bool& cancel) override;
    void onResize() override;

private:
    // Hands every control's events to the part that handles them.
    void connectHandlers();
    // Lets the views follow the books.
    void connectBooks();
    // Save and Cancel show exactly while the books hold unsaved changes.
    void setSaveCancelVisible(bool visible);
    // Lets the Bill Periods and Printing pages show the same period, and what they ask of the
    // other pages.
    void connectBillPeriodPages();
    // Lets the other pages follow what the Customers page changed.
    void connectCustomerPage();
    // Carries what the Products & Services and Options pages do over to the other pages: deleting
    // a product, and expert mode's hints, which stand on several pages.
    void connectProductAndOptionPages();
    void unloadSecondaryWindows();

    platform::ControlSet controlSet_;
    FrameControls frame_;
    Books books_;
    MainState state_;
    PageLayout layout_;
    ProductsPage productsPage_;
    PrintOptionsPage printOptionsPage_;
    // The Printing page fills its period combo before the Bill Periods page chooses the period
    // both show: it is made, and hears the books, first.
    PrintingPage printingPage_;
    BillPeriodsPage billPeriodsPage_;
    Deletion deletion_;
    OptionsPage optionsPage_;
    CompanyInfoPage companyInfoPage_;
    VersionCheck versionCheck_;
    DeveloperAccess developerAccess_;
    CustomersPage customersPage_;
};

} // namespace tav::app
