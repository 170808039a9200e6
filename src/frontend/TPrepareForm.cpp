#include "TPrepareForm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include "FormPictures.h"
#include "ImageView.h"

namespace tamb {

TPrepareForm::TPrepareForm() {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(348, 113);
    Image1 = new ImageView(this);
    Image1->setPicture(formPicture(QStringLiteral(":/pics/prepare_bg.jpg"), 348, 113));
    Image1->move(0, 0);

    PrepareProgress = new QProgressBar(this);
    PrepareProgress->setGeometry(72, 80, 209, 9);
    PrepareProgress->setOrientation(Qt::Horizontal);
    PrepareProgress->setRange(0, 650);
    PrepareProgress->setValue(0);
    PrepareProgress->setTextVisible(false);
    PrepareProgress->setStyleSheet(QStringLiteral(
        "QProgressBar { background-color: aqua; border: none; }"
        "QProgressBar::chunk { background-color: blue; }"));

    PrepareTimer = new QTimer(this);
    PrepareTimer->setInterval(1000);
    connect(PrepareTimer, &QTimer::timeout, this, &TPrepareForm::PrepareTimerTimer);
}

void TPrepareForm::advanceProgress() {
    const int before = PrepareProgress->value();
    if (before >= PrepareProgress->maximum()) return;
    PrepareProgress->setValue(before + 1);
    const int max = PrepareProgress->maximum();
    if ((before + 1) * 100 / max != before * 100 / max) PrepareProgress->repaint();
}

void TPrepareForm::showEvent(QShowEvent* event) {
    GuardedDialog::showEvent(event);
    // Centred over the game screen, which is where the player looks on a
    // screen larger than the game.
    QRect area;
    if (anchor_ && anchor_->isVisible()) area = anchor_->geometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen()) area = screen->geometry();
    if (area.isValid()) move(area.center() - QPoint(width() / 2, height() / 2));
    FormActivate();
}

void TPrepareForm::hideEvent(QHideEvent* event) {
    // A level is only ever asked for while the box is up.
    PrepareTimer->stop();
    GuardedDialog::hideEvent(event);
}

void TPrepareForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    GuardedDialog::keyPressEvent(event);
}

void TPrepareForm::FormActivate() {
    PrepareProgress->setValue(0);
    emit activated();
    PrepareTimer->start();
}

void TPrepareForm::PrepareTimerTimer() {
    PrepareTimer->stop();
    emit levelDue();
}

}  // namespace tamb
