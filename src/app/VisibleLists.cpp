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
    fillProductLists();
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
