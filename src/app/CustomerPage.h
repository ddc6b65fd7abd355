#pragma once

#include <QString>

namespace tav::records {
struct CustomerRecord;
}

namespace tav::app {

class MainWindow;

// The Customers page: browsing the current customers, adding, editing, undoing and cancelling.
class CustomerPage {
public:
    // What the fields hold: a stored customer browsed, a new customer entered, or a customer's
    // stored values edited.
    enum class EntryMode { Browsing, EnteringNew, Editing };

    explicit CustomerPage(MainWindow& window);

    void cmdAddNew_Click();
    void cmdUndo_Click();
    void txtField_Click(int index);
    void txtField_Change(int index);
    void lvwCustomersVis_Click();
    void lvwCustomersVis_KeyUp(int keyCode, int shift);

    void beginNewCustomer();
    // Stores the customer typed into the fields; an empty key means a new customer.
    void saveCustomerRecord(const QString& key);
    void applyCustomerEdit();
    void cancelNewCustomer();
    void undoCustomerEdit();
    // Fills the fields from the current entry's record; the page is then browsing that customer.
    void showSelectedCustomer();
    // The 1-based position of the first listed customer with exactly this display name, 0 for none.
    qsizetype findCustomerByName(const QString& name, const QString& exceptKey = QString()) const;

    // Each of the two buttons acts for a mode, which its caption names. They are set one by one:
    // the undo button keeps the mode it last acted for while it is hidden or no customer is shown.
    void setAddButtonMode(EntryMode mode);
    void setUndoButtonMode(EntryMode mode);

private:
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

    MainWindow& w_;
    // The key of the customer whose values the fields show.
    QString shownKey_;
    // As the buttons' design captions say.
    EntryMode addButtonMode_ = EntryMode::Browsing;
    EntryMode undoButtonMode_ = EntryMode::Browsing;
};

} // namespace tav::app
