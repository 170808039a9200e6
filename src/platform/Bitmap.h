#pragma once
#include <QImage>
#include <QRect>
#include <QString>
#include <limits>

namespace tamb {

// Rectangle given as (left, top, right, bottom) with right and bottom
// outside it, the way the game's tables write them.
inline QRect ltrb(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }

// The sizes a picture file may have, in pixels, both ends included.
struct PictureSize {
    int minWidth = 1;
    int minHeight = 1;
    int maxWidth = std::numeric_limits<int>::max();
    int maxHeight = std::numeric_limits<int>::max();
};

// A 32-bit RGB picture with the two copy modes the game draws with.
// Every rectangle copy scales its source onto its destination (nearest
// neighbour, so pictures stay crisp and a 19-pixel tile fills a cell).
class Bitmap {
public:
    enum class CopyMode { SourceCopy, SourcePaint };  // SRCCOPY, SRCPAINT (source OR destination)

    Bitmap() = default;
    Bitmap(int width, int height);

    // Loads a BMP file; throws TambError naming the file and what is wrong
    // when it is missing, no BMP, shorter than its header says (a cut-off
    // file is refused, never padded) or of a size outside allowed.
    void loadFromFile(const QString& fileName, const PictureSize& allowed = {});

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QSize size() const { return image_.size(); }

    void setCopyMode(CopyMode mode) { mode_ = mode; }
    CopyMode copyMode() const { return mode_; }

    void fill(QRgb colour);
    void fillRect(const QRect& r, QRgb colour);
    // Draws the whole of src with its top-left corner at (x, y), plain copy.
    void draw(int x, int y, const Bitmap& src);
    // Copies srcRect of src onto dstRect under the current copy mode,
    // scaling as needed. Parts outside either picture are clipped.
    void copyRect(const QRect& dstRect, const Bitmap& src, const QRect& srcRect);

    QRgb pixel(int x, int y) const { return image_.pixel(x, y); }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

private:
    QImage image_;
    CopyMode mode_ = CopyMode::SourceCopy;
};

}  // namespace tamb
