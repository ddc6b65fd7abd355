#include "CompanyInfoPage.h"

#include "app/books/Books.h"

#include "platform/Label.h"
#include "platform/TextBox.h"
#include "records/TextNumbers.h"

namespace tav::app {

using namespace tav::platform;

CompanyInfoPage::CompanyInfoPage(Books& books, const platform::ControlSet& set)
    : books_(books)
    , c_(CompanyControls::find(set))
{
    for (int i = 0; i < 9; ++i)
        connect(c_.txtCompanyDetails[i], &TextBox::changed, this, [this, i] { txtCompanyDetails_Change(i); });
    connect(&books_, &Books::dropped, this, [this] {
        // Emptying a box that held text counts as an edit; reading the file hides the mark again.
        for (TextBox* box : c_.txtCompanyDetails)
            box->setText(QString());
    });
    connect(&books_, &Books::companyTextsLoaded, this, [this] { showCompanyTexts(); });
}

void CompanyInfoPage::layout(int w, int h)
{
    const int half = records::roundHalfEvenToInt(w / 2.0);
    for (int i = 0; i <= 8; ++i) {
        c_.txtCompanyDetails[i]->setWidth(half - 240);
        if (i >= 5)
            c_.txtCompanyDetails[i]->setLeft(half + 120);
    }
    c_.lblCompanySlogan->setLeft(half + 120);
    for (Label* label : {c_.lblGeneralDescription, c_.lblMakePayableTo, c_.lblInvoiceClosing})
        label->setLeft(c_.lblCompanySlogan->left());
    c_.lblLeaveOptionalEntriesBlank->setTop(h - 480);
    c_.lblLeaveOptionalEntriesBlank->setWidth(w);
    c_.lblSaveDatabaseToUpdate->setTop(h - 300);
    c_.lblSaveDatabaseToUpdate->setWidth(w);
}

void CompanyInfoPage::showCompanyTexts()
{
    loadingCompanyInfo_ = true;
    for (size_t i = 0; i < books_.data().company.texts.size(); ++i)
        c_.txtCompanyDetails[i]->setText(books_.data().company.texts[i]);
    loadingCompanyInfo_ = false;
}

void CompanyInfoPage::showHints(bool shown)
{
    c_.lblLeaveOptionalEntriesBlank->setVisible(shown);
    c_.lblSaveDatabaseToUpdate->setVisible(shown);
}

bool CompanyInfoPage::hasNameOrAddress() const
{
    return !c_.txtCompanyDetails[0]->text().isEmpty() || !c_.txtCompanyDetails[1]->text().isEmpty();
}

void CompanyInfoPage::txtCompanyDetails_Change(int index)
{
    books_.data().company.texts[static_cast<size_t>(index)] = c_.txtCompanyDetails[index]->text();
    if (!loadingCompanyInfo_)
        books_.setUnsaved(true);
}

} // namespace tav::app
