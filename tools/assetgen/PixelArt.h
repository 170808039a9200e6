#pragma once
#include <QImage>
#include <QMap>
#include <QString>

#include "Palette.h"

namespace tamb::assetgen {

// Named pictures drawn as rows of palette characters in *.art files:
//   art <name>
//   <rows>
//   end
class PixelArt {
public:
    explicit PixelArt(const Palette& palette) : palette_(palette) {}
    void load(const QString& path);
    bool contains(const QString& name) const { return art_.contains(name); }
    // ARGB32 image; '.' pixels are fully transparent.
    QImage image(const QString& name) const;
    QStringList names() const { return art_.keys(); }

private:
    const Palette& palette_;
    QMap<QString, QImage> art_;
};

}  // namespace tamb::assetgen
