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
    case EmptyCustomerFields:
        for (platform::TextBox* field : c.txtField) {
            field->setTag(QString());
            field->setText(QString());
        }
        break;
    case PrepareNewPeriod:
        c.txtBillPeriod->setText(QString());
        c.tvwInvoiceRecords[0]->clear();
        for (int i = 1; i <= 3; ++i) {
            c.txtPField[i]->setText(QString());
            c.txtPField[i]->setLocked(false);
        }
        c.txtPField[1]->setBackColor(kNormalColor);
        c.txtPField[2]->setBackColor(kNormalColor);
        // The bill due date is the one date that a new period requires.
        c.txtPField[3]->setBackColor(kEntryColor);
        break;
    case ShowFinalPeriod:
        for (int i = 1; i <= 3; ++i) {
            c.txtPField[i]->setLocked(true);
            c.txtPField[i]->setBackColor(kNormalColor);
        }
        break;
    default:
        break;
    }
}

void EntryFields::setFieldHighlight(bool entry)
{
    for (platform::TextBox* field : w_.c.txtField)
        field->setBackColor(entry ? kEntryColor : kNormalColor);
}

} // namespace tav::app
