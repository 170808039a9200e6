#include "TMainMenuForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>

#include "ErrorReport.h"
#include "FrontendPictures.h"
#include "HelpWindow.h"
#include "ImageView.h"
#include "SoundEffects.h"
#include "SpeedButton.h"
#include "TDataForm.h"
#include "TambError.h"
#include "TextLines.h"

namespace tamb {

namespace {

ImageView* pictureAt(QWidget* parent, int left, int top, const QString& path, QSize size, const QString& text,
                     QRgb background = 0xff203060u, QRgb ink = 0xffffff00u) {
    auto* view = new ImageView(parent);
    view->setPicture(pictureOrStandIn(path, size, text, background, ink));
    view->move(left, top);
    return view;
}

QImage lampStandIn() {
    QImage img(17, 17, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 0));
    p.drawEllipse(QRectF(1.5, 1.5, 14, 14));
    return img;
}

}  // namespace

TMainMenuForm::TMainMenuForm(AppContext& ctx, TDataForm& data) : ctx_(ctx), data_(data) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setGeometry(0, 0, 642, 482);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    setMouseTracking(true);

    // Created bottom to top: later widgets lie above earlier ones.
    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(215, 192, 209, 209);
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Raised);

    ButtonsImage = pictureAt(this, 215, 192, QStringLiteral(":/pics/buttons_panel.jpg"), QSize(209, 210), QString(),
                             0xff87ceebu);
    ButtonsImage->setMouseTracking(true);
    connect(ButtonsImage, &ImageView::mouseMoved, this, &TMainMenuForm::FormMouseMove);

    LogoImage1 = pictureAt(this, 96, 72, QStringLiteral(":/pics/logo1.jpg"), QSize(448, 75), QStringLiteral("T A M B"));
    LogoImage2 = pictureAt(this, 134, 136, QStringLiteral(":/pics/logo2.jpg"), QSize(372, 73),
                           QStringLiteral("TAMB"));
    AuthorImage = pictureAt(this, 368, 408, QStringLiteral(":/pics/author.jpg"), QSize(263, 29),
                            QStringLiteral("Tamb team"), 0xff000000u, 0xffc0c0c0u);

    struct ButtonSpec {
        SpeedButton** button;
        const char* glyph;
        QString text;
    };
    const ButtonSpec buttons[] = {
        {&NewGameButton, ":/pics/btn_newgame.png", QStringLiteral("НОВАЯ ИГРА")},
        {&PasswordButton, ":/pics/btn_password.png", QStringLiteral("ПАРОЛЬ")},
        {&OptionsButton, ":/pics/btn_options.png", QStringLiteral("ПАРАМЕТРЫ")},
        {&EditorButton, ":/pics/btn_editor.png", QStringLiteral("РЕДАКТОР")},
        {&ExitButton, ":/pics/btn_exit.png", QStringLiteral("ВЫХОД")},
    };
    QFont glyphFont(QStringLiteral("Times New Roman"));
    glyphFont.setPixelSize(22);
    glyphFont.setBold(true);
    int k = 1;
    for (const ButtonSpec& entry : buttons) {
        auto* b = new SpeedButton(this);
        b->setGeometry(223, 200 + 40 * (k - 1), 193, 33);
        b->setFont(glyphFont);
        b->setCaptionColor(Qt::blue);
        b->setGlyph(QString::fromLatin1(entry.glyph), entry.text);
        connect(b, &SpeedButton::mouseMoved, this, [this, k] { ButtonMouseMove(k); });
        connect(b, &QAbstractButton::pressed, this, &TMainMenuForm::NewGameButtonMouseDown);
        *entry.button = b;
        ++k;
    }
    connect(NewGameButton, &QAbstractButton::clicked, this, [this] { NewGameButtonClick(NewGameButton); });
    connect(PasswordButton, &QAbstractButton::clicked, this, &TMainMenuForm::PasswordButtonClick);
    connect(OptionsButton, &QAbstractButton::clicked, this, &TMainMenuForm::OptionsButtonClick);
    connect(EditorButton, &QAbstractButton::clicked, this, &TMainMenuForm::EditorButtonClick);
    connect(ExitButton, &QAbstractButton::clicked, this, &TMainMenuForm::ExitButtonClick);

    const QImage lampPicture = [] {
        QImage lamp(QStringLiteral(":/pics/lamp.png"));
        return lamp.isNull() ? lampStandIn() : lamp;
    }();
    for (int i = 1; i <= 10; ++i) {
        Light[i] = new ImageView(this);
        Light[i]->setPicture(lampPicture);
        Light[i]->move(i % 2 == 1 ? 192 : 432, 208 + 40 * ((i - 1) / 2));
    }

    static constexpr int kLetterLeft[11] = {0, 149, 181, 213, 245, 301, 333, 365, 397, 429, 461};
    for (int i = 1; i <= 10; ++i) {
        Image[i] = pictureAt(this, kLetterLeft[i], 40, QStringLiteral(":/pics/letter%1.png").arg(i), QSize(29, 27),
                             QString::number(i));
        Image[i]->hide();
    }

    EffectTimer = new QTimer(this);
    EffectTimer->setInterval(400);
    connect(EffectTimer, &QTimer::timeout, this, &TMainMenuForm::EffectTimerTimer);

    createPasswordBar();
    Help = new HelpWindow(ctx_.pictures, this);

    // Hidden until the title animation brings them up.
    for (QWidget* w : {static_cast<QWidget*>(LogoImage1), static_cast<QWidget*>(LogoImage2)}) w->hide();
    for (QWidget* w : panelWidgets()) w->hide();
}

