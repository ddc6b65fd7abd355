#include "VisibleLists.h"

#include "MainWindow.h"
#include "ProductsPage.h"

#include "platform/Host.h"
#include "platform/ListView.h"
#include "platform/SettingsStore.h"
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

void VisibleLists::fillProductLists()
{
    auto& c = w_.c;
    const records::RecordTable& products = w_.books.data().products;
    {
        const platform::ListView::Refill browse(*c.products.lvwProducts[0]);
        for (qsizetype i = 1; i <= products.count(); ++i) {
            const QString& text = products.textAt(i);
            if (records::isArchivedProductText(text))
                continue;
            const QString display = records::productDisplayText(text);
            c.products.lvwProducts[0]->add(products.keyAt(i), display);
        }
    }
    w_.products.setProductEntryMode(false);
    if (!c.products.lvwProducts[0]->isEmpty())
        c.products.lvwProducts[0]->select(1);
}

} // namespace tav::app
