#pragma once
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "GameHost.h"

namespace tamb::test {

// Records everything the rules ask of the host: every call by name
// ("drawScene", "sound:Klad", ...) with the thread it ran on, and what the
// calls carried. Calls may come from several threads; read the fields only
// once they have stopped, the log through entries() and count() any time.
class RecordingHost : public GameHost {
public:
    void drawScene(const GameState&) override;
    void restoreAround(const GameState& s) override;
    void takeKlad(const GameState& s, int row, int col) override;
    void burnBrick(const GameState&, int row, int col) override;
    void livesLabelUpdate(const GameState& s) override;
    void threadPlaysound(std::string_view event) override;
    void drawRegrowthFrame(const GameState&, int row, int col, int v) override;

    struct Entry {
        std::string what;
        std::thread::id thread;
    };
    std::vector<Entry> entries() const;
    int count(std::string_view what) const;

    std::vector<std::pair<int, int>> restores;    // RedrawX, RedrawY
    std::vector<std::pair<int, int>> takenKlads;  // row, column
    std::vector<int> kladsAtTake;                 // KladsLeft when a treasure was taken
    std::vector<std::pair<int, int>> burnt;       // row, column
    std::vector<int> livesShown;
    std::vector<std::string> sounds;
    struct Frame {
        int row, col, v;
    };
    std::vector<Frame> regrowth;

private:
    void log(std::string what);  // with mutex_ held

    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
};

}  // namespace tamb::test
