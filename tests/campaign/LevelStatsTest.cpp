// The campaign's measures on small hand-drawn arenas: map figures,
// reachability, the headless plays and the criteria they feed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AsciiLevel.h"
#include "LineSplit.h"
#include "Script.h"
#include "LevelStats.h"
#include "MapMeasures.h"
#include "PlayTrials.h"
#include "Reachability.h"
#include "RouteBuilder.h"

using namespace tamb;
using namespace tamb::levelmake;

namespace {

// An arena whose last rows are `rows` (each padded with '.' to 30 cells),
// framed by the border, with the map alphabet of the level sources.
GameLevel arena(const std::vector<std::string>& rows) {
    std::string text = "|" + std::string(30, '_') + "|\n";
    const int blank = kRows - 2 - static_cast<int>(rows.size());
    for (int r = 0; r < blank; ++r) text += "|" + std::string(30, '.') + "|\n";
    for (const std::string& row : rows) text += "|" + row + std::string(30 - row.size(), '.') + "|\n";
    text += "|" + std::string(30, '_') + "|\n";
    const AsciiLevel ascii = parseAsciiLevel(text);
    GameLevel level;
    for (int i = 0; i < kRows * kCols; ++i) {
        const int32_t code = ascii.grid[i];
        const CellPos at{i % kCols, i / kCols};
        level.cells[i] = isObjectCode(code) ? Empty : code;
        if (code == Man) level.man = at;
        if (code == Shets) level.shets.push_back(at);
        if (code == ManDoor) level.manDoor = at;
        if (code == ShetsDoor) level.shetsDoor = at;
        if (code == OutDoor) level.outDoor = at;
    }
    return level;
}

const std::string kFloor(30, '#');
const std::string kBeam(30, '=');

// A concrete floor with a shaft at column 3, walled in below; the start is
// to its right.
const std::string kPitTop = "....SM.$.D.T....X";
std::string pitRow(char shaft) { return "==" + std::string(1, shaft) + std::string(27, '='); }
std::string pitFloor(char bottom) { return "=%" + std::string(1, bottom) + "%" + std::string(26, '='); }
const std::string pitWall = "=%%%" + std::string(26, '=');

}  // namespace

// --- the map alone ---------------------------------------------------------

struct MapCase {
    const char* name;
    std::vector<std::string> rows;
    int filled, largestEmpty, treasures;
    MechanicSet mechanics;
};

class MapFigures : public testing::TestWithParam<MapCase> {};

TEST_P(MapFigures, CountsTheInterior) {
    const MapCase& c = GetParam();
    const GameLevel level = arena(c.rows);
    EXPECT_EQ(interiorFilled(level), c.filled);
    EXPECT_EQ(largestEmptyRectangle(level), c.largestEmpty);
    EXPECT_EQ(treasureCount(level), c.treasures);
    EXPECT_EQ(mechanicList(mechanicsInMap(level)), mechanicList(c.mechanics));
}

INSTANTIATE_TEST_SUITE_P(
    Maps, MapFigures,
    testing::Values(
        // Figures and doors stand on empty cells and do not fill anything.
        MapCase{"bare", {"SMT.D.X"}, 0, 600, 0, 0},
        MapCase{"floor", {kFloor}, 30, 570, 0, bit(Mechanic::Burn)},
        // A wall down the middle leaves two halves; the larger is 20 x 15.
        MapCase{"wall",
                std::vector<std::string>(20, std::string(14, '.') + "%"),
                20, 20 * 15, 0, 0},
        // A pillar every fifth column: the gaps are 4 wide and 20 high.
        MapCase{"pillars", std::vector<std::string>(20, "....%....%....%....%....%....%"), 120, 80, 0, 0},
        MapCase{"one of each",
                {"$fH-#~w^g", kBeam},
                39, 18 * 30, 1,
                static_cast<MechanicSet>(bit(Mechanic::Stairs) | bit(Mechanic::Rope) | bit(Mechanic::Burn) |
                                         bit(Mechanic::FalseBrick) | bit(Mechanic::Water) |
                                         bit(Mechanic::Stakes) | bit(Mechanic::Gum))}),
    [](const testing::TestParamInfo<MapCase>& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (ch == ' ') ch = '_';
        return n;
    });

