#include "support/ScriptedDialogBackend.h"

#include "components/Dialogs.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tav::components;
using tav::platform::FileDialogMode;
using tav::platform::FileType;
using tav::platform::MessageAnswer;
using tav::test::scriptedHost;
using Dialog = tav::test::ScriptedDialogBackend::Dialog;

namespace {

const QString kDatabaseFilter = QStringLiteral("Harkmoren TAV Database (*.xml)|*.xml");

class DialogsTest : public ::testing::Test {
protected:
    QString programFolder() const { return scriptedHost().programFolder(); }

    static QString iniValue(const char* key)
    {
        return tav::platform::SettingsStore(dialogIniFilePath()).value("DIALOGS", key);
    }

    // What the database file commands set before each of their dialogs.
    static void setUpAsTheFileCommandsDo(Dialogs& dialogs, const QString& title)
    {
        dialogs.setStrTitle(title);
        dialogs.setBlnAllowMultipleFileSelect(false);
        dialogs.setStrInitialDir(QString());
        dialogs.setStrFilter(kDatabaseFilter);
    }

    tav::test::ScriptedDialogBackend backend;
};

} // namespace

TEST_F(DialogsTest, aFirstStartOpensBothFileDialogsInTheProgramFolderWithTheFirstType)
{
    EXPECT_EQ(dialogIniFilePath(), tav::test::testFolder() + "/config/tav_components_tests.ini");
    Dialogs dialogs(backend);
    EXPECT_EQ(dialogs.strInitialDir(), programFolder());
    EXPECT_EQ(dialogs.strLastOpenFile(), "");
    EXPECT_EQ(dialogs.strDialogError(), "N/A");

    setUpAsTheFileCommandsDo(dialogs, "Create a New Database");
    backend.dismiss(Dialog::File);
    EXPECT_EQ(dialogs.strGetSaveFileName(), "");
    setUpAsTheFileCommandsDo(dialogs, "Open an Exisiting Database");
    backend.dismiss(Dialog::File);
    EXPECT_EQ(dialogs.strGetOpenFileName(), "");

    const auto& save = backend.fileRequests().at(0);
    EXPECT_EQ(save.mode, FileDialogMode::Save);
    EXPECT_EQ(save.title, "Create a New Database");
    EXPECT_EQ(save.initialFolder, programFolder());
    EXPECT_EQ(save.fileTypes, (std::vector<FileType>{{"Harkmoren TAV Database (*.xml)", "*.xml"}}));
    EXPECT_EQ(save.fileTypeIndex, 1);
    EXPECT_FALSE(save.createPrompt);
    const auto& open = backend.fileRequests().at(1);
    EXPECT_EQ(open.mode, FileDialogMode::Open);
    EXPECT_EQ(open.initialFolder, programFolder());
    EXPECT_FALSE(open.allowMultipleFiles);
    // A cancel is recorded but never shown (the scripted host fails on any message box).
    EXPECT_EQ(dialogs.lngDialogError(), 0);
    EXPECT_EQ(dialogs.strDialogError(), "General Codes Failure");
}

TEST_F(DialogsTest, theLastFolderFileAndTypeOfEachKindSurviveARestart)
{
    {
        Dialogs dialogs(backend);
        dialogs.setStrFilter("Text|*.txt|Database|*.xml");
        backend.chooseFiles({"/srv/books/2026.xml"}, 2);
        EXPECT_EQ(dialogs.strGetSaveFileName(), "/srv/books/2026.xml");
        backend.chooseFiles({"/home/old/2025.txt"}, 1);
        EXPECT_EQ(dialogs.strGetOpenFileName(), "/home/old/2025.txt");
        EXPECT_EQ(dialogs.lngNumFilesSelected(), 0) << "a single-file open counts nothing";
    }
    EXPECT_EQ(iniValue("LastSaveDir"), "/srv/books/");
    EXPECT_EQ(iniValue("LastSaveFilter"), "2");
    EXPECT_EQ(iniValue("LastOpenFile"), "/home/old/2025.txt");
    EXPECT_EQ(iniValue("InitialDir"), "/home/old/") << "the last dialog's folder is where the next one opens";

    Dialogs restarted(backend);
    EXPECT_EQ(restarted.strLastSaveFile(), "/srv/books/2026.xml");
    EXPECT_EQ(restarted.strLastOpenFolder(), "/home/old/");
    restarted.setStrFilter("Text|*.txt|Database|*.xml");
    restarted.setStrInitialDir("");
    backend.dismiss(Dialog::File);
    restarted.strGetSaveFileName();
    EXPECT_EQ(backend.fileRequests().back().initialFolder, "/srv/books/");
    EXPECT_EQ(backend.fileRequests().back().fileTypeIndex, 2);
    EXPECT_EQ(restarted.strInitialDir(), "/srv/books/") << "a cancel still moves the next dialog to its folder";
    backend.dismiss(Dialog::File);
    restarted.strGetOpenFileName();
    EXPECT_EQ(backend.fileRequests().back().fileTypeIndex, 1) << "the open dialog keeps its own type";
}

