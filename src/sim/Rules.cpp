#include "Rules.h"

#include "RulesInternal.h"

namespace tamb {

// The caller (game thread or runner) has already left on "exit" at the top
// of its loop and done its wait; this is the rest of one pass.
void RunTick(GameState& s, GameHost& host) {
    const Command cmd = s.Command;
    if (cmd == Command::Pause) return;
    if (cmd == Command::UserKillsMan) {
        s.Command = Command::Stop;
        KillMan(s, host, DeathReason::OutOfScreen);
        return;
    }
    const int n = s.ShetsCount;
    for (int i = 0; i < n; ++i) ShetsStep(s, host, i);
    ManStep(s, host);
}

}  // namespace tamb
