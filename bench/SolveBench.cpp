// The route finder's pace: states expanded per second, one thread, on a
// level it cannot pass, so every run lasts its time.
#include <benchmark/benchmark.h>

#include "RouteFinder.h"

using namespace tamb;

namespace {

// Three brick floors over rock, two ladders through them, treasures on
// every floor and one in the air where no ledge leads (its map still shows
// a way, so the search has to try them all); devils (0 or 4) on the floors.
GameLevel floors(int devils) {
    GameLevel level;
    auto at = [&level](int row, int col) -> int32_t& { return level.cells[row * kCols + col]; };
    for (int c = 0; c < kCols; ++c) {
        at(0, c) = BoundHor;
        at(21, c) = BoundHor;
        at(20, c) = SuperKirp;
        for (int row : {5, 10, 15}) at(row, c) = Kirp;
    }
    for (int r = 0; r < kRows; ++r) {
        at(r, 0) = BoundVert;
        at(r, 31) = BoundVert;
    }
    for (int r = 2; r < 20; ++r) {
        at(r, 8) = Stairs;
        at(r, 24) = Stairs;
    }
    for (const CellPos k : {CellPos{16, 3}, CellPos{4, 9}, CellPos{28, 9}, CellPos{12, 14}, CellPos{20, 19}, CellPos{3, 19}})
        at(k.row, k.col) = Klad;
    level.man = {12, 19};
    level.manDoor = {12, 19};
    level.shetsDoor = {30, 1};
    level.outDoor = {2, 1};
    const CellPos spots[] = {{20, 4}, {3, 9}, {28, 14}, {28, 19}};
    for (int k = 0; k < devils; ++k) level.shets.push_back(spots[k]);
    return level;
}

void statesPerSecond(benchmark::State& state, int devils) {
    const GameLevel level = floors(devils);
    int64_t expanded = 0;
    double seconds = 0;
    for (auto _ : state) {
        solve::FinderOptions options;
        options.seconds = 1;
        options.threads = 1;
        const solve::FinderResult result = solve::findRoute(level, 1, options);
        if (result.outcome == solve::FinderOutcome::Found) state.SkipWithError("the treasure in the air was reached");
        expanded += result.expanded;
        seconds += result.seconds;
    }
    state.counters["states"] = static_cast<double>(expanded) / static_cast<double>(state.iterations());
    state.counters["states_per_s"] = static_cast<double>(expanded) / seconds;
}

void BM_Solve_NoDevils(benchmark::State& state) { statesPerSecond(state, 0); }
void BM_Solve_FourDevils(benchmark::State& state) { statesPerSecond(state, 4); }

}  // namespace

BENCHMARK(BM_Solve_NoDevils)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_Solve_FourDevils)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
