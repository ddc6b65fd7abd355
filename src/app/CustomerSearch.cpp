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

void CustomerSearch::cmdSearch_Click()
{
    auto& c = w_.c;
    if (c.lblCustomers->caption() == kListMode) {
        // Handled once this handler is done and the box shows: the focus moves on to the box.
        platform::host().sendKey(Qt::Key_Tab);
        c.lblCustomers->setCaption(kSearchMode);
        c.txtSearch->setText(QString());
        c.txtSearch->setVisible(true);
    } else {
        c.lblCustomers->setCaption(kListMode);
        c.txtSearch->setVisible(false);
        if (c.lvwCustomersVis->visible())
            c.lvwCustomersVis->setFocus();
    }
}

void CustomerSearch::txtSearch_Change()
{
    auto& c = w_.c;
    const qsizetype position = components::findListViewItem(*c.lvwCustomersVis, c.txtSearch->text(),
                                                            components::FindFlags::Partial | components::FindFlags::Wrap);
    if (position > 0)
        c.lvwCustomersVis->select(position);
    w_.customers.showSelectedCustomer();
}

} // namespace tav::app
