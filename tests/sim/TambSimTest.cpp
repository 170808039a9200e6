// The tamb-sim program itself: files, arguments, output and exit status.
#include <gtest/gtest.h>


#include "LineSplit.h"
#include "RunProgram.h"
#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::test;

namespace {

using Result = ProgramResult;

Result runSim(const TempDir& dir, const std::string& args) { return runProgram(dir, TAMB_SIM_PATH, args); }

const std::vector<std::string> kWalkToDoor = {"", ".M..X...$", "%%%%%%%%%", "", "....D"};

}  // namespace

TEST(TambSim, PlaysALevelFileWithAScriptAndTracesEverySlot) {
    TempDir dir;
    GameLevel level = makeLevel({"", ".M..X", "%%%%%%", "", "", ".D", "%%%"});
    // LF line ends and no end after the last line read the same.
    std::string text = joinLines(levelFileLines(level), "\n");
    text.pop_back();
    writeText(dir.path("level6"), text);
    writeText(dir.path("route"), "# to the door\n1 right\n");
    const Result r = runSim(dir, quoted(dir.path("level6")) + " " + quoted(dir.path("route")) + " --trace");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = splitLines(r.out);
    ASSERT_EQ(lines.size(), 17u);  // 16 slots and the end
    EXPECT_EQ(lines[0], R"({"slot":1,"command":"right","man":[24,20],"falling":false,"lives":3,"klads":0,)"
                        R"("result":"normal","devils":[[20,100]],"holes":[]})");
    EXPECT_EQ(lines.back(), R"({"end":"LevelPassed","slot":16,"lives":3,"klads":0,"level":7})");
}

TEST(TambSim, WithoutTraceOnlyTheEndLineAndTheSlotCapHolds) {
    TempDir dir;
    writeText(dir.path("level2"), joinLines(levelFileLines(makeLevel(kWalkToDoor))));
    const Result r = runSim(dir, quoted(dir.path("level2")) + " --slots 25 --speed 40");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"end\":\"slots\",\"slot\":25,\"lives\":3,\"klads\":1,\"level\":2}\n");
}

TEST(TambSim, BadArgumentsExitWithTwo) {
    TempDir dir;
    writeText(dir.path("level1"), joinLines(levelFileLines(makeLevel(kWalkToDoor))));
    const std::string level = quoted(dir.path("level1"));
    for (const std::string& args :
         {std::string(), level + " --speed 101", level + " --speed x", level + " --slots 0", level + " --slots",
          level + " --fast", level + " a b", quoted(dir.path("nothing"))}) {
        const Result r = runSim(dir, args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("tamb-sim: "), std::string::npos) << args;
        EXPECT_TRUE(r.out.empty()) << args;
    }
}

TEST(TambSim, AScriptErrorNamesItsLine) {
    TempDir dir;
    writeText(dir.path("level1"), joinLines(levelFileLines(makeLevel(kWalkToDoor))));
    writeText(dir.path("route"), "1 right\r\n# wait\r\n40 walk\r\n");
    const Result r = runSim(dir, quoted(dir.path("level1")) + " " + quoted(dir.path("route")));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("route: line 3"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("walk"), std::string::npos) << r.err;
}

TEST(TambSim, AMalformedLevelNamesFileLineAndField) {
    TempDir dir;
    auto lines = levelFileLines(makeLevel(kWalkToDoor));
    lines[5][7] = 'x';  // row 5, cell of column 3
    writeText(dir.path("level1"), joinLines(lines));
    Result r = runSim(dir, quoted(dir.path("level1")));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("level1"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 6"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("position 7"), std::string::npos) << r.err;

    lines = levelFileLines(makeLevel(kWalkToDoor));
    lines.resize(26);  // no exit door line
    writeText(dir.path("level1"), joinLines(lines));
    r = runSim(dir, quoted(dir.path("level1")));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 27"), std::string::npos) << r.err;
}
