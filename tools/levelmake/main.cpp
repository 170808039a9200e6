// levelmake: turns the readable level maps into level files exactly as the
// editor writes them, and plays macro routes through the rules to write
// the exact scripts tamb-sim replays.
#include <filesystem>
#include <iostream>
#include <regex>
#include <string>

#include "AsciiLevel.h"
#include "LineSplit.h"
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
                 "  levelmake route LEVELFILE MACRO OUT      (writes the slot script)\n";
    return 2;
}

void build(const std::string& src, const std::string& out) {
    const AsciiLevel level = readAsciiLevel(src);
    writeLines(out, encodeOrThrow(level.grid));
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
