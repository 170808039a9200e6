#include "Bitmap.h"

#include <QFile>
#include <QStringList>
#include <algorithm>

#include "TambError.h"

namespace tamb {

Bitmap::Bitmap(int width, int height) : image_(width, height, QImage::Format_RGB32) { image_.fill(0xff000000u); }

namespace {

quint32 u32At(const QByteArray& b, qsizetype at) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uchar>(b[at + i]);
    return v;
}
quint16 u16At(const QByteArray& b, qsizetype at) {
    return static_cast<quint16>(static_cast<uchar>(b[at]) | (static_cast<uchar>(b[at + 1]) << 8));
}

// The number of bytes a BMP file must have for the picture its headers
// describe, or -1 when they describe none the reader knows. The picture
// library pads a short file with black rows; the game refuses it.
qint64 bmpSizeNeeded(const QByteArray& b) {
    constexpr qsizetype kFileHeader = 14;
    if (b.size() < kFileHeader + 4 || b[0] != 'B' || b[1] != 'M') return -1;
    const quint32 fileSize = u32At(b, 2);
    const quint32 pixelsAt = u32At(b, 10);
    const quint32 infoSize = u32At(b, kFileHeader);
    qint64 width = 0, height = 0, bits = 0, compression = 0, imageSize = 0;
    if (infoSize == 12) {  // the old OS/2 header
        if (b.size() < kFileHeader + 12) return kFileHeader + 12;
        width = u16At(b, 18);
        height = u16At(b, 20);
        bits = u16At(b, 24);
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 || infoSize == 108 ||
               infoSize == 124) {
        if (b.size() < kFileHeader + 40) return kFileHeader + 40;
        width = static_cast<qint32>(u32At(b, 18));
        height = static_cast<qint32>(u32At(b, 22));
        bits = u16At(b, 28);
        compression = u32At(b, 30);
        imageSize = u32At(b, 34);
    } else {
        return -1;
    }
    if (height < 0) height = -height;  // rows stored top-down
    if (width <= 0 || height <= 0) return -1;
    constexpr quint32 kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;
    if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
        const qint64 stride = (width * bits + 31) / 32 * 4;
        return static_cast<qint64>(pixelsAt) + stride * height;
    }
    if (compression == kRle8 || compression == kRle4) {
        if (imageSize > 0) return static_cast<qint64>(pixelsAt) + imageSize;
        return std::max<qint64>(fileSize, static_cast<qint64>(pixelsAt) + 1);
    }
    return -1;
}

}  // namespace

void Bitmap::loadFromFile(const QString& fileName, const PictureSize& allowed) {
    QFile f(fileName);
    if (!f.exists()) throw TambError(QStringLiteral("Cannot open file \"%1\". No such file.").arg(fileName));
    if (!f.open(QIODevice::ReadOnly))
        throw TambError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    const QByteArray bytes = f.readAll();
    const qint64 needed = bmpSizeNeeded(bytes);
    if (needed < 0)
        throw TambError(QStringLiteral("Cannot load picture \"%1\": not a BMP picture.").arg(fileName));
    if (bytes.size() < needed)
        throw TambError(QStringLiteral("Cannot load picture \"%1\": the file is cut short (%2 bytes of %3).")
                            .arg(fileName)
                            .arg(bytes.size())
                            .arg(needed));
    QImage loaded;
    if (!loaded.loadFromData(bytes, "BMP") || loaded.isNull())
        throw TambError(QStringLiteral("Cannot load picture \"%1\": not a readable bitmap.").arg(fileName));
    const int w = loaded.width(), h = loaded.height();
    QStringList wrong;
    if (w < allowed.minWidth) wrong << QStringLiteral("at least %1 pixels wide").arg(allowed.minWidth);
    if (w > allowed.maxWidth) wrong << QStringLiteral("at most %1 pixels wide").arg(allowed.maxWidth);
    if (h < allowed.minHeight) wrong << QStringLiteral("at least %1 pixels high").arg(allowed.minHeight);
    if (h > allowed.maxHeight) wrong << QStringLiteral("at most %1 pixels high").arg(allowed.maxHeight);
    if (!wrong.isEmpty())
        throw TambError(QStringLiteral("Cannot use picture \"%1\": it is %2 by %3 pixels, and the game needs it %4.")
                            .arg(fileName)
                            .arg(w)
                            .arg(h)
                            .arg(wrong.join(QStringLiteral(" and "))));
    image_ = loaded.convertToFormat(QImage::Format_RGB32);
}

void Bitmap::fill(QRgb colour) { image_.fill(colour | 0xff000000u); }

void Bitmap::fillRect(const QRect& r, QRgb colour) {
    const QRect c = r.intersected(image_.rect());
    const QRgb v = colour | 0xff000000u;
    for (int y = c.top(); y <= c.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = c.left(); x <= c.right(); ++x) line[x] = v;
    }
}

void Bitmap::draw(int x, int y, const Bitmap& src) {
    const CopyMode saved = mode_;
    mode_ = CopyMode::SourceCopy;
    copyRect(QRect(x, y, src.width(), src.height()), src, src.image_.rect());
    mode_ = saved;
}

void Bitmap::copyRect(const QRect& dstRect, const Bitmap& src, const QRect& srcRect) {
    if (dstRect.width() <= 0 || dstRect.height() <= 0 || srcRect.width() <= 0 || srcRect.height() <= 0) return;
    if (src.isNull() || isNull()) return;
    const QRect clip = dstRect.intersected(image_.rect());
    if (clip.isEmpty()) return;
    const int dw = dstRect.width(), dh = dstRect.height();
    const int sw = srcRect.width(), sh = srcRect.height();
    // A shallow copy: when drawing onto itself, writing detaches image_ and
    // the source keeps the old pixels.
    const QImage from = src.image_;
    const int srcW = from.width(), srcH = from.height();
    const bool paint = mode_ == CopyMode::SourcePaint;
    const bool unscaled = dw == sw && dh == sh;
    // Row pointers from one detach per copy, not one per row.
    const uchar* srcBits = from.constBits();
    const qsizetype srcStride = from.bytesPerLine();
    uchar* dstBits = image_.bits();
    const qsizetype dstStride = image_.bytesPerLine();
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const int sy = srcRect.top() + (unscaled ? y - dstRect.top()
                                                 : static_cast<int>((static_cast<int64_t>(y - dstRect.top()) * sh) / dh));
        if (sy < 0 || sy >= srcH) continue;
        const auto* sline = reinterpret_cast<const QRgb*>(srcBits + sy * srcStride);
        auto* dline = reinterpret_cast<QRgb*>(dstBits + y * dstStride);
        if (unscaled) {
            // The common case (restores, sprites at full size): no per-pixel division.
            int x0 = clip.left(), x1 = clip.right();
            const int shift = srcRect.left() - dstRect.left();
            x0 = std::max(x0, -shift);
            x1 = std::min(x1, srcW - 1 - shift);
            if (paint) {
                for (int x = x0; x <= x1; ++x) dline[x] |= sline[x + shift] | 0xff000000u;
            } else {
                for (int x = x0; x <= x1; ++x) dline[x] = sline[x + shift] | 0xff000000u;
            }
            continue;
        }
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const int sx = srcRect.left() + static_cast<int>((static_cast<int64_t>(x - dstRect.left()) * sw) / dw);
            if (sx < 0 || sx >= srcW) continue;
            const QRgb s = sline[sx] | 0xff000000u;
            dline[x] = paint ? (dline[x] | s) : s;
        }
    }
}

}  // namespace tamb
