// Cost of the game's drawing step: one DrawScene (the figures' animation
// advanced, the squares around them restored from the static arena, the
// animated cells redrawn, the figures ORed on) on a level with 15 devils,
// with the built sprite sheet.
#include <benchmark/benchmark.h>

#include <memory>

#include "ArenaPainter.h"
#include "Bitmap.h"
#include "LevelCodec.h"
#include "Rules.h"
#include "TextLines.h"

using namespace tamb;

namespace {

GameLevel perfLevel() {
    std::vector<std::string> lines;
    for (const QString& l : TextLines::read(QStringLiteral(TAMB_PERF_LEVEL))) lines.push_back(l.toStdString());
    return decodeGameLevel(lines);
}

void BM_DrawScene_15Devils(benchmark::State& state) {
    Bitmap sheet;
    sheet.loadFromFile(QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/sprites.bmp"));
    Bitmap arenaBitmap(kArenaWidth, kArenaHeight);
    Bitmap arena(kArenaWidth, kArenaHeight);
    ArenaPainter painter(sheet, arenaBitmap, arena);
    auto s = std::make_unique<GameState>();
    SetUpLevelState(*s, perfLevel());
    painter.drawStaticArena(*s);
    NullGameHost host;
    int64_t n = 0;
    for (auto _ : state) {
        // The figures move between scenes as they do in play (a tick costs
        // about a microsecond, see BM_RunTick_15Devils).
        s->Command = (n / 100) % 2 == 0 ? Command::Right : Command::Left;
        RunTick(*s, host);
        AdvanceSceneAnimation(*s);
        painter.drawScene(*s);
        ++n;
    }
    benchmark::DoNotOptimize(arena.pixel(0, 0));
    state.SetItemsProcessed(state.iterations());
}

void BM_DrawStaticArena(benchmark::State& state) {
    Bitmap sheet;
    sheet.loadFromFile(QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/sprites.bmp"));
    Bitmap arenaBitmap(kArenaWidth, kArenaHeight);
    Bitmap arena(kArenaWidth, kArenaHeight);
    ArenaPainter painter(sheet, arenaBitmap, arena);
    auto s = std::make_unique<GameState>();
    SetUpLevelState(*s, perfLevel());
    for (auto _ : state) painter.drawStaticArena(*s);
    benchmark::DoNotOptimize(arena.pixel(0, 0));
}

}  // namespace

BENCHMARK(BM_DrawScene_15Devils);
BENCHMARK(BM_DrawStaticArena)->Unit(benchmark::kMicrosecond);
