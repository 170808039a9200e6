#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "GameState.h"
#include "Guide.h"
#include "StatePacker.h"

namespace tamb::solve {

// What every search thread of one finder shares: when to stop and how much
// has been done.
struct SearchControl {
    using Clock = std::chrono::steady_clock;

    const std::atomic<bool>* cancel = nullptr;  // set by the caller to give up
    std::atomic<bool> done{false};              // a route was ruled out
    std::atomic<int64_t> expanded{0};

    void setDeadline(Clock::time_point t) { deadline_ = t.time_since_epoch().count(); }
    // Moves the deadline closer, never further.
    void shortenDeadline(Clock::time_point t) {
        const Clock::rep want = t.time_since_epoch().count();
        Clock::rep now = deadline_.load();
        while (want < now && !deadline_.compare_exchange_weak(now, want)) {
        }
    }
    bool shouldStop() const {
        return done.load(std::memory_order_relaxed) || (cancel && cancel->load(std::memory_order_relaxed)) ||
               Clock::now().time_since_epoch().count() >= deadline_.load(std::memory_order_relaxed);
    }

private:
    std::atomic<Clock::rep> deadline_{0};
};

// One best-first search over the game's states, ordered by slots played plus
// weight x the guide's estimate, with every state's fingerprint kept so none
// is expanded twice.
//
// Coarse: the man holds a command until he stands on a cell corner again,
// takes a treasure, lands or is stopped; besides that he burns (after a turn
// if need be), waits a few slots, or waits until a devil falls, lands or
// dies or a hole closes. Deaths are dead ends, and so are states from which
// the guide's map reaches no more a treasure left or the door. Covering all
// of this proves nothing about finer play.
// With a width the coarse search keeps a state only when it brings
// something new for its count of treasures left: a cell for the man, a cell
// for one devil, a count of holes where the man stands; width 2 adds the
// pairs of cells of the man and each devil, width 3 those pairs with the
// count of holes. That cuts the states where devils stand a few pixels
// apart down to the few that differ, at the price of missing some routes.
// Exact: every command for one slot from every state, deaths included, with
// the whole state the rules read in the fingerprint. Covering all of this
// proves that no route exists.
class Explorer {
public:
    enum class Mode : uint8_t { Coarse, Exact };
    enum class Outcome : uint8_t { Found, Exhausted, Stopped };

    struct Tuning {
        double weight = 1.5;  // trust in the guide against slots played
        int width = 0;        // coarse only: keep only novel states (1 to 3), 0 keeps all
        int waitSlots = 5;    // the wait action
    };

    Explorer(const StatePacker& packer, const Guide& guide, Mode mode, const Tuning& tuning, SearchControl& control);

    Outcome run();
    // The command of every slot of the route found, from slot 1.
    const std::vector<Command>& commands() const { return commands_; }
    int64_t expanded() const { return expanded_; }

private:
    struct Action {
        Command prefix[2];
        int prefixLength;
        Command repeat;
        int slots;      // exact length, or the cap of a move or a wait
        enum Until : uint8_t { Slots, Corner, Event } until;
    };
    struct Node {
        size_t words;     // offset of the packed state in pool_
        int32_t parent;   // -1 for the start
        uint16_t slots;   // slots the action from the parent took
        uint8_t action;
    };
    enum class Step : uint8_t { Goes, Passed, Lost };

    Step play(const Action& a, int livesBefore, uint16_t& slots);
    bool novel(const int32_t* words);
    void tracePath(int32_t node, int lastAction, uint16_t lastSlots);

    const StatePacker& packer_;
    const Guide& guide_;
    Mode mode_;
    Tuning tuning_;
    SearchControl& control_;
    std::vector<Action> actions_;
    std::vector<Node> nodes_;
    std::vector<int32_t> pool_;
    std::vector<Command> commands_;
    std::unordered_set<uint64_t> atoms_;
    int64_t expanded_ = 0;
    GameState s_;
    SlotClock clock_;
};

}  // namespace tamb::solve
