#pragma once
#include <QStringList>
#include <vector>

#include "HeadlessRun.h"

namespace tamb {

// A level drawn in the editor and tried on the game screen without being
// saved: the lines a save would write, the number the editor shows, and a
// route to show first (none: the level is simply played).
struct TrialLevel {
    QStringList lines;
    int number = 1;
    std::vector<ScriptEntry> route;
};

}  // namespace tamb
