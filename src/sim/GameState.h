#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "CellCodes.h"
#include "CellStates.h"
#include "Shared.h"
#include "SpriteStrips.h"

namespace tamb {

// The texts that pass between the threads, as small enumerations named
// after them (see commandName/resultName for the texts themselves).
enum class Command : uint8_t { Left, Right, Up, Down, Fire, Stop, Pause, Exit, UserKillsMan };
enum class GameResult : uint8_t { Normal, ManKilled, LevelPassed };
// ManFacing: empty before the first move.
enum class Facing : uint8_t { None, Left, Right, FireLeft, FireRight };
// ShetsDirection.
enum class Direction : uint8_t { Stop, Left, Right, Up, Down };

std::string_view commandName(Command c);       // "left", ..., "UserKillsMan"
bool commandFromName(std::string_view text, Command& out);
std::string_view resultName(GameResult r);      // "normal", "ManKilled", "LevelPassed"
std::string_view facingName(Facing f);          // "", "left", "right", "fireleft", "fireright"
std::string_view directionName(Direction d);    // "stop", "left", ...

// The state of the level in play, shared by the user-interface thread and
// the game thread. Field names follow the game's own vocabulary. Devil
// slots are 0-based here: the k-th devil of the level sits at index k-1.
struct GameState {
    GameState() {
        for (auto& row : ShetsSpriteRow) row = kShetsBlockedStrip;
    }

    using Grid = std::array<Shared<int32_t>, kRows * kCols>;

    // Arena grids, row-major (row * 32 + column).
    Grid Cells{};
    Grid CellStates{};

    // Level counters.
    Shared<int32_t> KladsLeft{0};
    Shared<int32_t> ShetsCount{0};
    Shared<int32_t> Lives{3};
    Shared<int32_t> OutDoorX{0};
    Shared<int32_t> OutDoorY{0};
    Shared<int32_t> LevelNumber{1};

    // The man.
    Shared<int32_t> ManX{0};
    Shared<int32_t> ManY{0};
    Shared<int32_t> ManStartX{0};
    Shared<int32_t> ManStartY{0};
    Shared<bool> ManFalling{false};
    Shared<bool> ManLetGo{false};
    Shared<int32_t> GumCount{0};
    Shared<int32_t> FireOffset{0};
    Shared<Facing> ManFacing{Facing::None};
    Shared<int32_t> ManFrame{0};
    // The figures' strips are not reset between levels. Before the first
    // move they show the standing poses, not the man's falling strip.
    Shared<int32_t> ManSpriteRow{kManStandStrip};

    // The devils.
    std::array<Shared<int32_t>, kMaxShets> ShetsX{};
    std::array<Shared<int32_t>, kMaxShets> ShetsY{};
    std::array<Shared<bool>, kMaxShets> ShetsFalling{};
    std::array<Shared<bool>, kMaxShets> ShetsLetGo{};
    std::array<Shared<Direction>, kMaxShets> ShetsDirection{};
    std::array<Shared<Facing>, kMaxShets> ShetsFacing{};
    std::array<Shared<int32_t>, kMaxShets> ShetsFrame{};
    std::array<Shared<int32_t>, kMaxShets> ShetsSpriteRow{};
    Shared<int32_t> ShetsStartX{0};
    Shared<int32_t> ShetsStartY{0};

    // Texts between the threads.
    Handover<tamb::Command> Command{tamb::Command::Stop};
    Handover<tamb::GameResult> GameResult{tamb::GameResult::Normal};

    // Repaint position for RestoreAround.
    Shared<int32_t> RedrawX{0};
    Shared<int32_t> RedrawY{0};

    // Speed: 10000010 - 100000 * speed (10 at speed 100).
    Shared<int32_t> GameDelay{10};

    // Grid access. Reads outside the grid never touch memory outside it:
    // rows below the arena read as Empty (bodies fall out of the bottom),
    // rows above it read as BoundHor and columns beside it as BoundVert,
    // so an arena not closed at its sides behaves as if it were.
    int32_t cell(int row, int col) const {
        if (row >= kRows) return Empty;
        if (row < 0) return BoundHor;
        if (col < 0 || col >= kCols) return BoundVert;
        return Cells[row * kCols + col];
    }
    int32_t cellState(int row, int col) const {
        if (row < 0 || row >= kRows || col < 0 || col >= kCols) return 0;
        return CellStates[row * kCols + col];
    }
    void setCell(int row, int col, int32_t code) {
        if (row >= 0 && row < kRows && col >= 0 && col < kCols) Cells[row * kCols + col] = code;
    }
    void setCellState(int row, int col, int32_t v) {
        if (row >= 0 && row < kRows && col >= 0 && col < kCols) CellStates[row * kCols + col] = v;
    }
};

}  // namespace tamb
