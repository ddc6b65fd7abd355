#pragma once

#include <QObject>
#include <QString>

namespace tav::records {
struct CustomerRecord;
}

namespace tav::app {

class Books;
class CustomerList;
class Deletion;
struct CustomerControls;

// The customer entry of the Customers page: browsing the current customers, adding, editing,
// undoing, cancelling and deleting.
class CustomerEntry : public QObject {
    Q_OBJECT

public:
    // What the fields hold: a stored customer browsed, a new customer entered, or a customer's
    // stored values edited.
    enum class EntryMode { Browsing, EnteringNew, Editing };

    CustomerEntry(const CustomerControls& controls, Books& books, Deletion& deletion, CustomerList& list);

    void cmdAddNew_Click();
    void cmdUndo_Click();
    void txtField_Click(int index);
    void txtField_Change(int index);
    void lvwCustomersVis_Click();
    void lvwCustomersVis_KeyUp(int keyCode, int shift);

    void cancelNewCustomer();
    // Deletes the customer the list selects, after the user's confirmation, and shows the customer
    // that takes his place.
    void deleteCustomer();
    // Fills the fields from the current entry's record; the page is then browsing that customer.
    void showSelectedCustomer();

signals:
    // The customer's stored name changed: whatever names him elsewhere follows.
    void customerRenamed(const QString& key);
    // The customer left the table or became archived: a period being composed bills him no more.
    void customerDeleted(const QString& key);

private:
    void beginNewCustomer();
    // Stores the customer typed into the fields; an empty key means a new customer.
    void saveCustomerRecord(const QString& key);
    void applyCustomerEdit();
    void undoCustomerEdit();
    // The 1-based position of the first listed customer with exactly this display name, 0 for none.
    qsizetype findCustomerByName(const QString& name, const QString& exceptKey) const;
    // Each of the two buttons acts for a mode, which its caption names. They are set one by one:
    // the undo button keeps the mode it last acted for while it is hidden or no customer is shown.
    void setAddButtonMode(EntryMode mode);
    void setUndoButtonMode(EntryMode mode);
    void showBrowsing();
    records::CustomerRecord typedRecord() const;
    // Adds the record under the key to the table and the list, and browses it.
    void storeCustomerRecord(const QString& key, const records::CustomerRecord& record);
    // The fields' texts as they are stored: control characters removed, line breaks kept in the notes.
    QString storedFieldText(int index) const;
    // False, after a warning, for a name that would read as an archived customer's: the customer
    // would not be current once saved and loaded again.
    bool currentNameAccepted(const QString& displayName) const;
    // False when the user cancels the duplicate-name warning.
    bool duplicateNameAccepted(const QString& displayName, const QString& exceptKey) const;
    // Where a customer with this record text belongs in the visible list.
    qsizetype sortedListPosition(const QString& key) const;

    const CustomerControls& c_;
    Books& books_;
    Deletion& deletion_;
    CustomerList& list_;
    // The key of the customer whose values the fields show.
    QString shownKey_;
    // As the buttons' design captions say.
    EntryMode addButtonMode_ = EntryMode::Browsing;
    EntryMode undoButtonMode_ = EntryMode::Browsing;
};

} // namespace tav::app