std::array<QWidget*, 8> TMainMenuForm::panelWidgets() const {
    return {NewGameButton, PasswordButton, OptionsButton, EditorButton,
            ExitButton,    ButtonsImage,   Bevel1,        AuthorImage};
}

void TMainMenuForm::showEvent(QShowEvent* event) {
    GuardedDialog::showEvent(event);
    if (!event->spontaneous()) FormActivate();
}

void TMainMenuForm::layOut() {
    setGeometry(0, 0, 642, 482);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    AllLightsOff();
    AuthorImage->move(AuthorImage->x(), 440);
    LogoImage1->move(LogoImage1->x(), 16);
    LogoImage2->move(LogoImage2->x(), 88);
}

void TMainMenuForm::FormActivate() {
    ctx_.ConfigFileName = data_.baseFolder() + QStringLiteral("/tamb.cfg");
    if (TextLines::exists(ctx_.ConfigFileName)) {
        try {
            data_.LB1 = TextLines::read(ctx_.ConfigFileName);
        } catch (const TambError& e) {
            // Unreadable: say so and go on with the lines the list holds.
            ErrorReport::show(e.message());
        }
    }
    emit configLoaded();
    const Bitmap& scene = passwordScene();
    if (PasswordImage->bitmap().height() != scene.height() || PasswordImage->bitmap().width() != 185)
        PasswordImage->setCanvasSize(185, scene.height());
    PasswordBarX = PasswordImage->width();
    blankPasswordImage();
    if (EffectStep == 0) EffectTimer->start();
}

namespace {
constexpr int kLastTitleStep = 22;
}

void TMainMenuForm::skipTitleAnimation() {
    if (!EffectTimer->isActive()) return;
    EffectTimer->stop();
    EffectStep = kLastTitleStep;
    for (int i = 1; i <= 10; ++i) Image[i]->hide();
    for (QWidget* w : {static_cast<QWidget*>(LogoImage1), static_cast<QWidget*>(LogoImage2)}) w->show();
    for (QWidget* w : panelWidgets()) w->show();
}

void TMainMenuForm::EffectTimerTimer() {
    ++EffectStep;
    if (EffectStep >= 1 && EffectStep <= 10) {
        playSound(QStringLiteral("Printing"));
        Image[EffectStep]->show();
    }
    switch (EffectStep) {
        case 14:
            playSound(QStringLiteral("Showing"));
            for (int i = 1; i <= 10; ++i) Image[i]->hide();
            LogoImage1->show();
            break;
        case 16:
            playSound(QStringLiteral("Showing"));
            LogoImage2->show();
            break;
        case 17:
            playSound(QStringLiteral("Fanfars"));
            for (QWidget* w : panelWidgets()) w->show();
            break;
        case kLastTitleStep:
            AuthorImage->show();
            EffectTimer->stop();
            break;
        default:
            break;
    }
}

void TMainMenuForm::AllLightsOff() {
    for (int i = 1; i <= 10; ++i)
        if (!Light[i]->isHidden()) Light[i]->hide();
}

void TMainMenuForm::FormMouseMove() { AllLightsOff(); }

void TMainMenuForm::ButtonMouseMove(int k) {
    if (!Light[2 * k - 1]->isHidden()) return;
    AllLightsOff();
    Light[2 * k - 1]->show();
    Light[2 * k]->show();
}

void TMainMenuForm::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove();
    GuardedDialog::mouseMoveEvent(event);
}

void TMainMenuForm::mousePressEvent(QMouseEvent* event) {
    skipTitleAnimation();
    GuardedDialog::mousePressEvent(event);
}

void TMainMenuForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        event->accept();
        if (!Help->isVisible()) Help->popUp();
        return;
    }
    if (EffectTimer->isActive()) {
        skipTitleAnimation();
        event->accept();
        return;
    }
    // The menu is left through its buttons only.
    if (event->key() == Qt::Key_Escape) return;
    GuardedDialog::keyPressEvent(event);
}

void TMainMenuForm::NewGameButtonMouseDown() { playSound(QStringLiteral("Printing")); }

void TMainMenuForm::NewGameButtonClick(QObject* sender) {
    if (sender == NewGameButton) ctx_.state.LevelNumber = 1;
    PasswordVisibilityCheck();
    ctx_.MenuChoice = QStringLiteral("New Game");
    leave();
}

void TMainMenuForm::OptionsButtonClick() { emit optionsRequested(); }

void TMainMenuForm::EditorButtonClick() {
    PasswordVisibilityCheck();
    emit editorRequested();
}

void TMainMenuForm::ExitButtonClick() {
    exitRequested_ = true;
    leave();
    QCoreApplication::quit();
}

void TMainMenuForm::playSound(const QString& name) {
    if (soundHook)
        soundHook(name);
    else
        PlayUiSound(data_, name);
}

}  // namespace tamb
