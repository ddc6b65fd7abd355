#include "CustomerFields.h"

#include "EntryColors.h"

#include "app/design/PageControls.h"
#include "platform/TextBox.h"

namespace tav::app {

void emptyCustomerFields(const CustomerControls& c)
{
    for (platform::TextBox* field : c.txtField) {
        field->setTag(QString());
        field->setText(QString());
    }
}

void setFieldHighlight(const CustomerControls& c, bool entry)
{
    for (platform::TextBox* field : c.txtField)
        field->setBackColor(entry ? kEntryColor : kNormalColor);
}

} // namespace tav::app
