#include "CampaignFiles.h"

#include <algorithm>
#include <regex>

#include "AsciiLevel.h"
#include "LineSplit.h"
#include "Script.h"
#include "LevelCodec.h"

namespace fs = std::filesystem;

namespace campaign {

fs::path levelsDir() { return TAMB_LEVELS_DIR; }

std::vector<int> levelNumbers() {
    std::vector<int> numbers;
    const std::regex name("level([0-9]+)");
    for (const auto& entry : fs::directory_iterator(levelsDir())) {
        std::smatch m;
        const std::string file = entry.path().filename().string();
        if (entry.is_regular_file() && std::regex_match(file, m, name)) numbers.push_back(std::stoi(m[1].str()));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

fs::path levelFile(int n) { return levelsDir() / ("level" + std::to_string(n)); }
fs::path routeFile(int n) { return levelsDir() / "routes" / ("level" + std::to_string(n) + ".route"); }

tamb::GameLevel readLevel(int n) {
    return tamb::decodeGameLevel(tamb::splitLines(tamb::levelmake::readFile(levelFile(n).string())));
}

std::vector<tamb::ScriptEntry> readRoute(int n) {
    return tamb::parseScript(tamb::splitLines(tamb::levelmake::readFile(routeFile(n).string())));
}

}  // namespace campaign