TEST(MapFigures, SharedCellsAreAlikeNonEmptyCellsInTheSamePlace) {
    const GameLevel a = arena({"$$$..HH", kFloor});
    const GameLevel b = arena({"$.$..H%", kFloor});
    // Two treasures, one ladder and the floor agree; the border never counts.
    EXPECT_EQ(sharedCells(a, b), 2 + 1 + 30);
    EXPECT_EQ(sharedCells(a, a), interiorFilled(a));
    EXPECT_EQ(sharedCells(a, arena({})), 0);
}

// --- reachability ------------------------------------------------------------

struct ReachCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<bool> devilsFree;  // in file order
    bool doorOpen;
    int unreached;
    bool exit;
    bool deadEnd;
};

class Reach : public testing::TestWithParam<ReachCase> {};

TEST_P(Reach, FollowsTheMovesTheRulesAllow) {
    const ReachCase& c = GetParam();
    const GameLevel level = arena(c.rows);
    const Reachability reach(level);
    ASSERT_EQ(level.shets.size(), c.devilsFree.size());
    for (std::size_t i = 0; i < c.devilsFree.size(); ++i)
        EXPECT_EQ(reach.devilMeetsMan(level.shets[i]), c.devilsFree[i]) << "devil " << i + 1;
    EXPECT_EQ(reach.devilMeetsMan(level.shetsDoor), c.doorOpen);
    EXPECT_EQ(static_cast<int>(reach.unreachedTreasures().size()), c.unreached);
    EXPECT_EQ(reach.exitReachable(), c.exit);
    EXPECT_EQ(!reach.deadEnds().empty(), c.deadEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Arenas, Reach,
    testing::Values(
        ReachCase{"caged_devil", {"%%%%", "%DT%", "%%%%", "SM..$....X", kBeam}, {false}, false, 0, true, false},
        // The same cage with a ladder out of its floor: devils climb down
        // ladders too.
        ReachCase{"cage_with_ladder", {"%%%%", "%DT%", "%H%%", ".H.SM$....X", kBeam}, {true}, true, 0, true, false},
        // A devil on a ledge above falls off its edge into the man's floor.
        ReachCase{"devil_falls_to_man", {"D.T.....", "=====", "", "SM..$....X", kBeam}, {true}, true, 0, true,
                  false},
        // A devil below a concrete floor the man cannot pass ...
        ReachCase{"devil_under_concrete",
                  {"SM..$....X", kBeam, "", "D.T", kBeam},
                  {false}, false, 0, true, false},
        // ... but a brick floor the man can burn through puts it in his part.
        ReachCase{"devil_under_bricks",
                  {"SM..$....X", kFloor, "", "D.T", kBeam},
                  {true}, true, 0, true, false},
        // Stakes send a devil to its door, and the door stands in the open.
        ReachCase{"devil_dies_to_come_out",
                  {"%%%%", "%D.^", "%%%%", "SM..$..T.X", kBeam},
                  {true}, true, 0, true, false},
        // A rope over open ground: a body lets go and falls to the floor.
        ReachCase{"rope_let_go", {"D----T", "=", "", "SM..$....X", kBeam}, {true}, true, 0, true, false},
        // A treasure on a concrete ledge with no way up.
        ReachCase{"treasure_on_ledge", {"....$", "...===", "", "SM......DTX", kBeam}, {true}, true, 1, true, false},
        // A closed pit behind the start: he falls in and never leaves.
        ReachCase{"pit", {kPitTop, pitRow('.'), pitFloor('.'), pitWall}, {true}, true, 0, true, true},
        // The same pit with a ladder out of it is fine.
        ReachCase{"pit_with_ladder", {kPitTop, pitRow('H'), pitFloor('H'), pitWall}, {true}, true, 0, true,
                  false},
        // A pit over stakes kills at once: a plain hazard, not a trap.
        ReachCase{"pit_over_stakes", {kPitTop, pitRow('.'), pitFloor('^'), pitWall}, {true}, true, 0, true,
                  false},
        // The exit behind a wall.
        ReachCase{"walled_exit", {"SM..$..D.T..%X", kBeam}, {true}, true, 0, false, true}),
    [](const testing::TestParamInfo<ReachCase>& info) { return std::string(info.param.name); });

// --- headless plays ---------------------------------------------------------

namespace {

// A floor with the man at its left end: treasures to the right and the exit
// at the far right, so holding Right passes it.
const std::vector<std::string> kStraightWalk = {"SM..$..$..$.....X", kBeam, "%%%%", "%DT%", "%%%%"};

}  // namespace

TEST(Plays, StandingStillDiesOnlyWhenADevilCanCome) {
    const GameLevel hunted = arena({"SM.........D.T..$.X", kBeam});
    const int64_t slot = standStillDeathSlot(hunted, 7, 2000);
    // The devil walks 10 cells at 2 pixels a slot and catches within 6 pixels.
    EXPECT_GE(slot, 90);
    EXPECT_LE(slot, 100);
    EXPECT_EQ(standStillDeathSlot(arena(kStraightWalk), 7, 2000), -1);
}

TEST(Plays, HoldingArrowsIsFoundAndNamed) {
    EXPECT_EQ(holdingWin(arena(kStraightWalk), 1), "right");
    // A treasure behind him, the exit ahead: Left, then Right.
    const std::string twoWays = holdingWin(arena({"$...SM...X", kBeam, "%%%%", "%DT%", "%%%%"}), 1);
    EXPECT_EQ(twoWays.rfind("left then right from slot ", 0), 0u) << twoWays;
    // The treasure up a ladder and the exit down the far side: no hold does it.
    EXPECT_EQ(holdingWin(arena({"....$", "...=H=", "SM..H...X", kBeam, "%%%%", "%DT%", "%%%%"}), 1), "");
}

TEST(Plays, RouteRecordsTimeAndTheMechanicsTheManUsed) {
    const GameLevel level =
        arena({"%%%%", "%DT%", "%%%%", "", "...$", "..===H", ".....H", "SM...H..----..X", kBeam});
    // Right to the ladder, up, left for the treasure, back and down, then
    // right along the rope to the exit.
    const std::vector<std::string> lines = {"1 right", "21 up", "41 left", "51 right", "61 down", "81 right",
                                            "200 stop"};
    const RoutePlay play = playRoute(level, 1, parseScript(lines));
    EXPECT_TRUE(play.passed);
    EXPECT_GT(play.slots, 120);
    EXPECT_LT(play.slots, 130);
    EXPECT_EQ(mechanicList(play.used), mechanicList(bit(Mechanic::Stairs) | bit(Mechanic::Rope)));

    const RoutePlay idle = playRoute(level, 1, parseScript({"1 stop"}));
    EXPECT_FALSE(idle.passed);
}

// A fire counts when it makes a new hole, also in the slot in which an older
// hole grows back (the count of holes then stays the same): whenever the
// second fire comes, the brick behind the man burns.
TEST(Plays, ASecondFireCountsWhileTheFirstHoleGrowsBack) {
    const GameLevel level = arena({"%%%%", "%DT%", "%%%%", "", "..$.....X", ".SM......", "%###%%%%%", "%%%%%%%%%"});
    for (int k = 0; k < 260; ++k) {
        const RouteResult r =
            buildRoute(level, 1, {"right 1", "fire", "left 1", "wait " + std::to_string(k), "fire"}, "macro");
        EXPECT_EQ(r.summary.find("nothing was burnt"), std::string::npos) << "wait " << k << ": " << r.summary;
        // The route ends unpassed, at the end of the macro, never sooner.
        EXPECT_NE(r.summary.find("macro:end"), std::string::npos) << "wait " << k << ": " << r.summary;
    }
}

// --- criteria ---------------------------------------------------------------

namespace {

// A level that passes every criterion at any number.
LevelStats goodLevel(int number) {
    LevelStats s;
    s.number = number;
    s.filled = 300;
    s.largestEmpty = 60;
    s.treasures = 10;
    s.devils = s.freeDevils = 3;
    s.doorOpen = true;
    s.inMap = s.routeUsed = bit(Mechanic::Stairs) | bit(Mechanic::Burn) | bit(Mechanic::Rope);
    s.standStillSlot = 100;
    s.hasRoute = s.routePassed = true;
    s.routeSlots = 3000;  // 90 s
    s.exitReachable = true;
    s.mostSharedPercent = 20;
    return s;
}

std::vector<int> criteriaOf(const std::vector<Failure>& failures) {
    std::vector<int> out;
    for (const Failure& f : failures) out.push_back(f.criterion);
    return out;
}

}  // namespace

struct CriterionCase {
    const char* name;
    int number;
    void (*spoil)(LevelStats&);
    std::vector<int> criteria;
};

class Criteria : public testing::TestWithParam<CriterionCase> {};

TEST_P(Criteria, NameTheCriterionALevelMisses) {
    const CriterionCase& c = GetParam();
    LevelStats s = goodLevel(c.number);
    c.spoil(s);
    EXPECT_EQ(criteriaOf(levelFailures(s)), c.criteria);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Criteria,
    testing::Values(
        CriterionCase{"good", 30, [](LevelStats&) {}, {}},
        CriterionCase{"sealed_devil", 4, [](LevelStats& s) { s.freeDevils = 2; }, {1}},
        CriterionCase{"sealed_devil_in_tutorial", 3, [](LevelStats& s) { s.freeDevils = 0; }, {}},
        CriterionCase{"sparse", 6, [](LevelStats& s) { s.filled = 209; }, {2}},
        CriterionCase{"sparse_in_tutorial", 5, [](LevelStats& s) { s.filled = 20; s.largestEmpty = 500; }, {}},
        CriterionCase{"big_hole", 12, [](LevelStats& s) { s.largestEmpty = 91; }, {2}},
        CriterionCase{"few_treasures", 6, [](LevelStats& s) { s.treasures = 7; }, {3}},
        // Mechanics count from level 10 on, and only those the route used.
        CriterionCase{"two_mechanics", 10, [](LevelStats& s) { s.routeUsed = bit(Mechanic::Stairs) | bit(Mechanic::Burn); }, {3}},
        CriterionCase{"two_mechanics_early", 9, [](LevelStats& s) { s.routeUsed = bit(Mechanic::Stairs); }, {}},
        CriterionCase{"held", 1, [](LevelStats& s) { s.holdWin = "right"; }, {5}},
        CriterionCase{"short_route", 2, [](LevelStats& s) { s.routeSlots = 999; }, {6}},
        CriterionCase{"long_route", 40, [](LevelStats& s) { s.routeSlots = 6001; }, {6}},
        CriterionCase{"failing_route", 40, [](LevelStats& s) { s.routePassed = false; }, {6}},
        CriterionCase{"no_route", 40, [](LevelStats& s) { s.hasRoute = false; }, {6}},
        CriterionCase{"copy", 40, [](LevelStats& s) { s.mostSharedPercent = 51; }, {7}},
        CriterionCase{"unfair", 40,
                      [](LevelStats& s) {
                          s.unreachedTreasures = 1;
                          s.exitReachable = false;
                          s.deadEnds = 2;
                          s.firstDeadEnd = CellPos{3, 4};
                      },
                      {8, 8, 8}}),
    [](const testing::TestParamInfo<CriterionCase>& info) { return std::string(info.param.name); });

TEST(Criteria, CampaignShares) {
    std::vector<LevelStats> all;
    for (int n = 1; n <= 60; ++n) all.push_back(goodLevel(n));
    EXPECT_TRUE(campaignFailures(all).empty());  // 60 x 90 s = 90 minutes

    // 20 sealed doors of 60 is still two thirds open; 21 is not.
    for (int n = 0; n < 20; ++n) all[n].doorOpen = false;
    EXPECT_TRUE(campaignFailures(all).empty());
    all[20].doorOpen = false;
    EXPECT_EQ(criteriaOf(campaignFailures(all)), std::vector<int>{1});
    all[20].doorOpen = true;

    // After the tutorial 55 levels: 44 deadly starts make 80%, 43 do not.
    // A safe start inside the tutorial does not count.
    for (int n = 0; n < 5; ++n) all[n].standStillSlot = -1;
    for (int n = 5; n < 16; ++n) all[n].standStillSlot = -1;
    EXPECT_TRUE(campaignFailures(all).empty());
    all[16].standStillSlot = 334;  // 10.02 s
    EXPECT_EQ(criteriaOf(campaignFailures(all)), std::vector<int>{4});
    all[16].standStillSlot = 333;

    for (LevelStats& s : all) s.routeSlots = 1000;  // 30 s each: 30 minutes
    EXPECT_EQ(criteriaOf(campaignFailures(all)), std::vector<int>{6});
}
