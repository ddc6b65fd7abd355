#include "VisibleLists.h"

#include "EntryFields.h"
#include "MainWindow.h"

#include "platform/Host.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/ListView.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "platform/TreeView.h"
#include "records/RecordFormats.h"
#include "records/TextNumbers.h"

namespace tav::app {

VisibleLists::VisibleLists(MainWindow& window)
    : w_(window)
{
}

void VisibleLists::refreshViews()
{
    fillCustomerBrowseList();
    fillBillPeriodCombos();
    // A period being composed was built on the tables just replaced: it is dropped with them.
    if (w_.newPeriod.isComposing())
        w_.billPeriods.setBillPeriodEntryMode(false);
    fillProductLists();
}

void VisibleLists::fillCustomerBrowseList()
{
    platform::ListView* list = w_.c.customers.lvwCustomersVis;
    list->setColumnWidth(list->width() - 330);
    const records::RecordTable& customers = w_.books.data().customers;
    {
        const platform::ListView::Refill refill(*list);
        for (qsizetype i = 1; i <= customers.count(); ++i) {
            const QString& text = customers.textAt(i);
            if (records::isCurrentCustomerRecord(text))
                list->add(customers.keyAt(i), records::shownCustomerName(text).toString());
        }
    }
    // The remembered value is a position in this list, written at shutdown.
    const QString remembered = platform::settings().value(QStringLiteral("BrowseRecall"), QStringLiteral("LastViewedCustomer"));
    const qint64 position = records::roundHalfEven(records::leadingNumber(remembered.isEmpty() ? QStringLiteral("1") : remembered));
    if (position >= 1 && position <= list->count())
        list->select(position);
    else if (!list->isEmpty())
        list->select(1);
}

void VisibleLists::fillBillPeriodCombos()
{
    auto& c = w_.c;
    c.billPeriods.cmbBillPeriod[1]->clear();
    c.printing.cmbBillPeriod[2]->clear();
    c.billPeriods.txtBillPeriod->setText(QString());
    // Whatever showed the period of the combos goes with them, until a period is selected again:
    // both trees, the dates and the payment buttons.
    for (platform::TreeView* tree : {c.billPeriods.tvwInvoiceRecords[0], c.printing.tvwInvoiceRecords[1]})
        tree->clear();
    for (int i = 1; i <= 3; ++i)
        c.billPeriods.txtPField[i]->setText(QString());
    c.billPeriods.cmdResetCustomerAccounts->setVisible(false);
    c.billPeriods.cmdAdjustBalance->setVisible(false);
    w_.entryFields.resetEntryFields(EntryFields::ShowFinalPeriod);
    const records::RecordTable& periods = w_.books.data().periods;
    for (qsizetype i = 1; i <= periods.count(); ++i) {
        const auto period = records::BillPeriodRecord::fromText(periods.textAt(i));
        if (!period)
            continue;
        c.billPeriods.cmbBillPeriod[1]->addItem(period->name);
        c.printing.cmbBillPeriod[2]->addItem(period->name);
        // Selecting raises the combo's click, which shows the period on both pages.
        if (i == periods.count())
            c.billPeriods.cmbBillPeriod[1]->setListIndex(c.billPeriods.cmbBillPeriod[1]->listCount() - 1);
    }
}

void VisibleLists::fillProductLists()
{
    auto& c = w_.c;
    const records::RecordTable& products = w_.books.data().products;
    {
        const platform::ListView::Refill billing(*c.billPeriods.lvwProducts[1]);
        for (qsizetype i = 1; i <= products.count(); ++i) {
            const QString& text = products.textAt(i);
            if (records::isArchivedProductText(text))
                continue;
            const QString display = records::productDisplayText(text);
            c.billPeriods.lvwProducts[1]->add(products.keyAt(i), display);
        }
    }
    if (!c.billPeriods.lvwProducts[1]->isEmpty())
        c.billPeriods.lvwProducts[1]->select(1);
}

} // namespace tav::app
