#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace tamb {

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), position_(minimum) {
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    up_->setFocusPolicy(Qt::NoFocus);
    up_->setAutoRepeat(true);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    down_->setFocusPolicy(Qt::NoFocus);
    down_->setAutoRepeat(true);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    if (buddy_) buddy_->setText(QString::number(position_));
}

void UpDown::stepBy(int steps) {
    if (buddy_) {
        bool ok = false;
        const int typed = buddy_->text().trimmed().toInt(&ok);
        if (ok) position_ = std::clamp(typed, minimum_, maximum_);
    }
    setPosition(position_ + steps);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace tamb
