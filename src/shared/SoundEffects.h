#pragma once
#include <QString>
#include <string_view>


namespace tamb {

class TDataForm;

// Sound events by name. Both are silent while the sound option is off
// (read at every call) and otherwise play through one of the data holder's
// players or hand a WAV file of the Sound folder to the one-shot channel.

// The user-interface side (keyboard, menu, password bar, options). A
// player whose file failed to open reports "No MCI device open".
void PlayUiSound(TDataForm& data, const QString& event);

// The game side. Callable from any thread and never waits: the sound is
// started on the user-interface thread afterwards. A player whose file
// failed to open is skipped silently, so a sound never ends a game.
void ThreadPlaysound(TDataForm& data, std::string_view event);

}  // namespace tamb
