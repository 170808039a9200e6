#include "LevelStats.h"

#include <algorithm>
#include <cstdio>

#include "ClockedGame.h"
#include "PlayTrials.h"
#include "Reachability.h"

namespace tamb::levelmake {

namespace {

constexpr double kMinFillPercent = 35.0;
constexpr double kMaxEmptyPercent = 15.0;
constexpr int kMinTreasures = 8;
constexpr int kTreasuresFrom = 6;
constexpr int kScreenFrom = 6;
constexpr int kMechanicsFrom = 10;
constexpr int kMinMechanics = 3;
constexpr int kFreeDevilsFrom = 4;
constexpr double kMaxSharedPercent = 50.0;
constexpr double kOpenDoorShare = 2.0 / 3.0;
constexpr double kStandStillShare = 0.8;
constexpr int64_t kStandStillWatch = 2000;  // slots, a minute

double percentOfInterior(int cells) { return 100.0 * cells / kInteriorCells; }

std::string fixed(double v, int decimals) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

}  // namespace

double LevelStats::fillPercent() const { return percentOfInterior(filled); }
double LevelStats::largestEmptyPercent() const { return percentOfInterior(largestEmpty); }
double LevelStats::standStillSeconds() const {
    return standStillSlot < 0 ? -1.0 : ClockedGame::seconds(standStillSlot);
}
double LevelStats::routeSeconds() const { return routePassed ? ClockedGame::seconds(routeSlots) : 0.0; }

LevelStats measureLevel(const GameLevel& level, int number, const std::vector<ScriptEntry>* route,
                        const StatsOptions& options) {
    LevelStats st;
    st.number = number;
    st.filled = interiorFilled(level);
    st.largestEmpty = largestEmptyRectangle(level);
    st.treasures = treasureCount(level);
    st.inMap = mechanicsInMap(level);

    const Reachability reach(level);
    st.devils = static_cast<int>(level.shets.size());
    for (const CellPos& d : level.shets) st.freeDevils += reach.devilMeetsMan(d);
    st.doorOpen = reach.devilMeetsMan(level.shetsDoor);
    const std::vector<CellPos> unreached = reach.unreachedTreasures();
    st.unreachedTreasures = static_cast<int>(unreached.size());
    if (!unreached.empty()) st.firstUnreached = unreached.front();
    st.exitReachable = reach.exitReachable();
    const std::vector<CellPos> dead = reach.deadEnds();
    st.deadEnds = static_cast<int>(dead.size());
    if (!dead.empty()) st.firstDeadEnd = dead.front();

    if (options.plays) {
        st.standStillSlot = standStillDeathSlot(level, number, kStandStillWatch);
        st.holdWin = holdingWin(level, number);
        if (route) {
            const RoutePlay play = playRoute(level, number, *route);
            st.hasRoute = true;
            st.routePassed = play.passed;
            st.routeSlots = play.slots;
            st.routeUsed = play.used;
        }
    }
    return st;
}

void compareLevels(const std::vector<GameLevel>& levels, std::vector<LevelStats>& stats) {
    for (std::size_t i = 0; i < levels.size(); ++i) {
        stats[i].mostSharedPercent = 0;
        stats[i].mostSharedWith = 0;
        for (std::size_t j = 0; j < levels.size(); ++j) {
            if (i == j) continue;
            const int smaller = std::min(stats[i].filled, stats[j].filled);
            if (smaller == 0) continue;
            const double pct = 100.0 * sharedCells(levels[i], levels[j]) / smaller;
            if (pct > stats[i].mostSharedPercent) {
                stats[i].mostSharedPercent = pct;
                stats[i].mostSharedWith = stats[j].number;
            }
        }
    }
}

std::vector<Failure> levelFailures(const LevelStats& st) {
    std::vector<Failure> out;
    const int n = st.number;
    if (n >= kFreeDevilsFrom && st.freeDevils < st.devils)
        out.push_back({1, std::to_string(st.devils - st.freeDevils) + " of " + std::to_string(st.devils) +
                              " devils can never reach the man"});
    if (n >= kScreenFrom && st.fillPercent() < kMinFillPercent)
        out.push_back({2, "interior " + fixed(st.fillPercent(), 1) + "% filled, needs " +
                              fixed(kMinFillPercent, 0) + "%"});
    if (n >= kScreenFrom && st.largestEmptyPercent() > kMaxEmptyPercent)
        out.push_back({2, "an empty rectangle covers " + fixed(st.largestEmptyPercent(), 1) + "% of the interior"});
    if (n >= kTreasuresFrom && st.treasures < kMinTreasures)
        out.push_back({3, std::to_string(st.treasures) + " treasures, needs " + std::to_string(kMinTreasures)});
    const MechanicSet needed = st.routeUsed & st.inMap;
    if (n >= kMechanicsFrom && mechanicCount(needed) < kMinMechanics)
        out.push_back({3, "the route uses " + std::to_string(mechanicCount(needed)) + " mechanics (" +
                              mechanicList(needed) + "), needs " + std::to_string(kMinMechanics)});
    if (!st.holdWin.empty()) out.push_back({5, "won by holding " + st.holdWin});
    if (!st.hasRoute || !st.routePassed) {
        out.push_back({6, st.hasRoute ? "the route does not pass the level" : "no route"});
    } else if (st.routeSeconds() < kMinRouteSeconds || st.routeSeconds() > kMaxRouteSeconds) {
        out.push_back({6, "the route takes " + fixed(st.routeSeconds(), 1) + " s, not " + fixed(kMinRouteSeconds, 0) +
                              " to " + fixed(kMaxRouteSeconds, 0) + " s"});
    }
    if (st.mostSharedPercent > kMaxSharedPercent)
        out.push_back({7, "shares " + fixed(st.mostSharedPercent, 0) + "% of its cells with level " +
                              std::to_string(st.mostSharedWith)});
    if (st.unreachedTreasures > 0)
        out.push_back({8, std::to_string(st.unreachedTreasures) + " treasures out of reach" +
                              (st.firstUnreached ? ", the first at column " + std::to_string(st.firstUnreached->col) +
                                                       " row " + std::to_string(st.firstUnreached->row)
                                                 : std::string())});
    if (!st.exitReachable) out.push_back({8, "the exit door is out of reach"});
    if (st.deadEnds > 0)
        out.push_back({8, std::to_string(st.deadEnds) + " cells the man never leaves alive, the first at column " +
                              std::to_string(st.firstDeadEnd->col) + " row " + std::to_string(st.firstDeadEnd->row)});
    return out;
}

std::vector<Failure> campaignFailures(const std::vector<LevelStats>& stats) {
    std::vector<Failure> out;
    if (stats.empty()) return out;
    const auto doors = std::count_if(stats.begin(), stats.end(), [](const LevelStats& s) { return s.doorOpen; });
    if (doors < kOpenDoorShare * static_cast<double>(stats.size()))
        out.push_back({1, "the devils' door is open in " + std::to_string(doors) + " of " +
                              std::to_string(stats.size()) + " levels, needs two thirds"});
    int later = 0, dies = 0;
    double seconds = 0;
    for (const LevelStats& s : stats) {
        seconds += s.routeSeconds();
        if (s.number <= kTutorialLevels) continue;
        ++later;
        dies += s.standStillSlot >= 0 && s.standStillSeconds() <= kStandStillSeconds;
    }
    if (later > 0 && dies < kStandStillShare * later)
        out.push_back({4, "standing still dies within " + std::to_string(kStandStillSeconds) + " s in " +
                              std::to_string(dies) + " of " + std::to_string(later) + " levels after the tutorial"});
    if (seconds / 60.0 < kMinCampaignMinutes)
        out.push_back({6, "the routes add up to " + fixed(seconds / 60.0, 1) + " minutes, needs " +
                              fixed(kMinCampaignMinutes, 0)});
    return out;
}

std::string statsTable(const std::vector<LevelStats>& stats, bool markdown) {
    const char* head[] = {"level", "fill %", "empty %", "treasures", "free devils", "door", "still dies",
                          "hold win", "route s", "mechanics (route)", "alike %", "fails"};
    std::vector<std::vector<std::string>> rows;
    rows.emplace_back(std::begin(head), std::end(head));
    double total = 0;
    for (const LevelStats& s : stats) {
        std::string fails;
        for (const Failure& f : levelFailures(s)) {
            const std::string c = std::to_string(f.criterion);
            if (fails.find(c) == std::string::npos) fails += (fails.empty() ? "" : ",") + c;
        }
        total += s.routeSeconds();
        rows.push_back({std::to_string(s.number), fixed(s.fillPercent(), 1), fixed(s.largestEmptyPercent(), 1),
                        std::to_string(s.treasures), std::to_string(s.freeDevils) + "/" + std::to_string(s.devils),
                        s.doorOpen ? "open" : "sealed",
                        s.standStillSlot < 0 ? "never" : fixed(s.standStillSeconds(), 1) + " s",
                        s.holdWin.empty() ? "no" : s.holdWin,
                        !s.hasRoute ? "-" : (s.routePassed ? fixed(s.routeSeconds(), 1) : "FAILS"),
                        mechanicList(s.routeUsed & s.inMap) + " of " + std::to_string(mechanicCount(s.inMap)),
                        fixed(s.mostSharedPercent, 0) + (s.mostSharedWith ? " (" + std::to_string(s.mostSharedWith) + ")" : ""),
                        fails.empty() ? "-" : fails});
    }
    std::vector<std::size_t> width(rows[0].size(), 0);
    for (const auto& r : rows)
        for (std::size_t i = 0; i < r.size(); ++i) width[i] = std::max(width[i], r[i].size());
    std::string out;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        for (std::size_t i = 0; i < rows[n].size(); ++i) {
            if (markdown) out += "| ";
            out += rows[n][i];
            if (markdown || i + 1 < rows[n].size()) out += std::string(width[i] - rows[n][i].size() + 1, ' ');
        }
        out += markdown ? "|\n" : "\n";
        if (markdown && n == 0) {
            for (std::size_t i = 0; i < width.size(); ++i) out += "|" + std::string(width[i] + 2, '-');
            out += "|\n";
        }
    }
    int doors = 0, later = 0, dies = 0;
    for (const LevelStats& s : stats) {
        doors += s.doorOpen;
        if (s.number <= kTutorialLevels) continue;
        ++later;
        dies += s.standStillSlot >= 0 && s.standStillSeconds() <= kStandStillSeconds;
    }
    if (markdown) out += "\n";
    out += "Routes in all: " + fixed(total / 60.0, 1) + " minutes; the devils' door is open in " +
           std::to_string(doors) + " of " + std::to_string(stats.size()) + " levels; standing still dies within " +
           std::to_string(kStandStillSeconds) + " s in " + std::to_string(dies) + " of " + std::to_string(later) +
           " levels after the tutorial.\n";
    return out;
}

}  // namespace tamb::levelmake
