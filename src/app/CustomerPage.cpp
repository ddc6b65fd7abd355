#include "CustomerPage.h"

#include "MainWindow.h"

#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/KeyCodes.h"
#include "platform/ListView.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "records/RecordFormats.h"

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

ButtonCaptions buttonCaptions(CustomerPage::EntryMode mode)
{
    switch (mode) {
    case CustomerPage::EntryMode::EnteringNew:
        return {kAddNew, kCancelNew};
    case CustomerPage::EntryMode::Editing:
        return {kApplyEdit, kUndoEdit};
    case CustomerPage::EntryMode::Browsing:
        break;
    }
    return {kNewCustomer, kDeleteExisting};
}

} // namespace

CustomerPage::CustomerPage(MainWindow& window)
    : w_(window)
{
}

void CustomerPage::setAddButtonMode(EntryMode mode)
{
    addButtonMode_ = mode;
    w_.c.customers.cmdAddNew->setCaption(buttonCaptions(mode).add);
}

void CustomerPage::setUndoButtonMode(EntryMode mode)
{
    undoButtonMode_ = mode;
    w_.c.customers.cmdUndo->setCaption(buttonCaptions(mode).undo);
}

void CustomerPage::cmdAddNew_Click()
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

void CustomerPage::cmdUndo_Click()
{
    switch (undoButtonMode_) {
    case EntryMode::EnteringNew:
        cancelNewCustomer();
        break;
    case EntryMode::Editing:
        undoCustomerEdit();
        break;
    case EntryMode::Browsing:
        w_.deletion.deleteCustomer();
        break;
    }
}

void CustomerPage::beginNewCustomer()
{
    auto& c = w_.c;
    w_.entryFields.resetEntryFields(EntryFields::EmptyCustomerFields);
    if (!c.customers.lvwCustomersVis->isEmpty())
        c.customers.lvwCustomersVis->clearSelectedMark();
    c.customers.cmdAddNew->setVisible(false);
    setAddButtonMode(EntryMode::EnteringNew);
    setUndoButtonMode(EntryMode::EnteringNew);
    c.customers.cmdUndo->setVisible(true);
    c.customers.cmdPrint->setVisible(false);
    w_.entryFields.setFieldHighlight(true);
    c.customers.txtField[0]->setFocus();
}

void CustomerPage::txtField_Change(int index)
{
    auto& c = w_.c;
    if (undoButtonMode_ == EntryMode::EnteringNew && c.customers.cmdUndo->visible()) {
        c.customers.cmdAddNew->setVisible(!c.customers.txtField[0]->text().isEmpty());
        TextBox* field = c.customers.txtField[index];
        field->setBackColor(field->text().isEmpty() ? kEntryColor : kNormalColor);
        return;
    }
    const bool edited = std::any_of(c.customers.txtField.begin(), c.customers.txtField.end(),
                                    [](const TextBox* field) { return field->text() != field->tag(); });
    if (edited) {
        setUndoButtonMode(EntryMode::Editing);
        c.customers.cmdUndo->setVisible(true);
        setAddButtonMode(EntryMode::Editing);
        c.customers.cmdAddNew->setVisible(true);
    } else {
        c.customers.cmdUndo->setVisible(false);
        setAddButtonMode(EntryMode::Browsing);
    }
}

void CustomerPage::txtField_Click(int)
{
    auto& c = w_.c;
    if (c.customers.lvwCustomersVis->isEmpty() && addButtonMode_ == EntryMode::Browsing && c.customers.cmdAddNew->visible())
        cmdAddNew_Click();
}

void CustomerPage::lvwCustomersVis_Click()
{
    showSelectedCustomer();
}

void CustomerPage::lvwCustomersVis_KeyUp(int keyCode, int)
{
    // The arrows act as a click does; any other key that moved the current entry (Home, End,
    // the page keys, a letter) shows the customer it moved to, so the buttons always act on the
    // customer the user sees.
    if (keyCode == KeyCode::Up || keyCode == KeyCode::Down || w_.c.customers.lvwCustomersVis->currentKey() != shownKey_)
        showSelectedCustomer();
}

QString CustomerPage::storedFieldText(int index) const
{
    QString text = w_.c.customers.txtField[index]->text();
    text.removeIf([index](QChar ch) {
        const bool lineBreak = ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
        return ch.unicode() < 32 && !(index == kNotesField && lineBreak);
    });
    return text;
}

bool CustomerPage::currentNameAccepted(const QString& displayName) const
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

bool CustomerPage::duplicateNameAccepted(const QString& displayName, const QString& exceptKey) const
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

qsizetype CustomerPage::sortedListPosition(const QString& key) const
{
    // The list holds the table's listed customers in table order: count those standing before.
    const records::RecordTable& customers = w_.books.data().customers;
    const qsizetype tablePosition = customers.positionOf(key);
    qsizetype position = 1;
    for (qsizetype i = 1; i < tablePosition; ++i) {
        if (records::isCurrentCustomerRecord(customers.textAt(i)))
            ++position;
    }
    return position;
}

