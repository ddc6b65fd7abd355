#pragma once

#include "CustomerList.h"

#include "platform/Form.h"
#include "platform/FormDesign.h"
#include "records/RecordTable.h"

#include <array>

namespace tav::platform {
class CheckBox;
class ComboBox;
class CommandButton;
class Label;
class TextBox;
} // namespace tav::platform

namespace tav::printing {

// "Customer List Print Options": the page title, the fields each customer shows, page numbers,
// the font, the columns and the blank lines between customers, then Print or Cancel. Most choices
// are remembered in section "CustomerListPrint" as they are made; the print takes them from the
// controls. Each opening starts from the settings again.
class CustomerListOptionsWindow : public platform::Form {
    Q_OBJECT

public:
    CustomerListOptionsWindow(const records::RecordTable& customers, QWidget* owner);

    // The choices as the controls hold them.
    CustomerListOptions options() const;

    void chkPCL_Click(int index);
    void cmdChangeFont_Click();
    void cmbColumns_Click();
    void cmbBlankLines_Click();
    // Prints the list and closes the window.
    void cmdPrint_Click();
    void cmdCancel_Click();

    platform::TextBox* txtPageTitle;
    std::array<platform::CheckBox*, 5> chkPCL;
    std::array<platform::Label*, 2> lblFontName;
    platform::CommandButton* cmdChangeFont;
    platform::ComboBox* cmbColumns;
    platform::ComboBox* cmbBlankLines;
    platform::CommandButton* cmdPrint;
    platform::CommandButton* cmdCancel;

private:
    void connectHandlers();
    void load();
    void fillCountCombos();

    const records::RecordTable& customers_;
    platform::ControlSet controls_;
    bool loadingPrintOptions_ = false;
};

} // namespace tav::printing
