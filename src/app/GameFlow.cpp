#include "GameFlow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProgressBar>
#include <QTimer>

#include "AppContext.h"
#include "ErrorReport.h"
#include "ModalShow.h"
#include "TEditorForm.h"
#include "TMainForm.h"
#include "TMainMenuForm.h"
#include "TPrepareForm.h"
#include "TVictoryForm.h"
#include "TambError.h"

namespace tamb {

namespace {
const QString kNewGame = QStringLiteral("New Game");
}

GameFlow::GameFlow(AppContext& ctx, TMainForm& main, TMainMenuForm& menu, TPrepareForm& prepare,
                   TVictoryForm& victory, TEditorForm& editor)
    : ctx_(ctx), main_(main), menu_(menu), prepare_(prepare), victory_(victory), editor_(editor) {
    // Exit from the menu asks the application to end; remember it so the
    // way back from the menu starts no level.
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

GameFlow::~GameFlow() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool GameFlow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) quitting_ = true;
    return QObject::eventFilter(watched, event);
}

void GameFlow::showMenuRoad() {
    if (quitting_) return;
    if (main_.isTrying()) return endTrial();
    showModal(&menu_);
    if (quitting_) return;
    if (gameAsked()) showPreparation();
}

bool GameFlow::gameAsked() const { return main_.isTrying() || ctx_.MenuChoice == kNewGame; }

void GameFlow::tryLevel(const TrialLevel& trial) {
    if (quitting_ || main_.isTrying() || !editor_.isVisible()) return;
    keptLevelNumber_ = ctx_.state.LevelNumber;
    main_.setTrial(trial);
    // Both modal screens close; the road that showed the menu goes on to
    // the preparation screen.
    editor_.leaveForTrial();
    menu_.hide();
}

void GameFlow::endTrial() {
    main_.endTrial();
    ctx_.state.LevelNumber = keptLevelNumber_;
    // The editor opens over the menu once the menu's own loop runs, as the
    // menu's Editor button opens it.
    QTimer::singleShot(0, &editor_, [this] {
        if (!quitting_ && menu_.isVisible()) showModal(&editor_);
    });
    showMenuRoad();
}

void GameFlow::gameEnded() {
    if (main_.isTrying()) return endTrial();
    using Outcome = TPrepareForm::Outcome;
    Outcome outcome = Outcome::GameOver;
    if (ctx_.state.GameResult == GameResult::LevelPassed)
        outcome = main_.levelToPlay() == ctx_.state.LevelNumber ? Outcome::LevelPassed : Outcome::AllLevelsPassed;
    if (outcome == Outcome::AllLevelsPassed) showModal(&victory_);
    showPreparation(outcome);
}

void GameFlow::showPreparation(TPrepareForm::Outcome outcome) {
    // A level that cannot be set up goes back to the menu; a loop rather
    // than a recursion, as the player may try again and again.
    for (;;) {
        if (quitting_) return;
        setupFailed_ = !picturesReady();
        if (!setupFailed_) {
            const int level = main_.levelToPlay();
            prepare_.setNotice(outcome, level, main_.isTrying() ? QString() : ctx_.passwords.of(level));
            prepare_.PrepareProgress->setValue(0);
            showModal(&prepare_);
        }
        if (!setupFailed_) main_.showTrialRoute();
        if (!setupFailed_ || quitting_) return;
        if (main_.isTrying()) return endTrial();
        showModal(&menu_);
        if (quitting_ || !gameAsked()) return;
        outcome = TPrepareForm::Outcome::None;
    }
}

bool GameFlow::picturesReady() {
    if (main_.picturesLoaded()) return true;
    try {
        main_.setUpScreen();
    } catch (const TambError& e) {
        ErrorReport::show(e.message());
        return false;
    }
    return true;
}

void GameFlow::levelDue() {
    if (quitting_ || !prepare_.isVisible() || menu_.isVisible() || editor_.isVisible()) return;
    main_.SetLevel();
}

void GameFlow::levelSetupFailed() {
    setupFailed_ = true;
    prepare_.finish();
}

}  // namespace tamb
