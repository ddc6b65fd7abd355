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
        std::optional<TimedLoad> loaded = timedLoad(context.databasePath);
        if (!loaded)
            return false;
        const std::optional<double> sinceLaunch = secondsSinceLaunch();
        records::LoadResult& result = loaded->result;
        context.database = std::move(result.database);
        context.report("load", loaded->reading + loaded->naming, "s");
        context.report("load-read", loaded->reading, "s");
        context.report("load-name-sort", loaded->naming, "s");
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
        const std::optional<double> seconds = timedSave(context.scratchPath, context.database);
        QFile::remove(records::FileReplacement::backupPath(context.scratchPath));
        if (!seconds)
            return false;
        context.report("save", *seconds, "s");
        return true;
    }
};

} // namespace

std::optional<TimedLoad> timedLoad(const QString& path)
{
    TimedLoad loaded;
    loaded.reading = secondsFor([&] { loaded.result = records::loadDatabase(path); });
    if (loaded.result.status != records::LoadResult::Status::Loaded) {
        std::fprintf(stderr, "load failed: %s\n", qPrintable(loaded.result.problem.reason));
        return std::nullopt;
    }
    loaded.naming = secondsFor([&] { records::addCustomerNamesToRecords(loaded.result.database); });
    return loaded;
}

std::optional<double> timedSave(const QString& path, const records::Database& database)
{
    std::optional<records::FileProblem> problem;
    const double seconds = secondsFor([&] { problem = records::saveDatabase(path, database); });
    if (problem) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(problem->reason));
        return std::nullopt;
    }
    return seconds;
}

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
