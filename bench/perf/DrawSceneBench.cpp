// Cost of the game's drawing step: one DrawScene (the figures' animation
// advanced, the squares around them restored from the static arena, the
// animated cells redrawn, the figures ORed on) on a level with 15 devils,
// with the built sprite sheet.
#include <benchmark/benchmark.h>

#include <QRegion>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "ArenaPainter.h"
#include "Bitmap.h"
#include "LevelCodec.h"
#include "RectUnion.h"
#include "Rules.h"
#include "TextLines.h"

using namespace tamb;

namespace {

GameLevel perfLevel() {
    std::vector<std::string> lines;
    for (const QString& l : TextLines::read(QStringLiteral(TAMB_PERF_LEVEL))) lines.push_back(l.toStdString());
    return decodeGameLevel(lines);
}

// The fifteen-devil level drawn on the built sprite sheet, ready for scenes.
struct FifteenDevils {
    FifteenDevils() {
        sheet.loadFromFile(QStringLiteral(TAMB_GAMEDATA_DIR "/graphics/sprites.bmp"));
        SetUpLevelState(*s, perfLevel());
        painter.drawStaticArena(*s);
    }
    // The figures move between scenes as they do in play (a tick costs
    // about a microsecond, see BM_RunTick_15Devils).
    void tick(int64_t n) {
        s->Command = (n / 100) % 2 == 0 ? Command::Right : Command::Left;
        RunTick(*s, host);
        AdvanceSceneAnimation(*s);
    }

    Bitmap sheet;
    Bitmap arenaBitmap{kArenaWidth, kArenaHeight};
    Bitmap arena{kArenaWidth, kArenaHeight};
    ArenaPainter painter{sheet, arenaBitmap, arena};
    std::unique_ptr<GameState> s = std::make_unique<GameState>();
    NullGameHost host;
};

void BM_DrawScene_15Devils(benchmark::State& state) {
    FifteenDevils level;
    int64_t n = 0;
    for (auto _ : state) {
        level.tick(n++);
        level.painter.drawScene(*level.s);
    }
    benchmark::DoNotOptimize(level.arena.pixel(0, 0));
    state.SetItemsProcessed(state.iterations());
}

// In play a scene comes after 30 ms of sleep, with the pictures and the
// code long gone from the caches. Each iteration first sweeps a buffer
// larger than the last-level cache, then times only the scene.
// Argument: 1 = restores copy only where the screen differs from the
// static arena, 0 = whole squares (the painter told to forget its arena).
void BM_DrawScene_15Devils_Cold(benchmark::State& state) {
    FifteenDevils level;
    if (state.range(0) == 0) level.painter.forgetArena();
    std::vector<char> sweep(size_t(64) << 20);
    int64_t n = 0;
    for (auto _ : state) {
        level.tick(n);
        for (size_t i = 0; i < sweep.size(); i += 64) sweep[i] = static_cast<char>(n);
        const auto t0 = std::chrono::steady_clock::now();
        level.painter.drawScene(*level.s);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        ++n;
    }
    benchmark::DoNotOptimize(level.arena.pixel(0, 0));
    benchmark::DoNotOptimize(sweep.data());
}

// A frame's repaint region from its dozen small rectangles: Qt's union one
// rectangle at a time (argument 0) against one pass over bands (1).
void BM_FrameRegion(benchmark::State& state) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> x(0, 600), y(0, 400);
    std::vector<std::vector<QRect>> frames(64);
    for (auto& rects : frames)
        for (int i = 0; i < 12; ++i) rects.emplace_back(x(rng), y(rng), 24, 20);
    size_t k = 0;
    for (auto _ : state) {
        const std::vector<QRect>& rects = frames[k++ % frames.size()];
        QRegion region;
        if (state.range(0) == 0) {
            for (const QRect& r : rects) region += r;
        } else {
            region = unionOf(rects);
        }
        benchmark::DoNotOptimize(region.rectCount());
    }
}

void BM_DrawStaticArena(benchmark::State& state) {
    FifteenDevils level;
    for (auto _ : state) level.painter.drawStaticArena(*level.s);
    benchmark::DoNotOptimize(level.arena.pixel(0, 0));
}

}  // namespace

BENCHMARK(BM_DrawScene_15Devils);
BENCHMARK(BM_DrawScene_15Devils_Cold)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(300);
BENCHMARK(BM_FrameRegion)->Arg(0)->Arg(1);
BENCHMARK(BM_DrawStaticArena)->Unit(benchmark::kMicrosecond);
