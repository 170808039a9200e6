#pragma once

namespace tamb {

// On a screen at least twice the game's 642x482 in both directions, scales
// the whole interface by the largest whole factor that fits (through Qt's
// device-pixel scaling, QT_SCALE_FACTOR). Call before the application object
// is created; a QT_SCALE_FACTOR set by the user is left alone.
void chooseInterfaceScale(int argc, char** argv);

// The factor for a screen of this many physical pixels (1 = none).
int interfaceScaleFor(int screenWidth, int screenHeight);

}  // namespace tamb
