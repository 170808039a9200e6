// The levels that ship: each file is exactly what the editor would write,
// matches its map source, and its route plays through to the exit door in
// the real headless runner.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "AsciiLevel.h"
#include "CampaignFiles.h"
#include "LevelCodec.h"
#include "LineSplit.h"
#include "RouteBuilder.h"

namespace fs = std::filesystem;
using namespace tamb;
using namespace tamb::levelmake;

namespace {

const fs::path kLevels = campaign::levelsDir();
using campaign::levelFile;
using campaign::levelNumbers;

std::string runCommand(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return {};
    std::string out;
    std::array<char, 4096> buf{};
    while (fgets(buf.data(), static_cast<int>(buf.size()), pipe.get())) out += buf.data();
    return out;
}

std::string lastLine(const std::string& text) {
    std::vector<std::string> lines = splitLines(text);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines.empty() ? std::string() : lines.back();
}

}  // namespace

TEST(Campaign, LevelsAreNumberedFromOneWithoutGaps) {
    const std::vector<int> numbers = levelNumbers();
    ASSERT_GE(numbers.size(), 13u) << "the password table opens levels 1 to 13";
    for (std::size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], static_cast<int>(i + 1));
}

TEST(Campaign, EveryCellCodeAppearsSomewhere) {
    std::set<int> seen;
    for (int n : levelNumbers()) {
        const GameLevel level = decodeGameLevel(splitLines(readFile(levelFile(n).string())));
        seen.insert(level.cells.begin(), level.cells.end());
    }
    for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 20, 21, 22, 23, 24, 25, 26})
        EXPECT_TRUE(seen.count(code)) << "no level uses cell code " << code;
}

class CampaignLevel : public testing::TestWithParam<int> {};

TEST_P(CampaignLevel, FileIsWhatTheEditorWritesAndMatchesItsMap) {
    const int n = GetParam();
    const std::string bytes = readFile(levelFile(n).string());
    const std::vector<std::string> lines = splitLines(bytes);

    // The game reads it; the editor reads it and would save it unchanged.
    const GameLevel game = decodeGameLevel(lines);
    EditorGrid grid{};
    decodeEditorLevel(lines, grid);
    const EncodeResult saved = encodeLevel(grid);
    ASSERT_EQ(saved.check, LevelCheck::Ok) << levelCheckName(saved.check);
    std::string written;
    for (const std::string& l : saved.lines) written += l + "\r\n";
    EXPECT_EQ(written, bytes) << "not byte for byte what the editor writes";

    // The committed file is the one its map source builds.
    const AsciiLevel source = readAsciiLevel((kLevels / "src" / ("level" + std::to_string(n) + ".txt")).string());
    EXPECT_EQ(gridToAscii(source.grid), gridToAscii(grid)) << "rebuild with tools/levelmake/rebuild-campaign.sh";
    EXPECT_FALSE(source.title.empty());
    EXPECT_FALSE(source.idea.empty());

    // Closed at the sides, a floor under everything, a sane crowd.
    for (int row = 0; row < kRows; ++row) {
        EXPECT_EQ(game.cells[row * kCols], BoundVert) << "row " << row;
        EXPECT_EQ(game.cells[row * kCols + kCols - 1], BoundVert) << "row " << row;
    }
    for (int col = 0; col < kCols; ++col) EXPECT_TRUE(isSolid(game.cells[(kRows - 1) * kCols + col])) << "col " << col;
    EXPECT_GE(game.shets.size(), 1u);
    EXPECT_LE(game.shets.size(), static_cast<std::size_t>(kMaxShets));
}

TEST_P(CampaignLevel, RoutePassesTheLevelInTambSim) {
    const int n = GetParam();
    const fs::path route = kLevels / "routes" / ("level" + std::to_string(n) + ".route");
    ASSERT_TRUE(fs::exists(route)) << route;
    const std::string out = runCommand(std::string(TAMB_SIM_BINARY) + " '" + levelFile(n).string() + "' '" +
                                       route.string() + "' --speed 100 2>&1");
    EXPECT_NE(lastLine(out).find("{\"end\":\"LevelPassed\""), std::string::npos) << out;
}

TEST_P(CampaignLevel, RouteIsTheOneItsMacroBuilds) {
    const int n = GetParam();
    const fs::path routes = kLevels / "routes";
    const std::string stem = "level" + std::to_string(n);
    const GameLevel level = decodeGameLevel(splitLines(readFile(levelFile(n).string())));
    const RouteResult built =
        buildRoute(level, n, splitLines(readFile((routes / (stem + ".macro")).string())), stem + ".macro");
    EXPECT_TRUE(built.passed) << built.summary;
    EXPECT_EQ(built.script, splitLines(readFile((routes / (stem + ".route")).string())))
        << "rebuild with tools/levelmake/rebuild-campaign.sh";
}

INSTANTIATE_TEST_SUITE_P(Shipped, CampaignLevel, testing::ValuesIn(levelNumbers()),
                         [](const testing::TestParamInfo<int>& info) { return "level" + std::to_string(info.param); });
