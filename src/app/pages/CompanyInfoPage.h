#pragma once

#include "app/design/PageControls.h"

#include <QObject>

namespace tav::app {

class Books;

// The Company Info page: its boxes edit the books' company texts, which the invoices print.
class CompanyInfoPage : public QObject {
    Q_OBJECT

public:
    CompanyInfoPage(Books& books, const platform::ControlSet& set);

    // The page's controls, for the frame and the tests.
    CompanyControls& controls() { return c_; }
    void layout(int w, int h);

    // Shows the books' company texts in the boxes, which is no edit.
    void showCompanyTexts();
    // Shows or hides the page's two hints, which expert mode leaves out.
    void showHints(bool shown);
    // Whether the company's name or the first line of its address is filled in.
    bool hasNameOrAddress() const;

private:
    void txtCompanyDetails_Change(int index);

    Books& books_;
    CompanyControls c_;
    // True while the boxes are filled from the books, so that filling them is no edit.
    bool loadingCompanyInfo_ = false;
};

} // namespace tav::app
