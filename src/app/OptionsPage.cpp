#include "OptionsPage.h"

#include "books/DatabasePath.h"
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
    c.options.txtChangePath->setText(databasePath());
    c.options.chkCheckToConfirmEdits->setValue(
        checkValue(store.value(QStringLiteral("Settings"), QStringLiteral("CheckToConfirmEdits")).toLower() != QLatin1String("false")));
    c.options.chkExpertMode->setValue(
        checkValue(store.value(QStringLiteral("Settings"), QStringLiteral("ExpertMode")).toLower() == QLatin1String("true")));
    c.printOptions.optInvoiceTitle[choiceOfThree(getSettingWithDefault(QStringLiteral("InvoiceTitleOption"), QStringLiteral("0")), 0)]
        ->setValue(true);
    c.printOptions.txtInvoiceTitle->setText(getSettingWithDefault(QStringLiteral("InvoiceTitleText"), QString(), QStringLiteral("KeepCaps")));
    c.printOptions.optInvoiceTitleSize[choiceOfThree(getSettingWithDefault(QStringLiteral("InvoiceTitleSize"), QStringLiteral("2")), 2)]
        ->setValue(true);
    c.printOptions.chkAddInvoiceDateToInvoice->setValue(checkValue(printingSetting("AddInvoiceDateToInvoice", false)));
    c.printOptions.chkPrintDuplicateInvoices->setValue(checkValue(printingSetting("PrintDuplicateInvoices", false)));

    w_.state.loadingSettings = true;
    c.printOptions.chkKeepTwelveLines->setValue(checkValue(printingSetting("KeepTwelveLines", true)));
    c.printOptions.chkMoveAccordingly->setValue(checkValue(printingSetting("MoveBottomTextAccordingly", false)));
    c.printOptions.chkMoveAccordingly->setEnabled(c.printOptions.chkKeepTwelveLines->value() == CheckBox::Unchecked);
    w_.printOptions.showPrintPreviewBottom();
    w_.state.loadingSettings = false;

    w_.state.printPreviewSelected =
        choiceOfThree(store.value(QStringLiteral("Printing"), QStringLiteral("PrintPreviewSelected")), 0);
    w_.printOptions.showPrintPreviewTop();
}

void OptionsPage::applyExpertMode()
{
    auto& c = w_.c;
    const bool expert = c.options.chkExpertMode->value() != CheckBox::Unchecked;
    w_.printingPage.showExpertMode(expert);
    for (Label* hint : {c.options.lblExpertMode2, c.company.lblLeaveOptionalEntriesBlank, c.company.lblSaveDatabaseToUpdate})
        hint->setVisible(!expert);
    if (expert) {
        c.options.lblExpertMode1->setTop(3555);
        c.options.lblQuickestWay->setVisible(false);
    } else {
        c.options.lblExpertMode1->setTop(3450);
        if (w_.books.hasUnsavedChanges())
            c.options.lblQuickestWay->setVisible(true);
    }
    w_.billPeriodsPage.showExpertMode(expert, c.products.lvwProducts[0]->left(), c.products.lvwProducts[0]->width());
}

void OptionsPage::chkCheckToConfirmEdits_Click()
{
    components::saveSettingValue(QStringLiteral("CheckToConfirmEdits"),
                                 components::yesNoText(w_.c.options.chkCheckToConfirmEdits->value() != CheckBox::Unchecked));
}

void OptionsPage::chkExpertMode_Click()
{
    components::saveSettingValue(QStringLiteral("ExpertMode"),
                                 components::yesNoText(w_.c.options.chkExpertMode->value() != CheckBox::Unchecked));
    applyExpertMode();
}

void OptionsPage::txtCompanyDetails_Change(int index)
{
    w_.books.data().company.texts[static_cast<size_t>(index)] = w_.c.company.txtCompanyDetails[index]->text();
    if (!w_.state.loadingCompanyInfo)
        w_.books.setUnsaved(true);
}

} // namespace tav::app
