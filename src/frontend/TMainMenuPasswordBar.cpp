// The password bar of the main menu: a picture that slides in from the
// right with an edit field and OK / Cancel on it.
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QValidator>

#include "ImageView.h"
#include "SpeedButton.h"
#include "TMainMenuForm.h"

namespace tamb {

namespace {

// Turns every typed letter into lower case as it comes in.
class LowerCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toLower();
        return Acceptable;
    }
};

constexpr int kBarWidth = 185;

}  // namespace

void TMainMenuForm::createPasswordBar() {
    PasswordImage = new ImageView(this);
    PasswordImage->move(456, 216);
    PasswordImage->setCanvasSize(kBarWidth, passwordScene().height());

    PasswordOk = new SpeedButton(this);
    PasswordOk->setGeometry(472, 272, 49, 30);
    PasswordOk->setCaptionColor(Qt::blue);
    PasswordOk->setGlyph(QStringLiteral(":/pics/btn_ok.png"), QStringLiteral("OK"));
    PasswordOk->hide();

    PasswordCancel = new SpeedButton(this);
    PasswordCancel->setGeometry(528, 272, 97, 30);
    PasswordCancel->setCaptionColor(Qt::blue);
    PasswordCancel->setGlyph(QStringLiteral(":/pics/btn_cancel.png"), QStringLiteral("ОТМЕНА"));
    PasswordCancel->hide();

    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setGeometry(472, 232, 153, 32);
    PasswordEdit->setMaxLength(10);
    PasswordEdit->setValidator(new LowerCaseValidator(PasswordEdit));
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(21);
    f.setBold(true);
    PasswordEdit->setFont(f);
    PasswordEdit->setStyleSheet(QStringLiteral("QLineEdit { background-color: aqua; color: blue; }"));
    PasswordEdit->hide();

    PasswordEffect = new QTimer(this);
    PasswordEffect->setInterval(1);
    connect(PasswordEffect, &QTimer::timeout, this, &TMainMenuForm::PasswordEffectTimer);

    for (SpeedButton* b : {PasswordOk, PasswordCancel})
        connect(b, &QAbstractButton::pressed, this, &TMainMenuForm::NewGameButtonMouseDown);
    connect(PasswordOk, &QAbstractButton::clicked, this, [this] { PasswordOkClick(PasswordOk); });
    connect(PasswordCancel, &QAbstractButton::clicked, this, &TMainMenuForm::PasswordCancelClick);
    // Enter in the field checks the password; the field keeps the key.
    connect(PasswordEdit, &QLineEdit::returnPressed, this, [this] { PasswordOkClick(PasswordEdit); });
}

const Bitmap& TMainMenuForm::passwordScene() {
    const Bitmap& scene = ctx_.pictures.PasswordScene;
    if (!scene.isNull()) return scene;
    if (sceneStandIn_.isNull()) {
        // A plain frame until the game screen has loaded the real picture.
        sceneStandIn_ = Bitmap(200, 102);
        QPainter p(&sceneStandIn_.image());
        p.fillRect(0, 0, 200, 102, QColor(30, 60, 140));
        p.setPen(QPen(QColor(120, 180, 255), 3));
        p.drawRect(2, 2, 180, 97);
    }
    return sceneStandIn_;
}

void TMainMenuForm::blankPasswordImage() {
    if (!ctx_.pictures.BlankBitmap.isNull())
        PasswordImage->bitmap().draw(0, 0, ctx_.pictures.BlankBitmap);
    else
        PasswordImage->bitmap().fill(0xff000000u);
    PasswordImage->update();
}

void TMainMenuForm::PasswordButtonClick() {
    playSound(QStringLiteral("Password"));
    PasswordBarMode = PasswordOk->isHidden() ? QStringLiteral("ShowBar") : QStringLiteral("HideBar");
    PasswordEffect->start();
}

void TMainMenuForm::PasswordCancelClick() {
    playSound(QStringLiteral("Password"));
    PasswordBarMode = QStringLiteral("HideBar");
    PasswordEffect->start();
}

void TMainMenuForm::PasswordEffectTimer() {
    const Bitmap& scene = passwordScene();
    if (PasswordBarMode == QStringLiteral("ShowBar")) {
        PasswordBarX -= 10;
        if (PasswordBarX < 10) {
            PasswordEffect->stop();
            PasswordBarX = 0;
            PasswordImage->bitmap().draw(0, 0, scene);
            PasswordImage->update();
            PasswordEdit->show();
            PasswordOk->show();
            PasswordCancel->show();
            // The slide may end after the menu has closed; no focus then.
            if (isVisible()) PasswordEdit->setFocus();
            return;
        }
        PasswordImage->bitmap().draw(PasswordBarX, 0, scene);
        PasswordImage->update();
        return;
    }
    if (PasswordBarMode == QStringLiteral("HideBar")) {
        if (PasswordBarX == 0) {
            PasswordEdit->hide();
            PasswordOk->hide();
            PasswordCancel->hide();
            PasswordBarX = 1;
            return;
        }
        PasswordBarX += 10;
        if (PasswordBarX >= PasswordImage->width()) PasswordEffect->stop();
        blankPasswordImage();
        PasswordImage->bitmap().draw(PasswordBarX, 0, scene);
        PasswordImage->update();
    }
}

void TMainMenuForm::PasswordVisibilityCheck() {
    if (PasswordOk->isHidden()) return;
    PasswordEdit->hide();
    PasswordOk->hide();
    PasswordCancel->hide();
    blankPasswordImage();
}

void TMainMenuForm::PasswordOkClick(QObject* sender) {
    const int level = ctx_.passwords.levelFor(PasswordEdit->text());
    if (level == 0) {
        playSound(QStringLiteral("OutOfScreen"));
        return;
    }
    playSound(QStringLiteral("LevelPassed"));
    ctx_.state.LevelNumber = level;
    NewGameButtonClick(sender);
}

}  // namespace tamb
