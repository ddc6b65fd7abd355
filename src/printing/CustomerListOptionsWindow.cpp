#include "CustomerListOptionsWindow.h"

#include "PrintRun.h"

#include "components/Dialogs.h"
#include "components/SettingsAccess.h"
#include "platform/BusyCursor.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/CommandButton.h"
#include "platform/Host.h"
#include "platform/Label.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"

namespace tav::printing {

using namespace tav::platform;

namespace {

const QString kSection = QStringLiteral("CustomerListPrint");
// The keys of chkPCL(0) to chkPCL(4).
const char* const kFieldKeys[] = {"PrintAddress", "PrintEmail", "PrintPhone", "PrintNotes", "PrintPageNumbers"};
constexpr int kStoredBoxes = 4;

constexpr const char* kTahoma = "Tahoma";
constexpr const char* kSansSerif = "MS Sans Serif";

const ControlSpec kDesign[] = {
    {.kind = ControlKind::Label, .name = "lblPageTitle", .caption = "Page Title:", .left = 240, .top = 240,
     .width = 2055, .height = 255, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::TextBox, .name = "txtPageTitle", .caption = "Customer List", .left = 240, .top = 480,
     .width = 4215, .height = 315, .tabIndex = 0},
    {.kind = ControlKind::Label, .name = "lblPrintFields", .caption = "Print Fields:", .left = 240, .top = 1020,
     .width = 2055, .height = 255, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::CheckBox, .name = "chkPCL", .index = 0, .caption = "Address", .left = 480, .top = 1320,
     .width = 1815, .height = 255, .tabIndex = 1, .fontName = kSansSerif, .fontSize = 8},
    {.kind = ControlKind::CheckBox, .name = "chkPCL", .index = 1, .caption = "Email", .left = 480, .top = 1620,
     .width = 1815, .height = 255, .tabIndex = 2, .fontName = kSansSerif, .fontSize = 8},
    {.kind = ControlKind::CheckBox, .name = "chkPCL", .index = 2, .caption = "Phone #'s", .left = 2520, .top = 1320,
     .width = 1815, .height = 255, .tabIndex = 3, .fontName = kSansSerif, .fontSize = 8},
    {.kind = ControlKind::CheckBox, .name = "chkPCL", .index = 3, .caption = "Notes", .left = 2520, .top = 1620,
     .width = 1815, .height = 255, .tabIndex = 4, .fontName = kSansSerif, .fontSize = 8},
    {.kind = ControlKind::CheckBox, .name = "chkPCL", .index = 4, .caption = "Print Page Numbers", .left = 480,
     .top = 1980, .width = 3015, .height = 255, .tabIndex = 5, .fontName = kSansSerif, .fontSize = 8},
    {.kind = ControlKind::Label, .name = "lblPrintFont", .caption = "Print Font:", .left = 240, .top = 2520,
     .width = 2055, .height = 255, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::Label, .name = "lblFontName", .index = 0, .caption = "Arial", .left = 480, .top = 2820,
     .width = 2535, .height = 255, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::Label, .name = "lblFontName", .index = 1, .caption = "Regular 8", .left = 480, .top = 3100,
     .width = 2535, .height = 255, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::CommandButton, .name = "cmdChangeFont", .caption = "C&hange", .left = 3240, .top = 2820,
     .width = 1215, .height = 495, .tabIndex = 6, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::Label, .name = "lblColumns", .caption = "Columns:", .left = 240, .top = 3780, .width = 2295,
     .height = 255, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::ComboBox, .name = "cmbColumns", .left = 2760, .top = 3720, .width = 1695, .height = 315,
     .tabIndex = 7},
    {.kind = ControlKind::Label, .name = "lblBlankLines", .caption = "Blank Lines Between:", .left = 240, .top = 4260,
     .width = 2295, .height = 255, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::ComboBox, .name = "cmbBlankLines", .left = 2760, .top = 4200, .width = 1695, .height = 315,
     .tabIndex = 8},
    {.kind = ControlKind::CommandButton, .name = "cmdPrint", .caption = "&Print", .left = 480, .top = 5280,
     .width = 1695, .height = 615, .tabIndex = 9, .fontName = kTahoma, .fontSize = 8},
    {.kind = ControlKind::CommandButton, .name = "cmdCancel", .caption = "&Cancel", .left = 2520, .top = 5280,
     .width = 1695, .height = 615, .tabIndex = 10, .fontName = kTahoma, .fontSize = 8},
};

QString stored(const char* key)
{
    return platform::settings().value(kSection, QLatin1String(key));
}

void store(const char* key, const QString& value)
{
    platform::settings().setValue(kSection, QLatin1String(key), value);
}

QString storedOr(const char* key, const QString& defaultValue)
{
    const QString value = stored(key);
    return value.isEmpty() ? defaultValue : value;
}

bool checked(const CheckBox* box)
{
    return box->value() == CheckBox::Checked;
}

} // namespace

CustomerListOptionsWindow::CustomerListOptionsWindow(const records::RecordTable& customers, QWidget* owner)
    : Form(QStringLiteral("frmPrintCustomers"), BorderStyle::FixedDialog, owner)
    , customers_(customers)
{
    setCaption(QStringLiteral("Customer List Print Options"));
    setClientSize(4695, 6255);
    controls_.build(widget(), kDesign);
    controls_.applyTabOrder();
    txtPageTitle = controls_.get<TextBox>("txtPageTitle");
    for (int i = 0; i < 5; ++i)
        chkPCL[static_cast<size_t>(i)] = controls_.get<CheckBox>("chkPCL", i);
    for (int i = 0; i < 2; ++i)
        lblFontName[static_cast<size_t>(i)] = controls_.get<Label>("lblFontName", i);
    cmdChangeFont = controls_.get<CommandButton>("cmdChangeFont");
    cmbColumns = controls_.get<ComboBox>("cmbColumns");
    cmbBlankLines = controls_.get<ComboBox>("cmbBlankLines");
    cmdPrint = controls_.get<CommandButton>("cmdPrint");
    cmdCancel = controls_.get<CommandButton>("cmdCancel");
    connectHandlers();
    load();
}

void CustomerListOptionsWindow::connectHandlers()
{
    for (int i = 0; i < 5; ++i)
        connect(chkPCL[static_cast<size_t>(i)], &CheckBox::clicked, this, [this, i] { chkPCL_Click(i); });
    connect(cmdChangeFont, &CommandButton::clicked, this, [this] { cmdChangeFont_Click(); });
    connect(cmbColumns, &ComboBox::clicked, this, [this] { cmbColumns_Click(); });
    connect(cmbBlankLines, &ComboBox::clicked, this, [this] { cmbBlankLines_Click(); });
    connect(cmdPrint, &CommandButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdCancel, &CommandButton::clicked, this, [this] { cmdCancel_Click(); });
}

void CustomerListOptionsWindow::fillCountCombos()
{
    cmbColumns->clear();
    cmbBlankLines->clear();
    for (int count = 1; count <= 4; ++count)
        cmbColumns->addItem(QString::number(count));
    for (int count = 0; count <= 4; ++count)
        cmbBlankLines->addItem(QString::number(count));
}

void CustomerListOptionsWindow::load()
{
    txtPageTitle->setText(storedOr("PageTitle", QStringLiteral("Customer List")));
    fillCountCombos();
    loadingPrintOptions_ = true;
    cmbColumns->setListIndex(columnCountFromText(stored("Columns")) - 1);
    if (stored("BlankLinesBetween").isEmpty())
        store("BlankLinesBetween", QStringLiteral("1"));
    cmbBlankLines->setListIndex(blankLineCountFromText(stored("BlankLinesBetween")));
    // Checking a box runs its click handler, which stores the value read.
    for (size_t i = 0; i < chkPCL.size(); ++i) {
        const bool on = stored(kFieldKeys[i]).toLower() != QLatin1String("false");
        chkPCL[i]->setValue(on ? CheckBox::Checked : CheckBox::Unchecked);
    }
    loadingPrintOptions_ = false;
    lblFontName[0]->setCaption(storedOr("PrintFontName", QStringLiteral("Arial")));
    lblFontName[1]->setCaption(storedOr("PrintFontStyleSize", QStringLiteral("Regular 8")));
}

CustomerListOptions CustomerListOptionsWindow::options() const
{
    CustomerListOptions options;
    options.pageTitle = txtPageTitle->text();
    options.columns = columnCountFromText(cmbColumns->text());
    options.blankLines = blankLineCountFromText(cmbBlankLines->text());
    options.address = checked(chkPCL[0]);
    options.email = checked(chkPCL[1]);
    options.phone = checked(chkPCL[2]);
    options.notes = checked(chkPCL[3]);
    options.pageNumbers = checked(chkPCL[4]);
    options.fontName = lblFontName[0]->caption();
    options.fontStyleSize = lblFontName[1]->caption();
    return options;
}

void CustomerListOptionsWindow::chkPCL_Click(int index)
{
    if (index < kStoredBoxes)
        store(kFieldKeys[index],
            components::yesNoText(chkPCL[static_cast<size_t>(index)]->value() != CheckBox::Unchecked));
}

void CustomerListOptionsWindow::cmdChangeFont_Click()
{
    components::Dialogs& dialogs = components::dialogs();
    if (!dialogs.blnChooseFont())
        return;
    const bool bold = dialogs.blnIsFontBold();
    const bool italic = dialogs.blnIsFontItalic();
    const QString style = bold && italic ? QStringLiteral("Bold Italic ")
        : bold                           ? QStringLiteral("Bold ")
        : italic                         ? QStringLiteral("Italic ")
                                         : QStringLiteral("Regular ");
    QString face = dialogs.strFontFaceName();
    face.truncate(face.indexOf(QChar(0)) < 0 ? face.size() : face.indexOf(QChar(0)));
    lblFontName[0]->setCaption(face);
    lblFontName[1]->setCaption(style + QString::number(dialogs.lngFontSize()));
    store("PrintFontName", lblFontName[0]->caption());
    store("PrintFontStyleSize", lblFontName[1]->caption());
}

void CustomerListOptionsWindow::cmbColumns_Click()
{
    if (!loadingPrintOptions_)
        store("Columns", QString::number(cmbColumns->listIndex() + 1));
}

void CustomerListOptionsWindow::cmbBlankLines_Click()
{
    if (!loadingPrintOptions_)
        store("BlankLinesBetween", QString::number(cmbBlankLines->listIndex()));
}

void CustomerListOptionsWindow::cmdPrint_Click()
{
    if (customers_.isEmpty()) {
        host().messageBox(QStringLiteral("There are no customers to print!"), MessageButtons::Ok, MessageIcon::None,
                          host().appTitle());
    } else {
        // The pages are made before the run starts, and take a while too.
        const BusyCursor busy;
        printPages({QStringLiteral("TAV Customer List"), PrintJobSetup::Orientation::Portrait},
                   customerListPages(customers_, options()));
    }
    unload();
}

void CustomerListOptionsWindow::cmdCancel_Click()
{
    unload();
}

} // namespace tav::printing
