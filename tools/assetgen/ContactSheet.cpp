#include "ContactSheet.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "CellStates.h"
#include "ImageFiles.h"
#include "SpriteStrips.h"
#include "TextSource.h"

namespace tamb::assetgen {

namespace {

constexpr int kScale = 3;
constexpr int kWidth = 2000;

struct Tile {
    QString label;
    QImage image;
};

QImage soundTrace(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw SourceError(QStringLiteral("cannot read %1").arg(path));
    const QByteArray b = f.readAll();
    const int rate = int(qFromLittleEndian<uint32_t>(b.constData() + 24));
    const int n = (b.size() - 44) / 2;
    const auto* s = reinterpret_cast<const uchar*>(b.constData() + 44);
    // 200 pixels per second, so lengths compare across sounds.
    const int w = std::max(1, n * 200 / rate);
    QImage img(w, 60, QImage::Format_RGB32);
    img.fill(QColor(16, 24, 40));
    QPainter p(&img);
    p.setPen(QColor(90, 220, 140));
    for (int x = 0; x < w; ++x) {
        int lo = 0, hi = 0;
        for (int i = x * n / w; i < (x + 1) * n / w; ++i) {
            const int v = qFromLittleEndian<int16_t>(s + 2 * i);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        p.drawLine(x, 30 - hi * 29 / 32768, x, 30 - lo * 29 / 32768);
    }
    p.setPen(QColor(200, 80, 80));
    p.drawLine(0, 0, w, 0);
    p.drawLine(0, 59, w, 59);
    return img;
}

// A made-up corner of a level, drawn the way the game draws: tiles copied,
// figures ORed on top. It shows whether the pieces look right together.
QImage demoScene(const QImage& sheet) {
    static const char* const kMap[] = {
        "====================",
        "|..$.....-------..E|",
        "|BBBBH...........BB|",
        "|....H..$....D.....|",
        "|....H.BBBBBBBBBB..|",
        "|M...H......H..<<..|",
        "|BBBBBBBoBB.HggBBBB|",
        "|..^^^..>>.....wwW.|",
        "|SSSSSSSGGGGGSSSSSS|",
    };
    // Frame n (from 1) of a strip, and the tiles of the tile strip.
    const auto frame = [](int strip, int n) { return QRect(kFrameWidth * (n - 1), strip, kFrameWidth, kStripHeight); };
    const auto slot = [&](TileSlot s) { return frame(kTileStrip, s + 1); };
    auto tile = [&](char c) -> QRect {
        switch (c) {
        case 'B': return frame(kRegrowthStrip, kWholeBrickFrame);
        case 'o': return frame(kRegrowthStrip, 6);
        case 'S': return slot(SuperKirpSlot);
        case 'G': return slot(BalkaSlot);
        case 'H': return slot(StairsSlot).adjusted(0, 0, -1, 0);
        case '-': return slot(RoupeSlot);
        case '$': return frame(kGlitterStrip, 1).adjusted(0, 0, -1, 0);
        case 'w': return frame(kWaterStrip, 6);
        case 'W': return frame(kWaterStrip, kDownWaterColumn + 1);
        case '^': return slot(KolSlot);
        case 'g': return slot(GumSlot);
        case '>': return slot(ToRightSlot);
        case '<': return slot(ToLeftSlot);
        case 'M': return slot(ManDoorSlot);
        case 'D': return slot(ShetsDoorSlot);
        case 'E': return frame(kExitDoorStrip, 3);
        case '|': return slot(BoundVertSlot);
        case '=': return slot(BoundHorSlot);
        default: return QRect();
        }
    };
    const int rows = int(std::size(kMap)), cols = int(std::strlen(kMap[0]));
    QImage scene(cols * 20, rows * 20, QImage::Format_RGB32);
    scene.fill(Qt::black);
    QPainter p(&scene);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (const QRect src = tile(kMap[r][c]); src.isValid()) p.drawImage(QRect(c * 20, r * 20, 20, 20), sheet, src);
    p.end();
    const struct {
        int x, y, frame, strip;
    } figures[] = {
        {120, 100, 1, kManStandStrip},    {200, 20, 2, kManRopeRightStrip},   {100, 60, 3, kManClimbStrip},
        {260, 60, 4, kShetsRightStrip},   {240, 100, 2, kShetsClimbStrip},    {140, 120, 4, kShetsFallingStrip},
        {320, 100, 5, kShetsLeftStrip},   {40, 20, 6, kManRightStrip},
    };
    for (const auto& f : figures) {
        const QPoint from = frame(f.strip, f.frame).topLeft();
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                scene.setPixel(f.x + x, f.y + y,
                               scene.pixel(f.x + x, f.y + y) | sheet.pixel(from.x() + x, from.y() + y));
    }
    return scene;
}

}  // namespace

void writeContactSheet(const QString& gamedataDir, const QString& picsDir, const QString& outPath) {
    std::vector<Tile> tiles;
    auto add = [&tiles](const QString& label, const QString& path, int scale) {
        QImage img(path);
        if (img.isNull()) throw SourceError(QStringLiteral("cannot read %1").arg(path));
        tiles.push_back({QStringLiteral("%1  %2x%3").arg(label).arg(img.width()).arg(img.height()),
                         img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)});
    };
    const QImage sprites = QImage(gamedataDir + QStringLiteral("/graphics/sprites.bmp")).convertToFormat(QImage::Format_RGB32);
    const QImage scene = demoScene(sprites);
    tiles.push_back({QStringLiteral("scene at x1"), scene});
    tiles.push_back({QStringLiteral("scene at x3"), scene.scaled(scene.size() * kScale)});
    add(QStringLiteral("sprites.bmp"), gamedataDir + QStringLiteral("/graphics/sprites.bmp"), kScale);
    add(QStringLiteral("Password Scene Pic.bmp"), gamedataDir + QStringLiteral("/graphics/Password Scene Pic.bmp"), kScale);
    const QDir pics(picsDir);
    QStringList names = pics.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.png")}, QDir::Files);
    // letter2 before letter10: compare the text, then the number in it.
    auto key = [](const QString& n) {
        QString digits;
        for (QChar c : n)
            if (c.isDigit()) digits += c;
        return std::make_pair(QString(n).remove(QRegularExpression(QStringLiteral("[0-9]"))), digits.toInt());
    };
    std::sort(names.begin(), names.end(), [&key](const QString& a, const QString& b) { return key(a) < key(b); });
    for (const QString& name : names)
        add(name, pics.filePath(name), kScale);
    const QDir sounds(gamedataDir + QStringLiteral("/Sound"));
    for (const QString& name : sounds.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name))
        tiles.push_back({name, soundTrace(sounds.filePath(name))});

