#pragma once

#include "records/Database.h"
#include "records/DatabaseFile.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tav::bench {

// What every case can use: the database file under test, the database as the last load left
// it, and a place for its figures.
struct BenchContext {
    QString databasePath;
    // A path in the same folder that a case may write to; removed after the run.
    QString scratchPath;
    records::Database database;
    bool loaded = false;

    // Prints "name value unit" on a line of its own, for the script to pick up.
    static void report(const char* name, double value, const char* unit);
};

// One measured operation. A case that needs the database loaded says so; the run then loads it
// first with the "load" case. To add one, derive from this class in a file of its own, report its
// figures through the context, and list it in fileCases() or windowCases(); a case that changes
// the database goes after those that only read it.
class BenchCase {
public:
    virtual ~BenchCase() = default;
    virtual const char* name() const = 0;
    virtual bool needsLoadedDatabase() const { return true; }
    // Runs the operation once; false when it failed (and says why on stderr).
    virtual bool run(BenchContext& context) = 0;
};

// The database file's cases (load, save), in the order they run when none is named.
std::vector<std::unique_ptr<BenchCase>> fileCases();
std::unique_ptr<BenchCase> loadCase();

// Seconds taken by work.
double secondsFor(const std::function<void()>& work);

// A load as start-up does it: the file read, then its invoice records named and sorted. Nothing
// when it failed (and why on stderr).
struct TimedLoad {
    records::LoadResult result;
    double reading = 0;
    double naming = 0;
};
std::optional<TimedLoad> timedLoad(const QString& path);
// The seconds a save of the database to path took; nothing when it failed (and why on stderr).
std::optional<double> timedSave(const QString& path, const records::Database& database);

} // namespace tav::bench
