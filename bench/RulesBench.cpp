// Cost of the rules: one tick, the timers and whole headless runs.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "HeadlessRun.h"
#include "Rules.h"

using namespace tamb;

namespace {

// A closed arena: the man walks on a long platform near the top; below it a
// floor with a ladder that ends under the platform; devils (up to 15) spread
// along the floor chase him without reaching him, so runs last.
GameLevel arena(int devils) {
    GameLevel level;
    auto at = [&level](int row, int col) -> int32_t& { return level.cells[row * kCols + col]; };
    for (int c = 0; c < kCols; ++c) {
        at(0, c) = BoundHor;
        at(21, c) = BoundHor;
        at(6, c) = Kirp;
        at(20, c) = SuperKirp;
    }
    for (int r = 0; r < kRows; ++r) {
        at(r, 0) = BoundVert;
        at(r, 31) = BoundVert;
    }
    for (int r = 8; r < 20; ++r) at(r, 16) = Stairs;
    at(3, 3) = Klad;
    at(19, 28) = Water;
    level.man = {2, 5};
    level.manDoor = {2, 5};
    level.shetsDoor = {29, 19};
    level.outDoor = {30, 1};
    for (int k = 0; k < devils; ++k) level.shets.push_back({1 + 2 * k, 19});
    return level;
}

// The man walks to one wall and back, and a catch costs no game.
void tickLoop(benchmark::State& state, int devils) {
    auto s = std::make_unique<GameState>();
    SetUpLevelState(*s, arena(devils));
    NullGameHost host;
    int64_t n = 0;
    for (auto _ : state) {
        s->Command = (n / 120) % 2 == 0 ? Command::Right : Command::Left;
        RunTick(*s, host);
        if (s->GameResult != GameResult::Normal) {
            s->GameResult = GameResult::Normal;
            s->Lives = 3;
        }
        ++n;
    }
    state.SetItemsProcessed(state.iterations());
    benchmark::DoNotOptimize(s->ManX.load());
}

void BM_RunTick_NoDevils(benchmark::State& state) { tickLoop(state, 0); }
void BM_RunTick_15Devils(benchmark::State& state) { tickLoop(state, 15); }

// Whole runs on the virtual clock, timers included, no trace.
void headless(benchmark::State& state, int devils) {
    const GameLevel level = arena(devils);
    std::vector<ScriptEntry> script;
    for (int64_t slot = 1; slot < 100000; slot += 120)
        script.push_back({slot, (slot / 120) % 2 == 0 ? Command::Right : Command::Left});
    RunOptions options;
    options.maxSlots = state.range(0);
    NullGameHost host;
    int64_t slots = 0;
    for (auto _ : state) {
        const RunSummary r = runLevel(level, 1, script, options, host);
        slots += r.slot;
    }
    state.SetItemsProcessed(slots);
}

void BM_HeadlessSlots_NoDevils(benchmark::State& state) { headless(state, 0); }
void BM_HeadlessSlots_15Devils(benchmark::State& state) { headless(state, 15); }

void BM_KirpTick(benchmark::State& state) {
    auto s = std::make_unique<GameState>();
    SetUpLevelState(*s, arena(0));
    NullGameHost host;
    // Holes at every stage of regrowth along the platform, hole v in column v.
    const auto burnAll = [&] {
        for (int v = kHoleStates.first; v <= kHoleStates.last; ++v) {
            s->setCell(6, v, Empty);
            s->setCellState(6, v, v);
        }
    };
    burnAll();
    int64_t n = 0;
    for (auto _ : state) {
        KirpTick(*s, host);
        if (++n % kHoleStates.frames() == 0) burnAll();
    }
}

void BM_AnimationTick(benchmark::State& state) {
    auto s = std::make_unique<GameState>();
    GameLevel level = arena(0);
    for (int c = 1; c < 31; ++c) {
        level.cells[2 * kCols + c] = Klad;
        level.cells[18 * kCols + c] = Water;
    }
    SetUpLevelState(*s, level);
    for (auto _ : state) benchmark::DoNotOptimize(AnimationTick(*s));
}

}  // namespace

BENCHMARK(BM_RunTick_NoDevils);
BENCHMARK(BM_RunTick_15Devils);
BENCHMARK(BM_HeadlessSlots_NoDevils)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadlessSlots_15Devils)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KirpTick);
BENCHMARK(BM_AnimationTick);
