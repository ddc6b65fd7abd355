#pragma once

#include "platform/Form.h"
#include "platform/FormDesign.h"

#include <array>

namespace tav::platform {
class CommandButton;
class Frame;
class ListingBox;
class OptionButton;
class TextBox;
} // namespace tav::platform

namespace tav::records {
struct Database;
}

namespace tav::app {

// The developer view: the raw entries of one of the four record tables, each entry's text as
// stored and its key, under a legend of the text's fields. The listing is a snapshot, rebuilt only
// when a table is chosen. It also opens the database file in the desktop's application for it.
class DeveloperView : public platform::Form {
    Q_OBJECT

public:
    explicit DeveloperView(const records::Database& db);

    // The load step: the remembered place, the customers' listing, and the window shown.
    void load();

    // Lists table Index: 0 customers, 1 bill periods, 2 products and services, 3 invoice records.
    void optLVWChoice_Click(int index);
    void cmdShowXML_Click();

    platform::ControlSet controlSet;
    platform::Frame* Frame1;
    std::array<platform::OptionButton*, 4> optLVWChoice;
    platform::CommandButton* cmdShowXML;
    platform::TextBox* Text2;
    platform::ListingBox* Text1;

protected:
    void onResize() override;
    void onUnload(bool& cancel) override;

private:
    const records::Database& db_;
};

} // namespace tav::app
