#include "MapSketch.h"

#include <stdexcept>

#include "AsciiLevel.h"

namespace tamb::levelmake {

GameLevel sketchLevel(const std::vector<std::string>& rows, const SketchDefaults& defaults) {
    GameLevel level;
    level.shetsDoor = defaults.shetsDoor;
    level.outDoor = defaults.outDoor;
    bool manDoor = false;
    for (int r = 0; r < kRows; ++r) {
        const std::string& row = r < static_cast<int>(rows.size()) ? rows[r] : defaults.fillRow;
        for (int c = 0; c < kCols && c < static_cast<int>(row.size()); ++c) {
            int code = Empty;
            if (!codeForChar(row[c], code))
                throw std::runtime_error("row " + std::to_string(r) + ", column " + std::to_string(c) +
                                         ": unknown cell '" + std::string(1, row[c]) + "'");
            const CellPos here{c, r};
            switch (code) {
                case Man: level.man = here; break;
                case Shets: level.shets.push_back(here); break;
                case ManDoor: level.manDoor = here; manDoor = true; break;
                case ShetsDoor: level.shetsDoor = here; break;
                case OutDoor: level.outDoor = here; break;
                default: level.cells[r * kCols + c] = code; continue;
            }
            level.cells[r * kCols + c] = Empty;
        }
    }
    if (!manDoor) level.manDoor = level.man;
    return level;
}

std::vector<std::string> levelFileLines(const GameLevel& level) {
    std::vector<std::string> lines;
    for (int r = 0; r < kRows; ++r) {
        std::string line;
        for (int c = 0; c < kCols; ++c) {
            const int32_t code = level.cells[r * kCols + c];
            line += static_cast<char>('0' + code / 10 % 10);
            line += static_cast<char>('0' + code % 10);
        }
        lines.push_back(line);
    }
    lines.push_back(positionCode(level.man.col, level.man.row));
    std::string shets;
    for (const CellPos& p : level.shets) shets += positionCode(p.col, p.row);
    lines.push_back(shets);
    lines.push_back(positionCode(level.manDoor.col, level.manDoor.row));
    lines.push_back(positionCode(level.shetsDoor.col, level.shetsDoor.row));
    lines.push_back(positionCode(level.outDoor.col, level.outDoor.row));
    return lines;
}

}  // namespace tamb::levelmake
