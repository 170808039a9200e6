#include "RouteSearch.h"

namespace tamb::solve {

RouteSearch::~RouteSearch() { stop(); }

void RouteSearch::start(const GameLevel& level, int levelNumber, FinderOptions options, Progress progress,
                        Done done) {
    stop();
    cancel_.store(false);
    running_.store(true, std::memory_order_release);
    options.cancel = &cancel_;
    options.progress = std::move(progress);
    thread_ = std::thread([this, level, levelNumber, options = std::move(options), done = std::move(done)] {
        const FinderResult result = findRoute(level, levelNumber, options);
        if (done) done(result);
        running_.store(false, std::memory_order_release);
    });
}

void RouteSearch::stop() {
    cancel_.store(true);
    if (thread_.joinable()) thread_.join();
    running_.store(false, std::memory_order_release);
}

}  // namespace tamb::solve
