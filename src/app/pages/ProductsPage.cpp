#include "ProductsPage.h"

#include "BottomButtons.h"
#include "EntryColors.h"
#include "ProductList.h"

#include "app/books/Books.h"

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

ProductsPage::ProductsPage(Books& books, const platform::ControlSet& set)
    : books_(books)
    , c_(ProductControls::find(set))
{
    connect(c_.cmdAddNewItem, &CommandButton::clicked, this, [this] { cmdAddNewItem_Click(); });
    connect(c_.cmdCancelNewItem, &CommandButton::clicked, this, [this] { cmdCancelNewItem_Click(); });
    connect(c_.txtPrice, &TextBox::changed, this, [this] { txtPrice_Change(); });
    connect(c_.txtProductOrServiceName, &TextBox::changed, this, [this] { txtProductOrServiceName_Change(); });
    connect(&books_, &Books::dropped, this, [this] { c_.lvwProducts[0]->clear(); });
    connect(&books_, &Books::tablesReplaced, this, [this] { fillProductList(); });
    connect(&books_, &Books::productsChanged, this, [this] { fillProductList(); });
}

void ProductsPage::layout(int w, int h)
{
    c_.txtProductOrServiceName->setWidth(w - 2295);
    c_.lvwProducts[0]->setWidth(w - 225);
    c_.lvwProducts[0]->setHeight(h - 2385);
    c_.lvwProducts[0]->setColumnWidth(w - 300);
    placeBottomButtons(c_.cmdCancelNewItem, c_.cmdAddNewItem, w, h);
}

void ProductsPage::clearEntryBoxes()
{
    c_.txtPrice->setText(QString());
    c_.txtProductOrServiceName->setText(QString());
}

void ProductsPage::fillProductList()
{
    ListView* list = c_.lvwProducts[0];
    listCurrentProducts(*list, books_.data().products);
    setProductEntryMode(false);
    if (!list->isEmpty())
        list->select(1);
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
        emit deleteRequested();
    else
        setProductEntryMode(false);
}

std::optional<records::Cents> ProductsPage::typedPrice() const
{
    const auto price = records::LocalAmounts(host().locale()).typed(c_.txtPrice->text());
    // A price below 0 or of a billion or more would not fit the twelve-character sort prefix.
    if (!price || *price < 0 || *price > records::kMaxPrice)
        return std::nullopt;
    return price;
}

std::optional<QString> ProductsPage::typedName() const
{
    QString name = c_.txtProductOrServiceName->text();
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
    c_.cmdAddNewItem->setVisible(typedPrice() && typedName());
}

void ProductsPage::txtPrice_Change()
{
    updateAddButton();
    c_.txtPrice->setBackColor(typedPrice() ? kNormalColor : kEntryColor);
}

void ProductsPage::txtProductOrServiceName_Change()
{
    updateAddButton();
    c_.txtProductOrServiceName->setBackColor(typedName() ? kNormalColor : kEntryColor);
}

void ProductsPage::showMode(Mode mode)
{
    mode_ = mode;
    const bool entering = mode == Mode::Entering;
    c_.cmdCancelNewItem->setCaption(entering ? kCancelNew : kDeleteExisting);
    c_.cmdAddNewItem->setCaption(entering ? kAddNew : kNewProduct);
}

void ProductsPage::setProductEntryMode(bool entering)
{
    if (entering) {
        c_.txtPrice->setText(QString());
        c_.txtProductOrServiceName->setText(QString());
        showMode(Mode::Entering);
        c_.cmdCancelNewItem->setVisible(true);
        c_.txtPrice->setBackColor(kEntryColor);
        c_.txtProductOrServiceName->setBackColor(kEntryColor);
    } else {
        showMode(Mode::Browsing);
        c_.cmdCancelNewItem->setVisible(!c_.lvwProducts[0]->isEmpty());
    }
    for (Control* control : std::initializer_list<Control*>{c_.lblPrice, c_.txtPrice, c_.lblProductOrServiceName,
                                                             c_.txtProductOrServiceName})
        control->setVisible(entering);
    c_.cmdAddNewItem->setVisible(!entering);
    if (entering) {
        c_.txtPrice->setFocus();
        c_.cmdAddNewItem->setDefault(true);
    }
}

void ProductsPage::addProductOrService()
{
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
    const QString key = records::numberedKey(records::highestKeyNumber(books_.data().products) + 1);
    books_.data().products.add(key, product.text());
    emit books_.productsChanged();
    c_.lvwProducts[0]->select(c_.lvwProducts[0]->positionOf(key));
    books_.setUnsaved(true);
    setProductEntryMode(false);
}

qsizetype ProductsPage::findProductByText(const QString& text) const
{
    const ListView* list = c_.lvwProducts[0];
    for (qsizetype i = 1; i <= list->count(); ++i) {
        if (list->textAt(i) == text)
            return i;
    }
    return 0;
}

} // namespace tav::app
