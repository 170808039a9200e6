#pragma once
#include <QImage>
#include <QString>

namespace tamb {

// The picture at resourcePath, or, when it cannot be loaded, a plain
// stand-in of the given size carrying the text, so a missing picture never
// stops a form from coming up.
QImage pictureOrStandIn(const QString& resourcePath, const QSize& size, const QString& text,
                        QRgb background = 0xff203060u, QRgb ink = 0xffffff00u);

}  // namespace tamb
