#include "StatePacker.h"

#include "Rules.h"

namespace tamb::solve {

namespace {

constexpr int kCellBits = 10;  // 704 cells
constexpr int kCodeBits = 6;   // ground codes up to 26
constexpr int32_t kCellMask = (1 << kCellBits) - 1;
constexpr int32_t kCodeMask = (1 << kCodeBits) - 1;
constexpr int kShetsWords = 3;  // as shetsX and shetsY read them

constexpr int32_t diffWord(int idx, int32_t code, int32_t state) {
    return idx | code << kCellBits | state << (kCellBits + kCodeBits);
}
constexpr int diffCell(int32_t w) { return w & kCellMask; }
constexpr int32_t diffCode(int32_t w) { return (w >> kCellBits) & kCodeMask; }
constexpr int32_t diffState(int32_t w) { return w >> (kCellBits + kCodeBits); }

constexpr bool isHole(int32_t state) { return state >= 1 && state <= 18; }

// Two independent 64-bit mixes make the fingerprint.
struct Mixer {
    uint64_t a = 0x243f6a8885a308d3ull, b = 0x13198a2e03707344ull;
    void add(int32_t w) {
        const uint64_t v = static_cast<uint32_t>(w);
        a = (a ^ v) * 0x100000001b3ull;
        a ^= a >> 29;
        b = (b + v + 0x9e3779b97f4a7c15ull) * 0xbf58476d1ce4e5b9ull;
        b ^= b >> 31;
    }
};

}  // namespace

StatePacker::StatePacker(const GameLevel& level, int levelNumber, int speed)
    : speed_(speed), start_(std::make_unique<GameState>()) {
    start_->LevelNumber = levelNumber;
    SetUpLevelState(*start_, level);
    start_->GameDelay = SlotClock(speed).gameDelay();
    shets_ = start_->ShetsCount;
    baseCells_.assign(level.cells.begin(), level.cells.end());
    for (int i = 0; i < kRows * kCols; ++i) {
        if (baseCells_[i] == Klad || baseCells_[i] == Kirp) mutableCells_.push_back(i);
        if (baseCells_[i] == Kirp) hasKirp_ = true;
    }
}

void StatePacker::pack(const GameState& s, const SlotClock& clock, std::vector<int32_t>& out) const {
    const int facing = static_cast<int>(static_cast<Facing>(s.ManFacing));
    out.push_back(s.ManX);
    out.push_back(s.ManY);
    out.push_back((s.ManFalling ? 1 : 0) | (s.ManLetGo ? 2 : 0) | s.GumCount << 2 | facing << 4);
    out.push_back(s.Lives);
    out.push_back(s.KladsLeft);
    out.push_back(static_cast<int32_t>(clock.slot()));
    for (int i = 0; i < shets_; ++i) {
        out.push_back(s.ShetsX[i]);
        out.push_back(s.ShetsY[i]);
        out.push_back((s.ShetsFalling[i] ? 1 : 0) | (s.ShetsLetGo[i] ? 2 : 0));
    }
    const size_t countAt = out.size();
    out.push_back(0);
    for (const int idx : mutableCells_) {
        const int32_t code = s.Cells[idx];
        const int32_t state = s.CellStates[idx];
        if (code != baseCells_[idx] || isHole(state)) out.push_back(diffWord(idx, code, isHole(state) ? state : 0));
    }
    out[countAt] = static_cast<int32_t>(out.size() - countAt - 1);
}

void StatePacker::unpack(const int32_t* w, GameState& s, SlotClock& clock) const {
    s.ManX = w[kManX];
    s.ManY = w[kManY];
    s.ManFalling = (w[kFlags] & 1) != 0;
    s.ManLetGo = (w[kFlags] & 2) != 0;
    s.GumCount = (w[kFlags] >> 2) & 3;
    s.ManFacing = static_cast<Facing>(w[kFlags] >> 4);
    s.Lives = w[kLives];
    s.KladsLeft = w[kKlads];
    s.Command = Command::Stop;
    s.GameResult = GameResult::Normal;
    clock = SlotClock(speed_, w[kSlot]);
    const int32_t* p = w + kHeader;
    for (int i = 0; i < shets_; ++i, p += kShetsWords) {
        s.ShetsX[i] = p[0];
        s.ShetsY[i] = p[1];
        s.ShetsFalling[i] = (p[2] & 1) != 0;
        s.ShetsLetGo[i] = (p[2] & 2) != 0;
    }
    for (const int idx : mutableCells_) {
        s.Cells[idx] = baseCells_[idx];
        s.CellStates[idx] = start_->CellStates[idx];
    }
    const int32_t diffs = *p++;
    for (int k = 0; k < diffs; ++k) {
        s.Cells[diffCell(p[k])] = diffCode(p[k]);
        s.CellStates[diffCell(p[k])] = diffState(p[k]);
    }
    if (s.KladsLeft == 0) s.setCellState(s.OutDoorY / kCellSize, s.OutDoorX / kCellSize, 60);
}

size_t StatePacker::size(const int32_t* w) const {
    const size_t diffsAt = kHeader + static_cast<size_t>(shets_) * kShetsWords;
    return diffsAt + 1 + static_cast<size_t>(w[diffsAt]);
}

int StatePacker::holes(const int32_t* w) const {
    const int32_t* p = w + kHeader + shets_ * kShetsWords;
    int n = 0;
    for (int k = 0; k < p[0]; ++k) n += isHole(diffState(p[1 + k])) ? 1 : 0;
    return n;
}

bool StatePacker::kladTaken(const int32_t* w, int idx) const {
    const int32_t* p = w + kHeader + shets_ * kShetsWords;
    for (int k = 0; k < p[0]; ++k)
        if (diffCell(p[1 + k]) == idx) return true;
    return false;
}

StateKey StatePacker::key(const int32_t* w, bool exact) const {
    Mixer m;
    for (int i = 0; i < kHeader; ++i)
        if (i != kSlot) m.add(w[i]);
    const size_t n = size(w);
    for (size_t i = kHeader; i < n; ++i) m.add(w[i]);
    if ((exact && hasKirp_) || holes(w) > 0) m.add(static_cast<int32_t>(SlotClock(speed_, w[kSlot]).kirpPhase()));
    return {m.a, m.b};
}

}  // namespace tamb::solve
