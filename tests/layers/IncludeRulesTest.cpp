// The include rules check (tools/include_rules.cpp) run as CI runs it, over small source trees.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exitCode = -1;
    std::string output;
};

// Writes the files (path in the tree: text) into a fresh folder "src" and checks it in the layer
// order records < platform < app.
Outcome check(const std::map<std::string, std::string>& files)
{
    std::string scratch = (fs::temp_directory_path() / "include-rules-XXXXXX").string();
    if (!mkdtemp(scratch.data()))
        return {};
    const fs::path root = fs::path(scratch) / "src";
    for (const auto& [path, text] : files) {
        fs::create_directories((root / path).parent_path());
        std::ofstream(root / path) << text;
    }
    Outcome outcome;
    const std::string command = std::string("'") + TAV_INCLUDE_RULES + "' '" + root.string() + "' records platform app";
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe))
        outcome.output += buffer;
    const int status = pipe ? pclose(pipe) : -1;
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    fs::remove_all(scratch);
    return outcome;
}

} // namespace

TEST(IncludeRulesTest, TreeThatKeepsTheRulesPasses)
{
    const Outcome outcome = check({
        { "records/Money.h", "#pragma once\n" },
        { "records/Money.cpp", "#include \"Money.h\"\n// #include \"app/Main.h\"\n" },
        { "app/Main.cpp",
            "#include \"Main.h\"\n#include \"records/Money.h\"\n#include \"ui_Main.h\"\n#include <QString>\n" },
        { "app/Main.h", "#pragma once\n#include \"records/Money.h\"\n" },
    });
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output, "include rules hold in src (records < platform < app)\n");
}

// Qt's common include folder would find <QtGui/QColor> from records; <QColor> it does not.
TEST(IncludeRulesTest, IncludeOfALaterLayerOrOfAQtModuleByItsFolderIsToldWithItsLine)
{
    const Outcome outcome = check({
        { "records/Money.cpp", "#include \"Money.h\"\n#include \"app/Main.h\"\n#include <QtGui/QColor>\n" },
        { "records/Money.h", "#pragma once\n" },
        { "platform/Host.cpp", "#include \"records/Money.h\"\n  #  include <app/Main.h>\n" },
        { "app/Main.h", "#pragma once\n" },
    });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output,
        "src/platform/Host.cpp:2: \"app/Main.h\" is in layer app, which platform may not use (it may use records, "
        "platform)\n"
        "src/records/Money.cpp:2: \"app/Main.h\" is in layer app, which records may not use (it may use records)\n"
        "src/records/Money.cpp:3: <QtGui/QColor> names its Qt module: write <QColor>, so that the layer's include "
        "folders decide which Qt modules it sees\n"
        "include rules broken in src (records < platform < app): 3 finding(s)\n");
}

// A module is a header with its source file; names resolve from the including file's folder first.
TEST(IncludeRulesTest, CycleOfModulesIsToldWithItsMembersAndOneRound)
{
    const Outcome outcome = check({
        { "app/pages/A.h", "#pragma once\n" },
        { "app/pages/A.cpp", "#include \"A.h\"\n#include \"B.h\"\n" },
        { "app/pages/B.h", "#pragma once\n#include \"app/C.h\"\n" },
        { "app/C.h", "#pragma once\n#include \"pages/A.h\"\n" },
        { "app/D.cpp", "#include \"C.h\"\n" },
    });
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.output,
        "src/app: include cycle of 3 modules: app/C, app/pages/A, app/pages/B\n"
        "  one round:\n"
        "    src/app/C.h:2: includes \"pages/A.h\"\n"
        "    src/app/pages/A.cpp:2: includes \"B.h\"\n"
        "    src/app/pages/B.h:2: includes \"app/C.h\"\n"
        "include rules broken in src (records < platform < app): 1 finding(s)\n");
}
