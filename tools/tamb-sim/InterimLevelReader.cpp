// Minimal reader of the game's level lines, used only while the level codec
// library is not part of the build.
#include <string>

#include "LevelCodec.h"

namespace tamb {

namespace {

int field(const std::vector<std::string>& lines, int line, int pos) {
    if (line >= static_cast<int>(lines.size())) throw LevelFormatError(line, pos + 1, "line missing");
    const std::string& s = lines[line];
    if (pos + 2 > static_cast<int>(s.size()) || s[pos] < '0' || s[pos] > '9' || s[pos + 1] < '0' || s[pos + 1] > '9')
        throw LevelFormatError(line, pos + 1, "not a two-digit number");
    return (s[pos] - '0') * 10 + (s[pos + 1] - '0');
}

CellPos position(const std::vector<std::string>& lines, int line, int pos) {
    CellPos p;
    p.col = field(lines, line, pos);
    p.row = field(lines, line, pos + 2);
    if (p.col >= kCols || p.row >= kRows) throw LevelFormatError(line, pos + 1, "position outside the arena");
    return p;
}

}  // namespace

LevelFormatError::LevelFormatError(int line, int column, const std::string& what)
    : std::runtime_error("line " + std::to_string(line + 1) + ", position " + std::to_string(column) + ": " + what),
      line_(line), column_(column) {}

GameLevel decodeGameLevel(const std::vector<std::string>& lines) {
    GameLevel level;
    level.man = position(lines, 22, 0);
    level.manDoor = position(lines, 24, 0);
    level.shetsDoor = position(lines, 25, 0);
    level.outDoor = position(lines, 26, 0);
    const int groups = static_cast<int>(lines[23].size()) / 4;
    for (int k = 0; k < groups && k < kMaxShets; ++k) level.shets.push_back(position(lines, 23, 4 * k));
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) level.cells[r * kCols + c] = field(lines, r, 2 * c);
    return level;
}

}  // namespace tamb
