#include "BuiltFiles.h"

#include <QFile>
#include <QtEndian>

namespace tamb::test {

QString gamedataPath(const QString& relative) { return QStringLiteral(TAMB_GAMEDATA_DIR "/") + relative; }

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

BmpInfo bmpInfo(const QByteArray& b) {
    BmpInfo i;
    if (b.size() < 54 || !b.startsWith("BM")) return i;
    const char* d = b.constData();
    i.valid = true;
    i.width = qFromLittleEndian<int32_t>(d + 18);
    i.height = qFromLittleEndian<int32_t>(d + 22);
    i.bitsPerPixel = qFromLittleEndian<uint16_t>(d + 28);
    i.compression = int(qFromLittleEndian<uint32_t>(d + 30));
    return i;
}

QRect sheetRect(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

int litPixels(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((img.pixel(x, y) & 0xffffff) != 0) ++n;
    return n;
}

bool isBlack(const QImage& img, const QRect& r) { return litPixels(img, r) == 0; }

}  // namespace tamb::test