void CustomerPage::saveCustomerRecord(const QString& givenKey)
{
    const CustomerRecord record = typedRecord();
    if (!currentNameAccepted(record.displayName()) || !duplicateNameAccepted(record.displayName(), givenKey))
        return;
    storeCustomerRecord(givenKey.isEmpty() ? records::numberedKey(records::highestKeyNumber(w_.books.data().customers) + 1) : givenKey,
                        record);
}

CustomerRecord CustomerPage::typedRecord() const
{
    CustomerRecord record;
    for (int i = 0; i < 8; ++i)
        record.values[static_cast<size_t>(i)] = storedFieldText(i);
    return record;
}

void CustomerPage::storeCustomerRecord(const QString& key, const CustomerRecord& record)
{
    auto& c = w_.c;
    w_.books.data().customers.add(key, record.text());
    c.customers.lvwCustomersVis->insert(sortedListPosition(key), key, record.displayName());
    c.customers.lvwCustomersVis->select(c.customers.lvwCustomersVis->positionOf(key));
    c.customers.lvwCustomersVis->setFocus();
    // The fields now show what is stored, and edits are tracked against that.
    for (int i = 0; i < 8; ++i) {
        c.customers.txtField[i]->setTag(record.values[static_cast<size_t>(i)]);
        c.customers.txtField[i]->setText(record.values[static_cast<size_t>(i)]);
    }
    shownKey_ = key;
    w_.books.setUnsaved(true);
    showBrowsing();
    // The trees name the customer as the table does.
    emit w_.books.customerRenamed(key);
}

void CustomerPage::applyCustomerEdit()
{
    auto& c = w_.c;
    const QString key = c.customers.lvwCustomersVis->currentKey();
    if (key.isEmpty()) {
        // Typing into the fields of an empty list: store the customer as a new one when it has a
        // first name, otherwise go back to browsing.
        if (c.customers.txtField[0]->text().isEmpty())
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
    w_.books.data().customers.remove(key);
    c.customers.lvwCustomersVis->remove(key);
    // Stored without asking again: a second answer could only drop the customer just removed.
    storeCustomerRecord(key, record);
}

void CustomerPage::cancelNewCustomer()
{
    auto& c = w_.c;
    if (c.customers.lvwCustomersVis->isEmpty()) {
        w_.entryFields.resetEntryFields(EntryFields::EmptyCustomerFields);
        c.customers.cmdUndo->setVisible(false);
        shownKey_.clear();
        w_.entryFields.setFieldHighlight(false);
        setAddButtonMode(EntryMode::Browsing);
        c.customers.cmdAddNew->setVisible(true);
        return;
    }
    c.customers.lvwCustomersVis->select(c.customers.lvwCustomersVis->currentPosition());
    c.customers.lvwCustomersVis->setFocus();
    lvwCustomersVis_Click();
}

void CustomerPage::undoCustomerEdit()
{
    auto& c = w_.c;
    showSelectedCustomer();
    setAddButtonMode(EntryMode::Browsing);
    c.customers.cmdAddNew->setVisible(true);
    c.customers.lvwCustomersVis->setFocus();
}

void CustomerPage::showSelectedCustomer()
{
    auto& c = w_.c;
    if (c.customers.lvwCustomersVis->isEmpty())
        return;
    const QString key = c.customers.lvwCustomersVis->currentKey();
    const QString* text = w_.books.data().customers.find(key);
    const auto record = text ? CustomerRecord::fromText(*text) : std::nullopt;
    if (!record)
        return;
    for (int i = 0; i < 8; ++i) {
        // The tag first, so that the change tracking sees no edit.
        c.customers.txtField[i]->setTag(record->values[static_cast<size_t>(i)]);
        c.customers.txtField[i]->setText(record->values[static_cast<size_t>(i)]);
    }
    shownKey_ = key;
    showBrowsing();
}

void CustomerPage::showBrowsing()
{
    // A customer shown as stored is browsed, also when a new customer was being entered: every
    // field in the normal colour, and the buttons that act on the customer shown.
    auto& c = w_.c;
    w_.entryFields.setFieldHighlight(false);
    setAddButtonMode(EntryMode::Browsing);
    c.customers.cmdAddNew->setVisible(true);
    setUndoButtonMode(EntryMode::Browsing);
    c.customers.cmdUndo->setVisible(true);
    c.customers.cmdPrint->setVisible(true);
}

qsizetype CustomerPage::findCustomerByName(const QString& name, const QString& exceptKey) const
{
    const ListView* list = w_.c.customers.lvwCustomersVis;
    for (qsizetype i = 1; i <= list->count(); ++i) {
        if (list->textAt(i) == name && list->keyAt(i) != exceptKey)
            return i;
    }
    return 0;
}

} // namespace tav::app
