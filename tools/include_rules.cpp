// Checks the include rules of the layers over a source folder:
//   tav-include-rules SOURCE-FOLDER LAYER...
// The layers are named in their order, each a folder of SOURCE-FOLDER. A file of a layer may include
// files of its own layer and of the layers before it; inside a layer, no modules (a header with its
// source file) may include each other in a cycle. An include is resolved as the compiler resolves
// it: a quoted name from the including file's folder first, then from SOURCE-FOLDER. A Qt header is
// named without its module folder (<QWidget>, never <QtWidgets/QWidget>): Qt's common include
// folder finds that form from any layer, the other only from a layer that links the module.
// Each include against these rules is told with its file and line, each cycle with its modules and
// one round of includes that closes it. Exits 0 when the rules hold, 1 when they do not, 2 on a
// wrong call.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <queue>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Paths are relative to the source folder, with forward slashes.
struct Include {
    std::string file;
    int line = 0;
    std::string written; // as the directive writes it
    std::string target;
};

struct Sources {
    std::set<std::string> files;
    std::vector<Include> includes; // of files in the source folder only
    std::vector<Include> qtByModule; // Qt headers named with their module folder
};

bool isSource(const fs::path& path)
{
    return path.extension() == ".h" || path.extension() == ".cpp";
}

// The name of an #include directive on the line and whether it is quoted.
std::optional<std::pair<std::string, bool>> includedName(const std::string& line)
{
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#')
        return std::nullopt;
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0)
        return std::nullopt;
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos || (line[at] != '"' && line[at] != '<'))
        return std::nullopt;
    const bool quoted = line[at] == '"';
    const std::size_t end = line.find(quoted ? '"' : '>', at + 1);
    if (end == std::string::npos)
        return std::nullopt;
    return std::make_pair(line.substr(at + 1, end - at - 1), quoted);
}

bool namesQtModule(const std::string& name)
{
    const std::size_t slash = name.find('/');
    return name.rfind("Qt", 0) == 0 && slash != std::string::npos && slash > 2;
}

std::optional<std::string> resolve(
    const Sources& sources, const std::string& from, const std::string& name, bool quoted)
{
    std::vector<fs::path> candidates;
    if (quoted)
        candidates.push_back(fs::path(from).parent_path() / name);
    candidates.push_back(fs::path(name));
    for (const fs::path& candidate : candidates) {
        const std::string normal = candidate.lexically_normal().generic_string();
        if (sources.files.count(normal))
            return normal;
    }
    return std::nullopt;
}

Sources readSources(const fs::path& root)
{
    Sources sources;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && isSource(entry.path()))
            sources.files.insert(entry.path().lexically_relative(root).generic_string());
    for (const std::string& file : sources.files) {
        std::ifstream in(root / file);
        std::string text;
        for (int line = 1; std::getline(in, text); ++line)
            if (const auto name = includedName(text)) {
                if (const auto target = resolve(sources, file, name->first, name->second))
                    sources.includes.push_back({ file, line, name->first, *target });
                else if (namesQtModule(name->first))
                    sources.qtByModule.push_back({ file, line, name->first, {} });
            }
    }
    return sources;
}