    // Simple left-to-right flow with a caption above every picture.
    const int pad = 12, caption = 18;
    std::vector<QPoint> at;
    int x = pad, y = pad, rowH = 0;
    for (const Tile& t : tiles) {
        const int w = std::min(std::max(t.image.width(), 150), kWidth - 2 * pad);
        if (x + w > kWidth - pad) {
            x = pad;
            y += rowH + pad;
            rowH = 0;
        }
        at.emplace_back(x, y);
        x += w + pad;
        rowH = std::max(rowH, t.image.height() + caption);
    }
    QImage sheet(kWidth, y + rowH + pad, QImage::Format_RGB32);
    sheet.fill(QColor(58, 58, 66));
    QPainter p(&sheet);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(13);
    p.setFont(f);
    for (size_t i = 0; i < tiles.size(); ++i) {
        p.setPen(Qt::white);
        p.drawText(at[i] + QPoint(0, 13), tiles[i].label);
        // A checker shows through transparent pixels.
        const QRect r(at[i] + QPoint(0, caption), tiles[i].image.size());
        for (int cy = r.top(); cy < r.bottom(); cy += 12)
            for (int cx = r.left(); cx < r.right(); cx += 12)
                p.fillRect(QRect(cx, cy, 12, 12).intersected(r), ((cx + cy) / 12) % 2 ? QColor(110, 110, 120) : QColor(140, 140, 150));
        p.drawImage(r.topLeft(), tiles[i].image);
    }
    p.end();
    writePicture(sheet, outPath);
}

}  // namespace tamb::assetgen
