#include "PrintOptionsPage.h"

#include "MainWindow.h"

#include "components/SettingsAccess.h"
#include "platform/Host.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/PictureBox.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "printing/LayoutPreview.h"

namespace tav::app {

using namespace tav::platform;

namespace {

void savePrinting(const char* key, const CheckBox* box)
{
    platform::settings().setValue(QStringLiteral("Printing"), QLatin1String(key),
                                  components::yesNoText(box->value() != CheckBox::Unchecked));
}

} // namespace

PrintOptionsPage::PrintOptionsPage(MainWindow& window)
    : w_(window)
{
    using printing::BottomPreview;
    for (int layout = 0; layout < 3; ++layout)
        w_.c.printOptions.picPrintPreviewTop[layout]->setPicture(QPixmap::fromImage(printing::layoutPreviewTop(layout)));
    const BottomPreview bottoms[] = {BottomPreview::TwelveLines, BottomPreview::Shrunk, BottomPreview::ShrunkAndMoved};
    for (int i = 0; i < 3; ++i)
        w_.c.printOptions.picPrintPreviewBottom[i]->setPicture(QPixmap::fromImage(printing::layoutPreviewBottom(bottoms[i])));
}

void PrintOptionsPage::optInvoiceTitle_Click(int index)
{
    components::saveSettingValue(QStringLiteral("InvoiceTitleOption"), QString::number(index));
}

void PrintOptionsPage::txtInvoiceTitle_Change()
{
    components::saveSettingValue(QStringLiteral("InvoiceTitleText"), w_.c.printOptions.txtInvoiceTitle->text());
}

void PrintOptionsPage::optInvoiceTitleSize_Click(int index)
{
    components::saveSettingValue(QStringLiteral("InvoiceTitleSize"), QString::number(index));
}

void PrintOptionsPage::chkAddInvoiceDateToInvoice_Click()
{
    savePrinting("AddInvoiceDateToInvoice", w_.c.printOptions.chkAddInvoiceDateToInvoice);
}

void PrintOptionsPage::chkPrintDuplicateInvoices_Click()
{
    savePrinting("PrintDuplicateInvoices", w_.c.printOptions.chkPrintDuplicateInvoices);
}

void PrintOptionsPage::chkKeepTwelveLines_Click()
{
    if (w_.state.loadingSettings)
        return;
    savePrinting("KeepTwelveLines", w_.c.printOptions.chkKeepTwelveLines);
    w_.c.printOptions.chkMoveAccordingly->setEnabled(w_.c.printOptions.chkKeepTwelveLines->value() == CheckBox::Unchecked);
    showPrintPreviewBottom();
}

void PrintOptionsPage::chkMoveAccordingly_Click()
{
    if (w_.state.loadingSettings)
        return;
    savePrinting("MoveBottomTextAccordingly", w_.c.printOptions.chkMoveAccordingly);
    showPrintPreviewBottom();
}

void PrintOptionsPage::choosePreview(int layout)
{
    w_.state.printPreviewSelected = std::clamp(layout, 0, 2);
    platform::settings().setValue(QStringLiteral("Printing"), QStringLiteral("PrintPreviewSelected"),
                                  QString::number(w_.state.printPreviewSelected));
    showPrintPreviewTop();
}

void PrintOptionsPage::cmdPrintPreviewBack_Click()
{
    choosePreview(w_.state.printPreviewSelected - 1);
}

void PrintOptionsPage::cmdPrintPreviewForward_Click()
{
    choosePreview(w_.state.printPreviewSelected + 1);
}

void PrintOptionsPage::showPrintPreviewTop()
{
    auto& c = w_.c;
    const int selected = w_.state.printPreviewSelected;
    for (int i = 0; i < 3; ++i)
        c.printOptions.picPrintPreviewTop[i]->setVisible(i == selected);
    c.printOptions.cmdPrintPreviewBack->setEnabled(selected > 0);
    c.printOptions.cmdPrintPreviewForward->setEnabled(selected < 2);
}

void PrintOptionsPage::showPrintPreviewBottom()
{
    auto& c = w_.c;
    int shown = 2;
    if (c.printOptions.chkKeepTwelveLines->value() != CheckBox::Unchecked)
        shown = 0;
    else if (c.printOptions.chkMoveAccordingly->value() == CheckBox::Unchecked || !c.printOptions.chkMoveAccordingly->enabled())
        shown = 1;
    for (int i = 0; i < 3; ++i)
        c.printOptions.picPrintPreviewBottom[i]->setVisible(i == shown);
}

} // namespace tav::app
