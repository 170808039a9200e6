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

namespace tamb::pictures {

// The two pictures the game screen loads from the graphics folder, and the
// sizes it accepts for them. A picture outside them is refused when it is
// loaded, so no level starts on a sheet that lacks tiles.

// Every tile and frame lies inside 360 by 434 pixels (see SpriteLayout.h).
inline constexpr const char* kSpriteSheetFile = "sprites.bmp";
inline constexpr PictureSize kSpriteSheetSize{.minWidth = 360, .minHeight = 434};

// The password bar is 185 pixels wide, and the menu draws it at top 216 of
// its 482 pixels, so the picture must fill that width and fit below.
inline constexpr const char* kPasswordSceneFile = "Password Scene Pic.bmp";
inline constexpr int kPasswordBarWidth = 185;
inline constexpr int kPasswordBarTop = 216;
inline constexpr int kMenuHeight = 482;
inline constexpr PictureSize kPasswordSceneSize{.minWidth = kPasswordBarWidth,
                                                .maxHeight = kMenuHeight - kPasswordBarTop};

}  // namespace tamb::pictures
