#pragma once
#include <QImage>
#include <QString>

namespace tamb::assetgen {

class PixelArt;
class Figures;

// Lays out the sprite sheet from a layout source. Each line places pictures
// at sheet pixels (left, top); frames of a strip follow each other 20 apart.
//   size <w> <h>
//   art <x> <y> <name> [mirror]            one picture
//   arts <x> <y> <name> <name> ...         consecutive frames
//   regrow <x> <y> <name> <frames> [edge #colour]  brick rising from the bottom
//   scroll <x> <y> <name> <frames> <dx>    picture sliding sideways, wrapping
//   sparkle <x> <y> <base> <spark> <x,y|-> ...   base with a glint per frame
//   glints <x> <y> <spark> <x,y|-> ...     a glint over each frame already drawn
//   recolour <x> <y> <name> <char> <#c> ...     one frame per colour of <char>
//   pose <x> <y> <style> <pose> [mirror]
//   anim <x> <y> <style> <anim> <frames> [mirror]
//   black <x> <y> <w> <h>                  keep a patch black
class SheetBuilder {
public:
    SheetBuilder(const PixelArt& art, const Figures& figures, const class Palette& palette)
        : art_(art), figures_(figures), palette_(palette) {}
    QImage build(const QString& layoutPath) const;

private:
    const PixelArt& art_;
    const Figures& figures_;
    const class Palette& palette_;
};

}  // namespace tamb::assetgen
