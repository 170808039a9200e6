#include "Explorer.h"

#include <algorithm>
#include <cstdlib>
#include <queue>

#include "SeenStates.h"

namespace tamb::solve {

namespace {

constexpr int kMoveCap = 400;    // slots: a long fall through gum stays below this
constexpr int kCheckEvery = 64;  // expansions between looks at the clock
constexpr int kEventCap = 150;   // slots: most of a hole's life at full speed
constexpr int kHoleLookEvery = 10;  // slots: the brick timer's pace at full speed

// What a wait for the devils watches: where each is and whether it falls.
struct DevilsSeen {
    int32_t x[kMaxShets], y[kMaxShets];
    bool falling[kMaxShets];
    int holes;
};

int openHoles(const GameState& s) {
    int n = 0;
    for (const auto& v : s.CellStates) n += (v >= 1 && v <= 18) ? 1 : 0;
    return n;
}

DevilsSeen seeDevils(const GameState& s) {
    DevilsSeen d{};
    const int n = s.ShetsCount;
    for (int i = 0; i < n; ++i) {
        d.x[i] = s.ShetsX[i];
        d.y[i] = s.ShetsY[i];
        d.falling[i] = s.ShetsFalling[i];
    }
    d.holes = openHoles(s);
    return d;
}

// A devil began or ended a fall, went back to its door, or a hole closed.
bool devilsChanged(const GameState& s, DevilsSeen& seen) {
    const int n = s.ShetsCount;
    bool changed = false;
    for (int i = 0; i < n; ++i) {
        const int32_t x = s.ShetsX[i], y = s.ShetsY[i];
        const bool falling = s.ShetsFalling[i];
        if (falling != seen.falling[i] || std::abs(x - seen.x[i]) > 2 || std::abs(y - seen.y[i]) > 2) changed = true;
        seen.x[i] = x;
        seen.y[i] = y;
        seen.falling[i] = falling;
    }
    return changed;
}

struct Open {
    double f;
    int64_t order;
    int32_t node;
    bool operator>(const Open& o) const { return f != o.f ? f > o.f : order > o.order; }
};

}  // namespace

Explorer::Explorer(const StatePacker& packer, const Guide& guide, Mode mode, const Tuning& tuning,
                   SearchControl& control)
    : packer_(packer), guide_(guide), mode_(mode), tuning_(tuning), control_(control), s_(packer.start()),
      clock_(packer.speed()) {
    using C = Command;
    constexpr auto kSlots = Action::Slots, kCorner = Action::Corner, kEvent = Action::Event;
    if (mode == Mode::Coarse) {
        // Action 0 lets a falling man land; the others start from firm ground.
        actions_ = {
            {{C::Stop, C::Stop}, 0, C::Stop, kMoveCap, kCorner},
            {{C::Stop, C::Stop}, 0, C::Left, kMoveCap, kCorner},
            {{C::Stop, C::Stop}, 0, C::Right, kMoveCap, kCorner},
            {{C::Stop, C::Stop}, 0, C::Up, kMoveCap, kCorner},
            {{C::Stop, C::Stop}, 0, C::Down, kMoveCap, kCorner},
            {{C::Stop, C::Stop}, 0, C::Fire, 1, kSlots},
            {{C::Left, C::Stop}, 1, C::Fire, 2, kSlots},
            {{C::Right, C::Stop}, 1, C::Fire, 2, kSlots},
            {{C::Right, C::Left}, 2, C::Fire, 3, kSlots},  // turns left where he stands
            {{C::Left, C::Right}, 2, C::Fire, 3, kSlots},
            {{C::Stop, C::Stop}, 0, C::Stop, tuning.waitSlots, kSlots},
            {{C::Stop, C::Stop}, 0, C::Stop, kEventCap, kEvent},
        };
    } else {
        // "pause" counts: the brick timer stands still while the clock runs
        // on, so a hole lasts longer against the slots.
        for (C c : {C::Left, C::Right, C::Up, C::Down, C::Fire, C::Stop, C::Pause, C::UserKillsMan})
            actions_.push_back({{C::Stop, C::Stop}, 0, c, 1, kSlots});
    }
}

Explorer::Step Explorer::play(const Action& a, int livesBefore, uint16_t& slots) {
    NullGameHost host;
    slots = 0;
    int x = s_.ManX, y = s_.ManY;
    const int klads = s_.KladsLeft;
    int still = 0;
    DevilsSeen devils{};
    if (a.until == Action::Event) devils = seeDevils(s_);
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
        if (a.until == Action::Event) {
            if (s_.ManFalling || devilsChanged(s_, devils)) return Step::Goes;
            if (slots % kHoleLookEvery == 0 && openHoles(s_) != devils.holes) return Step::Goes;
            continue;
        }
        if (a.until == Action::Slots || slots < a.prefixLength) continue;
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

    SeenStates seen;
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
            if (!seen.insert(packer_.key(pool_.data() + at, exact))) {
                pool_.resize(at);
                continue;
            }
            // Coarse play never dies, so a man cut off from a treasure is lost.
            if (!exact && (guide_.hopeless(pool_.data() + at) || (tuning_.width > 0 && !novel(pool_.data() + at)))) {
                pool_.resize(at);
                continue;
            }
            nodes_.push_back({at, n, slots, static_cast<uint8_t>(k)});
            const int32_t* w = pool_.data() + at;
            const double f = static_cast<double>(StatePacker::slot(w)) + tuning_.weight * guide_.estimate(w);
            open.push({f, order++, static_cast<int32_t>(nodes_.size() - 1)});
        }
    }
    control_.expanded.fetch_add(unreported, std::memory_order_relaxed);
    return Outcome::Exhausted;
}

bool Explorer::novel(const int32_t* w) {
    // An atom: kind, treasures left, and up to three small numbers (cells,
    // a devil's slot with the count of holes).
    auto atom = [](uint64_t kind, uint64_t stage, uint64_t a, uint64_t b, uint64_t c) {
        return kind | stage << 4 | a << 12 | b << 24 | c << 40;
    };
    auto cellOf = [](int x, int y) {
        const int row = std::clamp((y + kCellSize / 2) / kCellSize, 0, kRows);
        const int col = std::clamp((x + kCellSize / 2) / kCellSize, 0, kCols - 1);
        return static_cast<uint64_t>(row * kCols + col);
    };
    const uint64_t stage = static_cast<uint64_t>(StatePacker::kladsLeft(w));
    const uint64_t man = cellOf(StatePacker::manX(w), StatePacker::manY(w));
    const uint64_t holes = static_cast<uint64_t>(packer_.holes(w));
    bool fresh = false;
    auto add = [&](uint64_t a) { fresh = atoms_.insert(a).second || fresh; };
    add(atom(1, stage, man, 0, 0));
    add(atom(2, stage, holes, man, 0));
    for (int i = 0; i < packer_.shetsCount(); ++i) {
        const uint64_t devil = cellOf(StatePacker::shetsX(w, i), StatePacker::shetsY(w, i));
        const uint64_t slot = static_cast<uint64_t>(i);
        add(atom(3, stage, devil, slot, 0));
        if (tuning_.width >= 2) add(atom(4, stage, devil, slot, man));
        if (tuning_.width >= 3) add(atom(5, stage, devil, slot | holes << 4, man));
    }
    return fresh;
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
