#include "EntryFields.h"

#include "MainWindow.h"

#include "platform/TextBox.h"

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
        for (platform::TextBox* field : c.customers.txtField) {
            field->setTag(QString());
            field->setText(QString());
        }
        break;
    default:
        break;
    }
}

void EntryFields::setFieldHighlight(bool entry)
{
    for (platform::TextBox* field : w_.c.customers.txtField)
        field->setBackColor(entry ? kEntryColor : kNormalColor);
}

} // namespace tav::app
