#pragma once
#include <string>
#include <vector>

#include "GameLevel.h"

namespace tamb::levelmake {

// Where a sketch puts what it leaves out.
struct SketchDefaults {
    std::string fillRow;         // a row left out; all Empty when blank
    CellPos shetsDoor{30, 0};    // the devils' door when no 'T' is drawn
    CellPos outDoor{31, 0};      // the exit door when no 'X' is drawn
};

// A level drawn in the map alphabet (AsciiLevel.h) without the editor's
// checks, as tests draw a room: rows may be left out or short (the rest of
// a row is Empty), and a treasure, a devil or a door may be missing. The
// man, the devils and the doors stand on Empty cells; when a figure or a
// door is drawn twice the last one counts. Without an 'S' the man's door
// is the man's cell. Throws std::runtime_error on a character outside the
// alphabet.
GameLevel sketchLevel(const std::vector<std::string>& rows, const SketchDefaults& defaults = {});

// The 27 lines of a level file as the game reads them, written as they
// stand (no checks, devils past 15 included).
std::vector<std::string> levelFileLines(const GameLevel& level);

}  // namespace tamb::levelmake
