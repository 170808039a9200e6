#include "TMainForm.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <string>
#include <vector>

#include "ErrorReport.h"
#include "FormPictures.h"
#include "ImageView.h"
#include "LevelCodec.h"
#include "ModalShow.h"
#include "Rules.h"
#include "ScreenGameHost.h"
#include "SoundEffects.h"
#include "TDataForm.h"
#include "TEditorForm.h"
#include "TMainMenuForm.h"
#include "TPrepareForm.h"
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

TMainForm::TMainForm(AppContext& ctx) : ctx_(ctx), host_(ctx, *this) {
    setWindowTitle(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);

    Arena = new ImageView(this);
    Arena->setGeometry(0, 0, 121, 105);
    KladsLabel = makeStatusLabel(this, QStringLiteral("Klads"));
    KladsLabel->move(0, 112);
    LivesLabel = makeStatusLabel(this, QStringLiteral("Lives"));
    LivesLabel->move(0, 160);
    Kirp = new CoalescingTimer(this);
    Kirp->setInterval(300);
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

    painter_ = std::make_unique<ArenaPainter>(SpriteSheet, ArenaBitmap, Arena->bitmap());
    // The pause picture, the keys and the game thread's hand-over.
    setUpGameThreadParts();

    setGeometry(0, 0, kFormWidth, kFormHeight);
    // Exit from the menu asks the application to end; remember it so the
    // way back from the menu starts no level.
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

GameHost& TMainForm::screenHost() { return host_; }

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) quitting_ = true;
    return QWidget::eventFilter(watched, event);
}

void TMainForm::showAndActivate() {
    show();
    QTimer::singleShot(0, this, &TMainForm::FormActivate);
}

void TMainForm::FormActivate() {
    if (activated_) return;
    activated_ = true;
    setUpScreen();
    showMenuRoad();
}

void TMainForm::fillLevelPasswords() {
    static const char* const kPasswords[] = {"", "ryba", "7", "3", "9", "1", "5", "8", "2", "6", "41", "86", "27", "63"};
    LevelPasswords.fill(QString());
    for (int k = 1; k <= 13; ++k) LevelPasswords[static_cast<size_t>(k)] = QLatin1String(kPasswords[k]);
}

void TMainForm::layOutForms() {
    setGeometry(0, 0, kFormWidth, kFormHeight);
    paintBlack(this);
    Arena->setCanvasSize(kArenaWidth, kArenaHeight);
    painter_->forgetArena();
    Arena->move(0, 0);
    setFocus();
    StatusPanel->move(0, 440);
    KladsLabel->move(x() + 25, height() - 40);
    LivesLabel->move(x() + 285, height() - 40);

    if (TMainMenuForm* menu = ctx_.MainMenuForm) {
        menu->setGeometry(0, 0, kFormWidth, kFormHeight);
        paintBlack(menu);
        menu->AllLightsOff();
        if (menu->AuthorImage) menu->AuthorImage->move(menu->AuthorImage->x(), 440);
        if (menu->LogoImage1) menu->LogoImage1->move(menu->LogoImage1->x(), 16);
        if (menu->LogoImage2) menu->LogoImage2->move(menu->LogoImage2->x(), 88);
    }
    if (TEditorForm* editor = ctx_.EditorForm) {
        editor->setGeometry(0, 0, kFormWidth, kFormHeight);
        paintBlack(editor);
        if (editor->WorkingPanel) editor->WorkingPanel->move(editor->WorkingPanel->x(), 440);
        if (editor->EditorImage) editor->EditorImage->setGeometry(0, 0, kArenaWidth, kArenaHeight);
    }
}

void TMainForm::setUpScreen() {
    fillLevelPasswords();
    layOutForms();
    const QString folder = (ctx_.DataForm ? ctx_.DataForm->baseFolder() : QString()) + QStringLiteral("/graphics/");
    PasswordScene.loadFromFile(folder + QStringLiteral("Password Scene Pic.bmp"));
    SpriteSheet.loadFromFile(folder + QStringLiteral("sprites.bmp"));
    ArenaBitmap = Bitmap(Arena->width(), Arena->height());
    BlankBitmap = Bitmap(Arena->width(), Arena->height());
    BlankBitmap.fill(0);
}

