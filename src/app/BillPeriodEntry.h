#pragma once

#include "records/Money.h"

#include <QString>
#include <QStringList>

namespace tav::app {

class MainWindow;

// The Bill Periods page's two modes: viewing a stored period, chosen in the period combo, and
// entering a new one, whose name and dates are validated and which is finalised into one period
// record and one invoice record per billed customer.
class BillPeriodEntry {
public:
    explicit BillPeriodEntry(MainWindow& window);

    void cmdAddNewBP_Click();
    void cmdCancelNewBP_Click();
    void txtBillPeriod_Change();
    void txtPField_Change(int index);
    void cmbBillPeriod_Click(int index);

    void setBillPeriodEntryMode(bool entering);
    // Whether a new period is being composed rather than a stored one viewed.
    bool isComposing() const { return mode_ == Mode::Composing; }
    void selectBillPeriod(int index);
    void createBillPeriod();
    // The 1-based position of the first period whose name is exactly this, 0 when none is.
    qsizetype findBillPeriodByName(const QString& name) const;
    bool anyBilledItems() const;

private:
    // One invoice record per customer node with billed items, in tree order.
    struct BilledCustomer {
        QString customerNumber;
        records::Cents total = 0;
        QString items;
    };
    QList<BilledCustomer> billedCustomers() const;
    bool billDueReadsAsDate() const;
    // The table position of the period shown at this combo index.
    qsizetype periodPosition(int comboIndex) const;
    enum class Mode { Viewing, Composing };
    // Sets the mode with the add button's caption and the name label, which name it.
    void showMode(Mode mode);

    MainWindow& w_;
    // Viewing, as the page's design captions say.
    Mode mode_ = Mode::Viewing;
};

} // namespace tav::app
