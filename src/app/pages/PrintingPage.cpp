#include "PrintingPage.h"

#include "BottomButtons.h"

#include "app/books/Books.h"
#include "app/books/StoredPeriods.h"
#include "app/design/ControlNames.h"
#include "app/workflows/NewBillPeriod.h"

#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/FormDesign.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"

namespace tav::app {

using namespace tav::platform;
namespace names = design::names;

namespace {

const QString kInvoiceNote = QStringLiteral("INVOICE NOTE: ");

} // namespace

PrintingPage::PrintingPage(const ControlSet& set, Books& books, const LocaleFormats& formats,
                           const PrintOptionsPage& options, std::function<bool()> periodsTreeEmpty)
    : c_(PrintingControls::find(set))
    , books_(books)
    , periodsTreeEmpty_(std::move(periodsTreeEmpty))
    , tree_(books, *c_.tvwInvoiceRecords[1], InvoiceTree::PrintingTree)
    , invoices_(books, c_, options, formats)
    , envelopes_(books, c_)
{
    connectControls();
    connectBooks();
}

void PrintingPage::connectControls()
{
    connect(c_.cmbBillPeriod[2], &ComboBox::clicked, this, [this] { selectBillPeriod(); });
    TreeView* tree = c_.tvwInvoiceRecords[1];
    connect(tree, &TreeView::nodeCheck, this, [this](const QString& key) { treeNodeCheck(key); });
    connect(tree, &TreeView::mouseUp, this, [this](int button, int, double, double) { treeMouseUp(button); });
    connect(c_.cmdPrintSelectedInvoices, &CommandButton::clicked, this, [this] { printInvoices(); });
    connect(c_.cmdPrintSelectedEnvelopes, &CommandButton::clicked, this, [this] { envelopes_.print(); });
}

void PrintingPage::connectBooks()
{
    connect(&books_, &Books::dropped, this, [this] { c_.tvwInvoiceRecords[1]->clear(); });
    // Filled before the Bill Periods page fills its combo and chooses the period shown on both.
    connect(&books_, &Books::tablesReplaced, this, [this] { fillPeriodCombo(); });
    connect(&books_, &Books::periodsChanged, this, [this] { fillPeriodCombo(); });
    connect(&books_, &Books::invoiceRecordsChanged, this, [this] { buildInvoiceTree(); });
    connect(&books_, &Books::customerRenamed, this, [this](const QString& key) { tree_.showCustomerName(key); });
}

void PrintingPage::layout(int w, int h)
{
    c_.lblPrinting->setLeft(w - 3000);
    c_.staPrinting->setLeft(w - 3000);
    c_.tvwInvoiceRecords[1]->setWidth(w - 225);
    c_.tvwInvoiceRecords[1]->setHeight(h - 2145);
    placeBottomButtons(c_.cmdPrintSelectedInvoices, c_.cmdPrintSelectedEnvelopes, w, h);
    c_.lblRightClickForNote->setTop(c_.cmdPrintSelectedInvoices->top() + 120);
}

void PrintingPage::showExpertMode(bool expert)
{
    c_.lblRightClickForNote->setVisible(!expert);
}

void PrintingPage::fillPeriodCombo()
{
    ComboBox* combo = c_.cmbBillPeriod[2];
    combo->clear();
    c_.tvwInvoiceRecords[1]->clear();
    for (const QString& name : listedPeriodNames(books_.data().periods))
        combo->addItem(name);
}

void PrintingPage::choosePeriod(int listIndex)
{
    c_.cmbBillPeriod[2]->setListIndex(listIndex);
}

void PrintingPage::selectBillPeriod()
{
    const int chosen = c_.cmbBillPeriod[2]->listIndex();
    if (!periodAtComboIndex(books_.data().periods, chosen))
        return;
    buildInvoiceTree();
    emit periodChosen(chosen);
}

void PrintingPage::buildInvoiceTree()
{
    tree_.buildInvoiceTree(*c_.cmbBillPeriod[2]);
}

void PrintingPage::printInvoices()
{
    if (invoices_.askToFillCompanyInfo()) {
        emit companyInfoWanted();
        return;
    }
    invoices_.print();
}

void PrintingPage::treeNodeCheck(const QString& key)
{
    TreeView* tree = c_.tvwInvoiceRecords[1];
    if (tree->foreColor(key) == SystemColor::GrayText || key != NewBillPeriod::kRootKey)
        return;
    const bool checked = tree->checked(key);
    const int nodes = tree->nodeCount();
    for (int i = 1; i <= nodes; ++i)
        tree->setChecked(tree->keyAt(i), checked);
}

void PrintingPage::treeMouseUp(int button)
{
    if (periodsTreeEmpty_())
        return;
    TreeView* tree = c_.tvwInvoiceRecords[1];
    const QString selected = tree->selectedKey();
    if (button != TreeView::RightButton || !selected.endsWith(QLatin1Char('k')))
        return;
    const QString note
        = host().inputBox(QStringLiteral("Enter your note to be added\r\nwhen this customer's bill is printed:"),
            QStringLiteral("Add a Note to Customer Bill"), QString());
    if (note.isEmpty())
        return;
    const QString noteKey = selected + QLatin1Char('n');
    if (tree->add(selected, noteKey, kInvoiceNote + note))
        tree->ensureVisible(noteKey);
    tree->setChecked(noteKey, true);
}

} // namespace tav::app