TEST_F(DialogsTest, pathsOfAnyLengthAndOddCharactersRoundTripButALineBreakIsWrittenEmpty)
{
    const QString longFolder = "/data/" + QString(600, 'f') + "/ lead and trail ; # = \\ \"/";
    const QString longFile = longFolder + QString(400, 'n') + ".xml ";
    {
        Dialogs dialogs(backend);
        backend.chooseFiles({longFile});
        dialogs.strGetSaveFileName();
        backend.chooseFiles({"/tmp/two\nlines.xml"});
        dialogs.strGetOpenFileName();
    }
    EXPECT_EQ(iniValue("LastOpenFile"), "");
    Dialogs restarted(backend);
    EXPECT_EQ(restarted.strLastSaveFile(), longFile);
    EXPECT_EQ(restarted.strLastSaveFolder(), longFolder);
    EXPECT_EQ(restarted.strLastOpenFolder(), "/tmp/");
    EXPECT_EQ(restarted.strLastOpenFile(), "");
}

TEST_F(DialogsTest, storedValuesThatAreEmptyOrNoNumbersGiveTheirDefaultsAndFilterIndexesAreClamped)
{
    tav::platform::SettingsStore ini(dialogIniFilePath());
    ini.setValue("DIALOGS", "LastOpenDir", "");
    ini.setValue("DIALOGS", "LastOpenFilter", "none");
    ini.setValue("DIALOGS", "LastSaveFilter", "9 apples");
    ini.setValue("DIALOGS", "InitialDir", "");
    Dialogs dialogs(backend);
    EXPECT_EQ(dialogs.strLastOpenFolder(), programFolder());
    EXPECT_EQ(dialogs.lngLastOpenFilter(), 1);
    EXPECT_EQ(dialogs.lngLastSaveFilter(), 9);

    dialogs.setStrFilter(kDatabaseFilter);
    backend.dismiss(Dialog::File);
    dialogs.strGetSaveFileName();
    EXPECT_EQ(backend.fileRequests().back().fileTypeIndex, 1) << "the list has one type now";
    backend.dismiss(Dialog::File);
    Dialogs(backend).strGetSaveFileName();
    EXPECT_EQ(backend.fileRequests().back().fileTypes.size(), 6u) << "the default list";
    EXPECT_EQ(backend.fileRequests().back().fileTypeIndex, 6);
}

TEST_F(DialogsTest, withoutPersistenceNothingIsWritten)
{
    Dialogs(backend).setBlnUsePersistence(false);
    EXPECT_FALSE(QFile::exists(dialogIniFilePath()));
}

