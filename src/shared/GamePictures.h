#pragma once
#include "Bitmap.h"

namespace tamb {

// The pictures the game screen makes at its first activation and shares with
// the editor and the menu: the sprite sheet, the off-screen arena, the black
// blanking picture and the password bar's picture. Each lives as long as the
// program; a null bitmap means not loaded (yet).
struct GamePictures {
    Bitmap SpriteSheet;
    Bitmap ArenaBitmap;
    Bitmap BlankBitmap;
    Bitmap PasswordScene;
};

}  // namespace tamb
