#include "BenchCase.h"
#include "ProcessFigures.h"

#include "records/CustomerNames.h"
#include "records/DatabaseFile.h"
#include "records/FileReplacement.h"

#include <QFile>

#include <cstdio>

namespace tav::bench {

namespace {

// Start-up's load: read the file, name the invoice records, sort them. Also reports the two
// parts on their own and, the first time, the time since the process was launched.
class LoadCase final : public BenchCase {
public:
    const char* name() const override { return "load"; }
    bool needsLoadedDatabase() const override { return false; }

    bool run(BenchContext& context) override
    {
        context.database = {};
        records::LoadResult result;
        const double reading = secondsFor([&] { result = records::loadDatabase(context.databasePath); });
        if (result.status != records::LoadResult::Status::Loaded) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(result.problem.reason));
            return false;
        }
        const double naming = secondsFor([&] { records::addCustomerNamesToRecords(result.database); });
        const std::optional<double> sinceLaunch = secondsSinceLaunch();
        context.database = std::move(result.database);
        context.report("load", reading + naming, "s");
        context.report("load-read", reading, "s");
        context.report("load-name-sort", naming, "s");
        if (!context.loaded && sinceLaunch)
            context.report("load-process", *sinceLaunch, "s");
        context.report("invoice-records", static_cast<double>(context.database.invoiceRecords.count()), "");
        context.report("lines-not-read", static_cast<double>(result.report.lineCountNotRead), "");
        context.loaded = true;
        return true;
    }
};

// A save of the whole database, as the Save button does it.
class SaveCase final : public BenchCase {
public:
    const char* name() const override { return "save"; }

    bool run(BenchContext& context) override
    {
        // The save replaces a file of the same size, as a real save does.
        QFile::remove(context.scratchPath);
        if (!QFile::copy(context.databasePath, context.scratchPath)) {
            std::fprintf(stderr, "could not copy the database to %s\n", qPrintable(context.scratchPath));
            return false;
        }
        std::optional<records::FileProblem> problem;
        const double seconds
            = secondsFor([&] { problem = records::saveDatabase(context.scratchPath, context.database); });
        QFile::remove(records::FileReplacement::backupPath(context.scratchPath));
        if (problem) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(problem->reason));
            return false;
        }
        context.report("save", seconds, "s");
        return true;
    }
};

} // namespace

std::unique_ptr<BenchCase> loadCase()
{
    return std::make_unique<LoadCase>();
}

std::vector<std::unique_ptr<BenchCase>> fileCases()
{
    std::vector<std::unique_ptr<BenchCase>> cases;
    cases.push_back(loadCase());
    cases.push_back(std::make_unique<SaveCase>());
    return cases;
}

double secondsFor(const std::function<void()>& work)
{
    ProfilerControl& profiler = ProfilerControl::instance();
    profiler.send("enable");
    const auto start = std::chrono::steady_clock::now();
    work();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    profiler.send("disable");
    return seconds;
}

void BenchContext::report(const char* name, double value, const char* unit)
{
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

} // namespace tav::bench
