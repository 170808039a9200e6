#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "GameLevel.h"
#include "HeadlessRun.h"

namespace tamb::solve {

struct FinderProgress {
    int64_t expanded = 0;  // states expanded so far, all threads
    double seconds = 0;
};

struct FinderOptions {
    int speed = 100;       // the game speed the route is played at
    double seconds = 60;   // time limit
    int threads = 2;       // 1 or 2
    // After the first route, how long the other thread may go on looking
    // for a shorter one.
    double polishSeconds = 1;
    // Set from anywhere to give up; the finder returns within a few ms.
    const std::atomic<bool>* cancel = nullptr;
    // Called on the finder's calling thread about four times a second.
    std::function<void(const FinderProgress&)> progress;
};

enum class FinderOutcome : uint8_t {
    Found,      // route holds a script that passes the level
    NotFound,   // the time ran out
    NoRoute,    // every reachable state was covered: the level cannot be passed
    Cancelled,
};

struct FinderResult {
    FinderOutcome outcome = FinderOutcome::NotFound;
    std::vector<ScriptEntry> route;  // a command change per entry, as tamb-sim reads them
    int64_t passedAtSlot = 0;        // the slot in which the level is passed
    int64_t expanded = 0;
    double seconds = 0;
};

// Searches the rules for a route that passes the level. Blocks the calling
// thread (run it on a worker); the search itself runs on options.threads
// threads. Every route returned has been replayed by the headless runner.
FinderResult findRoute(const GameLevel& level, int levelNumber, const FinderOptions& options);

// "SLOT COMMAND" lines of a route.
std::vector<std::string> routeLines(const std::vector<ScriptEntry>& route);

// "route found: N slots", "no route found in N s", "no route exists", "cancelled".
std::string outcomeMessage(const FinderResult& result);

}  // namespace tamb::solve
