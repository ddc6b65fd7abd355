#include "OptionsPage.h"

#include "DatabasePath.h"
#include "MainWindow.h"

#include "components/SettingsAccess.h"
#include "platform/Host.h"
#include "platform/CheckBox.h"
#include "platform/ListView.h"
#include "platform/Label.h"
#include "platform/OptionButton.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "records/TextNumbers.h"

namespace tav::app {

using namespace tav::platform;
using components::getSettingWithDefault;

namespace {

// A stored choice among three: 0, 1 or 2; any other stored value gives the default.
int choiceOfThree(const QString& stored, int defaultChoice)
{
    bool ok = false;
    const int value = stored.trimmed().toInt(&ok);
    return ok && value >= 0 && value <= 2 ? value : defaultChoice;
}

bool printingSetting(const char* key, bool defaultOn)
{
    const QString value = platform::settings().value(QStringLiteral("Printing"), QLatin1String(key)).toLower();
    return defaultOn ? value != QLatin1String("false") : value == QLatin1String("true");
}

int checkValue(bool checked)
{
    return checked ? CheckBox::Checked : CheckBox::Unchecked;
}

} // namespace

OptionsPage::OptionsPage(MainWindow& window)
    : w_(window)
{
}

void OptionsPage::loadOptionSettings()
{
    auto& c = w_.c;
    auto& store = platform::settings();
    c.txtChangePath->setText(databasePath());
    c.chkCheckToConfirmEdits->setValue(
        checkValue(store.value(QStringLiteral("Settings"), QStringLiteral("CheckToConfirmEdits")).toLower() != QLatin1String("false")));
    c.chkExpertMode->setValue(
        checkValue(store.value(QStringLiteral("Settings"), QStringLiteral("ExpertMode")).toLower() == QLatin1String("true")));
    c.optInvoiceTitle[choiceOfThree(getSettingWithDefault(QStringLiteral("InvoiceTitleOption"), QStringLiteral("0")), 0)]
        ->setValue(true);
    c.txtInvoiceTitle->setText(getSettingWithDefault(QStringLiteral("InvoiceTitleText"), QString(), QStringLiteral("KeepCaps")));
    c.optInvoiceTitleSize[choiceOfThree(getSettingWithDefault(QStringLiteral("InvoiceTitleSize"), QStringLiteral("2")), 2)]
        ->setValue(true);
    c.chkAddInvoiceDateToInvoice->setValue(checkValue(printingSetting("AddInvoiceDateToInvoice", false)));
    c.chkPrintDuplicateInvoices->setValue(checkValue(printingSetting("PrintDuplicateInvoices", false)));

    w_.state.loadingSettings = true;
    c.chkKeepTwelveLines->setValue(checkValue(printingSetting("KeepTwelveLines", true)));
    c.chkMoveAccordingly->setValue(checkValue(printingSetting("MoveBottomTextAccordingly", false)));
    c.chkMoveAccordingly->setEnabled(c.chkKeepTwelveLines->value() == CheckBox::Unchecked);
    w_.printOptions.showPrintPreviewBottom();
    w_.state.loadingSettings = false;

    w_.state.printPreviewSelected =
        choiceOfThree(store.value(QStringLiteral("Printing"), QStringLiteral("PrintPreviewSelected")), 0);
    w_.printOptions.showPrintPreviewTop();
}

void OptionsPage::applyExpertMode()
{
    auto& c = w_.c;
    const bool expert = c.chkExpertMode->value() != CheckBox::Unchecked;
    for (Label* hint : {c.lblRightClickForNote, c.lblExpertMode2, c.lblLeaveOptionalEntriesBlank, c.lblSaveDatabaseToUpdate})
        hint->setVisible(!expert);
    Label* billing = c.lblDoubleClickToAdd;
    if (expert) {
        c.lblExpertMode1->setTop(3555);
        c.lblQuickestWay->setVisible(false);
        billing->setBackColor(SystemColor::ButtonFace);
        billing->setCaption(QStringLiteral("List of Products and Services:"));
        billing->setLeft(c.lvwProducts[0]->left());
    } else {
        c.lblExpertMode1->setTop(3450);
        if (w_.hasUnsavedChanges())
            c.lblQuickestWay->setVisible(true);
        billing->setBackColor(SystemColor::InfoBackground);
        billing->setCaption(QStringLiteral("  Double-click to Bill *Marked Customers:  "));
        billing->setLeft(c.lvwProducts[0]->left() + (c.lvwProducts[0]->width() - billing->width()) / 2);
    }
}

void OptionsPage::chkCheckToConfirmEdits_Click()
{
    components::saveSettingValue(QStringLiteral("CheckToConfirmEdits"),
                                 components::yesNoText(w_.c.chkCheckToConfirmEdits->value() != CheckBox::Unchecked));
}

void OptionsPage::chkExpertMode_Click()
{
    components::saveSettingValue(QStringLiteral("ExpertMode"),
                                 components::yesNoText(w_.c.chkExpertMode->value() != CheckBox::Unchecked));
    applyExpertMode();
}

void OptionsPage::txtCompanyDetails_Change(int index)
{
    w_.db.company.texts[static_cast<size_t>(index)] = w_.c.txtCompanyDetails[index]->text();
    if (!w_.state.loadingCompanyInfo)
        w_.session.setSaveCancelVisible(true);
}

} // namespace tav::app
