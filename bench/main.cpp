// The benchmark program: "generate FILE" writes the synthetic database; "run FILE [CASE...]"
// runs the named cases of the database file (all when none is named) and "window FILE [CASE...]"
// those of the main window, each reporting its figures and the peak memory. bench/run drives it
// and compares with xmllint and dd.
#include "BenchCase.h"
#include "SyntheticDatabase.h"
#include "WindowCases.h"

#include "records/DatabaseFile.h"
#include "records/FileReplacement.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace {

using namespace tav;

int generate(const QString& path)
{
    QFile::remove(path);
    const records::Database database = bench::syntheticDatabase({});
    if (const auto problem = records::saveDatabase(path, database)) {
        std::fprintf(stderr, "could not write %s: %s\n", qPrintable(path), qPrintable(problem->reason));
        return 1;
    }
    QFile::remove(records::FileReplacement::backupPath(path));
    return 0;
}

int run(std::vector<std::unique_ptr<bench::BenchCase>> cases, const QString& path, const QStringList& names)
{
    bench::BenchContext context;
    context.databasePath = path;
    context.scratchPath = path + QStringLiteral(".bench-scratch");
    bench::BenchCase* load = nullptr;
    for (const auto& benchCase : cases) {
        if (std::strcmp(benchCase->name(), "load") == 0)
            load = benchCase.get();
    }
    bool ok = true;
    for (const auto& benchCase : cases) {
        if (!names.isEmpty() && !names.contains(QLatin1String(benchCase->name())))
            continue;
        if (benchCase->needsLoadedDatabase() && !context.loaded)
            ok = load->run(context) && ok;
        ok = benchCase->run(context) && ok;
    }
    QFile::remove(context.scratchPath);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    context.report("peak-memory", static_cast<double>(usage.ru_maxrss) / 1024.0, "MiB");
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // The window's cases need a widget application (drawing on no screen); the file's cases run
    // in a process of their own without one, whose start leaves the heap in another state.
    const bool window = argc >= 2 && std::strcmp(argv[1], "window") == 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application
        = window ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("generate"))
        return generate(arguments[2]);
    if (arguments.size() >= 3 && arguments[1] == QLatin1String("run"))
        return run(bench::fileCases(), arguments[2], arguments.mid(3));
    if (window && arguments.size() >= 3)
        return run(bench::windowCases(), arguments[2], arguments.mid(3));
    std::fprintf(stderr, "usage: tav_bench generate FILE | run FILE [CASE...] | window FILE [CASE...]\n");
    return 2;
}