TEST_F(DialogsTest, requestsCarryTheCallersSettingsAndDefaultTitles)
{
    Dialogs dialogs(backend);
    dialogs.setLngHWnd(77);
    dialogs.setBlnCreatePrompt(true);
    dialogs.setBlnAllowMultipleFileSelect(true);
    dialogs.setStrInitialDir("/chosen/");
    backend.dismiss(Dialog::File);
    dialogs.strGetSaveFileName();
    backend.dismiss(Dialog::File);
    dialogs.setStrInitialDir("/chosen/");
    dialogs.strGetOpenFileName();

    const auto& save = backend.fileRequests().at(0);
    EXPECT_EQ(save.title, "Save File");
    EXPECT_EQ(save.owner, 77u);
    EXPECT_EQ(save.initialFolder, "/chosen/");
    EXPECT_TRUE(save.createPrompt);
    EXPECT_FALSE(save.allowMultipleFiles);
    const auto& open = backend.fileRequests().at(1);
    EXPECT_EQ(open.title, "Select File(s) To Open");
    EXPECT_EQ(open.initialFolder, "/chosen/");
    EXPECT_TRUE(open.allowMultipleFiles);
    EXPECT_FALSE(open.createPrompt);
}

TEST_F(DialogsTest, severalOpenedFilesAreListedByNameAndRetrievableByIndex)
{
    Dialogs dialogs(backend);
    dialogs.setBlnAllowMultipleFileSelect(true);
    backend.chooseFiles({"/in/a.txt", "/in/b.txt", "/in/c d.txt"}, 3);
    const QString names = dialogs.strGetOpenFileName();
    EXPECT_EQ(names, QString("a.txt") + QChar(0) + "b.txt" + QChar(0) + "c d.txt" + QChar(0) + QChar(0));
    EXPECT_EQ(dialogs.lngNumFilesSelected(), 3);
    EXPECT_EQ(dialogs.strLastOpenFolder(), "/in/");
    EXPECT_EQ(dialogs.lngLastOpenFilter(), 3);
    EXPECT_EQ(dialogs.fstrReturnSingleFileName(2), "/in/c d.txt");
    EXPECT_EQ(dialogs.fstrReturnSingleFileName(3), "");
    EXPECT_EQ(dialogs.fstrReturnSingleFileName(-1), "");

    backend.chooseFiles({"/other/one.txt"});
    EXPECT_EQ(dialogs.strGetOpenFileName(), "/other/one.txt");
    EXPECT_EQ(dialogs.lngNumFilesSelected(), 1);
    EXPECT_EQ(dialogs.strLastOpenFile(), "one.txt");
    EXPECT_EQ(dialogs.strInitialDir(), "/other/");
}

TEST_F(DialogsTest, failuresAreRecordedAndShownOnlyWhileErrorMessagesAreOn)
{
    Dialogs dialogs(backend);
    scriptedHost().answerMessageBox(MessageAnswer::Ok);
    backend.dismiss(Dialog::File, 0x3002);
    EXPECT_EQ(dialogs.strGetSaveFileName(), "");
    EXPECT_EQ(dialogs.lngDialogError(), 0x3002);
    EXPECT_EQ(scriptedHost().lastPrompt().text, "Invalid File Name");
    EXPECT_EQ(scriptedHost().lastPrompt().title, "DIALOG ERROR");
    EXPECT_EQ(scriptedHost().lastPrompt().icon, tav::platform::MessageIcon::Critical);
    EXPECT_EQ(scriptedHost().lastPrompt().buttons, tav::platform::MessageButtons::Ok);

    dialogs.setBlnShowErrorMessages(false);
    backend.dismiss(Dialog::Font, 0xFFFF);
    EXPECT_FALSE(dialogs.blnChooseFont());
    EXPECT_EQ(dialogs.strDialogError(), "Dialog Failure");
    backend.dismiss(Dialog::Color, 13);
    EXPECT_EQ(dialogs.lngChooseColor(0), -1);
    EXPECT_EQ(dialogs.strDialogError(), "Unknown Error");
    backend.dismiss(Dialog::PageSetup, 0x3003);
    EXPECT_FALSE(dialogs.blnPageSetup());
    EXPECT_EQ(dialogs.strDialogError(), "File Name/Title Buffer Too Small");
    backend.dismiss(Dialog::Print, 12);
    EXPECT_FALSE(dialogs.blnPrintDialog());
    EXPECT_EQ(dialogs.strDialogError(), "Register Message Failure");
    backend.dismiss(Dialog::Folder, 2);
    EXPECT_EQ(dialogs.fstrBrowseForFolder(5), "");
    EXPECT_EQ(dialogs.lngDialogError(), 12) << "the folder dialog reports nothing";
    EXPECT_EQ(backend.folderRequests().at(0).title, "Select Folder");
    EXPECT_EQ(backend.folderRequests().at(0).owner, 5u);
}

