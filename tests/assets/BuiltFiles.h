#pragma once
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

namespace tamb::test {

QString gamedataPath(const QString& relative);
QByteArray readAll(const QString& path);

// Fields of a BMP file header, read straight from its bytes.
struct BmpInfo {
    bool valid = false;
    int width = 0, height = 0, bitsPerPixel = 0, compression = -1;
};
BmpInfo bmpInfo(const QByteArray& bytes);

// Sheet rectangles are (left, top, right, bottom), right and bottom exclusive.
QRect sheetRect(int left, int top, int right, int bottom);
int litPixels(const QImage& img, const QRect& r);
bool isBlack(const QImage& img, const QRect& r);

}  // namespace tamb::test
