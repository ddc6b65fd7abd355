#pragma once

#include "records/Money.h"

#include <QString>

#include <optional>

class QLocale;

namespace tav::app {

class MainWindow;

// A stored period's invoice records shown as trees: on the Bill Periods page (payments and notes)
// and, with check boxes and invoice notes, on the Printing page (what gets printed).
class InvoiceTrees {
public:
    enum Tree { BillPeriodsTree = 0, PrintingTree = 1 };

    explicit InvoiceTrees(MainWindow& window);

    // Refills the tree with the period its combo box shows and the records of that period: now
    // when the tree is in view, else once the user goes to its page or the program uses it.
    void buildInvoiceTree(int index);
    void tvwInvoiceRecords_NodeCheck(int index, const QString& key);
    void tvwInvoiceRecords_MouseUp(int index, int button, int shift);
    void tvwInvoiceRecords_DblClick(int index);

    // The customer's name as the trees show it: from the customer table without the archive mark,
    // or the name the record holds when the customer is gone.
    QString customerName(const QString& customerNumber, const QString& recordName) const;
    // A customer node's text in a view tree: the name, then " - paid" or " - owes " and the balance
    // (as the record holds it) in currency form. A balance that could not be read is owed: it shows
    // as it is written, never as paid.
    QString customerNodeText(const QString& customerKey, QStringView recordName, QStringView balance,
                             const QLocale& locale) const;
    // Every tree that lists the customer names it as the customer table does now (after an edit),
    // keeping everything else it shows.
    void showCustomerName(const QString& customerKey);

private:
    void fillInvoiceTree(int index, const QString& period);
    QString nameOfCustomer(const QString& customerKey, QStringView recordName) const;

    MainWindow& w_;
};

} // namespace tav::app
