#include "ContactSheet.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <vector>

#include "ImageFiles.h"
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

}  // namespace

void writeContactSheet(const QString& gamedataDir, const QString& picsDir, const QString& outPath) {
    std::vector<Tile> tiles;
    auto add = [&tiles](const QString& label, const QString& path, int scale) {
        QImage img(path);
        if (img.isNull()) throw SourceError(QStringLiteral("cannot read %1").arg(path));
        tiles.push_back({QStringLiteral("%1  %2x%3").arg(label).arg(img.width()).arg(img.height()),
                         img.scaled(img.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation)});
    };
    add(QStringLiteral("sprites.bmp"), gamedataDir + QStringLiteral("/graphics/sprites.bmp"), kScale);
    add(QStringLiteral("Password Scene Pic.bmp"), gamedataDir + QStringLiteral("/graphics/Password Scene Pic.bmp"), kScale);
    const QDir pics(picsDir);
    for (const QString& name : pics.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.png")}, QDir::Files, QDir::Name))
        add(name, pics.filePath(name), kScale);
    const QDir sounds(gamedataDir + QStringLiteral("/Sound"));
    for (const QString& name : sounds.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name))
        tiles.push_back({name, soundTrace(sounds.filePath(name))});

    // Simple left-to-right flow with a caption above every picture.
    const int pad = 12, caption = 18;
    std::vector<QPoint> at;
    int x = pad, y = pad, rowH = 0;
    for (const Tile& t : tiles) {
        const int w = std::min(t.image.width(), kWidth - 2 * pad);
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
