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

    // In the heading's style: light serif italics over the sky.
    auto caption = [this](int top, int height, int pixelSize) {
        auto* label = new QLabel(this);
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
        font.setItalic(true);
        font.setBold(true);
        font.setPixelSize(pixelSize);
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: #fff4c0; background: transparent;"));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, top, width(), height);
        return label;
    };
    OutcomeLabel = caption(54, 24, 19);
    LevelLabel = caption(91, 20, 15);

    PrepareTimer = new QTimer(this);
    PrepareTimer->setInterval(1000);
    connect(PrepareTimer, &QTimer::timeout, this, &TPrepareForm::PrepareTimerTimer);
}

void TPrepareForm::setNotice(Outcome outcome, int level, const QString& password) {
    switch (outcome) {
        case Outcome::None: OutcomeLabel->clear(); break;
        case Outcome::LevelPassed: OutcomeLabel->setText(QStringLiteral("Уровень пройден!")); break;
        case Outcome::GameOver: OutcomeLabel->setText(QStringLiteral("Игра окончена")); break;
        case Outcome::AllLevelsPassed: OutcomeLabel->setText(QStringLiteral("Все уровни пройдены!")); break;
    }
    QString text = QStringLiteral("Уровень ") + QString::number(level);
    if (!password.isEmpty()) text += QStringLiteral(" • пароль: ") + password;
    LevelLabel->setText(text);
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
