#include "RouteFinder.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "Explorer.h"
#include "Rules.h"
#include "SlotClock.h"

namespace tamb::solve {

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kProgressEvery = std::chrono::milliseconds(250);
// The first thread keeps to novel states first, which finds the routes past
// devils, and dives for the treasures; the second searches every coarse
// state, trusting the guide less, which keeps routes short.
Explorer::Tuning tuningOf(int thread) {
    Explorer::Tuning tuning;
    tuning.weight = thread == 0 ? 6.0 : 1.5;
    tuning.width = thread == 0 ? 3 : 0;
    return tuning;
}

// The script that makes the headless runner give these commands slot by
// slot: a line wherever the command in force would differ.
std::vector<ScriptEntry> scriptFor(const StatePacker& packer, const std::vector<Command>& commands) {
    auto s = std::make_unique<GameState>(packer.start());
    SlotClock clock(packer.speed());
    NullGameHost host;
    std::vector<ScriptEntry> script;
    for (size_t n = 0; n < commands.size(); ++n) {
        clock.runTimers(*s, host);
        if (s->Command != commands[n]) script.push_back({static_cast<int64_t>(n + 1), commands[n]});
        s->Command = commands[n];
        if (!clock.runSlot(*s, host)) break;
    }
    return script;
}

struct Shared {
    std::mutex mutex;
    std::condition_variable wake;
    int running = 0;
    bool found = false;
    bool ruledOut = false;
    std::vector<Command> commands;
};

void searchThread(const StatePacker& packer, const Guide& guide, Explorer::Tuning tuning, Clock::duration polish,
                  SearchControl& control, Shared& shared) {
    Explorer::Outcome outcome = Explorer::Outcome::Stopped;
    std::vector<Command> commands;
    // Narrow searches first: when one runs dry it proves nothing, so the
    // next one looks wider, down to the exact search. (Width 1 alone runs
    // dry on most levels with devils at once.)
    struct Phase {
        Explorer::Mode mode;
        int width;
    };
    std::vector<Phase> phases;
    for (int width = 2; width <= tuning.width; ++width) phases.push_back({Explorer::Mode::Coarse, width});
    phases.push_back({Explorer::Mode::Coarse, 0});
    phases.push_back({Explorer::Mode::Exact, 0});
    for (const Phase& phase : phases) {
        tuning.width = phase.width;
        Explorer explorer(packer, guide, phase.mode, tuning, control);
        outcome = explorer.run();
        if (outcome == Explorer::Outcome::Found) commands = explorer.commands();
        if (outcome != Explorer::Outcome::Exhausted || phase.mode == Explorer::Mode::Exact) break;
    }
    std::lock_guard lock(shared.mutex);
    if (outcome == Explorer::Outcome::Found) {
        if (!shared.found || commands.size() < shared.commands.size()) shared.commands = std::move(commands);
        shared.found = true;
        // The other thread may still find a shorter route, for a little while.
        control.shortenDeadline(Clock::now() + polish);
    }
    // Only the exact search, run to its end, rules a route out.
    if (outcome == Explorer::Outcome::Exhausted) {
        shared.ruledOut = true;
        control.done = true;
    }
    --shared.running;
    shared.wake.notify_all();
}

}  // namespace

FinderResult findRoute(const GameLevel& level, int levelNumber, const FinderOptions& options) {
    const auto started = Clock::now();
    const StatePacker packer(level, levelNumber, options.speed);
    const Guide guide(level, packer);
    SearchControl control;
    control.setDeadline(started + std::chrono::duration_cast<Clock::duration>(
                                      std::chrono::duration<double>(std::max(0.0, options.seconds))));
    control.cancel = options.cancel;

    const auto polish = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(std::max(0.0, options.polishSeconds)));
    Shared shared;
    const int threads = options.threads >= 2 ? 2 : 1;
    shared.running = threads;
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back(searchThread, std::cref(packer), std::cref(guide), tuningOf(t), polish, std::ref(control),
                             std::ref(shared));

    auto seconds = [&started] { return std::chrono::duration<double>(Clock::now() - started).count(); };
    {
        std::unique_lock lock(shared.mutex);
        while (shared.running > 0) {
            const bool quiet = shared.wake.wait_for(lock, kProgressEvery) == std::cv_status::timeout;
            if (options.progress && quiet && shared.running > 0) {
                lock.unlock();
                options.progress({control.expanded.load(), seconds()});
                lock.lock();
            }
        }
    }
    for (auto& w : workers) w.join();

    FinderResult result;
    result.expanded = control.expanded.load();
    result.seconds = seconds();
    if (shared.found) {
        result.outcome = FinderOutcome::Found;
        result.route = scriptFor(packer, shared.commands);
        result.passedAtSlot = static_cast<int64_t>(shared.commands.size());
        // The runner is the judge: a route that does not replay is a fault
        // of the finder, never a result.
        NullGameHost host;
        RunOptions run;
        run.speed = options.speed;
        run.maxSlots = result.passedAtSlot;
        const RunSummary check = runLevel(level, levelNumber, result.route, run, host);
        if (check.end != RunEnd::LevelPassed || check.slot != result.passedAtSlot)
            throw std::logic_error("the route found does not replay in the headless runner");
    } else if (shared.ruledOut) {
        result.outcome = FinderOutcome::NoRoute;
    } else if (options.cancel && options.cancel->load()) {
        result.outcome = FinderOutcome::Cancelled;
    }
    return result;
}

std::vector<std::string> routeLines(const std::vector<ScriptEntry>& route) {
    std::vector<std::string> lines;
    lines.reserve(route.size());
    for (const ScriptEntry& e : route) lines.push_back(std::to_string(e.slot) + " " + std::string(commandName(e.command)));
    return lines;
}

std::string outcomeMessage(const FinderResult& result) {
    switch (result.outcome) {
        case FinderOutcome::Found: return "route found: " + std::to_string(result.passedAtSlot) + " slots";
        case FinderOutcome::NotFound:
            return "no route found in " + std::to_string(static_cast<long long>(result.seconds)) + " s";
        case FinderOutcome::NoRoute: return "no route exists";
        case FinderOutcome::Cancelled: return "cancelled";
    }
    return "";
}

}  // namespace tamb::solve
