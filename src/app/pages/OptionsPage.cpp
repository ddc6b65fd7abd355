#include "OptionsPage.h"

#include "app/books/Books.h"
#include "app/books/DatabasePath.h"
#include "app/windows/HelpFile.h"

#include "components/HoverCommand.h"
#include "components/SettingsAccess.h"
#include "platform/CheckBox.h"
#include "platform/CommandButton.h"
#include "platform/Frame.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"

namespace tav::app {

using namespace tav::platform;

namespace {

int checkValue(bool checked)
{
    return checked ? CheckBox::Checked : CheckBox::Unchecked;
}

} // namespace

OptionsPage::OptionsPage(Books& books, const platform::ControlSet& set)
    : books_(books)
    , c_(OptionsControls::find(set))
    , files_(books, c_.txtChangePath)
{
    for (int i = 0; i < 4; ++i)
        connect(c_.cmdChangePath[i], &CommandButton::clicked, this, [this, i] { files_.cmdChangePath_Click(i); });
    connect(c_.cmdCloseBooks[4], &CommandButton::clicked, this, [this] { files_.cmdCloseBooks_Click(); });
    connect(c_.chkCheckToConfirmEdits, &CheckBox::clicked, this, [this] { chkCheckToConfirmEdits_Click(); });
    connect(c_.chkExpertMode, &CheckBox::clicked, this, [this] { chkExpertMode_Click(); });
    connect(c_.cmdOpenHelp, &components::HoverCommand::clicked, this, [] { openHelpFile(); });
    connect(&books_, &Books::opened, this, [this] {
        loadOptionSettings();
        applyExpertMode();
    });
}

void OptionsPage::layout(int w, int h)
{
    c_.lblVersionNumber->setLeft(w - 3495);
    c_.lblCheckForNewVersion->setLeft(c_.lblVersionNumber->left());
    c_.fraDocumentation->setLeft(c_.lblVersionNumber->left());
    c_.fraDocumentation->setTop(h - 1080);
    const bool unsaved = books_.hasUnsavedChanges();
    c_.cmdChangePath[FileCommands::Save]->setVisible(unsaved);
    c_.lblQuickestWay->setVisible(c_.chkExpertMode->value() != CheckBox::Checked && unsaved);
}

void OptionsPage::showVersionNumber()
{
    const AppVersion version = host().appVersion();
    c_.lblVersionNumber->setCaption(QStringLiteral("%1.%2").arg(version.major).arg(version.minor));
}

void OptionsPage::loadOptionSettings()
{
    auto& store = platform::settings();
    c_.txtChangePath->setText(databasePath());
    c_.chkCheckToConfirmEdits->setValue(
        checkValue(store.value(QStringLiteral("Settings"), QStringLiteral("CheckToConfirmEdits")).toLower() != QLatin1String("false")));
    c_.chkExpertMode->setValue(
        checkValue(store.value(QStringLiteral("Settings"), QStringLiteral("ExpertMode")).toLower() == QLatin1String("true")));
}

void OptionsPage::applyExpertMode()
{
    const bool expert = c_.chkExpertMode->value() != CheckBox::Unchecked;
    c_.lblExpertMode2->setVisible(!expert);
    if (expert) {
        c_.lblExpertMode1->setTop(3555);
        c_.lblQuickestWay->setVisible(false);
    } else {
        c_.lblExpertMode1->setTop(3450);
        if (books_.hasUnsavedChanges())
            c_.lblQuickestWay->setVisible(true);
    }
    emit expertModeChanged(expert);
}

void OptionsPage::chkCheckToConfirmEdits_Click()
{
    components::saveSettingValue(QStringLiteral("CheckToConfirmEdits"),
                                 components::yesNoText(c_.chkCheckToConfirmEdits->value() != CheckBox::Unchecked));
}

void OptionsPage::chkExpertMode_Click()
{
    components::saveSettingValue(QStringLiteral("ExpertMode"),
                                 components::yesNoText(c_.chkExpertMode->value() != CheckBox::Unchecked));
    applyExpertMode();
}

} // namespace tav::app
