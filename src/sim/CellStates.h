#pragma once
#include <cstdint>

namespace tamb {

// Values of CellStates: what a cell animates or times. Each meaning owns a
// range of its own, so a value tells what it is without looking at the
// cell's code; 0 is nothing.
struct CellStateRange {
    int32_t first;
    int32_t last;

    constexpr bool contains(int32_t v) const { return v >= first && v <= last; }
    constexpr int frames() const { return last - first + 1; }
    // The next frame of an animation that cycles: last is followed by first.
    constexpr int32_t cycled(int32_t v) const { return v == last ? first : v + 1; }
};

constexpr int32_t kNoCellState = 0;

// A burnt brick growing back (a hole). The value is the next regrowth frame
// to show: first when just burnt, last the frame of the whole brick.
constexpr CellStateRange kHoleStates{1, 18};
// Advanced past its last frame, a hole is a brick again.
constexpr int32_t kHoleRegrown = kHoleStates.last + 1;
// The regrowth frame that shows the whole brick; it is also Kirp's tile.
constexpr int32_t kWholeBrickFrame = kHoleStates.last;
// The last value at which a hole still holds a trapped devil whose head
// carries the man and other devils; older holes let them fall in.
constexpr int32_t kHoleCarriesHeadLast = 16;

// Animations cycled by the animation timer, each starting at its first frame.
constexpr CellStateRange kGlitterStates{20, 30};   // a treasure (Klad)
constexpr CellStateRange kWaterStates{40, 55};     // a Water cell
constexpr CellStateRange kExitDoorStates{60, 63};  // the exit door once it has appeared

constexpr bool isHoleState(int32_t v) { return kHoleStates.contains(v); }
constexpr bool holeCarriesHead(int32_t v) { return v >= kHoleStates.first && v <= kHoleCarriesHeadLast; }
constexpr bool isGlitterState(int32_t v) { return kGlitterStates.contains(v); }
constexpr bool isWaterState(int32_t v) { return kWaterStates.contains(v); }
constexpr bool isExitDoorState(int32_t v) { return kExitDoorStates.contains(v); }

// The ranges must stay apart: the timers advance a value by its range alone.
static_assert(kHoleRegrown < kGlitterStates.first && kGlitterStates.last < kWaterStates.first &&
              kWaterStates.last < kExitDoorStates.first);
static_assert(kHoleStates.contains(kHoleCarriesHeadLast));

}  // namespace tamb
