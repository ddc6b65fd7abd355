#pragma once

#include "records/Money.h"

#include <QString>

#include <array>
#include <vector>

class QLocale;

namespace tav::app {

class MainWindow;

// A stored period's invoice records shown as trees: on the Bill Periods page (payments and notes)
// and, with check boxes and invoice notes, on the Printing page (what gets printed).
class InvoiceTrees {
public:
    enum Tree { BillPeriodsTree = 0, PrintingTree = 1 };

    explicit InvoiceTrees(MainWindow& window);

    void buildInvoiceTree(int index);
    // The Printing tree as buildInvoiceTree(PrintingTree) would build it after a payment changed a
    // record of its period in place, without walking the whole invoice table.
    void refreshPrintingTree();
    void tvwInvoiceRecords_NodeCheck(int index, const QString& key);
    void tvwInvoiceRecords_MouseUp(int index, int button, int shift);
    void tvwInvoiceRecords_DblClick(int index);

    // The customer's name as the trees show it: from the customer table without ArchivePrefix, or
    // the name the record holds when the customer is gone.
    QString customerName(const QString& customerNumber, const QString& recordName) const;

private:
    QString nameOfCustomer(const QString& customerKey, QStringView recordName) const;
    // " - paid" or " - owes " and the balance in currency form.
    static QString balanceSuffix(records::Cents balance, const QLocale& locale);
    // Refills the tree with the period and the nodes of the records at these positions.
    void fillTree(int index, const QString& period, std::vector<qsizetype> positions);

    MainWindow& w_;
    // For each tree, where the records of the customers it shows stood in the table when it was
    // filled, in the order of the customers.
    std::array<std::vector<qsizetype>, 2> shownRecords_;
};

} // namespace tav::app