TEST_F(DialogsTest, aChosenFontGivesWholePointsStyleAndAnyLengthOfName)
{
    Dialogs dialogs(backend);
    const QString longName = "Extended Condensed Grotesque Display Sans Variable " + QString(40, 'x');
    const struct {
        int tenths;
        qint32 fontType;
        qint32 points;
        const char* style;
    } cases[] = {{0, 0x400, 10, ""}, {5, 0x400, 10, ""}, {105, 0x100, 10, "Bold"}, {115, 0x200, 12, "Italic"},
                 {125, 0x300, 12, "Italic"}, {126, 0x400, 13, ""}};
    for (const auto& c : cases) {
        backend.chooseFont({longName, c.tenths, 0xFF, c.fontType});
        ASSERT_TRUE(dialogs.blnChooseFont());
        EXPECT_EQ(dialogs.lngFontSize(), c.points) << c.tenths;
        EXPECT_EQ(dialogs.strFontStyle(), c.style) << c.fontType;
        EXPECT_EQ(dialogs.blnIsFontBold(), (c.fontType & 0x100) != 0);
        EXPECT_EQ(dialogs.blnIsFontItalic(), (c.fontType & 0x200) != 0);
    }
    EXPECT_EQ(dialogs.strFontFaceName(), longName);
    EXPECT_EQ(dialogs.lngFontColor(), 0xFF);

    backend.dismiss(Dialog::Font);
    EXPECT_FALSE(dialogs.blnChooseFont());
    EXPECT_EQ(dialogs.lngFontSize(), 13) << "a cancel keeps the last choice";
    EXPECT_EQ(dialogs.lngFontType(), 0x400);
}

TEST_F(DialogsTest, colourAndPageSetupStartFromTheObjectsValuesAndKeepTheChoice)
{
    Dialogs dialogs(backend);
    tav::platform::CustomColors edited{};
    edited[3] = 0x123456;
    backend.chooseColor({0x00FF00, edited});
    EXPECT_EQ(dialogs.lngChooseColor(0x0000FF), 0x00FF00);
    backend.dismiss(Dialog::Color);
    EXPECT_EQ(dialogs.lngChooseColor(0), -1);
    EXPECT_EQ(dialogs.lngColor(), 0x00FF00);
    const auto& first = backend.colorRequests().at(0);
    EXPECT_EQ(first.initialColor, 0x0000FF);
    EXPECT_EQ(first.customColors[2], 0x0000FF) << "red";
    EXPECT_EQ(first.customColors[15], 0xFFFFFF);
    EXPECT_EQ(backend.colorRequests().at(1).customColors, edited) << "the user's custom colours stay";

    dialogs.setIntLeftMargin(750);
    backend.confirmPageSetup({11000, 8500, {250, 250, 250, 250}, {40000, 600, 700, 800}});
    EXPECT_TRUE(dialogs.blnPageSetup());
    const tav::platform::PageSetup expected{8500, 11000, {250, 250, 250, 250}, {750, 500, 500, 500}};
    EXPECT_EQ(backend.pageSetupRequests().at(0).page, expected);
    EXPECT_EQ(dialogs.lngPaperWidth(), 11000);
    EXPECT_EQ(dialogs.intLeftMargin(), 32767) << "a margin beyond the 16-bit members keeps the largest they hold";
    EXPECT_EQ(dialogs.intBottomMargin(), 800);

    backend.confirmPrint();
    EXPECT_TRUE(dialogs.blnPrintDialog());
}

TEST_F(DialogsTest, theSharedObjectWritesItsFileWhenReleased)
{
    createDialogs(backend);
    ASSERT_TRUE(dialogsExist());
    backend.chooseFiles({"/books/new.xml"});
    dialogs().strGetSaveFileName();
    EXPECT_FALSE(QFile::exists(dialogIniFilePath()));
    releaseDialogs();
    EXPECT_FALSE(dialogsExist());
    EXPECT_EQ(iniValue("LastSaveFile"), "/books/new.xml");
}
