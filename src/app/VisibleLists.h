#pragma once

namespace tav::app {

class MainWindow;

// The views the user sees of the record tables: the current customers, the bill periods in both
// period combos and the current products in both product lists. They are rebuilt whole from the
// tables, never edited in step with them.
class VisibleLists {
public:
    explicit VisibleLists(MainWindow& window);

    void refreshViews();
    // Rebuilds the customer list and selects the customer viewed last.
    void fillCustomerBrowseList();
    // Rebuilds both period combos and selects the period that starts last.
    void fillBillPeriodCombos();
    // Rebuilds the Bill Periods page's product list (the Products & Services page fills its own).
    void fillProductLists();

private:
    MainWindow& w_;
};

} // namespace tav::app
