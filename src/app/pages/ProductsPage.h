#pragma once

#include "app/design/PageControls.h"

#include "records/Money.h"

#include <QObject>
#include <optional>

namespace tav::app {

class Books;

// The Products & Services page: browsing the current products and services, and adding one from
// a price and a name. Its list follows the books' products.
class ProductsPage : public QObject {
    Q_OBJECT

public:
    ProductsPage(Books& books, const platform::ControlSet& set);

    // The page's controls, for the frame and the tests.
    ProductControls& controls() { return c_; }
    void layout(int w, int h);

    // Empties the price and name boxes without leaving the mode the page is in.
    void clearEntryBoxes();

signals:
    // "Delete Existing" was clicked while browsing: the product or service the list selects is to go.
    void deleteRequested();

private:
    void cmdAddNewItem_Click();
    void cmdCancelNewItem_Click();
    void txtPrice_Change();
    void txtProductOrServiceName_Change();

    // Rebuilds the list from the books' current products, selects the first and leaves the page
    // browsing.
    void fillProductList();
    void setProductEntryMode(bool entering);
    void addProductOrService();
    // The 1-based position of the first listed product with exactly this display text, 0 for none.
    qsizetype findProductByText(const QString& text) const;
    // The typed price in cents, when it is a price the program can hold.
    std::optional<records::Cents> typedPrice() const;
    // The typed name as it is stored; a name that ends like a billed quantity (" (x2)") is refused.
    std::optional<QString> typedName() const;
    void updateAddButton();
    enum class Mode { Browsing, Entering };
    // Sets the mode with the two buttons' captions, which name it.
    void showMode(Mode mode);

    Books& books_;
    ProductControls c_;
    // Browsing, as the buttons' design captions say.
    Mode mode_ = Mode::Browsing;
};

} // namespace tav::app
