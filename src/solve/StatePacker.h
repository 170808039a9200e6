#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "GameLevel.h"
#include "GameState.h"
#include "SlotClock.h"

namespace tamb::solve {

// A 128-bit fingerprint of what the rules will read from a state.
struct StateKey {
    uint64_t a = 0, b = 0;
    bool operator==(const StateKey&) const = default;
};

// Packs a running game into a few words and back. Only treasures and bricks
// ever change in the grid, so a packed state lists the cells that differ
// from the level's start (and the holes with their regrowth frames). What
// only the pictures use (animation frames and strips, devils' facing and
// direction) is left out: the rules never read it back.
class StatePacker {
public:
    StatePacker(const GameLevel& level, int levelNumber, int speed);

    // A fresh game at the start of the level and its clock.
    const GameState& start() const { return *start_; }
    int speed() const { return speed_; }

    // Appends the packed state to out.
    void pack(const GameState& s, const SlotClock& clock, std::vector<int32_t>& out) const;
    // Puts a packed state into s (a game of this level) and clock.
    void unpack(const int32_t* words, GameState& s, SlotClock& clock) const;
    // Number of words of the packed state at words.
    size_t size(const int32_t* words) const;

    // The fingerprint of a packed state. The brick timer's phase decides
    // how long a hole lasts; it is part of the key while holes are open,
    // and always when exact (a later burn depends on it too).
    StateKey key(const int32_t* words, bool exact) const;

    // Readers of a packed state.
    static int manX(const int32_t* w) { return w[kManX]; }
    static int manY(const int32_t* w) { return w[kManY]; }
    static bool falling(const int32_t* w) { return (w[kFlags] & 1) != 0; }
    static int lives(const int32_t* w) { return w[kLives]; }
    static int kladsLeft(const int32_t* w) { return w[kKlads]; }
    static int64_t slot(const int32_t* w) { return w[kSlot]; }
    int shetsCount() const { return shets_; }
    static int shetsX(const int32_t* w, int i) { return w[kHeader + i * 3]; }
    static int shetsY(const int32_t* w, int i) { return w[kHeader + i * 3 + 1]; }
    // Whether cell index idx still holds its treasure.
    bool kladTaken(const int32_t* words, int idx) const;
    int holes(const int32_t* words) const;

private:
    enum Word { kManX, kManY, kFlags, kLives, kKlads, kSlot, kHeader };

    int speed_;
    int shets_;
    bool hasKirp_ = false;
    std::unique_ptr<GameState> start_;
    std::vector<int> mutableCells_;  // every Klad and Kirp cell of the level
    std::vector<int32_t> baseCells_;
};

}  // namespace tamb::solve
