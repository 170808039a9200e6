#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CellCodes.h"
#include "GameLevel.h"

namespace tamb {

// A level file that cannot be read: names the line (from 0) and the
// position of the field in it (from 1), and says what is wrong.
class LevelFormatError : public std::runtime_error {
public:
    LevelFormatError(int line, int column, const std::string& what);
    int line() const { return line_; }
    int column() const { return column_; }

private:
    int line_;
    int column_;
};

using EditorGrid = std::array<int32_t, kRows * kCols>;  // row * 32 + column

// The game reads 27 lines of a level file and no byte past the 64th of a
// line, so a reader may stop there (a huge file costs no more than a small
// one) without changing what the game gets.
constexpr int kLevelFileLines = 27;
constexpr std::size_t kLevelLineBytes = 64;

// "0502" for column 5, row 2.
std::string positionCode(int col, int row);

// The game's reading of a level file's lines (their bytes). Throws
// LevelFormatError for a missing line, a short line, a field that is not two
// decimal digits, a grid code the game has no meaning for, a position
// outside the grid, and a man or devil that starts inside a solid cell
// (brick, unbreakable brick, beam, border), where he could never move.
// Doors may stand anywhere. Bytes of the file quoted in a message are
// shown escaped (\x00, \xEF) when they are not printable ASCII.
// Only the first 15 devil groups are read; later ones are ignored, as are
// trailing characters of the devil line that do not fill a group of four.
GameLevel decodeGameLevel(const std::vector<std::string>& lines);

// The editor's reading: fills the grid, object codes included. Rows read
// before a bad field keep their new values; then LevelFormatError. Unknown
// grid codes are kept (the editor marks them); every devil is placed, also
// past 15.
void decodeEditorLevel(const std::vector<std::string>& lines, EditorGrid& grid);

// What the editor's save found, in the order it checks.
enum class LevelCheck {
    Ok,
    SecondOutDoor,
    SecondMan,
    SecondManDoor,
    SecondShetsDoor,
    NoKlad,
    NoOutDoor,
    NoMan,
    NoManDoor,
    NoShetsDoor,
    NoShets,
    TooManyShets,
};

struct EncodeResult {
    LevelCheck check = LevelCheck::Ok;
    std::vector<std::string> lines;  // 27 lines when Ok; what was built so far otherwise
};

// The editor's writing, with its checks. perCell runs once per visited cell
// (progress gauge). Object cells and codes the game does not know are
// written "00". TooManyShets (more than 15) is checked after the others.
EncodeResult encodeLevel(const EditorGrid& grid, const std::function<void()>& perCell = {});

}  // namespace tamb
