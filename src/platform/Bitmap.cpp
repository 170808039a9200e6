#include "Bitmap.h"

#include <QFile>
#include <algorithm>

#include "TambError.h"

namespace tamb {

Bitmap::Bitmap(int width, int height) : image_(width, height, QImage::Format_RGB32) { image_.fill(0xff000000u); }

void Bitmap::loadFromFile(const QString& fileName) {
    if (!QFile::exists(fileName)) throw TambError(QStringLiteral("Cannot open file \"%1\". No such file.").arg(fileName));
    QImage loaded;
    if (!loaded.load(fileName, "BMP") || loaded.isNull())
        throw TambError(QStringLiteral("Cannot load picture \"%1\": not a readable bitmap.").arg(fileName));
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
