// The benchmark program; bench/run drives it and compares with xmllint and dd.
//   generate FILE SCALE       writes the synthetic database at that scale (1 = the full size)
//   run FILE [CASE...]        the database file's cases (all when none is named)
//   window FILE [CASE...]     the main window's cases, the window shown offscreen
//   files FILE [CASE...]      the main window's file commands (Open, Save As, closing the books)
//   growth FILE [CASE...]     the cases that show whether a step grows linearly
//   start FILE [cancel]       the real program started on the file, and Cancel in it
// Each prints its figures, one "name value unit" a line, and the process's peak memory.
#include "BenchCase.h"
#include "ProcessFigures.h"
#include "StartCase.h"
#include "SyntheticDatabase.h"
#include "WindowCases.h"

#include "records/DatabaseFile.h"
#include "records/FileReplacement.h"

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using namespace tav;

int generate(const QString& path, double scale)
{
    QFile::remove(path);
    const records::Database database = bench::syntheticDatabase(bench::SyntheticSize::scaled(scale));
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
    bench::ProfilerControl& profiler = bench::ProfilerControl::instance();
    for (const auto& benchCase : cases) {
        if (!names.isEmpty() && !names.contains(QLatin1String(benchCase->name())))
            continue;
        if (benchCase->needsLoadedDatabase() && !context.loaded) {
            profiler.arm(names.contains(QLatin1String(load->name())));
            ok = load->run(context) && ok;
        }
        profiler.arm(true);
        ok = benchCase->run(context) && ok;
        profiler.arm(false);
    }
    QFile::remove(context.scratchPath);
    context.report("peak-memory", bench::peakResidentMiB(), "MiB");
    return ok ? 0 : 1;
}

int usage()
{
    std::fprintf(stderr,
        "usage: tav_bench generate FILE SCALE | run FILE [CASE...] | window FILE [CASE...]"
        " | files FILE [CASE...] | growth FILE [CASE...] | start FILE [cancel]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    const char* command = argv[1];
    // The real program makes its own application object.
    if (std::strcmp(command, "start") == 0)
        return bench::startProgram(
            argc, argv, QString::fromLocal8Bit(argv[2]), argc >= 4 && std::strcmp(argv[3], "cancel") == 0);
    // The window's cases need a widget application (drawing on no screen); the file's cases run
    // in a process of their own without one, whose start leaves the heap in another state.
    const bool window = std::strcmp(command, "window") == 0 || std::strcmp(command, "files") == 0
        || std::strcmp(command, "growth") == 0;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application
        = window ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    int status = 2;
    if (arguments[1] == QLatin1String("generate") && arguments.size() == 4)
        status = generate(arguments[2], arguments[3].toDouble());
    else if (arguments[1] == QLatin1String("run"))
        status = run(bench::fileCases(), arguments[2], arguments.mid(3));
    else if (arguments[1] == QLatin1String("window"))
        status = run(bench::windowCases(), arguments[2], arguments.mid(3));
    else if (arguments[1] == QLatin1String("files"))
        status = run(bench::fileCommandCases(), arguments[2], arguments.mid(3));
    else if (window)
        status = run(bench::growthCases(), arguments[2], arguments.mid(3));
    else
        return usage();
    // Freeing a large database is no part of what is measured.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}
