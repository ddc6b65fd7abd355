#pragma once

namespace tav::app {

class MainWindow;

// The views the user sees of the record tables: the current products.
// They are rebuilt whole from the tables, never edited in step with them.
class VisibleLists {
public:
    explicit VisibleLists(MainWindow& window);

    void refreshViews();
    // Rebuilds the product list and leaves the products page browsing.
    void fillProductLists();

private:
    MainWindow& w_;
};

} // namespace tav::app
