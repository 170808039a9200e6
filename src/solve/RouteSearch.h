#pragma once
#include <atomic>
#include <functional>
#include <thread>

#include "RouteFinder.h"

namespace tamb::solve {

// One route search on a thread of its own, so a user interface never waits
// for the finder. The callbacks run on the search thread: a window hands
// them over to its own thread. The object cancels and joins its search when
// it goes, so nothing outlives it.
class RouteSearch {
public:
    using Progress = std::function<void(const FinderProgress&)>;
    using Done = std::function<void(const FinderResult&)>;

    RouteSearch() = default;
    ~RouteSearch();
    RouteSearch(const RouteSearch&) = delete;
    RouteSearch& operator=(const RouteSearch&) = delete;

    // Ends a search still running (cancelled, joined), then starts one.
    // options.cancel and options.progress are the search's own.
    void start(const GameLevel& level, int levelNumber, FinderOptions options, Progress progress, Done done);
    // Asks the search to give up; returns at once.
    void cancel() { cancel_.store(true); }
    // Cancels and waits for the thread; done has run (or never will) after it.
    void stop();
    // The thread has not returned yet.
    bool running() const { return running_.load(std::memory_order_acquire); }

private:
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> running_{false};
};

}  // namespace tamb::solve
