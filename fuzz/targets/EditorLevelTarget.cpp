// The editor's reading of a level file, then its writing of what it read:
// a grid the editor accepts for saving must come back unchanged through a
// second save and load.
#include "FuzzSupport.h"
#include "LevelCodec.h"

using namespace tamb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> lines = fuzz::levelLines(fuzz::bytesOf(data, size));
    EditorGrid grid;
    grid.fill(Empty);
    try {
        decodeEditorLevel(lines, grid);
    } catch (const LevelFormatError& e) {
        FUZZ_CHECK(e.line() >= 0 && e.line() < 27);
        FUZZ_CHECK(e.column() >= 1);
        // Rows read before the bad field keep their values: still savable
        // or refused, never a crash.
    }
    for (int32_t c : grid) FUZZ_CHECK(c >= 0 && (c <= 99 || isObjectCode(c)));

    int cells = 0;
    const EncodeResult saved = encodeLevel(grid, [&cells] { ++cells; });
    FUZZ_CHECK(cells <= kRows * kCols);
    if (saved.check != LevelCheck::Ok) return 0;
    FUZZ_CHECK(cells == kRows * kCols);
    FUZZ_CHECK(saved.lines.size() == 27);
    for (int r = 0; r < kRows; ++r) FUZZ_CHECK(saved.lines[static_cast<size_t>(r)].size() == 64);
    const size_t shets = saved.lines[23].size() / 4;
    FUZZ_CHECK(shets >= 1 && shets <= static_cast<size_t>(kMaxShets) && saved.lines[23].size() % 4 == 0);

    // What was written reads back to the same grid (unknown codes are
    // written as empty cells) and is written the same way again.
    EditorGrid again;
    again.fill(Empty);
    decodeEditorLevel(saved.lines, again);
    for (size_t i = 0; i < grid.size(); ++i) FUZZ_CHECK(again[i] == (isKnownCode(grid[i]) ? grid[i] : Empty));
    const EncodeResult twice = encodeLevel(again);
    FUZZ_CHECK(twice.check == LevelCheck::Ok && twice.lines == saved.lines);

    // The game reads every level the editor writes.
    const GameLevel level = decodeGameLevel(saved.lines);
    FUZZ_CHECK(level.shets.size() == shets);
    return 0;
}
