#include "CustomerList.h"

#include "app/books/Books.h"
#include "app/design/PageControls.h"
#include "platform/Host.h"
#include "platform/ListView.h"
#include "platform/SettingsStore.h"
#include "records/RecordFormats.h"
#include "records/TextNumbers.h"

namespace tav::app {

namespace {
const QString kRecallSection = QStringLiteral("BrowseRecall");
const QString kLastViewed = QStringLiteral("LastViewedCustomer");
} // namespace

CustomerList::CustomerList(const CustomerControls& controls, const Books& books)
    : c_(controls)
    , books_(books)
{
}

void CustomerList::fillCustomerBrowseList()
{
    platform::ListView* list = c_.lvwCustomersVis;
    list->setColumnWidth(list->width() - 330);
    const records::RecordTable& customers = books_.data().customers;
    {
        const platform::ListView::Refill refill(*list);
        for (qsizetype i = 1; i <= customers.count(); ++i) {
            const QString& text = customers.textAt(i);
            if (records::isCurrentCustomerRecord(text))
                list->add(customers.keyAt(i), records::shownCustomerName(text).toString());
        }
    }
    // The remembered value is a position in this list, written at shutdown.
    const QString remembered = platform::settings().value(kRecallSection, kLastViewed);
    const qint64 position = records::roundHalfEven(records::leadingNumber(remembered.isEmpty() ? QStringLiteral("1") : remembered));
    if (position >= 1 && position <= list->count())
        list->select(position);
    else if (!list->isEmpty())
        list->select(1);
}

void CustomerList::refillKeepingCurrent()
{
    platform::ListView* list = c_.lvwCustomersVis;
    const QString shown = list->currentKey();
    fillCustomerBrowseList();
    if (const qsizetype position = list->positionOf(shown); position > 0)
        list->select(position);
}

void CustomerList::rememberSelected() const
{
    const qsizetype selected = c_.lvwCustomersVis->selectedPosition();
    if (selected > 0)
        platform::settings().setValue(kRecallSection, kLastViewed, QString::number(selected));
}

} // namespace tav::app
