#include "PieGauge.h"

#include <QPainter>
#include <algorithm>

namespace tamb {

PieGauge::PieGauge(QWidget* parent) : QWidget(parent) {}

void PieGauge::setValue(int value) {
    value = std::clamp(value, minimum_, maximum_);
    if (value == value_) return;
    value_ = value;
    update();
    emit valueChanged(value_);
}

void PieGauge::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_);
}

void PieGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(backColor_);
    p.drawEllipse(r);
    const int span = maximum_ - minimum_;
    const int percent = span > 0 ? (value_ - minimum_) * 100 / span : 0;
    if (percent > 0) {
        p.setBrush(foreColor_);
        // From twelve o'clock, clockwise; Qt counts sixteenths of a degree.
        p.drawPie(r, 90 * 16, -percent * 360 * 16 / 100);
    }
    p.setPen(textColor_);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(percent));
}

}  // namespace tamb
