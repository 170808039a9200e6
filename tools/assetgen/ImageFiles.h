#pragma once
#include <QImage>
#include <QString>

namespace tamb::assetgen {

// Writes a picture in the format its extension names: .bmp as an uncompressed
// 24-bit bottom-up BMP, .jpg through Qt's JPEG plugin, .png as PNG.
// Every writer gives the same bytes for the same picture.
void writePicture(const QImage& image, const QString& path);
void writeFile(const QByteArray& bytes, const QString& path);

}  // namespace tamb::assetgen
