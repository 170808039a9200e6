#pragma once
#include <QThread>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "GameHost.h"

namespace tamb::test {

// A user-interface side that records which thread ran each request.
class RecordingHost : public GameHost {
public:
    void drawScene(const GameState&) override { record("drawScene"); }
    void restoreAround(const GameState&) override { record("restoreAround"); }
    void takeKlad(const GameState&, int, int) override { record("takeKlad"); }
    void burnBrick(const GameState&, int, int) override { record("burnBrick"); }
    void livesLabelUpdate(const GameState&) override { record("livesLabelUpdate"); }
    void threadPlaysound(std::string_view event) override { record(std::string("sound:") + std::string(event)); }
    void drawRegrowthFrame(const GameState&, int, int, int) override { record("drawRegrowthFrame"); }

    struct Entry {
        std::string what;
        QThread* thread;
    };
    std::vector<Entry> entries() {
        std::lock_guard lock(mutex_);
        return entries_;
    }
    int count(const std::string& what) {
        std::lock_guard lock(mutex_);
        int n = 0;
        for (const auto& e : entries_) n += e.what == what;
        return n;
    }

private:
    void record(std::string what) {
        std::lock_guard lock(mutex_);
        entries_.push_back({std::move(what), QThread::currentThread()});
    }
    std::mutex mutex_;
    std::vector<Entry> entries_;
};

}  // namespace tamb::test