void TMainForm::showMenuRoad() {
    if (quitting_) return;
    if (ctx_.MainMenuForm) showModal(ctx_.MainMenuForm);
    if (quitting_) return;
    if (MenuChoice == QLatin1String("New Game")) showPreparation();
}

void TMainForm::showPreparation() {
    // A level that cannot be set up goes back to the menu; a loop rather
    // than a recursion, as the player may try again and again.
    for (;;) {
        if (quitting_ || !ctx_.PrepareForm) return;
        setupFailed_ = false;
        ctx_.PrepareForm->PrepareProgress->setValue(0);
        showModal(ctx_.PrepareForm);
        if (!setupFailed_ || quitting_) return;
        if (ctx_.MainMenuForm) showModal(ctx_.MainMenuForm);
        if (quitting_ || MenuChoice != QLatin1String("New Game")) return;
    }
}

void TMainForm::levelSetupFailed(const QString& message) {
    ErrorReport::show(message);
    setupFailed_ = true;
    if (ctx_.PrepareForm) ctx_.PrepareForm->close();
}

void TMainForm::SetLevel() {
    GameState& s = ctx_.state;
    // The thread of the level before must be gone before its state changes.
    TManControl::stop(ManThread, s);

    const QString base = ctx_.DataForm->baseFolder() + QStringLiteral("/levels/level");
    if (!TextLines::exists(base + QString::number(s.LevelNumber))) s.LevelNumber = 1;
    const QString fileName = base + QString::number(s.LevelNumber);
    GameLevel level;
    try {
        ctx_.DataForm->LevelData = TextLines::read(fileName);
        std::vector<std::string> lines;
        lines.reserve(static_cast<size_t>(ctx_.DataForm->LevelData.size()));
        for (const QString& line : ctx_.DataForm->LevelData) lines.push_back(line.toStdString());
        level = decodeGameLevel(lines);
    } catch (const TambError& e) {
        levelSetupFailed(e.message());
        return;
    } catch (const LevelFormatError& e) {
        levelSetupFailed(QStringLiteral("%1: %2").arg(fileName, QString::fromStdString(e.what())));
        return;
    }
    SetUpLevelState(s, level);

    TPrepareForm* prepare = ctx_.PrepareForm;
    painter_->drawStaticArena(s, [prepare] {
        if (prepare) prepare->advanceProgress();
    });
    refreshArena();
    host_.forgetShownFrames();

    s.GameResult = GameResult::Normal;
    StartManThread();
    Kirp->start();
    AnimationTimer->start();
    if (prepare) prepare->close();
    // The keys go to the game screen again.
    activateWindow();
    setFocus();
    LivesLabelUpdate();
    KladsLabelUpdate();
    LivesLabel->show();
    KladsLabel->show();
}

void TMainForm::refreshArena() { Arena->update(); }

void TMainForm::refreshArena(const QRegion& region) { Arena->update(region); }

void TMainForm::repaintArenaNow(const QRegion& region) { Arena->paintNow(region); }

void TMainForm::Playsound(const QString& name) { PlayUiSound(ctx_, name); }

void TMainForm::KladsLabelUpdate() {
    KladsLabel->setText(QStringLiteral("кладов: ") + QString::number(static_cast<int>(ctx_.state.KladsLeft)));
    KladsLabel->adjustSize();
}

void TMainForm::LivesLabelUpdate() {
    LivesLabel->setText(QStringLiteral("Жизней: ") + QString::number(static_cast<int>(ctx_.state.Lives)));
    LivesLabel->adjustSize();
}

void TMainForm::KirpTimer() {
    KirpTick(ctx_.state, host_);
}

void TMainForm::AnimationTimerTimer() {
    if (!AnimationTick(ctx_.state)) return;
    if (ctx_.PrepareForm) ctx_.PrepareForm->PrepareProgress->setValue(0);
    AnimationTimer->stop();
    showPreparation();
}

}  // namespace tamb
