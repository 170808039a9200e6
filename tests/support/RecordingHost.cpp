#include "RecordingHost.h"

#include "GameState.h"

namespace tamb::test {

void RecordingHost::drawScene(const GameState&) {
    std::lock_guard lock(mutex_);
    log("drawScene");
}

void RecordingHost::restoreAround(const GameState& s) {
    std::lock_guard lock(mutex_);
    log("restoreAround");
    restores.emplace_back(s.RedrawX, s.RedrawY);
}

void RecordingHost::takeKlad(const GameState& s, int row, int col) {
    std::lock_guard lock(mutex_);
    log("takeKlad");
    takenKlads.emplace_back(row, col);
    kladsAtTake.push_back(s.KladsLeft);
}

void RecordingHost::burnBrick(const GameState&, int row, int col) {
    std::lock_guard lock(mutex_);
    log("burnBrick");
    burnt.emplace_back(row, col);
}

void RecordingHost::livesLabelUpdate(const GameState& s) {
    std::lock_guard lock(mutex_);
    log("livesLabelUpdate");
    livesShown.push_back(s.Lives);
}

void RecordingHost::threadPlaysound(std::string_view event) {
    std::lock_guard lock(mutex_);
    log("sound:" + std::string(event));
    sounds.emplace_back(event);
}

void RecordingHost::drawRegrowthFrame(const GameState&, int row, int col, int v) {
    std::lock_guard lock(mutex_);
    log("drawRegrowthFrame");
    regrowth.push_back({row, col, v});
}

std::vector<RecordingHost::Entry> RecordingHost::entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

int RecordingHost::count(std::string_view what) const {
    std::lock_guard lock(mutex_);
    int n = 0;
    for (const Entry& e : entries_) n += e.what == what;
    return n;
}

void RecordingHost::log(std::string what) {
    entries_.push_back({std::move(what), std::this_thread::get_id()});
}

}  // namespace tamb::test
