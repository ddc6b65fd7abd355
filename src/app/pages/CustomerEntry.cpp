#include "CustomerEntry.h"

#include "CustomerFields.h"
#include "CustomerList.h"
#include "EntryColors.h"

#include "app/books/Books.h"
#include "app/design/PageControls.h"
#include "app/workflows/Deletion.h"

#include "platform/BusyCursor.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/KeyCodes.h"
#include "platform/ListView.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "records/RecordFormats.h"

#include <algorithm>

namespace tav::app {

using namespace tav::platform;
using records::CustomerRecord;

namespace {

const QString kNewCustomer = QStringLiteral("&New Customer");
const QString kAddNew = QStringLiteral("&Add New");
const QString kApplyEdit = QStringLiteral("Apply &Edit");
const QString kCancelNew = QStringLiteral("&Cancel New");
const QString kUndoEdit = QStringLiteral("&Undo Edit");
const QString kDeleteExisting = QStringLiteral("&Delete Existing");
constexpr int kNotesField = 7;

// The captions of the add button and of the undo button for each mode.
struct ButtonCaptions {
    const QString& add;
    const QString& undo;
};

ButtonCaptions buttonCaptions(CustomerEntry::EntryMode mode)
{
    switch (mode) {
    case CustomerEntry::EntryMode::EnteringNew:
        return {kAddNew, kCancelNew};
    case CustomerEntry::EntryMode::Editing:
        return {kApplyEdit, kUndoEdit};
    case CustomerEntry::EntryMode::Browsing:
        break;
    }
    return {kNewCustomer, kDeleteExisting};
}

} // namespace

CustomerEntry::CustomerEntry(const CustomerControls& controls, Books& books, Deletion& deletion, CustomerList& list)
    : c_(controls)
    , books_(books)
    , deletion_(deletion)
    , list_(list)
{
}

void CustomerEntry::setAddButtonMode(EntryMode mode)
{
    addButtonMode_ = mode;
    c_.cmdAddNew->setCaption(buttonCaptions(mode).add);
}

void CustomerEntry::setUndoButtonMode(EntryMode mode)
{
    undoButtonMode_ = mode;
    c_.cmdUndo->setCaption(buttonCaptions(mode).undo);
}

void CustomerEntry::cmdAddNew_Click()
{
    switch (addButtonMode_) {
    case EntryMode::Browsing:
        beginNewCustomer();
        break;
    case EntryMode::EnteringNew:
        saveCustomerRecord(QString());
        break;
    case EntryMode::Editing:
        applyCustomerEdit();
        break;
    }
}

void CustomerEntry::cmdUndo_Click()
{
    switch (undoButtonMode_) {
    case EntryMode::EnteringNew:
        cancelNewCustomer();
        break;
    case EntryMode::Editing:
        undoCustomerEdit();
        break;
    case EntryMode::Browsing:
        deleteCustomer();
        break;
    }
}

void CustomerEntry::beginNewCustomer()
{
    emptyCustomerFields(c_);
    if (!c_.lvwCustomersVis->isEmpty())
        c_.lvwCustomersVis->clearSelectedMark();
    c_.cmdAddNew->setVisible(false);
    setAddButtonMode(EntryMode::EnteringNew);
    setUndoButtonMode(EntryMode::EnteringNew);
    c_.cmdUndo->setVisible(true);
    c_.cmdPrint->setVisible(false);
    setFieldHighlight(c_, true);
    c_.txtField[0]->setFocus();
}

void CustomerEntry::txtField_Change(int index)
{
    if (undoButtonMode_ == EntryMode::EnteringNew && c_.cmdUndo->visible()) {
        c_.cmdAddNew->setVisible(!c_.txtField[0]->text().isEmpty());
        TextBox* field = c_.txtField[index];
        field->setBackColor(field->text().isEmpty() ? kEntryColor : kNormalColor);
        return;
    }
    const bool edited = std::any_of(c_.txtField.begin(), c_.txtField.end(),
                                    [](const TextBox* field) { return field->text() != field->tag(); });
    if (edited) {
        setUndoButtonMode(EntryMode::Editing);
        c_.cmdUndo->setVisible(true);
        setAddButtonMode(EntryMode::Editing);
        c_.cmdAddNew->setVisible(true);
    } else {
        c_.cmdUndo->setVisible(false);
        setAddButtonMode(EntryMode::Browsing);
    }
}

void CustomerEntry::txtField_Click(int)
{
    if (c_.lvwCustomersVis->isEmpty() && addButtonMode_ == EntryMode::Browsing && c_.cmdAddNew->visible())
        cmdAddNew_Click();
}

void CustomerEntry::lvwCustomersVis_Click()
{
    showSelectedCustomer();
}

void CustomerEntry::lvwCustomersVis_KeyUp(int keyCode, int)
{
    // The arrows act as a click does; any other key that moved the current entry (Home, End,
    // the page keys, a letter) shows the customer it moved to, so the buttons always act on the
    // customer the user sees.
    if (keyCode == KeyCode::Up || keyCode == KeyCode::Down || c_.lvwCustomersVis->currentKey() != shownKey_)
        showSelectedCustomer();
}

QString CustomerEntry::storedFieldText(int index) const
{
    QString text = c_.txtField[index]->text();
    text.removeIf([index](QChar ch) {
        const bool lineBreak = ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
        return ch.unicode() < 32 && !(index == kNotesField && lineBreak);
    });
    return text;
}

bool CustomerEntry::currentNameAccepted(const QString& displayName) const
{
    if (!records::readsAsArchived(displayName))
        return true;
    host().messageBox(QStringLiteral("A customer's name cannot begin with \"%1\".\r\n\r\n"
                                     "(Those characters mark the customers that were deleted but are kept for past "
                                     "bill periods.)")
                          .arg(records::archiveMarkText()),
                      MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Archive Mark Found in Name"));
    return false;
}

bool CustomerEntry::duplicateNameAccepted(const QString& displayName, const QString& exceptKey) const
{
    if (findCustomerByName(displayName, exceptKey) == 0)
        return true;
    return host().messageBox(
               QStringLiteral("A customer with the exact same first name and last name was found.\r\n\r\n"
                              "Press OK if this is a different customer who happens to share the exact same name,\r\n"
                              "otherwise press Cancel and edit the original entry for this customer."),
               MessageButtons::OkCancel, MessageIcon::Exclamation, QStringLiteral("Duplicate Name Found"))
        == MessageAnswer::Ok;
}

qsizetype CustomerEntry::sortedListPosition(const QString& key) const
{
    // The list holds the table's listed customers in table order: count those standing before.
    const records::RecordTable& customers = books_.data().customers;
    const qsizetype tablePosition = customers.positionOf(key);
    qsizetype position = 1;
    for (qsizetype i = 1; i < tablePosition; ++i) {
        if (records::isCurrentCustomerRecord(customers.textAt(i)))
            ++position;
    }
    return position;
}

void CustomerEntry::saveCustomerRecord(const QString& givenKey)
{
    const CustomerRecord record = typedRecord();
    if (!currentNameAccepted(record.displayName()) || !duplicateNameAccepted(record.displayName(), givenKey))
        return;
    storeCustomerRecord(givenKey.isEmpty() ? records::numberedKey(records::highestKeyNumber(books_.data().customers) + 1) : givenKey,
                        record);
}

CustomerRecord CustomerEntry::typedRecord() const
{
    CustomerRecord record;
    for (int i = 0; i < 8; ++i)
        record.values[static_cast<size_t>(i)] = storedFieldText(i);
    return record;
}

void CustomerEntry::storeCustomerRecord(const QString& key, const CustomerRecord& record)
{
    books_.data().customers.add(key, record.text());
    c_.lvwCustomersVis->insert(sortedListPosition(key), key, record.displayName());
    c_.lvwCustomersVis->select(c_.lvwCustomersVis->positionOf(key));
    c_.lvwCustomersVis->setFocus();
    // The fields now show what is stored, and edits are tracked against that.
    for (int i = 0; i < 8; ++i) {
        c_.txtField[i]->setTag(record.values[static_cast<size_t>(i)]);
        c_.txtField[i]->setText(record.values[static_cast<size_t>(i)]);
    }
    shownKey_ = key;
    books_.setUnsaved(true);
    showBrowsing();
    emit customerRenamed(key);
}

void CustomerEntry::applyCustomerEdit()
{
    const QString key = c_.lvwCustomersVis->currentKey();
    if (key.isEmpty()) {
        // Typing into the fields of an empty list: store the customer as a new one when it has a
        // first name, otherwise go back to browsing.
        if (c_.txtField[0]->text().isEmpty())
            cancelNewCustomer();
        else
            saveCustomerRecord(QString());
        return;
    }
    // Refused before the confirmation: the edit could not be stored whatever the answer.
    const CustomerRecord record = typedRecord();
    if (!currentNameAccepted(record.displayName()))
        return;
    if (platform::settings().value(QStringLiteral("Settings"), QStringLiteral("CheckToConfirmEdits")) != QLatin1String("False")
        && host().messageBox(QStringLiteral("Are you sure you want to change the details on this existing customer?"),
                             MessageButtons::OkCancel, MessageIcon::Exclamation,
                             QStringLiteral("Save Changes to Existing Customer???"))
            == MessageAnswer::Cancel) {
        undoCustomerEdit();
        return;
    }
    if (!duplicateNameAccepted(record.displayName(), key))
        return;
    books_.data().customers.remove(key);
    c_.lvwCustomersVis->remove(key);
    // Stored without asking again: a second answer could only drop the customer just removed.
    storeCustomerRecord(key, record);
}

void CustomerEntry::cancelNewCustomer()
{
    if (c_.lvwCustomersVis->isEmpty()) {
        emptyCustomerFields(c_);
        c_.cmdUndo->setVisible(false);
        shownKey_.clear();
        setFieldHighlight(c_, false);
        setAddButtonMode(EntryMode::Browsing);
        c_.cmdAddNew->setVisible(true);
        return;
    }
    c_.lvwCustomersVis->select(c_.lvwCustomersVis->currentPosition());
    c_.lvwCustomersVis->setFocus();
    lvwCustomersVis_Click();
}

void CustomerEntry::undoCustomerEdit()
{
    // Typed into the fields of an empty list (reached by the Tab key), an edit has no stored
    // customer to go back to: the fields are emptied instead.
    if (c_.lvwCustomersVis->isEmpty()) {
        cancelNewCustomer();
        return;
    }
    showSelectedCustomer();
    setAddButtonMode(EntryMode::Browsing);
    c_.cmdAddNew->setVisible(true);
    c_.lvwCustomersVis->setFocus();
}

void CustomerEntry::deleteCustomer()
{
    if (!deletion_.customerDeletionConfirmed()) {
        undoCustomerEdit();
        return;
    }
    // The check for the customer's records passes every invoice record.
    const BusyCursor busy;
    c_.lvwCustomersVis->setFocus();
    qsizetype position = c_.lvwCustomersVis->currentPosition();
    const QString key = c_.lvwCustomersVis->currentKey();
    if (!deletion_.retireCustomer(key))
        return;
    emit customerDeleted(key);
    list_.fillCustomerBrowseList();
    deletion_.allowClosing();
    if (c_.lvwCustomersVis->isEmpty()) {
        emptyCustomerFields(c_);
        c_.cmdUndo->setVisible(false);
        setUndoButtonMode(EntryMode::EnteringNew);
        c_.cmdPrint->setVisible(false);
    } else {
        position = std::min(position, c_.lvwCustomersVis->count());
        c_.lvwCustomersVis->select(position);
        lvwCustomersVis_Click();
    }
    setFieldHighlight(c_, false);
    books_.setUnsaved(true);
    setAddButtonMode(EntryMode::Browsing);
}

void CustomerEntry::showSelectedCustomer()
{
    if (c_.lvwCustomersVis->isEmpty())
        return;
    const QString key = c_.lvwCustomersVis->currentKey();
    const QString* text = books_.data().customers.find(key);
    const auto record = text ? CustomerRecord::fromText(*text) : std::nullopt;
    if (!record)
        return;
    for (int i = 0; i < 8; ++i) {
        // The tag first, so that the change tracking sees no edit.
        c_.txtField[i]->setTag(record->values[static_cast<size_t>(i)]);
        c_.txtField[i]->setText(record->values[static_cast<size_t>(i)]);
    }
    shownKey_ = key;
    showBrowsing();
}

void CustomerEntry::showBrowsing()
{
    // A customer shown as stored is browsed, also when a new customer was being entered: every
    // field in the normal colour, and the buttons that act on the customer shown.
    setFieldHighlight(c_, false);
    setAddButtonMode(EntryMode::Browsing);
    c_.cmdAddNew->setVisible(true);
    setUndoButtonMode(EntryMode::Browsing);
    c_.cmdUndo->setVisible(true);
    c_.cmdPrint->setVisible(true);
}

qsizetype CustomerEntry::findCustomerByName(const QString& name, const QString& exceptKey) const
{
    const ListView* list = c_.lvwCustomersVis;
    for (qsizetype i = 1; i <= list->count(); ++i) {
        if (list->textAt(i) == name && list->keyAt(i) != exceptKey)
            return i;
    }
    return 0;
}

} // namespace tav::app
