#include "BillPeriodsPage.h"

#include "BottomButtons.h"
#include "EntryColors.h"
#include "ProductList.h"

#include "app/books/DateText.h"
#include "app/books/Books.h"
#include "app/books/StoredPeriods.h"
#include "app/design/ControlNames.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/FormDesign.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"
#include "records/TextNumbers.h"

namespace tav::app {

using namespace tav::platform;
namespace names = design::names;

namespace {

const QString kNewBillPeriod = QStringLiteral("&New Bill Period");
const QString kAddNew = QStringLiteral("&Add New");
const QString kEntryLabel = QStringLiteral("Bill Period Name:");
const QString kViewLabel = QStringLiteral("Bill Period:");

} // namespace

BillPeriodsPage::BillPeriodsPage(const ControlSet& set, Books& books, const LocaleFormats& formats,
                                 std::function<bool()> customersListed, std::function<QPointF()> windowPosition)
    : c_(BillPeriodControls::find(set))
    , books_(books)
    , formats_(formats)
    , customersListed_(std::move(customersListed))
    , tree_(books, *c_.tvwInvoiceRecords[0], InvoiceTree::BillPeriodsTree)
    , newPeriod_(books, c_, formats, [this] { return isComposing(); })
    , payments_(books, c_, tree_, std::move(windowPosition))
{
    connectControls();
    connectBooks();
}

void BillPeriodsPage::connectControls()
{
    connect(c_.cmdAddNewBP, &CommandButton::clicked, this, [this] { cmdAddNewBP_Click(); });
    connect(c_.cmdCancelNewBP, &CommandButton::clicked, this, [this] { setBillPeriodEntryMode(false); });
    connect(c_.txtBillPeriod, &TextBox::changed, this, [this] { txtBillPeriod_Change(); });
    for (int i = 1; i <= 3; ++i)
        connect(c_.txtPField[static_cast<size_t>(i)], &TextBox::changed, this, [this, i] { txtPField_Change(i); });
    connect(c_.cmbBillPeriod[1], &ComboBox::clicked, this, [this] { selectBillPeriod(); });
    // Billing works from this page's list only.
    connect(c_.lvwProducts[1], &ListView::doubleClicked, this, [this] { newPeriod_.billSelectedProduct(); });
    TreeView* tree = c_.tvwInvoiceRecords[0];
    connect(tree, &TreeView::mouseUp, this, [this](int button, int shift, double, double) { treeMouseUp(button, shift); });
    connect(tree, &TreeView::doubleClicked, this, [this] { treeDoubleClick(); });
    connect(c_.cmdResetCustomerAccounts, &CommandButton::clicked, this, [this] { cmdResetCustomerAccounts_Click(); });
    connect(c_.cmdAdjustBalance, &CommandButton::clicked, this, [this] { payments_.cmdAdjustBalance_Click(); });
}

void BillPeriodsPage::connectBooks()
{
    connect(&books_, &Books::dropped, this, [this] {
        c_.lvwProducts[1]->clear();
        c_.tvwInvoiceRecords[0]->clear();
    });
    connect(&books_, &Books::tablesReplaced, this, [this] {
        fillPeriodCombo();
        // A period being composed was built on the tables just replaced: it is dropped with them.
        if (isComposing())
            setBillPeriodEntryMode(false);
        fillProductList();
    });
    connect(&books_, &Books::periodsChanged, this, [this] { fillPeriodCombo(); });
    connect(&books_, &Books::productsChanged, this, [this] { fillProductList(); });
    connect(&books_, &Books::customerRenamed, this, [this](const QString& key) { showCustomerName(key); });
}

void BillPeriodsPage::layout(int w, int h)
{
    const int half = records::roundHalfEvenToInt(w / 2.0);
    TreeView* tree = c_.tvwInvoiceRecords[0];
    ListView* products = c_.lvwProducts[1];
    tree->setWidth(products->visible() ? half - 240 : w - 240);
    tree->setHeight(h - 2400);
    products->setHeight(tree->height());
    c_.lblDoubleClickToAdd->setLeft(tree->width() + 360);
    products->setLeft(c_.lblDoubleClickToAdd->left());
    products->setWidth(tree->width());
    products->setColumnWidth(products->width() - 180);
    c_.cmdResetCustomerAccounts->setTop(h - 720);
    c_.cmdAdjustBalance->setTop(c_.cmdResetCustomerAccounts->top());
    placeBottomButtons(c_.cmdCancelNewBP, c_.cmdAddNewBP, w, h);
}

void BillPeriodsPage::cmdAddNewBP_Click()
{
    if (mode_ == Mode::Viewing)
        setBillPeriodEntryMode(true);
    else
        createBillPeriod();
}

void BillPeriodsPage::cmdResetCustomerAccounts_Click()
{
    if (payments_.resetButtonMode() == Payments::ResetButtonMode::ResetAccounts)
        newPeriod_.buildNewBillPeriodTree();
    else
        payments_.logFullPayment();
}

void BillPeriodsPage::showMode(Mode mode)
{
    mode_ = mode;
    const bool composing = mode == Mode::Composing;
    c_.cmdAddNewBP->setCaption(composing ? kAddNew : kNewBillPeriod);
    c_.lblBillPeriodName->setCaption(composing ? kEntryLabel : kViewLabel);
}

void BillPeriodsPage::setBillPeriodEntryMode(bool entering)
{
    if (entering) {
        if (!customersListed_() || c_.lvwProducts[1]->isEmpty()) {
            host().messageBox(QStringLiteral("Please add your Customers and your Products first."), MessageButtons::Ok,
                              MessageIcon::None, host().appTitle());
            return;
        }
        emit periodEntryStarted();
        c_.cmdCancelNewBP->setCaption(QStringLiteral("&Cancel New"));
        showMode(Mode::Composing);
        c_.txtBillPeriod->setBackColor(kEntryColor);
        const QDate today = host().now().date();
        c_.lblExample->setCaption(QStringLiteral("(Example: %1 %2)").arg(host().locale().monthName(today.month()))
                                      .arg(today.year()));
        prepareNewPeriodFields();
        newPeriod_.buildNewBillPeriodTree();
        payments_.setResetButtonMode(Payments::ResetButtonMode::ResetAccounts);
        c_.cmdAdjustBalance->setVisible(false);
        c_.cmdResetCustomerAccounts->setVisible(false);
    } else {
        showMode(Mode::Viewing);
        // With no stored period shown, the abandoned composition must not stay in the tree.
        if (c_.cmbBillPeriod[1]->listIndex() < 0)
            c_.tvwInvoiceRecords[0]->clear();
        selectBillPeriod();
        showFinalPeriodFields();
        c_.cmdResetCustomerAccounts->setVisible(false);
        payments_.setResetButtonMode(Payments::ResetButtonMode::LogFullPayment);
    }
    for (Control* control : std::initializer_list<Control*>{c_.lvwProducts[1], c_.lblDoubleClickToAdd, c_.lblExample,
                                                            c_.cmdCancelNewBP, c_.txtBillPeriod})
        control->setVisible(entering);
    for (Control* control : std::initializer_list<Control*>{c_.cmdAddNewBP, c_.cmbBillPeriod[1], c_.lblCustomerAccountsForThisPeriod})
        control->setVisible(!entering);
    if (entering)
        c_.txtBillPeriod->setFocus();
    emit layoutWanted();
}

void BillPeriodsPage::prepareNewPeriodFields()
{
    c_.txtBillPeriod->setText(QString());
    c_.tvwInvoiceRecords[0]->clear();
    for (int i = 1; i <= 3; ++i) {
        c_.txtPField[static_cast<size_t>(i)]->setText(QString());
        c_.txtPField[static_cast<size_t>(i)]->setLocked(false);
    }
    c_.txtPField[1]->setBackColor(kNormalColor);
    c_.txtPField[2]->setBackColor(kNormalColor);
    // The bill due date is the one date that a new period requires.
    c_.txtPField[3]->setBackColor(kEntryColor);
}

void BillPeriodsPage::showFinalPeriodFields()
{
    for (int i = 1; i <= 3; ++i) {
        c_.txtPField[static_cast<size_t>(i)]->setLocked(true);
        c_.txtPField[static_cast<size_t>(i)]->setBackColor(kNormalColor);
    }
}

bool BillPeriodsPage::billDueReadsAsDate() const
{
    const QString due = c_.txtPField[3]->text();
    return due.size() > 5 && DateText(formats_, host().locale()).read(due).has_value();
}

void BillPeriodsPage::txtBillPeriod_Change()
{
    const bool named = !c_.txtBillPeriod->text().isEmpty();
    c_.txtBillPeriod->setBackColor(named ? kNormalColor : kEntryColor);
    if (named) {
        c_.cmdAddNewBP->setVisible(billDueReadsAsDate());
        if (c_.lblExample->visible()) {
            c_.lblExample->setVisible(false);
            c_.lblCustomerAccountsForThisPeriod->setVisible(true);
        }
    } else {
        c_.cmdAddNewBP->setVisible(false);
        if (!c_.lblExample->visible()) {
            c_.lblExample->setVisible(true);
            c_.lblCustomerAccountsForThisPeriod->setVisible(false);
        }
    }
}

void BillPeriodsPage::txtPField_Change(int index)
{
    if (index != 3 || mode_ == Mode::Viewing)
        return;
    const bool date = billDueReadsAsDate();
    c_.cmdAddNewBP->setVisible(!c_.txtBillPeriod->text().isEmpty() && date);
    const QString& separator = formats_.dateSeparator;
    const bool twoSeparators = !separator.isEmpty() && c_.txtPField[3]->text().count(separator) == 2;
    c_.txtPField[3]->setBackColor(date && twoSeparators ? kNormalColor : kEntryColor);
}

void BillPeriodsPage::createBillPeriod()
{
    if (!newPeriod_.finalise())
        return;
    emit books_.periodsChanged();
    books_.setUnsaved(true);
    setBillPeriodEntryMode(false);
}

void BillPeriodsPage::choosePeriod(int listIndex)
{
    c_.cmdResetCustomerAccounts->setVisible(false);
    c_.cmdAdjustBalance->setVisible(false);
    c_.cmbBillPeriod[1]->setListIndex(listIndex);
}

void BillPeriodsPage::selectBillPeriod()
{
    // A period chosen on the Printing page while a new one is composed waits in the hidden combo
    // until the entry ends, so that the composition is not thrown away.
    if (isComposing())
        return;
    const int chosen = c_.cmbBillPeriod[1]->listIndex();
    const auto period = periodAtComboIndex(books_.data().periods, chosen);
    if (!period)
        return;
    const DateText dates(formats_, host().locale());
    c_.txtPField[1]->setText(dates.shown(period->start));
    c_.txtPField[2]->setText(dates.shown(period->end));
    c_.txtPField[3]->setText(dates.shown(period->billDue));
    buildInvoiceTree();
    c_.cmdResetCustomerAccounts->setVisible(false);
    c_.cmdAdjustBalance->setVisible(false);
    emit periodChosen(chosen);
}

void BillPeriodsPage::buildInvoiceTree()
{
    tree_.buildInvoiceTree(*c_.cmbBillPeriod[1]);
}

void BillPeriodsPage::fillPeriodCombo()
{
    ComboBox* combo = c_.cmbBillPeriod[1];
    combo->clear();
    c_.txtBillPeriod->setText(QString());
    // Whatever showed the period of the combo goes with it, until a period is selected again:
    // the tree, the dates and the payment buttons.
    c_.tvwInvoiceRecords[0]->clear();
    for (int i = 1; i <= 3; ++i)
        c_.txtPField[static_cast<size_t>(i)]->setText(QString());
    c_.cmdResetCustomerAccounts->setVisible(false);
    c_.cmdAdjustBalance->setVisible(false);
    showFinalPeriodFields();
    const records::RecordTable& periods = books_.data().periods;
    for (const QString& name : listedPeriodNames(periods))
        combo->addItem(name);
    // The period that starts last is the table's last; selecting raises the combo's click, which
    // shows the period on both pages. A last record that cannot be read selects nothing.
    if (!periods.isEmpty() && records::BillPeriodRecord::fromText(periods.textAt(periods.count())))
        combo->setListIndex(combo->listCount() - 1);
}

void BillPeriodsPage::fillProductList()
{
    ListView* list = c_.lvwProducts[1];
    listCurrentProducts(*list, books_.data().products);
    if (!list->isEmpty())
        list->select(1);
}

bool BillPeriodsPage::treeIsEmpty() const
{
    return c_.tvwInvoiceRecords[0]->nodeCount() == 0;
}

void BillPeriodsPage::showCustomerName(const QString& customerKey)
{
    const TreeView* tree = c_.tvwInvoiceRecords[0];
    if (!isComposing())
        tree_.showCustomerName(customerKey);
    else if (!tree->waitsToBeFilled() && tree->contains(customerKey))
        newPeriod_.showCustomerName(customerKey);
}

void BillPeriodsPage::showExpertMode(bool expert, double productListLeft, double productListWidth)
{
    Label* billing = c_.lblDoubleClickToAdd;
    if (expert) {
        billing->setBackColor(SystemColor::ButtonFace);
        billing->setCaption(QStringLiteral("List of Products and Services:"));
        billing->setLeft(productListLeft);
    } else {
        billing->setBackColor(SystemColor::InfoBackground);
        billing->setCaption(QStringLiteral("  Double-click to Bill *Marked Customers:  "));
        billing->setLeft(productListLeft + (productListWidth - billing->width()) / 2);
    }
}

void BillPeriodsPage::treeMouseUp(int button, int shift)
{
    if (treeIsEmpty())
        return;
    if (isComposing())
        newPeriod_.treeMouseUp(button, shift);
    else
        payments_.showPaymentButtons();
}

void BillPeriodsPage::treeDoubleClick()
{
    TreeView* tree = c_.tvwInvoiceRecords[0];
    if (tree->nodeCount() == 0)
        return;
    if (isComposing()) {
        newPeriod_.treeDoubleClick();
        return;
    }
    const QString selected = tree->selectedKey();
    if (!selected.endsWith(QLatin1Char('k')))
        return;
    tree->setExpanded(selected, true);
    payments_.logPayment(0, QString());
}

} // namespace tav::app
