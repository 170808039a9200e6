#include "ImageFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QtEndian>

#include "TextSource.h"

namespace tamb::assetgen {

namespace {

QByteArray bmp24(const QImage& src) {
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const int stride = (w * 3 + 3) & ~3;
    QByteArray b;
    auto u32 = [&b](uint32_t v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); };
    auto u16 = [&b](uint16_t v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); };
    b.append("BM", 2);
    u32(uint32_t(54 + stride * h));
    u32(0);
    u32(54);
    u32(40);  // BITMAPINFOHEADER
    u32(uint32_t(w));
    u32(uint32_t(h));  // positive: rows stored bottom-up
    u16(1);
    u16(24);
    u32(0);  // no compression
    u32(uint32_t(stride * h));
    u32(2835);  // 72 dpi
    u32(2835);
    u32(0);
    u32(0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.append(char(qBlue(row[x])));
            b.append(char(qGreen(row[x])));
            b.append(char(qRed(row[x])));
        }
        b.append(QByteArray(stride - w * 3, '\0'));
    }
    return b;
}

QByteArray encoded(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter writer(&buf, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        throw SourceError(QStringLiteral("cannot encode %1: %2").arg(QString::fromLatin1(format), writer.errorString()));
    return bytes;
}

}  // namespace

void writeFile(const QByteArray& bytes, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw SourceError(QStringLiteral("cannot write %1").arg(path));
}

void writePicture(const QImage& image, const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QStringLiteral("bmp")) {
        writeFile(bmp24(image), path);
    } else if (ext == QStringLiteral("jpg")) {
        writeFile(encoded(image.convertToFormat(QImage::Format_RGB32), "jpg", 92), path);
    } else if (ext == QStringLiteral("png")) {
        QImage img = image.convertToFormat(QImage::Format_ARGB32);
        img.setDotsPerMeterX(2835);
        img.setDotsPerMeterY(2835);
        writeFile(encoded(img, "png", -1), path);
    } else {
        throw SourceError(QStringLiteral("unknown picture format for %1").arg(path));
    }
}

}  // namespace tamb::assetgen
