#pragma once

#include "records/Money.h"

#include <optional>

namespace tav::app {

class MainWindow;

// The Products & Services page: browsing the current products and services, and adding one from
// a price and a name.
class ProductsPage {
public:
    explicit ProductsPage(MainWindow& window);

    void cmdAddNewItem_Click();
    void cmdCancelNewItem_Click();
    void txtPrice_Change();
    void txtProductOrServiceName_Change();

    void setProductEntryMode(bool entering);
    void addProductOrService();
    // The 1-based position of the first listed product with exactly this display text, 0 for none.
    qsizetype findProductByText(const QString& text) const;

private:
    // The typed price in cents, when it is a price the program can hold.
    std::optional<records::Cents> typedPrice() const;
    // The typed name as it is stored; a name that ends like a billed quantity (" (x2)") is refused.
    std::optional<QString> typedName() const;
    void updateAddButton();
    enum class Mode { Browsing, Entering };
    // Sets the mode with the two buttons' captions, which name it.
    void showMode(Mode mode);

    MainWindow& w_;
    // Browsing, as the buttons' design captions say.
    Mode mode_ = Mode::Browsing;
};

} // namespace tav::app
