#pragma once
#include <QImage>
#include <QString>
#include <vector>

namespace tamb::assetgen {

struct Picture {
    QString folder;  // "pics" (compiled into the program) or "graphics" (game data)
    QString name;    // file name; its extension picks the format
    QImage image;
};

// Draws the pictures described in a *.pic source. Each picture is a block
//   picture <pics|graphics> <file name> <width> <height>
//     <drawing commands, painted in order>
//   end
// Commands (colours are #rrggbb or #aarrggbb):
//   fill <#c>
//   vgradient|hgradient <x> <y> <w> <h> <#c> <#c> ...
//   clouds <seed> <count> <x> <y> <w> <h> <#c> [size <px>]
//   stars <seed> <count> <x> <y> <w> <h> <#c>
//   rect|ellipse <x> <y> <w> <h> <#fill> [border <#c> <width>]
//   roundrect <x> <y> <w> <h> <radius> <#fill> [border <#c> <width>]
//   radial <cx> <cy> <r> <#inner> <#outer>
//   line <x1> <y1> <x2> <y2> <#c> <width>
//   bevel <x> <y> <w> <h> <#light> <#dark> <width>
//   text <x> <y> <w> <h> "<text>" font "<family>" size <px> [bold] [italic]
//        colour <#c> [gradient <#top> <#bottom>] [outline <#c> <width>]
//        [shadow <#c> <dx> <dy>] [align left|center|right] [spacing <px>]
//   sprite <sx> <sy> <sw> <sh> <dx> <dy> <dw> <dh> [key]   (from the sprite sheet, hard
//        pixels; key leaves its black out)
class PictureScript {
public:
    explicit PictureScript(const QImage& spriteSheet) : sheet_(spriteSheet) {}
    std::vector<Picture> run(const QString& path) const;

private:
    const QImage& sheet_;
};

}  // namespace tamb::assetgen
