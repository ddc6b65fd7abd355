#include "ProductsPage.h"

#include "MainWindow.h"
#include "pages/EntryColors.h"

#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "records/LocalAmounts.h"
#include "records/QuantitySuffix.h"
#include "records/RecordFormats.h"

namespace tav::app {

using namespace tav::platform;

namespace {
const QString kNewProduct = QStringLiteral("&New Product or Service");
const QString kAddNew = QStringLiteral("&Add New");
const QString kCancelNew = QStringLiteral("&Cancel New");
const QString kDeleteExisting = QStringLiteral("&Delete Existing");
} // namespace

ProductsPage::ProductsPage(MainWindow& window)
    : w_(window)
{
}

void ProductsPage::cmdAddNewItem_Click()
{
    if (mode_ == Mode::Browsing)
        setProductEntryMode(true);
    else
        addProductOrService();
}

void ProductsPage::cmdCancelNewItem_Click()
{
    if (mode_ == Mode::Browsing)
        w_.deletion.deleteProductOrService(*w_.c.products.lvwProducts[0], [this] {
            w_.lists.fillProductLists();
            emit w_.books.productsChanged();
        });
    else
        setProductEntryMode(false);
}

std::optional<records::Cents> ProductsPage::typedPrice() const
{
    const auto price = records::LocalAmounts(host().locale()).typed(w_.c.products.txtPrice->text());
    // A price below 0 or of a billion or more would not fit the twelve-character sort prefix.
    if (!price || *price < 0 || *price > records::kMaxPrice)
        return std::nullopt;
    return price;
}

std::optional<QString> ProductsPage::typedName() const
{
    QString name = w_.c.products.txtProductOrServiceName->text();
    name.removeIf([](QChar ch) { return ch.unicode() < 32; });
    if (name.isEmpty() || records::findQuantitySuffix(name))
        return std::nullopt;
    return name;
}

void ProductsPage::updateAddButton()
{
    // Only while a product is entered: emptying the boxes from elsewhere must not hide
    // "&New Product or Service" while the page is browsing.
    if (mode_ == Mode::Browsing)
        return;
    w_.c.products.cmdAddNewItem->setVisible(typedPrice() && typedName());
}

void ProductsPage::txtPrice_Change()
{
    updateAddButton();
    w_.c.products.txtPrice->setBackColor(typedPrice() ? kNormalColor : kEntryColor);
}

void ProductsPage::txtProductOrServiceName_Change()
{
    updateAddButton();
    w_.c.products.txtProductOrServiceName->setBackColor(typedName() ? kNormalColor : kEntryColor);
}

void ProductsPage::showMode(Mode mode)
{
    mode_ = mode;
    const bool entering = mode == Mode::Entering;
    w_.c.products.cmdCancelNewItem->setCaption(entering ? kCancelNew : kDeleteExisting);
    w_.c.products.cmdAddNewItem->setCaption(entering ? kAddNew : kNewProduct);
}

void ProductsPage::setProductEntryMode(bool entering)
{
    auto& c = w_.c;
    if (entering) {
        c.products.txtPrice->setText(QString());
        c.products.txtProductOrServiceName->setText(QString());
        showMode(Mode::Entering);
        c.products.cmdCancelNewItem->setVisible(true);
        c.products.txtPrice->setBackColor(kEntryColor);
        c.products.txtProductOrServiceName->setBackColor(kEntryColor);
    } else {
        showMode(Mode::Browsing);
        c.products.cmdCancelNewItem->setVisible(!c.products.lvwProducts[0]->isEmpty());
    }
    for (Control* control : std::initializer_list<Control*>{c.products.lblPrice, c.products.txtPrice, c.products.lblProductOrServiceName,
                                                             c.products.txtProductOrServiceName})
        control->setVisible(entering);
    c.products.cmdAddNewItem->setVisible(!entering);
    if (entering) {
        c.products.txtPrice->setFocus();
        c.products.cmdAddNewItem->setDefault(true);
    }
}

void ProductsPage::addProductOrService()
{
    auto& c = w_.c;
    const auto price = typedPrice();
    const auto name = typedName();
    if (!price || !name)
        return;
    records::ProductRecord product;
    product.price = *price;
    product.priceText = records::currencyText(*price, host().locale());
    product.name = *name;
    if (findProductByText(product.displayText()) != 0) {
        host().messageBox(QStringLiteral("A product or service was found with the exact same price and name.\r\n\r\n"
                                         "(Products and Services can share the same name as long as they have unique "
                                         "prices.)"),
                          MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Duplicate Product or Service Found"));
        return;
    }
    const QString key = records::numberedKey(records::highestKeyNumber(w_.books.data().products) + 1);
    w_.books.data().products.add(key, product.text());
    c.products.lvwProducts[0]->clear();
    w_.lists.fillProductLists();
    emit w_.books.productsChanged();
    c.products.lvwProducts[0]->select(c.products.lvwProducts[0]->positionOf(key));
    w_.books.setUnsaved(true);
    setProductEntryMode(false);
}

qsizetype ProductsPage::findProductByText(const QString& text) const
{
    const ListView* list = w_.c.products.lvwProducts[0];
    for (qsizetype i = 1; i <= list->count(); ++i) {
        if (list->textAt(i) == text)
            return i;
    }
    return 0;
}

} // namespace tav::app
