#include "FrontendPictures.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

namespace tamb {

QImage pictureOrStandIn(const QString& resourcePath, const QSize& size, const QString& text, QRgb background,
                        QRgb ink) {
    QImage picture(resourcePath);
    if (!picture.isNull()) return picture;
    QImage standIn(size, QImage::Format_RGB32);
    standIn.fill(background);
    QPainter p(&standIn);
    p.setPen(QColor::fromRgb(ink));
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(std::max(8, std::min(size.height() - 6, 24)));
    f.setBold(true);
    p.setFont(f);
    p.drawText(standIn.rect(), Qt::AlignCenter, text);
    return standIn;
}

}  // namespace tamb
