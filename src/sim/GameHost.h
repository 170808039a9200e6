#pragma once
#include <string_view>

namespace tamb {

struct GameState;

// What the rules ask of the world around them. The rules change the state
// themselves and then ask for the picture and the sound to follow; in the
// game each drawing request runs on the user-interface thread while the
// game thread waits, headless runs use NullGameHost.
class GameHost {
public:
    virtual ~GameHost() = default;

    // The animation frames of the man and the devils have been advanced;
    // repaint the squares around them, the animated cells and the figures.
    virtual void drawScene(const GameState&) {}
    // Repaint the 36x36 square around (RedrawX, RedrawY) from the arena.
    virtual void restoreAround(const GameState&) {}
    // A treasure was taken at (row, col) and KladsLeft already counts it:
    // blank the cell in the static arena and refresh the treasure label.
    virtual void takeKlad(const GameState&, int /*row*/, int /*col*/) {}
    // A brick at (row, col) became a hole: blank it on both pictures.
    virtual void burnBrick(const GameState&, int /*row*/, int /*col*/) {}
    // Lives changed after a death: refresh the lives label.
    virtual void livesLabelUpdate(const GameState&) {}
    // A sound event of the game side ("Klad", "Fire", ...). Never blocks.
    virtual void threadPlaysound(std::string_view /*event*/) {}
    // The brick timer shows regrowth frame v (1..18) at (row, col).
    virtual void drawRegrowthFrame(const GameState&, int /*row*/, int /*col*/, int /*v*/) {}
    // Returns once every request made so far has been carried out. A host
    // may finish the scene of a tick after drawScene has returned; the
    // caller must not change the state before calling this.
    virtual void finishDrawing() {}
};

class NullGameHost final : public GameHost {};

}  // namespace tamb
