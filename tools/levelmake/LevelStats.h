#pragma once
#include <optional>
#include <string>
#include <vector>

#include "GameLevel.h"
#include "HeadlessRun.h"
#include "MapMeasures.h"

namespace tamb::levelmake {

// The figures by which a campaign level is judged.
struct LevelStats {
    int number = 0;
    int filled = 0;         // non-empty interior cells
    int largestEmpty = 0;   // cells of the largest empty rectangle
    int treasures = 0;
    int devils = 0;
    int freeDevils = 0;     // devils that can get into the man's part
    bool doorOpen = false;  // a devil back at its door can too
    MechanicSet inMap = 0;
    int64_t standStillSlot = -1;  // first death of a man who never moves
    std::string holdWin;          // how holding arrows passes it, or ""
    bool hasRoute = false;
    bool routePassed = false;
    int64_t routeSlots = 0;
    MechanicSet routeUsed = 0;
    int unreachedTreasures = 0;
    std::optional<CellPos> firstUnreached;
    bool exitReachable = false;
    int deadEnds = 0;
    std::optional<CellPos> firstDeadEnd;
    // The most alike other level: the share of the smaller of the two
    // levels' non-empty interiors that both hold alike.
    double mostSharedPercent = 0;
    int mostSharedWith = 0;  // its number, 0 for none

    double fillPercent() const;
    double largestEmptyPercent() const;
    double standStillSeconds() const;  // < 0: he lives
    double routeSeconds() const;  // 0 unless the route passes
};

struct StatsOptions {
    bool plays = true;  // the headless plays (stand still, holding arrows, route)
};

// Everything but the comparison with other levels (mostShared...).
LevelStats measureLevel(const GameLevel& level, int number, const std::vector<ScriptEntry>* route,
                        const StatsOptions& options = {});

// Fills mostSharedPercent and mostSharedWith of every level; `levels` and `stats`
// run in parallel.
void compareLevels(const std::vector<GameLevel>& levels, std::vector<LevelStats>& stats);

// The campaign's figures for one level. Criteria that hold for the whole
// campaign (shares of levels, total time) are in campaignFailures.
constexpr int kTutorialLevels = 5;
constexpr int kStandStillSeconds = 10;
constexpr double kMinRouteSeconds = 30.0;
constexpr double kMaxRouteSeconds = 180.0;
constexpr double kMinCampaignMinutes = 60.0;

struct Failure {
    int criterion = 0;  // 1..8 as the level checklist numbers them
    std::string what;
};
std::vector<Failure> levelFailures(const LevelStats& stats);
// `stats` of the whole campaign in level order.
std::vector<Failure> campaignFailures(const std::vector<LevelStats>& stats);

// A table of figures, one line a level, for a terminal or a Markdown file.
std::string statsTable(const std::vector<LevelStats>& stats, bool markdown);

}  // namespace tamb::levelmake
