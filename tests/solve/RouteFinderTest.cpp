// The route finder on small levels built for it, and its controls.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "HeadlessRun.h"
#include "LevelCodec.h"
#include "LineSplit.h"
#include "RouteFinder.h"
#include "Script.h"
#include "SimTestSupport.h"

using namespace tamb;
using namespace tamb::solve;
using namespace tamb::test;

namespace {

struct Case {
    const char* name;
    std::vector<std::string> map;
    FinderOutcome expected;
    int livesLeft = 3;
};

// Closed by unbreakable rock, so nobody falls out of the arena.
const Case kCases[] = {
    {"BrickToBurn",  // the treasure lies under the floor; a ladder leads back up
     {"%%%%%%%%%%%%",
      "%M.......XH%",
      "%%%%#%%%%%H%",
      "%...$.....H%",
      "%%%%%%%%%%%%"},
     FinderOutcome::Found},
    {"DevilToTrap",  // the devil walks at the man along the only floor
     {"%%%%%%%%%%%%%%%%%%",
      "%M.........D...$X%",
      "%################%",
      "%%%%%%%%%%%%%%%%%%",
      "",
      "%%%",
      "%T%",
      "%%%"},
     FinderOutcome::Found},
    {"FallAndClimb",  // down a rope, then a ladder back to the door
     {"%%%%%%%%%%",
      "%M------X%",
      "%%.$...HH%",
      "%%%%%%%%%%"},
     FinderOutcome::Found},
    {"DeathIsTheWayOut",  // the treasure lies in a pit with no way up: only a new life gets out
     {"%%%%%%%%%%%%",
      "%M.......X.%",
      "%%%%#%%%%%%%",
      "%%%.$.%%%%%%",
      "%%%%%%%%%%%%"},
     FinderOutcome::Found, 2},
    {"TreasureWalledIn",
     {"%%%%%%%%%%%",
      "%M...%$%.X%",
      "%%%%%%%%%%%"},
     FinderOutcome::NoRoute},
    {"DoorWalledIn",
     {"%%%%%%%%%%%",
      "%M..$.%X%.%",
      "%%%%%%%%%%%"},
     FinderOutcome::NoRoute},
    {"TreasureBelowUnburnableFloor",  // rock, not brick, and no way back up
     {"%%%%%%%%%%%",
      "%M.....X..%",
      "%%%%=%%%%%%",
      "%...$.....%",
      "%%%%%%%%%%%"},
     FinderOutcome::NoRoute},
};

class Finder : public ::testing::TestWithParam<Case> {};

TEST_P(Finder, FindsARouteThatReplaysOrProvesThereIsNone) {
    const Case& c = GetParam();
    const GameLevel level = makeLevel(c.map);
    FinderOptions options;
    options.seconds = 60;
    options.polishSeconds = 0;
    const FinderResult result = findRoute(level, 1, options);
    ASSERT_EQ(result.outcome, c.expected) << outcomeMessage(result);
    if (c.expected != FinderOutcome::Found) {
        EXPECT_TRUE(result.route.empty());
        return;
    }
    // Through the script text, as tamb-sim reads it.
    NullGameHost host;
    RunOptions run;
    const RunSummary summary = runLevel(level, 1, parseScript(routeLines(result.route)), run, host);
    EXPECT_EQ(summary.end, RunEnd::LevelPassed);
    EXPECT_EQ(summary.slot, result.passedAtSlot);
    EXPECT_EQ(summary.lives, c.livesLeft);
}

INSTANTIATE_TEST_SUITE_P(SmallLevels, Finder, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Finder, RouteHoldsAtOtherSpeeds) {
    // Slower speeds change the brick timer against the slots: a hole lasts
    // fewer slots, so the route must be searched at the speed it is played.
    const GameLevel level = makeLevel(kCases[1].map);
    for (const int speed : {0, 60}) {
        FinderOptions options;
        options.speed = speed;
        options.polishSeconds = 0;
        const FinderResult result = findRoute(level, 1, options);
        ASSERT_EQ(result.outcome, FinderOutcome::Found) << "speed " << speed;
        NullGameHost host;
        RunOptions run;
        run.speed = speed;
        EXPECT_EQ(runLevel(level, 1, result.route, run, host).end, RunEnd::LevelPassed) << "speed " << speed;
    }
}

// The first levels keep their devil shut away: nothing but the way itself to
// find. Their ledges are seen across gaps a man would fall through, which
// must not draw the search to the gap (it once spent its minute there).
TEST(Finder, FindsTheWayThroughTheFirstLevelsStraightAway) {
    for (const int n : {1, 2, 3}) {
        std::ifstream in(std::string(TAMB_LEVELS_DIR) + "/level" + std::to_string(n), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const GameLevel level = decodeGameLevel(splitLines(text.str()));
        FinderOptions options;
        options.threads = 1;  // the count of states is then the same every run
        options.polishSeconds = 0;
        const FinderResult result = findRoute(level, n, options);
        ASSERT_EQ(result.outcome, FinderOutcome::Found) << "level " << n << ": " << outcomeMessage(result);
        EXPECT_LT(result.expanded, 100000) << "level " << n;
    }
}

// Brick floors and ladders, two hunters, and a treasure in the air where no
// ledge leads: a search that goes on and on.
GameLevel longSearch() {
    std::vector<std::string> rows(kRows, "|" + std::string(kCols - 2, '.') + "|");
    rows[0] = rows[kRows - 1] = std::string(kCols, '_');
    rows[20] = "|" + std::string(kCols - 2, '%') + "|";
    for (const int r : {5, 10, 15}) rows[r] = "|" + std::string(kCols - 2, '#') + "|";
    for (int r = 2; r < 20; ++r) rows[r][8] = rows[r][24] = 'H';
    rows[3][16] = rows[9][4] = rows[14][28] = '$';
    rows[19][12] = 'M';
    rows[19][3] = rows[4][20] = 'D';
    rows[1][29] = 'T';
    rows[1][2] = 'X';
    return makeLevel(rows);
}

TEST(Finder, ReportsProgressAndStopsWhenCancelled) {
    std::atomic<bool> cancel{false};
    std::vector<FinderProgress> reports;
    FinderOptions options;
    options.seconds = 600;
    options.cancel = &cancel;
    options.progress = [&](const FinderProgress& p) {
        reports.push_back(p);
        if (reports.size() == 2) cancel = true;
    };
    const FinderResult result = findRoute(longSearch(), 1, options);
    EXPECT_EQ(result.outcome, FinderOutcome::Cancelled);
    // One more report may slip in while the threads wind down.
    ASSERT_GE(reports.size(), 2u);
    EXPECT_LE(reports.size(), 3u);
    EXPECT_GT(reports[1].expanded, reports[0].expanded);
    EXPECT_GE(result.expanded, reports.back().expanded);
    EXPECT_EQ(outcomeMessage(result), "cancelled");
}

TEST(Finder, GivesUpWhenTheTimeRunsOut) {
    FinderOptions options;
    options.seconds = 1;
    options.threads = 1;
    const FinderResult result = findRoute(longSearch(), 1, options);
    EXPECT_EQ(result.outcome, FinderOutcome::NotFound);
    EXPECT_TRUE(result.route.empty());
    EXPECT_EQ(outcomeMessage(result), "no route found in 1 s");
}

}  // namespace
