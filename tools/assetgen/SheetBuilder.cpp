#include "SheetBuilder.h"

#include <QPainter>
#include <cmath>

#include "Figures.h"
#include "Palette.h"
#include "PixelArt.h"
#include "TextSource.h"

namespace tamb::assetgen {

namespace {

void put(QImage& sheet, int x, int y, const QImage& img) {
    QPainter p(&sheet);
    p.drawImage(x, y, img);
}

// Shift a picture right by dx pixels, wrapping around; fractions round down.
QImage wrapShift(const QImage& src, int dx) {
    QImage out(src.size(), src.format());
    const int w = src.width();
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < w; ++x) out.setPixel(((x + dx) % w + w) % w, y, src.pixel(x, y));
    return out;
}

}  // namespace

QImage SheetBuilder::build(const QString& layoutPath) const {
    TextSource src(layoutPath);
    QImage sheet;
    while (!src.atEnd()) {
        const SourceLine l = src.next();
        const QString& cmd = l.word(0);
        if (cmd == QStringLiteral("size")) {
            sheet = QImage(l.integer(1), l.integer(2), QImage::Format_RGB32);
            sheet.fill(Qt::black);
            continue;
        }
        if (sheet.isNull()) l.fail(QStringLiteral("the layout must start with size"));
        const int x = l.integer(1), y = l.integer(2);
        const bool mirror = l.hasWord(QStringLiteral("mirror"));
        if (cmd == QStringLiteral("art")) {
            QImage img = art_.image(l.word(3));
            put(sheet, x, y, mirror ? img.mirrored(true, false) : img);
        } else if (cmd == QStringLiteral("arts")) {
            for (int i = 3; i < l.words.size(); ++i) put(sheet, x + 20 * (i - 3), y, art_.image(l.word(i)));
        } else if (cmd == QStringLiteral("regrow")) {
            const QImage brick = art_.image(l.word(3));
            const int frames = l.integer(4);
            const int edgeAt = int(l.words.indexOf(QStringLiteral("edge")));
            const QColor edge = edgeAt > 0 ? parseColour(l, edgeAt + 1) : QColor();
            const int h = brick.height();
            for (int v = 1; v <= frames; ++v) {
                const int rows = int(std::lround(double(h) * v / frames));
                QImage f = brick.copy();
                for (int yy = 0; yy < h - rows; ++yy)
                    for (int xx = 0; xx < f.width(); ++xx) f.setPixelColor(xx, yy, Qt::black);
                // The freshly grown top row glows until the brick is whole.
                if (edge.isValid() && v < frames) {
                    for (int xx = 0; xx < f.width(); ++xx)
                        if (qGray(f.pixel(xx, h - rows)) > 0) f.setPixelColor(xx, h - rows, edge);
                }
                put(sheet, x + 20 * (v - 1), y, f);
            }
        } else if (cmd == QStringLiteral("scroll")) {
            const QImage base = art_.image(l.word(3));
            const int frames = l.integer(4);
            const double dx = l.real(5);
            for (int i = 0; i < frames; ++i) put(sheet, x + 20 * i, y, wrapShift(base, int(std::floor(dx * i))));
        } else if (cmd == QStringLiteral("sparkle")) {
            const QImage base = art_.image(l.word(3));
            const QImage spark = art_.image(l.word(4));
            for (int i = 5; i < l.words.size(); ++i) {
                QImage f = base.copy();
                const QString& at = l.word(i);
                if (at != QStringLiteral("-")) {
                    const QStringList xy = at.split(u',');
                    if (xy.size() != 2) l.fail(QStringLiteral("glint position must be x,y or -"));
                    QPainter p(&f);
                    p.drawImage(xy[0].toInt() - spark.width() / 2, xy[1].toInt() - spark.height() / 2, spark);
                }
                put(sheet, x + 20 * (i - 5), y, f);
            }
        } else if (cmd == QStringLiteral("glints")) {
            const QImage spark = art_.image(l.word(3));
            for (int i = 4; i < l.words.size(); ++i) {
                if (l.word(i) == QStringLiteral("-")) continue;
                const QStringList xy = l.word(i).split(u',');
                if (xy.size() != 2) l.fail(QStringLiteral("glint position must be x,y or -"));
                put(sheet, x + 20 * (i - 4) + xy[0].toInt() - spark.width() / 2, y + xy[1].toInt() - spark.height() / 2, spark);
            }
        } else if (cmd == QStringLiteral("recolour")) {
            const QImage base = art_.image(l.word(3));
            if (l.word(4).size() != 1) l.fail(QStringLiteral("recolour needs one palette character"));
            const QRgb from = palette_.colour(l.word(4)[0]).rgba();
            for (int i = 5; i < l.words.size(); ++i) {
                QImage f = base.copy();
                const QRgb to = parseColour(l, i).rgba();
                for (int yy = 0; yy < f.height(); ++yy)
                    for (int xx = 0; xx < f.width(); ++xx)
                        if (f.pixel(xx, yy) == from) f.setPixel(xx, yy, to);
                put(sheet, x + 20 * (i - 5), y, f);
            }
        } else if (cmd == QStringLiteral("pose")) {
            put(sheet, x, y, figures_.drawPose(l.word(3), l.word(4), mirror));
        } else if (cmd == QStringLiteral("anim")) {
            const int frames = l.integer(5);
            for (int i = 0; i < frames; ++i)
                put(sheet, x + 20 * i, y, figures_.drawAnimFrame(l.word(3), l.word(4), i, frames, mirror));
        } else if (cmd == QStringLiteral("black")) {
            QPainter p(&sheet);
            p.fillRect(x, y, l.integer(3), l.integer(4), Qt::black);
        } else {
            l.fail(QStringLiteral("unknown layout command"));
        }
    }
    if (sheet.isNull()) throw SourceError(QStringLiteral("%1: empty layout").arg(layoutPath));
    return sheet;
}

}  // namespace tamb::assetgen
