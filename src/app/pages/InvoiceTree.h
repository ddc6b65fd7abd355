#pragma once

#include "records/Money.h"

#include <QString>

#include <optional>

class QLocale;

namespace tav::platform {
class ComboBox;
class TreeView;
} // namespace tav::platform

namespace tav::app {

class Books;

// A stored period's invoice records shown as a tree: on the Bill Periods page (payments and notes)
// and, with check boxes and invoice notes, on the Printing page (what gets printed).
class InvoiceTree {
public:
    enum Kind { BillPeriodsTree = 0, PrintingTree = 1 };

    InvoiceTree(const Books& books, platform::TreeView& tree, Kind kind);

    // Refills the tree with the period the combo box shows and the records of that period: now
    // when the tree is in view, else once the user goes to its page or the program uses it.
    void buildInvoiceTree(const platform::ComboBox& combo);

    // The customer's name as the trees show it: from the customer table without the archive mark,
    // or the name the record holds when the customer is gone.
    QString customerName(const QString& customerNumber, const QString& recordName) const;
    // A customer node's text in a view tree: the name, then " - paid" or " - owes " and the balance
    // (as the record holds it) in currency form. A balance that could not be read is owed: it shows
    // as it is written, never as paid.
    QString customerNodeText(const QString& customerKey, QStringView recordName, QStringView balance,
                             const QLocale& locale) const;
    // Names the customer as the customer table does now (after an edit), keeping everything else
    // the tree shows of the stored period.
    void showCustomerName(const QString& customerKey);

private:
    void fillInvoiceTree(const QString& period);
    QString nameOfCustomer(const QString& customerKey, QStringView recordName) const;

    const Books& books_;
    platform::TreeView& tree_;
    Kind kind_;
};

} // namespace tav::app
