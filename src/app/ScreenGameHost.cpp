#include "ScreenGameHost.h"

#include "SoundEffects.h"
#include "TMainForm.h"

namespace tamb {

ScreenGameHost::ScreenGameHost(AppContext& ctx, TMainForm& form) : ctx_(ctx), form_(form) {}

void ScreenGameHost::drawScene(const GameState& s) {
    form_.painter().drawScene(s);
    form_.refreshArena();
}

void ScreenGameHost::restoreAround(const GameState& s) {
    form_.painter().restoreAround(s.RedrawX, s.RedrawY);
    form_.refreshArena();
}

void ScreenGameHost::takeKlad(const GameState&, int row, int col) {
    form_.painter().takeKlad(row, col);
    form_.KladsLabelUpdate();
}

void ScreenGameHost::burnBrick(const GameState&, int row, int col) {
    form_.painter().burnBrick(row, col);
    form_.refreshArena();
}

void ScreenGameHost::livesLabelUpdate(const GameState&) { form_.LivesLabelUpdate(); }

void ScreenGameHost::threadPlaysound(std::string_view event) { ThreadPlaysound(ctx_, event); }

void ScreenGameHost::drawRegrowthFrame(const GameState&, int row, int col, int v) {
    form_.painter().drawRegrowthFrame(row, col, v);
    form_.refreshArena();
}

}  // namespace tamb
