// The tamb-solve program: arguments, exit status, and routes that tamb-sim
// plays to the end.
#include <gtest/gtest.h>

#include <fstream>


#include "RunProgram.h"
#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::test;

namespace {

using Result = ProgramResult;

Result run(const TempDir& dir, const char* program, const std::string& args) { return runProgram(dir, program, args); }

class TambSolve : public ::testing::Test {
protected:
    std::string level(const std::string& name, const std::vector<std::string>& map) {
        const std::string path = dir.path(name);
        writeText(path, joinLines(levelFileLines(makeLevel(map))));
        return quoted(path);
    }
    TempDir dir;
};

const std::vector<std::string> kBrickToBurn = {"%%%%%%%%%%%%", "%M.......XH%", "%%%%#%%%%%H%", "%...$.....H%",
                                               "%%%%%%%%%%%%"};

TEST_F(TambSolve, PrintsARouteThatTambSimPlaysToTheDoor) {
    const std::string file = level("level3", kBrickToBurn);
    const Result solved = run(dir, TAMB_SOLVE_PATH, file);
    ASSERT_EQ(solved.status, 0) << solved.err;
    EXPECT_EQ(solved.out.rfind("# route found: ", 0), 0u) << solved.out;
    writeText(dir.path("route"), solved.out);
    const Result played = run(dir, TAMB_SIM_PATH, file + " " + quoted(dir.path("route")));
    EXPECT_NE(played.out.find("\"end\":\"LevelPassed\""), std::string::npos) << played.out;
    EXPECT_NE(played.out.find("\"level\":4"), std::string::npos) << "plays as the level of its file name";

    // The same route into a file, at another speed.
    const Result toFile = run(dir, TAMB_SOLVE_PATH, file + " --speed 20 --seconds 30 --out " + quoted(dir.path("slow")));
    ASSERT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out.rfind("route found: ", 0), 0u) << toFile.out;
    const Result slow = run(dir, TAMB_SIM_PATH, file + " " + quoted(dir.path("slow")) + " --speed 20");
    EXPECT_NE(slow.out.find("\"end\":\"LevelPassed\""), std::string::npos) << slow.out;
}

TEST_F(TambSolve, SaysSoWhenNoRouteExists) {
    const Result r = run(dir, TAMB_SOLVE_PATH, level("walled", {"%%%%%%%%%%%", "%M...%$%.X%", "%%%%%%%%%%%"}) +
                                                   " --out " + quoted(dir.path("none")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("no route exists", 0), 0u) << r.out;
    EXPECT_FALSE(std::ifstream(dir.path("none")).good()) << "no script without a route";
}

TEST_F(TambSolve, RefusesBadArgumentsAndFiles) {
    const std::string file = level("ok", kBrickToBurn);
    writeText(dir.path("broken"), "2525\r\n");
    const struct {
        std::string args;
        const char* says;
    } cases[] = {
        {"", "expected one level file"},
        {file + " " + file, "expected one level file"},
        {file + " --seconds", "--seconds needs a number"},
        {file + " --seconds ten", "is not a number"},
        {file + " --seconds 0", "--seconds must be"},
        {file + " --speed 101", "--speed must be 0..100"},
        {file + " --threads 3", "--threads must be 1 or 2"},
        {file + " --fast", "unknown option --fast"},
        {quoted(dir.path("missing")), "cannot read the level file"},
        {quoted(dir.path("broken")), "broken"},
        {file + " --out " + quoted(dir.path("no/such/dir/route")), "cannot write the script"},
    };
    for (const auto& c : cases) {
        const Result r = run(dir, TAMB_SOLVE_PATH, c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << ": " << r.err;
    }
}

}  // namespace
