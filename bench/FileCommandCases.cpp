#include "WindowCases.h"

#include "BenchWindow.h"
#include "ProcessFigures.h"

#include "app/books/DatabasePath.h"
#include "platform/CommandButton.h"
#include "records/FileReplacement.h"

#include <QFile>

#include <cstdio>

namespace tav::bench {

namespace {

// A file the commands may write: the file dialogs' names end in ".xml", or the commands add it.
QString newDatabaseFile(const BenchContext& context)
{
    return context.scratchPath + QLatin1String(".xml");
}

// The Options page's Open, choosing the database file under test while the window shows it.
class OpenCase final : public BenchCase {
public:
    const char* name() const override { return "open"; }

    bool run(BenchContext& context) override
    {
        BenchWindow window(context.database, BenchWindow::OptionsPage);
        window.chooseFile(context.databasePath);
        const int messagesBefore = window.host().messages();
        const double seconds = secondsFor([&] {
            window->optionsPage().controls().cmdChangePath[app::FileCommands::Open]->click();
            BenchWindow::settle();
        });
        if (app::databasePath() != context.databasePath || window.host().messages() != messagesBefore) {
            std::fprintf(stderr, "open: the file was not opened, or the command showed a message\n");
            return false;
        }
        context.report("open", seconds, "s");
        return true;
    }
};

// Save As: the database written to a new file, which then is read back and shown. First, what it is
// held to, in the same process just before: a save of the same database to the same new file, and
// a load of the database under test.
class SaveAsCase final : public BenchCase {
public:
    const char* name() const override { return "save-as"; }

    bool run(BenchContext& context) override
    {
        const QString target = newDatabaseFile(context);
        QFile::remove(target);
        const std::optional<double> saving = timedSave(target, context.database);
        QFile::remove(target);
        const std::optional<TimedLoad> loading = saving ? timedLoad(context.databasePath) : std::nullopt;
        if (!loading)
            return false;
        context.report("save-as-save", *saving, "s");
        context.report("save-as-load", loading->reading + loading->naming, "s");
        BenchWindow window(context.database, BenchWindow::OptionsPage);
        window.chooseFile(target);
        const double seconds = secondsFor([&] {
            window->optionsPage().controls().cmdChangePath[app::FileCommands::SaveAs]->click();
            BenchWindow::settle();
        });
        const bool written = app::databasePath() == target && QFile::exists(target);
        QFile::remove(target);
        QFile::remove(records::FileReplacement::backupPath(target));
        if (!written) {
            std::fprintf(stderr, "save-as: the database was not saved under the new name\n");
            return false;
        }
        context.report("save-as", seconds, "s");
        return true;
    }
};

// Closing the books with unsaved changes: the changes saved to the old file, then a new file of
// the customers and products. It leaves the database without periods and invoice records.
class CloseBooksCase final : public BenchCase {
public:
    const char* name() const override { return "close-books"; }

    bool run(BenchContext& context) override
    {
        const QString target = newDatabaseFile(context);
        QFile::remove(target);
        BenchWindow window(context.database, BenchWindow::OptionsPage);
        const QString oldFile = app::databasePath();
        window.settings().setValue(
            QStringLiteral("Messages"), QStringLiteral("DontShowExplanationOfClosingBooks"), QStringLiteral("True"));
        window->books().setUnsaved(true);
        window.chooseFile(target);
        const double seconds = secondsFor([&] {
            window->optionsPage().controls().cmdCloseBooks[4]->click();
            BenchWindow::settle();
        });
        const bool closed
            = app::databasePath() == target && QFile::exists(oldFile) && window->books().data().invoiceRecords.isEmpty();
        QFile::remove(target);
        QFile::remove(records::FileReplacement::backupPath(target));
        if (!closed) {
            std::fprintf(stderr, "close-books: the books were not closed\n");
            return false;
        }
        context.report("close-books", seconds, "s");
        return true;
    }
};

} // namespace

std::vector<std::unique_ptr<BenchCase>> fileCommandCases()
{
    std::vector<std::unique_ptr<BenchCase>> cases;
    cases.push_back(loadCase());
    cases.push_back(std::make_unique<OpenCase>());
    cases.push_back(std::make_unique<SaveAsCase>());
    // It empties the periods, so it comes last.
    cases.push_back(std::make_unique<CloseBooksCase>());
    return cases;
}

} // namespace tav::bench
