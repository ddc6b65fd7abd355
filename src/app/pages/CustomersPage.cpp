#include "CustomersPage.h"

#include "BottomButtons.h"
#include "CustomerFields.h"

#include "app/books/Books.h"
#include "app/design/ButtonPictures.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"
#include "records/TextNumbers.h"

namespace tav::app {

using namespace tav::platform;

CustomersPage::CustomersPage(const ControlSet& set, const Frame& frame, Books& books, Deletion& deletion, QWidget* window)
    : c_(CustomerControls::find(set))
    , frame_(frame)
    , list_(c_, books)
    , entry_(c_, books, deletion, list_)
    , search_(c_, entry_)
    , printing_(books, window)
{
    c_.cmdSearch->setPicture(searchPicture());
    c_.cmdPrint->setPicture(printerPicture());
    connect(&entry_, &CustomerEntry::customerRenamed, this, &CustomersPage::customerRenamed);
    connect(&entry_, &CustomerEntry::customerDeleted, this, &CustomersPage::customerDeleted);
    connectControls();
    connectBooks(books);
}

void CustomersPage::connectControls()
{
    connect(c_.cmdAddNew, &CommandButton::clicked, this, [this] { entry_.cmdAddNew_Click(); });
    connect(c_.cmdUndo, &CommandButton::clicked, this, [this] { entry_.cmdUndo_Click(); });
    for (int i = 0; i < 8; ++i) {
        connect(c_.txtField[i], &TextBox::changed, this, [this, i] { entry_.txtField_Change(i); });
        connect(c_.txtField[i], &TextBox::clicked, this, [this, i] { entry_.txtField_Click(i); });
    }
    connect(c_.lvwCustomersVis, &ListView::clicked, this, [this] { entry_.lvwCustomersVis_Click(); });
    connect(c_.lvwCustomersVis, &ListView::keyUp, this,
            [this](int keyCode, int shift) { entry_.lvwCustomersVis_KeyUp(keyCode, shift); });
    connect(c_.cmdPrint, &CommandButton::clicked, this, [this] { printing_.cmdPrint_Click(); });
    connect(c_.cmdSearch, &CommandButton::clicked, this, [this] { search_.cmdSearch_Click(); });
    connect(c_.txtSearch, &TextBox::changed, this, [this] { search_.txtSearch_Change(); });
}

void CustomersPage::connectBooks(Books& books)
{
    connect(&books, &Books::dropped, this, [this] { clear(); });
    connect(&books, &Books::fileLoaded, this, [this] {
        entry_.cancelNewCustomer();
        focusListWhenShown();
    });
    connect(&books, &Books::tablesReplaced, this, [this] { list_.fillCustomerBrowseList(); });
    connect(&books, &Books::tablesShown, this, [this] { entry_.showSelectedCustomer(); });
    connect(&books, &Books::customersChanged, this, [this] { list_.refillKeepingCurrent(); });
    connect(&books, &Books::saved, this, [this] { focusListWhenShown(); });
}

void CustomersPage::clear()
{
    c_.cmdAddNew->setVisible(true);
    c_.lvwCustomersVis->clear();
    emptyCustomerFields(c_);
}

void CustomersPage::layout(int w, int h)
{
    const int half = records::roundHalfEvenToInt(w / 2.0);
    c_.cmdPrint->setLeft(half - 600);
    c_.txtSearch->setWidth(half - 2025);
    c_.cmdSearch->setLeft(half - 1080);
    c_.lvwCustomersVis->setWidth(half - 360);
    c_.lvwCustomersVis->setHeight(h - 1080);
    c_.lblFirstName->setLeft(half - 240);
    for (Label* label : {c_.lblLastName, c_.lblAddress, c_.lblEmail, c_.lblPhone, c_.lblNotes})
        label->setLeft(c_.lblFirstName->left());
    for (int i = 0; i <= 6; ++i) {
        c_.txtField[i]->setLeft(half + 1200);
        c_.txtField[i]->setWidth(w - c_.txtField[i]->left() - 120);
    }
    c_.txtField[7]->setLeft(half + 840);
    c_.txtField[7]->setWidth(w - c_.txtField[7]->left() - 120);
    c_.txtField[7]->setHeight(h - 4305);
    placeBottomButtons(c_.cmdUndo, c_.cmdAddNew, w, h);
}

void CustomersPage::focusListWhenShown()
{
    if (frame_.visible())
        c_.lvwCustomersVis->setFocus();
}

void CustomersPage::focusListedCustomers()
{
    if (!c_.lvwCustomersVis->isEmpty())
        focusListWhenShown();
}

bool CustomersPage::listsNoCustomer() const
{
    return c_.lvwCustomersVis->isEmpty();
}

void CustomersPage::deleteCustomer()
{
    entry_.deleteCustomer();
}

void CustomersPage::rememberSelectedCustomer() const
{
    list_.rememberSelected();
}

} // namespace tav::app
