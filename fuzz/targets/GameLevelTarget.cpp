// The game's reading of a level file, then a short game on what it read:
// whatever the file holds, decoding either names a bad field (in a message
// of printable ASCII) or yields a level the rules can play without leaving
// their tables, with no figure inside a solid cell. The game reads only the
// head of the file; the whole file must read the same.
#include <memory>

#include "FuzzSupport.h"
#include "HeadlessRun.h"
#include "LevelCodec.h"
#include "Rules.h"

using namespace tamb;

namespace {

bool inGrid(CellPos p) { return p.col >= 0 && p.col < kCols && p.row >= 0 && p.row < kRows; }

// Commands the player can give, picked by a generator seeded from the
// input so each level gets its own play.
std::vector<ScriptEntry> scriptFor(const uint8_t* data, size_t size) {
    static constexpr Command kCommands[] = {Command::Left, Command::Right, Command::Up,    Command::Down,
                                            Command::Fire, Command::Stop,  Command::Pause, Command::UserKillsMan};
    uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 1099511628211ull;
    std::vector<ScriptEntry> script;
    for (int64_t slot = 1; slot <= 400; slot += 7) {
        h = h * 6364136223846793005ull + 1442695040888963407ull;
        script.push_back({slot, kCommands[(h >> 33) % std::size(kCommands)]});
    }
    return script;
}

// The level read from these lines, or the message of its error.
struct Reading {
    GameLevel level;
    std::string error;
    int line = -1;
    int column = -1;
};

Reading readLevel(const std::vector<std::string>& lines) {
    Reading r;
    try {
        r.level = decodeGameLevel(lines);
    } catch (const LevelFormatError& e) {
        r.error = e.what();
        r.line = e.line();
        r.column = e.column();
    }
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const std::vector<std::string> lines =
        TextLines::toBytes(TextLines::split(bytes, kLevelFileLines, static_cast<qsizetype>(kLevelLineBytes)));
    const Reading head = readLevel(lines);
    const Reading whole = readLevel(fuzz::levelLines(bytes));
    FUZZ_CHECK(head.error == whole.error);
    if (!head.error.empty()) {
        FUZZ_CHECK(head.line >= 0 && head.line < 27);
        FUZZ_CHECK(head.column >= 1);
        for (const char c : head.error) FUZZ_CHECK(c >= 0x20 && c < 0x7f);
        return 0;
    }
    const GameLevel& level = head.level;
    FUZZ_CHECK(level.cells == whole.level.cells && level.shets == whole.level.shets && level.man == whole.level.man);
    FUZZ_CHECK(lines.size() == 27);
    FUZZ_CHECK(level.shets.size() <= static_cast<size_t>(kMaxShets));
    FUZZ_CHECK(level.shets.size() == std::min<size_t>(lines[23].size() / 4, kMaxShets));
    for (int32_t c : level.cells) FUZZ_CHECK(isGroundCode(c));
    for (CellPos p : {level.man, level.manDoor, level.shetsDoor, level.outDoor}) FUZZ_CHECK(inGrid(p));
    for (CellPos p : level.shets) FUZZ_CHECK(inGrid(p));
    auto cellAt = [&level](CellPos p) { return level.cells[static_cast<size_t>(p.row * kCols + p.col)]; };
    FUZZ_CHECK(!isSolid(cellAt(level.man)));
    for (CellPos p : level.shets) FUZZ_CHECK(!isSolid(cellAt(p)));

    auto s = std::make_unique<GameState>();
    SetUpLevelState(*s, level);
    FUZZ_CHECK(s->ShetsCount >= 0 && s->ShetsCount <= kMaxShets);
    NullGameHost host;
    RunOptions options;
    options.maxSlots = 400;
    const RunSummary run = runHeadless(*s, host, scriptFor(data, size), options, [](const GameState& g, int64_t, Command) {
        FUZZ_CHECK(g.ShetsCount >= 0 && g.ShetsCount <= kMaxShets);
        FUZZ_CHECK(g.KladsLeft >= 0);
        FUZZ_CHECK(g.Lives >= 0 && g.Lives <= 3);
    });
    FUZZ_CHECK(run.slot <= options.maxSlots);
    return 0;
}
