// levelmake: turns the readable level maps into level files exactly as the
// editor writes them, and plays macro routes through the rules to write
// the exact scripts tamb-sim replays.
#include <filesystem>
#include <iostream>
#include <optional>
#include <regex>
#include <string>

#include "AsciiLevel.h"
#include "LevelStats.h"
#include "LineSplit.h"
#include "Script.h"
#include "RouteBuilder.h"

namespace fs = std::filesystem;
using namespace tamb;
using namespace tamb::levelmake;

namespace {

int usage() {
    std::cerr << "usage:\n"
                 "  levelmake build MAP.txt LEVELFILE\n"
                 "  levelmake build-all MAPDIR LEVELDIR      (levelN.txt -> levelN)\n"
                 "  levelmake show LEVELFILE                 (prints the map)\n"
                 "  levelmake route LEVELFILE MACRO OUT      (writes the slot script)\n"
                 "  levelmake stats LEVELFILE... [--routes DIR] [--markdown] [--map-only]\n"
                 "                                           (the campaign's figures per level;\n"
                 "                                            routes default to routes/ beside the files)\n";
    return 2;
}

void build(const std::string& src, const std::string& out) {
    const AsciiLevel level = readAsciiLevel(src);
    writeLines(out, encodeOrThrow(level.grid));
}

// "level12" is level 12; other names count from their place in the list.
int numberOf(const fs::path& file, int fallback) {
    const std::regex name("level([0-9]+)");
    std::smatch m;
    const std::string stem = file.filename().string();
    return std::regex_match(stem, m, name) ? std::stoi(m[1].str()) : fallback;
}

int stats(int argc, char** argv) {
    std::vector<fs::path> files;
    std::optional<fs::path> routes;
    bool markdown = false;
    StatsOptions options;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--routes" && i + 1 < argc) routes = argv[++i];
        else if (arg == "--markdown") markdown = true;
        else if (arg == "--map-only") options.plays = false;
        else if (arg.rfind("--", 0) == 0) return usage();
        else files.emplace_back(arg);
    }
    if (files.empty()) return usage();
    std::vector<GameLevel> levels;
    std::vector<LevelStats> all;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const fs::path& file = files[i];
        levels.push_back(decodeGameLevel(splitLines(readFile(file.string()))));
        const int number = numberOf(file, static_cast<int>(i) + 1);
        const fs::path route = routes.value_or(file.parent_path() / "routes") / (file.filename().string() + ".route");
        std::vector<ScriptEntry> script;
        const bool hasRoute = fs::exists(route);
        if (hasRoute) script = parseScript(splitLines(readFile(route.string())));
        all.push_back(measureLevel(levels.back(), number, hasRoute ? &script : nullptr, options));
    }
    compareLevels(levels, all);
    std::cout << statsTable(all, markdown);
    for (const LevelStats& s : all)
        for (const Failure& f : levelFailures(s))
            std::cout << "level" << s.number << ": criterion " << f.criterion << ": " << f.what << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc < 2) return usage();
        const std::string mode = argv[1];
        if (mode == "build" && argc == 4) {
            build(argv[2], argv[3]);
        } else if (mode == "build-all" && argc == 4) {
            const std::regex name("level([0-9]+)\\.txt");
            int count = 0;
            for (const auto& entry : fs::directory_iterator(argv[2])) {
                std::smatch m;
                const std::string file = entry.path().filename().string();
                if (!std::regex_match(file, m, name)) continue;
                build(entry.path().string(), (fs::path(argv[3]) / ("level" + m[1].str())).string());
                ++count;
            }
            std::cout << count << " levels built\n";
        } else if (mode == "stats") {
            return stats(argc, argv);
        } else if (mode == "show" && argc == 3) {
            EditorGrid grid{};
            decodeEditorLevel(splitLines(readFile(argv[2])), grid);
            std::cout << gridToAscii(grid);
        } else if (mode == "route" && argc == 5) {
            const RouteResult r = buildRouteFile(argv[2], argv[3], argv[4]);
            std::cout << r.summary << "\n";
            return r.passed ? 0 : 1;
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::cerr << "levelmake: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
