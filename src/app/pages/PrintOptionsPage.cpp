#include "PrintOptionsPage.h"

#include "app/books/Books.h"

#include "components/SettingsAccess.h"
#include "platform/Host.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "printing/LayoutPreview.h"
#include "records/TextNumbers.h"

namespace tav::app {

using namespace tav::platform;

namespace {

void savePrinting(const char* key, const CheckBox* box)
{
    platform::settings().setValue(QStringLiteral("Printing"), QLatin1String(key),
                                  components::yesNoText(box->value() != CheckBox::Unchecked));
}

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

PrintOptionsPage::PrintOptionsPage(Books& books, const platform::ControlSet& set)
    : c_(PrintOptionsControls::find(set))
{
    using printing::BottomPreview;
    for (int layout = 0; layout < 3; ++layout)
        c_.picPrintPreviewTop[layout]->setPicture(QPixmap::fromImage(printing::layoutPreviewTop(layout)));
    const BottomPreview bottoms[] = {BottomPreview::TwelveLines, BottomPreview::Shrunk, BottomPreview::ShrunkAndMoved};
    for (int i = 0; i < 3; ++i)
        c_.picPrintPreviewBottom[i]->setPicture(QPixmap::fromImage(printing::layoutPreviewBottom(bottoms[i])));

    for (int i = 0; i < 3; ++i) {
        connect(c_.optInvoiceTitle[i], &OptionButton::clicked, this, [this, i] { optInvoiceTitle_Click(i); });
        connect(c_.optInvoiceTitleSize[i], &OptionButton::clicked, this, [this, i] { optInvoiceTitleSize_Click(i); });
    }
    connect(c_.txtInvoiceTitle, &TextBox::changed, this, [this] { txtInvoiceTitle_Change(); });
    connect(c_.chkAddInvoiceDateToInvoice, &CheckBox::clicked, this, [this] { chkAddInvoiceDateToInvoice_Click(); });
    connect(c_.chkPrintDuplicateInvoices, &CheckBox::clicked, this, [this] { chkPrintDuplicateInvoices_Click(); });
    connect(c_.chkKeepTwelveLines, &CheckBox::clicked, this, [this] { chkKeepTwelveLines_Click(); });
    connect(c_.chkMoveAccordingly, &CheckBox::clicked, this, [this] { chkMoveAccordingly_Click(); });
    connect(c_.cmdPrintPreviewBack, &CommandButton::clicked, this, [this] { cmdPrintPreviewBack_Click(); });
    connect(c_.cmdPrintPreviewForward, &CommandButton::clicked, this, [this] { cmdPrintPreviewForward_Click(); });
    connect(&books, &Books::opened, this, [this] { loadSettings(); });
}

void PrintOptionsPage::layout(int w, int)
{
    c_.fraPrintPreview->setLeft(records::roundHalfEvenToInt(w / 2.0) + 240);
}

void PrintOptionsPage::loadSettings()
{
    c_.optInvoiceTitle[choiceOfThree(components::getSettingWithDefault(QStringLiteral("InvoiceTitleOption"), QStringLiteral("0")), 0)]
        ->setValue(true);
    c_.txtInvoiceTitle->setText(
        components::getSettingWithDefault(QStringLiteral("InvoiceTitleText"), QString(), QStringLiteral("KeepCaps")));
    c_.optInvoiceTitleSize[choiceOfThree(components::getSettingWithDefault(QStringLiteral("InvoiceTitleSize"), QStringLiteral("2")), 2)]
        ->setValue(true);
    c_.chkAddInvoiceDateToInvoice->setValue(checkValue(printingSetting("AddInvoiceDateToInvoice", false)));
    c_.chkPrintDuplicateInvoices->setValue(checkValue(printingSetting("PrintDuplicateInvoices", false)));

    loadingSettings_ = true;
    c_.chkKeepTwelveLines->setValue(checkValue(printingSetting("KeepTwelveLines", true)));
    c_.chkMoveAccordingly->setValue(checkValue(printingSetting("MoveBottomTextAccordingly", false)));
    c_.chkMoveAccordingly->setEnabled(c_.chkKeepTwelveLines->value() == CheckBox::Unchecked);
    showPrintPreviewBottom();
    loadingSettings_ = false;

    chosenLayout_ = choiceOfThree(platform::settings().value(QStringLiteral("Printing"), QStringLiteral("PrintPreviewSelected")), 0);
    showPrintPreviewTop();
}

QString PrintOptionsPage::invoiceTitle() const
{
    return c_.optInvoiceTitle[0]->value()   ? QStringLiteral("INVOICE")
        : c_.optInvoiceTitle[1]->value()     ? QStringLiteral("ESTIMATE")
                                             : c_.txtInvoiceTitle->text();
}

int PrintOptionsPage::invoiceTitlePoints() const
{
    return c_.optInvoiceTitleSize[0]->value() ? 16 : c_.optInvoiceTitleSize[1]->value() ? 24 : 36;
}

bool PrintOptionsPage::moveBottomText() const
{
    return c_.chkMoveAccordingly->value() == CheckBox::Checked;
}

bool PrintOptionsPage::printsDuplicates() const
{
    return c_.chkPrintDuplicateInvoices->value() == CheckBox::Checked;
}

void PrintOptionsPage::optInvoiceTitle_Click(int index)
{
    components::saveSettingValue(QStringLiteral("InvoiceTitleOption"), QString::number(index));
}

void PrintOptionsPage::txtInvoiceTitle_Change()
{
    components::saveSettingValue(QStringLiteral("InvoiceTitleText"), c_.txtInvoiceTitle->text());
}

void PrintOptionsPage::optInvoiceTitleSize_Click(int index)
{
    components::saveSettingValue(QStringLiteral("InvoiceTitleSize"), QString::number(index));
}

void PrintOptionsPage::chkAddInvoiceDateToInvoice_Click()
{
    savePrinting("AddInvoiceDateToInvoice", c_.chkAddInvoiceDateToInvoice);
}

void PrintOptionsPage::chkPrintDuplicateInvoices_Click()
{
    savePrinting("PrintDuplicateInvoices", c_.chkPrintDuplicateInvoices);
}

void PrintOptionsPage::chkKeepTwelveLines_Click()
{
    if (loadingSettings_)
        return;
    savePrinting("KeepTwelveLines", c_.chkKeepTwelveLines);
    c_.chkMoveAccordingly->setEnabled(c_.chkKeepTwelveLines->value() == CheckBox::Unchecked);
    showPrintPreviewBottom();
}

void PrintOptionsPage::chkMoveAccordingly_Click()
{
    if (loadingSettings_)
        return;
    savePrinting("MoveBottomTextAccordingly", c_.chkMoveAccordingly);
    showPrintPreviewBottom();
}

void PrintOptionsPage::choosePreview(int layout)
{
    chosenLayout_ = std::clamp(layout, 0, 2);
    platform::settings().setValue(QStringLiteral("Printing"), QStringLiteral("PrintPreviewSelected"),
                                  QString::number(chosenLayout_));
    showPrintPreviewTop();
}

void PrintOptionsPage::cmdPrintPreviewBack_Click()
{
    choosePreview(chosenLayout_ - 1);
}

void PrintOptionsPage::cmdPrintPreviewForward_Click()
{
    choosePreview(chosenLayout_ + 1);
}

void PrintOptionsPage::showPrintPreviewTop()
{
    const int selected = chosenLayout_;
    for (int i = 0; i < 3; ++i)
        c_.picPrintPreviewTop[i]->setVisible(i == selected);
    c_.cmdPrintPreviewBack->setEnabled(selected > 0);
    c_.cmdPrintPreviewForward->setEnabled(selected < 2);
}

void PrintOptionsPage::showPrintPreviewBottom()
{
    int shown = 2;
    if (c_.chkKeepTwelveLines->value() != CheckBox::Unchecked)
        shown = 0;
    else if (c_.chkMoveAccordingly->value() == CheckBox::Unchecked || !c_.chkMoveAccordingly->enabled())
        shown = 1;
    for (int i = 0; i < 3; ++i)
        c_.picPrintPreviewBottom[i]->setVisible(i == shown);
}

} // namespace tav::app
