#include "ProductList.h"

#include "platform/ListView.h"
#include "records/RecordFormats.h"
#include "records/RecordTable.h"

namespace tav::app {

void listCurrentProducts(platform::ListView& list, const records::RecordTable& products)
{
    const platform::ListView::Refill refill(list);
    for (qsizetype i = 1; i <= products.count(); ++i) {
        const QString& text = products.textAt(i);
        if (!records::isArchivedProductText(text))
            list.add(products.keyAt(i), records::productDisplayText(text));
    }
}

} // namespace tav::app
