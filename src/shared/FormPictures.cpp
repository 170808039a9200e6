#include "FormPictures.h"

#include <QPainter>

namespace tamb {

QImage formPicture(const QString& resource, int width, int height) {
    QImage picture(resource);
    if (!picture.isNull()) return picture.convertToFormat(QImage::Format_RGB32);
    QImage placeholder(width, height, QImage::Format_RGB32);
    placeholder.fill(QColor(40, 48, 64));
    QPainter p(&placeholder);
    p.setPen(QColor(150, 160, 180));
    p.drawRect(0, 0, width - 1, height - 1);
    p.drawText(placeholder.rect(), Qt::AlignCenter, resource.section(QLatin1Char('/'), -1));
    return placeholder;
}

}  // namespace tamb
