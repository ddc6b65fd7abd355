#include "EntryFields.h"

#include "MainWindow.h"

#include "platform/TextBox.h"
#include "platform/TreeView.h"

namespace tav::app {

EntryFields::EntryFields(MainWindow& window)
    : w_(window)
{
}

void EntryFields::resetEntryFields(int mode)
{
    auto& c = w_.c;
    switch (mode) {
    case PrepareNewPeriod:
        c.billPeriods.txtBillPeriod->setText(QString());
        c.billPeriods.tvwInvoiceRecords[0]->clear();
        for (int i = 1; i <= 3; ++i) {
            c.billPeriods.txtPField[i]->setText(QString());
            c.billPeriods.txtPField[i]->setLocked(false);
        }
        c.billPeriods.txtPField[1]->setBackColor(kNormalColor);
        c.billPeriods.txtPField[2]->setBackColor(kNormalColor);
        // The bill due date is the one date that a new period requires.
        c.billPeriods.txtPField[3]->setBackColor(kEntryColor);
        break;
    case ShowFinalPeriod:
        for (int i = 1; i <= 3; ++i) {
            c.billPeriods.txtPField[i]->setLocked(true);
            c.billPeriods.txtPField[i]->setBackColor(kNormalColor);
        }
        break;
    default:
        break;
    }
}

} // namespace tav::app
