// Before any Qt header, which makes "slots" a keyword.
#include "RouteSearch.h"

#include "TMainForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <string>
#include <vector>

#include "ErrorReport.h"
#include "FormPictures.h"
#include "GameKeyboard.h"
#include "HelpWindow.h"
#include "ImageView.h"
#include "LevelCodec.h"
#include "Rules.h"
#include "ScreenGameHost.h"
#include "SoundEffects.h"
#include "TDataForm.h"
#include "TambError.h"
#include "TextLines.h"

namespace tamb {

namespace {

constexpr int kFormWidth = 642;
constexpr int kFormHeight = 482;

QLabel* makeStatusLabel(QWidget* parent, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    font.setBold(true);
    font.setPixelSize(27);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setAutoFillBackground(false);  // transparent over the status panel
    label->adjustSize();
    return label;
}

void paintBlack(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, Qt::black);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace

TMainForm::TMainForm(AppContext& ctx) : ctx_(ctx), host_(*this) {
    setWindowTitle(QStringLiteral("Tamb"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);

    Arena = new ImageView(this);
    Arena->setGeometry(0, 0, 121, 105);
    KladsLabel = makeStatusLabel(this, QStringLiteral("Klads"));
    KladsLabel->move(0, 112);
    LivesLabel = makeStatusLabel(this, QStringLiteral("Lives"));
    LivesLabel->move(0, 160);
    Kirp = new CoalescingTimer(this);
    Kirp->setInterval(KirpIntervalMs(0));
    connect(Kirp, &CoalescingTimer::timeout, this, &TMainForm::KirpTimer);
    AnimationTimer = new CoalescingTimer(this);
    AnimationTimer->setInterval(kAnimationIntervalMs);
    connect(AnimationTimer, &CoalescingTimer::timeout, this, &TMainForm::AnimationTimerTimer);
    StatusPanel = new ImageView(this);
    StatusPanel->setPicture(formPicture(QStringLiteral(":/pics/status_panel.jpg"), 642, 40));
    StatusPanel->move(120, 0);
    // The labels lie on the status panel; the pause picture over the arena.
    StatusPanel->lower();
    Arena->lower();
    KladsLabel->raise();
    LivesLabel->raise();

    GamePictures& pictures = ctx_.pictures;
    painter_ = std::make_unique<ArenaPainter>(pictures.SpriteSheet, pictures.ArenaBitmap, Arena->bitmap());
    // The pause picture, the keys and the game thread's hand-over.
    setUpGameThreadParts();

    setGeometry(0, 0, kFormWidth, kFormHeight);
}

GameHost& TMainForm::screenHost() { return host_; }

void TMainForm::layOut() {
    setGeometry(0, 0, kFormWidth, kFormHeight);
    paintBlack(this);
    Arena->setCanvasSize(kArenaWidth, kArenaHeight);
    painter_->forgetArena();
    Arena->move(0, 0);
    setFocus();
    StatusPanel->move(0, 440);
    KladsLabel->move(x() + 25, height() - 40);
    LivesLabel->move(x() + 285, height() - 40);
}

void TMainForm::setUpScreen() {
    ctx_.passwords.fillStandard();
    layOut();
    GamePictures& loaded = ctx_.pictures;
    const QString folder = data_->baseFolder() + QStringLiteral("/graphics/");
    loaded.PasswordScene.loadFromFile(folder + QLatin1String(pictures::kPasswordSceneFile),
                                        pictures::kPasswordSceneSize);
    loaded.SpriteSheet.loadFromFile(folder + QLatin1String(pictures::kSpriteSheetFile), pictures::kSpriteSheetSize);
    loaded.ArenaBitmap = Bitmap(Arena->width(), Arena->height());
    loaded.BlankBitmap = Bitmap(Arena->width(), Arena->height());
    loaded.BlankBitmap.fill(0);
}

bool TMainForm::picturesLoaded() const {
    return !ctx_.pictures.SpriteSheet.isNull() && !ctx_.pictures.PasswordScene.isNull();
}

int TMainForm::levelToPlay() const {
    if (trying_) return trial_.number;
    const int n = ctx_.state.LevelNumber;
    return TextLines::exists(data_->baseFolder() + QStringLiteral("/levels/level") + QString::number(n)) ? n : 1;
}

void TMainForm::SetLevel() {
    GameState& s = ctx_.state;
    // A route looked for belongs to the level before.
    ++routeGeneration_;
    routeSearch_->cancel();
    if (!routeShown_) showRouteHint({});
    // The thread of the level before must be gone before its state changes.
    TManControl::stop(ManThread, s);

    s.LevelNumber = levelToPlay();
    const QString fileName = data_->baseFolder() + QStringLiteral("/levels/level") + QString::number(s.LevelNumber);
    GameLevel level;
    try {
        // Only the lines the format has: a huge file costs no more than a
        // normal one once it is read.
        data_->LevelData = trying_ ? trial_.lines : TextLines::readHead(fileName, kLevelFileLines, kLevelLineBytes);
        level = decodeGameLevel(TextLines::toBytes(data_->LevelData));
    } catch (const TambError& e) {
        ErrorReport::show(e.message());
        emit levelSetupFailed();
        return;
    } catch (const LevelFormatError& e) {
        ErrorReport::show(QStringLiteral("%1: %2").arg(fileName, QString::fromStdString(e.what())));
        emit levelSetupFailed();
        return;
    }
    SetUpLevelState(s, level);

    painter_->drawStaticArena(s, [this] { emit setupProgressed(); });
    refreshArena();
    host_.forgetShownFrames();

    s.GameResult = GameResult::Normal;
    StartManThread();
    Kirp->start();
    AnimationTimer->start();
    emit levelReady();
    // The keys go to the game screen again.
    activateWindow();
    setFocus();
    // A level that begins under the help waits for it, and the keys stay with it.
    if (Help->isVisible()) {
        Keyboard->pauseForHelp();
        Help->activateWindow();
    }
    LivesLabelUpdate();
    KladsLabelUpdate();
    LivesLabel->show();
    KladsLabel->show();
}

void TMainForm::refreshArena() { Arena->update(); }

void TMainForm::refreshArena(const QRegion& region) { Arena->update(region); }

void TMainForm::repaintArenaNow(const QRegion& region) { Arena->paintNow(region); }

void TMainForm::Playsound(const QString& name) { PlayUiSound(*data_, name); }

void TMainForm::playGameSound(std::string_view event) { ThreadPlaysound(*data_, event); }

void TMainForm::KladsLabelUpdate() {
    KladsLabel->setText(QStringLiteral("кладов: ") + QString::number(static_cast<int>(ctx_.state.KladsLeft)));
    KladsLabel->adjustSize();
}

void TMainForm::LivesLabelUpdate() {
    LivesLabel->setText(QStringLiteral("Жизней: ") + QString::number(static_cast<int>(ctx_.state.Lives)));
    LivesLabel->adjustSize();
}

void TMainForm::hideStatusLabels() {
    LivesLabel->hide();
    KladsLabel->hide();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // The owner of the forms stops the game on the way out.
    QCoreApplication::quit();
}

void TMainForm::KirpTimer() {
    KirpTick(ctx_.state, host_);
}

void TMainForm::AnimationTimerTimer() {
    if (!AnimationTick(ctx_.state)) return;
    AnimationTimer->stop();
    emit gameEnded();
}

}  // namespace tamb
