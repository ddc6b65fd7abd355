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

    // Refills the tree with the period its combo box shows and the records of that period.
    void buildInvoiceTree(int index);
    void tvwInvoiceRecords_NodeCheck(int index, const QString& key);
    void tvwInvoiceRecords_MouseUp(int index, int button, int shift);
    void tvwInvoiceRecords_DblClick(int index);

    // The customer's name as the trees show it: from the customer table without ArchivePrefix, or
    // the name the record holds when the customer is gone.
    QString customerName(const QString& customerNumber, const QString& recordName) const;

private:
    QString nameOfCustomer(const QString& customerKey, QStringView recordName) const;
    // " - paid" or " - owes " and the balance in currency form, or as written when it could not be
    // read.
    static QString balanceSuffix(std::optional<records::Cents> balance, QStringView written, const QLocale& locale);

    MainWindow& w_;
};

} // namespace tav::app
