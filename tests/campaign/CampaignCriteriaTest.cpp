// Every shipped level against the campaign's checklist: the figures of
// `levelmake stats`, judged by levelFailures and campaignFailures. A failure
// names the level and the criterion.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CampaignFiles.h"
#include "LevelStats.h"

using namespace tamb;
using namespace tamb::levelmake;

namespace {

// Levels from before the checklist, still to be reworked or replaced. The
// list only shrinks: a level leaves it when it passes every criterion, and
// the campaign-wide criteria are judged once it is empty and the campaign
// has its full length.
const std::set<int> kPendingRework = {};

constexpr std::size_t kMinLevels = 50;

std::string describe(const std::vector<Failure>& failures) {
    std::string out;
    for (const Failure& f : failures) out += "\n  criterion " + std::to_string(f.criterion) + ": " + f.what;
    return out;
}

// The level's figures, compared with every other shipped level but those
// still to be reworked (they will not stay as they are).
LevelStats measure(int n, const std::vector<int>& numbers) {
    std::vector<GameLevel> levels;
    std::vector<LevelStats> stats;
    const std::vector<ScriptEntry> route = campaign::readRoute(n);
    for (int other : numbers) {
        if (other != n && kPendingRework.count(other)) continue;
        levels.push_back(campaign::readLevel(other));
        StatsOptions options;
        options.plays = other == n;
        stats.push_back(measureLevel(levels.back(), other, other == n ? &route : nullptr, options));
    }
    compareLevels(levels, stats);
    for (const LevelStats& s : stats)
        if (s.number == n) return s;
    return {};
}

}  // namespace

class CampaignCriteria : public testing::TestWithParam<int> {};

TEST_P(CampaignCriteria, LevelMeetsEveryCriterion) {
    const int n = GetParam();
    const LevelStats stats = measure(n, campaign::levelNumbers());
    const std::vector<Failure> failures = levelFailures(stats);
    if (kPendingRework.count(n)) {
        if (failures.empty()) FAIL() << "level" << n << " meets every criterion: take it off the pending list";
        GTEST_SKIP() << "level" << n << " is still to be reworked:" << describe(failures);
    }
    EXPECT_TRUE(failures.empty()) << "level" << n << ":" << describe(failures);
}

INSTANTIATE_TEST_SUITE_P(Shipped, CampaignCriteria, testing::ValuesIn(campaign::levelNumbers()),
                         [](const testing::TestParamInfo<int>& info) { return "level" + std::to_string(info.param); });

TEST(CampaignCriteria, PendingLevelsAreShipped) {
    const std::vector<int> numbers = campaign::levelNumbers();
    for (int n : kPendingRework)
        EXPECT_TRUE(std::count(numbers.begin(), numbers.end(), n)) << "level" << n << " is pending but not shipped";
}

TEST(CampaignCriteria, WholeCampaign) {
    const std::vector<int> numbers = campaign::levelNumbers();
    std::vector<LevelStats> stats;
    for (int n : numbers) {
        const std::vector<ScriptEntry> route = campaign::readRoute(n);
        stats.push_back(measureLevel(campaign::readLevel(n), n, &route));
    }
    const std::vector<Failure> failures = campaignFailures(stats);
    if (!kPendingRework.empty())
        GTEST_SKIP() << kPendingRework.size() << " levels still to be reworked; the campaign as it stands:"
                     << describe(failures);
    // Until the campaign is long enough its totals are bound to fall short;
    // every shipped level is still held to its own criteria above.
    if (numbers.size() < kMinLevels)
        GTEST_SKIP() << numbers.size() << " of " << kMinLevels << " levels shipped; the campaign as it stands:"
                     << describe(failures);
    EXPECT_TRUE(failures.empty()) << "the campaign:" << describe(failures);
}
