#include "CustomerSearch.h"

#include "MainWindow.h"

#include "components/ListSearch.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"

namespace tav::app {

namespace {
const QString kListMode = QStringLiteral("List of Customers:");
const QString kSearchMode = QStringLiteral("Search:");
} // namespace

CustomerSearch::CustomerSearch(MainWindow& window)
    : w_(window)
{
}

void CustomerSearch::showBox(Box box)
{
    box_ = box;
    w_.c.customers.lblCustomers->setCaption(box == Box::Open ? kSearchMode : kListMode);
}

void CustomerSearch::cmdSearch_Click()
{
    auto& c = w_.c;
    if (box_ == Box::Closed) {
        // Handled once this handler is done and the box shows: the focus moves on to the box.
        platform::host().sendKey(Qt::Key_Tab);
        showBox(Box::Open);
        c.customers.txtSearch->setText(QString());
        c.customers.txtSearch->setVisible(true);
    } else {
        showBox(Box::Closed);
        c.customers.txtSearch->setVisible(false);
        if (c.customers.lvwCustomersVis->visible())
            c.customers.lvwCustomersVis->setFocus();
    }
}

void CustomerSearch::txtSearch_Change()
{
    auto& c = w_.c;
    const qsizetype position = components::findListViewItem(*c.customers.lvwCustomersVis, c.customers.txtSearch->text(),
                                                            components::FindFlags::Partial | components::FindFlags::Wrap);
    if (position > 0)
        c.customers.lvwCustomersVis->select(position);
    w_.customers.showSelectedCustomer();
}

} // namespace tav::app
