#include "Explorer.h"

#include <algorithm>
#include <queue>
#include <unordered_set>

namespace tamb::solve {

namespace {

constexpr int kMoveCap = 400;    // slots: a long fall through gum stays below this
constexpr int kWaitSlots = 5;    // a walker's cell: devils move half of it
constexpr int kCheckEvery = 64;  // expansions between looks at the clock

struct Open {
    double f;
    int64_t order;
    int32_t node;
    bool operator>(const Open& o) const { return f != o.f ? f > o.f : order > o.order; }
};

}  // namespace

Explorer::Explorer(const StatePacker& packer, const Guide& guide, Mode mode, double weight, SearchControl& control)
    : packer_(packer), guide_(guide), mode_(mode), weight_(weight), control_(control), s_(packer.start()),
      clock_(packer.speed()) {
    using C = Command;
    if (mode == Mode::Coarse) {
        // Action 0 lets a falling man land; the others start from firm ground.
        actions_ = {
            {{C::Stop, C::Stop}, 0, C::Stop, kMoveCap, true},
            {{C::Stop, C::Stop}, 0, C::Left, kMoveCap, true},
            {{C::Stop, C::Stop}, 0, C::Right, kMoveCap, true},
            {{C::Stop, C::Stop}, 0, C::Up, kMoveCap, true},
            {{C::Stop, C::Stop}, 0, C::Down, kMoveCap, true},
            {{C::Stop, C::Stop}, 0, C::Fire, 1, false},
            {{C::Left, C::Stop}, 1, C::Fire, 2, false},
            {{C::Right, C::Stop}, 1, C::Fire, 2, false},
            {{C::Right, C::Left}, 2, C::Fire, 3, false},  // turns left where he stands
            {{C::Left, C::Right}, 2, C::Fire, 3, false},
            {{C::Stop, C::Stop}, 0, C::Stop, kWaitSlots, false},
        };
    } else {
        for (C c : {C::Left, C::Right, C::Up, C::Down, C::Fire, C::Stop, C::UserKillsMan})
            actions_.push_back({{C::Stop, C::Stop}, 0, c, 1, false});
    }
}

Explorer::Step Explorer::play(const Action& a, int livesBefore, uint16_t& slots) {
    NullGameHost host;
    slots = 0;
    int x = s_.ManX, y = s_.ManY;
    const int klads = s_.KladsLeft;
    int still = 0;
    for (;;) {
        clock_.runTimers(s_, host, false);
        s_.Command = slots < a.prefixLength ? a.prefix[slots] : a.repeat;
        clock_.runSlot(s_, host);
        ++slots;
        const GameResult result = s_.GameResult;
        if (result == GameResult::LevelPassed) return Step::Passed;
        if (result == GameResult::ManKilled) return Step::Lost;
        if (mode_ == Mode::Coarse && s_.Lives < livesBefore) return Step::Lost;
        if (slots >= a.slots) return Step::Goes;
        if (!a.untilCorner || slots < a.prefixLength) continue;
        if (s_.KladsLeft != klads) return Step::Goes;
        const bool falling = s_.ManFalling;
        const int nx = s_.ManX, ny = s_.ManY;
        if (!falling && nx % kCellSize == 0 && ny % kCellSize == 0) return Step::Goes;
        still = (falling || nx != x || ny != y) ? 0 : still + 1;
        if (still >= 2) return Step::Goes;  // two slots: gum moves him every second one
        x = nx;
        y = ny;
    }
}

Explorer::Outcome Explorer::run() {
    const bool exact = mode_ == Mode::Exact;
    nodes_.clear();
    pool_.clear();
    commands_.clear();
    s_ = packer_.start();
    clock_ = SlotClock(packer_.speed());
    packer_.pack(s_, clock_, pool_);
    nodes_.push_back({0, -1, 0, 0});

    std::unordered_set<StateKey, StateKeyHash> seen;
    seen.reserve(1 << 16);
    seen.insert(packer_.key(pool_.data(), exact));
    std::priority_queue<Open, std::vector<Open>, std::greater<>> open;
    int64_t order = 0;
    open.push({0.0, order++, 0});

    std::vector<int32_t> here;
    int64_t unreported = 0;
    while (!open.empty()) {
        if (++unreported == kCheckEvery) {
            control_.expanded.fetch_add(unreported, std::memory_order_relaxed);
            unreported = 0;
            if (control_.shouldStop()) return Outcome::Stopped;
        }
        const int32_t n = open.top().node;
        open.pop();
        ++expanded_;
        const Node node = nodes_[n];
        here.assign(pool_.begin() + static_cast<std::ptrdiff_t>(node.words),
                    pool_.begin() + static_cast<std::ptrdiff_t>(node.words + packer_.size(pool_.data() + node.words)));
        const bool falling = StatePacker::falling(here.data());
        const int lives = StatePacker::lives(here.data());
        for (size_t k = 0; k < actions_.size(); ++k) {
            // A falling man cannot steer: he only lands (coarse action 0).
            if (!exact && (k == 0) != falling) continue;
            packer_.unpack(here.data(), s_, clock_);
            uint16_t slots = 0;
            const Step step = play(actions_[k], lives, slots);
            if (step == Step::Lost) continue;
            if (step == Step::Passed) {
                control_.expanded.fetch_add(unreported, std::memory_order_relaxed);
                tracePath(n, static_cast<int>(k), slots);
                return Outcome::Found;
            }
            const size_t at = pool_.size();
            packer_.pack(s_, clock_, pool_);
            if (!seen.insert(packer_.key(pool_.data() + at, exact)).second) {
                pool_.resize(at);
                continue;
            }
            nodes_.push_back({at, n, slots, static_cast<uint8_t>(k)});
            const int32_t* w = pool_.data() + at;
            const double f = static_cast<double>(StatePacker::slot(w)) + weight_ * guide_.estimate(w);
            open.push({f, order++, static_cast<int32_t>(nodes_.size() - 1)});
        }
    }
    control_.expanded.fetch_add(unreported, std::memory_order_relaxed);
    return Outcome::Exhausted;
}

void Explorer::tracePath(int32_t node, int lastAction, uint16_t lastSlots) {
    std::vector<std::pair<int, uint16_t>> steps{{lastAction, lastSlots}};
    for (int32_t n = node; nodes_[n].parent >= 0; n = nodes_[n].parent) steps.emplace_back(nodes_[n].action, nodes_[n].slots);
    std::reverse(steps.begin(), steps.end());
    for (const auto& [k, slots] : steps) {
        const Action& a = actions_[k];
        for (int j = 0; j < slots; ++j) commands_.push_back(j < a.prefixLength ? a.prefix[j] : a.repeat);
    }
}

}  // namespace tamb::solve
