#include "TParamsForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "ConfigList.h"
#include "ErrorReport.h"
#include "FrontendPictures.h"
#include "ImageView.h"
#include "PieGauge.h"
#include "SpeedButton.h"
#include "TDataForm.h"
#include "Rules.h"
#include "SoundEffects.h"
#include "TambError.h"
#include "TextLines.h"

namespace tamb {

namespace {

QFont timesFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// The background when the picture is missing: a blue sky with the heading.
QImage backgroundStandIn() {
    QImage img(304, 225, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient sky(0, 0, 0, 225);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(140, 190, 240));
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::yellow);
    p.setFont(timesFont(35, true));
    p.drawText(QRect(0, 8, 304, 50), Qt::AlignCenter, QStringLiteral("ПАРАМЕТРЫ"));
    return img;
}

}  // namespace

TParamsForm::TParamsForm(AppContext& ctx, TDataForm& data) : ctx_(ctx), data_(data) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(304, 225);

    Image1 = new ImageView(this);
    Image1->move(0, 0);
    {
        QImage bg(QStringLiteral(":/pics/params_bg.jpg"));
        Image1->setPicture(bg.isNull() ? backgroundStandIn() : bg);
    }

    GameSpeed = new PieGauge(this);
    GameSpeed->setGeometry(64, 96, 177, 41);
    GameSpeed->setRange(0, 100);
    GameSpeed->setBackColor(Qt::blue);
    GameSpeed->setForeColor(QColor(0, 255, 0));  // lime
    GameSpeed->setTextColor(Qt::yellow);
    GameSpeed->setFont(timesFont(24, false));
    GameSpeed->setValue(10);

    SoundControl = new QCheckBox(QStringLiteral("Звуковые эффекты"), this);
    SoundControl->setGeometry(32, 144, 241, 25);
    SoundControl->setFont(timesFont(24, true));
    {
        QPalette pal = SoundControl->palette();
        for (QPalette::ColorRole back : {QPalette::Window, QPalette::Button}) pal.setColor(back, Qt::blue);
        for (QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText}) pal.setColor(text, Qt::cyan);
        SoundControl->setPalette(pal);
        SoundControl->setAutoFillBackground(true);
    }
    SoundControl->setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
    SoundControl->setChecked(true);
    ctx_.soundEnabled = true;
    // The game thread reads the switch at every sound: keep it in step.
    connect(SoundControl, &QCheckBox::toggled, this, [this](bool on) { ctx_.soundEnabled = on; });

    auto makeSign = [this](const QString& sign, int left) {
        auto* b = new SpeedButton(this);
        b->setGeometry(left, 96, 41, 41);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setText(sign);
        b->setFont(timesFont(35, true));
        b->setCaptionColor(Qt::red);
        return b;
    };
    MinusButton = makeSign(QStringLiteral("-"), 16);

    Label1 = new QLabel(QStringLiteral("Скорость игры"), this);
    Label1->move(80, 68);
    Label1->setFont(timesFont(21, true));
    Label1->setStyleSheet(QStringLiteral("QLabel { color: lime; background: transparent; }"));
    Label1->adjustSize();

    PlusButton = makeSign(QStringLiteral("+"), 248);

    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(16, 62, 273, 1);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    ParamsCancel = new SpeedButton(this);
    ParamsCancel->setGeometry(160, 179, 130, 30);
    ParamsCancel->setFont(timesFont(21, true));
    ParamsCancel->setCaptionColor(Qt::yellow);
    ParamsCancel->setGlyph(QStringLiteral(":/pics/btn_cancel.png"), QStringLiteral("ОТМЕНА"));

    ParamsOk = new SpeedButton(this);
    ParamsOk->setGeometry(16, 179, 130, 30);
    ParamsOk->setFont(timesFont(21, true));
    ParamsOk->setCaptionColor(Qt::yellow);
    ParamsOk->setGlyph(QStringLiteral(":/pics/btn_ok.png"), QStringLiteral("OK"));

    for (QAbstractButton* b : {static_cast<QAbstractButton*>(MinusButton), static_cast<QAbstractButton*>(PlusButton),
                               static_cast<QAbstractButton*>(ParamsCancel), static_cast<QAbstractButton*>(ParamsOk),
                               static_cast<QAbstractButton*>(SoundControl)})
        connect(b, &QAbstractButton::pressed, this, &TParamsForm::ParamsOkMouseDown);
    connect(MinusButton, &QAbstractButton::clicked, this, &TParamsForm::MinusButtonClick);
    connect(PlusButton, &QAbstractButton::clicked, this, &TParamsForm::PlusButtonClick);
    connect(ParamsOk, &QAbstractButton::clicked, this, &TParamsForm::ParamsOkClick);
    connect(ParamsCancel, &QAbstractButton::clicked, this, &TParamsForm::ParamsCancelClick);
}

int TParamsForm::speed() const { return GameSpeed->value(); }

void TParamsForm::ParamsInit() {
    const ConfigList::Options options = ConfigList::read(data_.LB1);
    GameSpeed->setValue(options.speed);
    SoundControl->setChecked(options.sound);
}

void TParamsForm::ParamsSet() {
    ConfigList::write(data_.LB1, {speed(), SoundControl->isChecked()});
    const int delay = GameDelayForSpeed(speed());
    ctx_.state.GameDelay = delay;
    emit brickIntervalChanged(KirpIntervalMs(delay));
}

void TParamsForm::MinusButtonClick() { GameSpeed->setValue(speed() - 1); }

void TParamsForm::PlusButtonClick() { GameSpeed->setValue(speed() + 1); }

void TParamsForm::ParamsOkClick() {
    ParamsSet();
    try {
        TextLines::write(ctx_.ConfigFileName, data_.LB1);
    } catch (const TambError& e) {
        ErrorReport::show(e.message());  // the dialog stays open
        return;
    }
    leave();
}

void TParamsForm::ParamsCancelClick() {
    ParamsInit();
    leave();
}

void TParamsForm::ParamsOkMouseDown() { playSound(QStringLiteral("Printing")); }

void TParamsForm::playSound(const QString& name) {
    if (soundHook)
        soundHook(name);
    else
        PlayUiSound(data_, name);
}

void TParamsForm::showEvent(QShowEvent* event) {
    // Centred over the game's forms, which is where the player looks on a
    // screen larger than the game.
    QRect area;
    if (anchor_ && anchor_->isVisible()) area = anchor_->geometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen()) area = screen->geometry();
    if (area.isValid()) move(area.center() - rect().center());
    GuardedDialog::showEvent(event);
}

void TParamsForm::keyPressEvent(QKeyEvent* event) {
    // Only OK and Cancel leave the dialog.
    if (event->key() == Qt::Key_Escape) return;
    GuardedDialog::keyPressEvent(event);
}

}  // namespace tamb