std::string firstFolder(const std::string& path)
{
    const std::size_t slash = path.find('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string moduleOf(const std::string& path)
{
    return fs::path(path).replace_extension().generic_string();
}

class Check {
public:
    Check(std::string shownRoot, std::vector<std::string> layers)
        : shownRoot_(std::move(shownRoot))
        , layers_(std::move(layers))
    {
    }

    // Every include of a later layer, or of a file in no layer, by a file of a layer.
    void layerOrder(const Sources& sources)
    {
        for (const Include& include : sources.includes) {
            const std::size_t from = rank(include.file);
            const std::size_t to = rank(include.target);
            if (from >= layers_.size() || to <= from)
                continue;
            const std::string where = to < layers_.size() ? "in layer " + layers_[to] : "in no layer";
            std::printf("%s: \"%s\" is %s, which %s may not use (it may use %s)\n", shown(include).c_str(),
                include.written.c_str(), where.c_str(), layers_[from].c_str(), usable(from).c_str());
            ++failures_;
        }
    }

    // Every Qt header named with its module folder.
    void qtHeaderNames(const Sources& sources)
    {
        for (const Include& include : sources.qtByModule) {
            const std::string header = include.written.substr(include.written.find('/') + 1);
            std::printf("%s: <%s> names its Qt module: write <%s>, so that the layer's include folders decide "
                        "which Qt modules it sees\n",
                shown(include).c_str(), include.written.c_str(), header.c_str());
            ++failures_;
        }
    }

    // Every set of modules of one layer that include each other round, with one round shown.
    void cycles(const Sources& sources)
    {
        Graph graph;
        for (const Include& include : sources.includes) {
            const std::string from = moduleOf(include.file);
            const std::string to = moduleOf(include.target);
            if (from != to && rank(include.file) < layers_.size() && rank(include.file) == rank(include.target))
                graph[from].try_emplace(to, include);
            graph.try_emplace(to);
        }
        for (const std::vector<std::string>& members : stronglyConnected(graph)) {
            if (members.size() < 2)
                continue;
            std::printf("%s/%s: include cycle of %zu modules:", shownRoot_.c_str(), firstFolder(members[0]).c_str(),
                members.size());
            for (const std::string& member : members)
                std::printf("%s %s", &member == &members.front() ? "" : ",", member.c_str());
            std::printf("\n  one round:\n");
            for (const Include* step : shortestRound(graph, members))
                std::printf("    %s: includes \"%s\"\n", shown(*step).c_str(), step->written.c_str());
            ++failures_;
        }
    }

    int finish() const
    {
        std::string order;
        for (const std::string& layer : layers_)
            order += (order.empty() ? "" : " < ") + layer;
        if (failures_ == 0) {
            std::printf("include rules hold in %s (%s)\n", shownRoot_.c_str(), order.c_str());
            return 0;
        }
        std::printf("include rules broken in %s (%s): %d finding(s)\n", shownRoot_.c_str(), order.c_str(), failures_);
        return 1;
    }

private:
    // Module to the modules it includes, each with the first include that does.
    using Graph = std::map<std::string, std::map<std::string, Include>>;

    std::size_t rank(const std::string& path) const
    {
        const auto at = std::find(layers_.begin(), layers_.end(), firstFolder(path));
        return static_cast<std::size_t>(at - layers_.begin());
    }

    std::string usable(std::size_t rank) const
    {
        std::string names;
        for (std::size_t i = 0; i <= rank; ++i)
            names += (i == 0 ? "" : ", ") + layers_[i];
        return names;
    }

    std::string shown(const Include& include) const
    {
        return shownRoot_ + "/" + include.file + ":" + std::to_string(include.line);
    }

    // Tarjan's algorithm; members of each component in name order.
    static std::vector<std::vector<std::string>> stronglyConnected(const Graph& graph)
    {
        std::map<std::string, int> index, low;
        std::vector<std::string> stack;
        std::set<std::string> onStack;
        std::vector<std::vector<std::string>> components;
        std::function<void(const std::string&)> visit = [&](const std::string& node) {
            index[node] = low[node] = static_cast<int>(index.size());
            stack.push_back(node);
            onStack.insert(node);
            for (const auto& [next, include] : graph.at(node)) {
                if (!index.count(next)) {
                    visit(next);
                    low[node] = std::min(low[node], low[next]);
                } else if (onStack.count(next)) {
                    low[node] = std::min(low[node], index[next]);
                }
            }
            if (low[node] != index[node])
                return;
            std::vector<std::string> component;
            std::string member;
            do {
                member = stack.back();
                stack.pop_back();
                onStack.erase(member);
                component.push_back(member);
            } while (member != node);
            std::sort(component.begin(), component.end());
            components.push_back(component);
        };
        for (const auto& [node, edges] : graph)
            if (!index.count(node))
                visit(node);
        std::sort(components.begin(), components.end());
        return components;
    }

    // The shortest way from the first member back to itself, through members only.
    static std::vector<const Include*> shortestRound(const Graph& graph, const std::vector<std::string>& members)
    {
        const std::set<std::string> inside(members.begin(), members.end());
        const std::string& start = members.front();
        std::map<std::string, const Include*> reachedBy;
        std::queue<std::string> next;
        next.push(start);
        while (!next.empty() && !reachedBy.count(start)) {
            const std::string node = next.front();
            next.pop();
            for (const auto& [to, include] : graph.at(node))
                if (inside.count(to) && !reachedBy.count(to)) {
                    reachedBy[to] = &include;
                    next.push(to);
                }
        }
        std::vector<const Include*> round;
        std::string node = start;
        do {
            const Include* step = reachedBy.at(node);
            round.push_back(step);
            node = moduleOf(step->file);
        } while (node != start);
        std::reverse(round.begin(), round.end());
        return round;
    }

    std::string shownRoot_;
    std::vector<std::string> layers_;
    int failures_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tav-include-rules SOURCE-FOLDER LAYER...\n");
        return 2;
    }
    const fs::path root = fs::path(argv[1]).lexically_normal();
    if (!fs::is_directory(root)) {
        std::fprintf(stderr, "tav-include-rules: %s is no folder\n", argv[1]);
        return 2;
    }
    const Sources sources = readSources(root);
    // Shown by the folder's own name, as "src/records/Money.cpp:3".
    Check check(root.filename().empty() ? root.parent_path().filename().string() : root.filename().string(),
        std::vector<std::string>(argv + 2, argv + argc));
    check.layerOrder(sources);
    check.qtHeaderNames(sources);
    check.cycles(sources);
    return check.finish();
}
