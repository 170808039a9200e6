// How evenly the game thread ticks: runs the real game thread (its clock
// loop and the rules on a level) for a number of ticks and reports the
// spread of the intervals between tick starts against the period P.
//   tamb_tick_jitter LEVEL_FILE [ticks] [speed]
#include <QApplication>
#include <QPointer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "LevelCodec.h"
#include "Rules.h"
#include "TManControl.h"
#include "TextLines.h"

using namespace tamb;
using Clock = std::chrono::steady_clock;

namespace {

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(p / 100.0 * static_cast<double>(v.size())));
    return v[i];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tamb_tick_jitter LEVEL_FILE [ticks] [speed]\n");
        return 2;
    }
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 500;
    const int speed = argc > 3 ? std::atoi(argv[3]) : 100;
    std::vector<std::string> lines;
    for (const QString& l : TextLines::read(QString::fromLocal8Bit(argv[1]))) lines.push_back(l.toStdString());
    const GameLevel level = decodeGameLevel(lines);

    auto state = std::make_unique<GameState>();
    SetUpLevelState(*state, level);
    state->GameDelay = GameDelayForSpeed(speed);
    NullGameHost host;
    std::vector<Clock::time_point> starts;
    starts.reserve(static_cast<size_t>(ticks) + 1);
    auto tick = [&starts, ticks](GameState& s, GameHost& h) {
        starts.push_back(Clock::now());
        // The man walks to and fro so the rules do their usual work.
        s.Command = (starts.size() / 100) % 2 == 0 ? Command::Right : Command::Left;
        RunTick(s, h);
        if (static_cast<int>(starts.size()) > ticks) s.Command = Command::Exit;
        if (s.GameResult != GameResult::Normal) {
            s.GameResult = GameResult::Normal;
            s.Lives = 3;
        }
    };
    QPointer<TManControl> thread = new TManControl(*state, host, tick, std::make_unique<SteadyGameClock>());
    TManControl::waitForEnd(thread);

    const double period = TickPeriodMs(state->GameDelay);
    std::vector<double> intervals, deviation;
    for (size_t i = 1; i < starts.size(); ++i) {
        const double ms = std::chrono::duration<double, std::milli>(starts[i] - starts[i - 1]).count();
        intervals.push_back(ms);
        deviation.push_back(std::abs(ms - period));
    }
    if (intervals.empty()) return 1;
    std::printf("ticks %zu, period P %.0f ms (speed %d, 15 devils: %d)\n", intervals.size(), period, speed,
                static_cast<int>(state->ShetsCount));
    std::printf("interval p50 %.3f ms, p99 %.3f ms, max %.3f ms\n", percentile(intervals, 50),
                percentile(intervals, 99), percentile(intervals, 100));
    std::printf("|interval - P| p50 %.3f ms (%.2f%% of P), p99 %.3f ms (%.2f%% of P)\n", percentile(deviation, 50),
                100 * percentile(deviation, 50) / period, percentile(deviation, 99),
                100 * percentile(deviation, 99) / period);
    return 0;
}
