#include "CustomerSearch.h"

#include "CustomerEntry.h"

#include "app/design/PageControls.h"
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

CustomerSearch::CustomerSearch(const CustomerControls& controls, CustomerEntry& entry)
    : c_(controls)
    , entry_(entry)
{
}

void CustomerSearch::showBox(Box box)
{
    box_ = box;
    c_.lblCustomers->setCaption(box == Box::Open ? kSearchMode : kListMode);
}

void CustomerSearch::cmdSearch_Click()
{
    if (box_ == Box::Closed) {
        // Handled once this handler is done and the box shows: the focus moves on to the box.
        platform::host().sendKey(Qt::Key_Tab);
        showBox(Box::Open);
        c_.txtSearch->setText(QString());
        c_.txtSearch->setVisible(true);
    } else {
        showBox(Box::Closed);
        c_.txtSearch->setVisible(false);
        if (c_.lvwCustomersVis->visible())
            c_.lvwCustomersVis->setFocus();
    }
}

void CustomerSearch::txtSearch_Change()
{
    const qsizetype position = components::findListViewItem(*c_.lvwCustomersVis, c_.txtSearch->text(),
                                                            components::FindFlags::Partial | components::FindFlags::Wrap);
    if (position > 0)
        c_.lvwCustomersVis->select(position);
    entry_.showSelectedCustomer();
}

} // namespace tav::app
