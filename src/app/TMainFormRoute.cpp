// The game screen's route key: the shipped route of the level in play, or
// one the finder looks for, shown from the level's start.
#include <QLabel>
#include <QTimer>
#include <utility>

#include "HelpWindow.h"
#include "ImageView.h"
#include "LevelCodec.h"
#include "RoutePlayer.h"
#include "RouteSearch.h"
#include "Rules.h"
#include "Script.h"
#include "TDataForm.h"
#include "TMainForm.h"
#include "TambError.h"
#include "TextLines.h"

namespace tamb {

namespace {

// Routes are made, and shown, at the fastest speed.
constexpr int kRouteSpeed = 100;
// How long the game looks for a route of a level that came without one.
constexpr double kSearchSeconds = 20;

const QString kShowingHint = QStringLiteral("Показ пути.\nКлавиша - играть.");
const QString kSearchingHint = QStringLiteral("Поиск пути...");
const QString kNotFoundHint = QStringLiteral("Путь не найден.");
const QString kTrialHint = QStringLiteral("Проба уровня.\nПробел - в редактор.");
const QString kFoundHint = QStringLiteral("Путь найден.");

// A route passes the level when replayed without a screen; a shipped route
// of a level the player has since changed does not.
bool passes(const GameLevel& level, int number, const std::vector<ScriptEntry>& route) {
    NullGameHost host;
    RunOptions options;
    options.speed = kRouteSpeed;
    return runLevel(level, number, route, options, host).end == RunEnd::LevelPassed;
}

}  // namespace

void TMainForm::setUpRouteParts() {
    RouteHint = new QLabel(this);
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    RouteHint->setFont(font);
    // A note of its own over the panel's corner picture, readable on any
    // picture.
    RouteHint->setStyleSheet(QStringLiteral(
        "QLabel { color: black; background: #f4ecd2; border: 1px solid #7a5a2a; border-radius: 3px; }"));
    RouteHint->setAlignment(Qt::AlignCenter);
    RouteHint->setWordWrap(true);
    RouteHint->setGeometry(506, 442, 134, 38);
    RouteHint->hide();
    RouteShow = new RoutePlayer(ctx_.state, host_, this);
    connect(RouteShow, &RoutePlayer::finished, this, &TMainForm::endRouteShow);
    routeSearch_ = std::make_unique<solve::RouteSearch>();
}

void TMainForm::showRouteHint(const QString& text) {
    // A level tried from the editor says how to get back there.
    const QString shown = text.isEmpty() && trying_ ? kTrialHint : text;
    RouteHint->setText(shown);
    RouteHint->setVisible(!shown.isEmpty());
    RouteHint->raise();
}

bool TMainForm::routeShowing() const { return routeShown_; }

bool TMainForm::routeSearching() const { return routeSearch_->running(); }

bool TMainForm::levelInPlay(GameLevel& level) const {
    if (!ManThread || ctx_.state.GameResult != GameResult::Normal || data_->LevelData.isEmpty()) return false;
    try {
        level = decodeGameLevel(TextLines::toBytes(data_->LevelData));
    } catch (const LevelFormatError&) {
        return false;
    }
    return true;
}

void TMainForm::showRoute() {
    GameLevel level;
    if (routeShowing() || routeSearching() || !levelInPlay(level)) return;
    const int number = ctx_.state.LevelNumber;
    const QString file =
        data_->baseFolder() + QStringLiteral("/levels/routes/level") + QString::number(number) + QStringLiteral(".route");
    if (TextLines::exists(file)) {
        try {
            std::vector<ScriptEntry> route = parseScript(TextLines::toBytes(TextLines::read(file)));
            if (passes(level, number, route)) return playRoute(level, number, std::move(route));
        } catch (const TambError&) {
        } catch (const ScriptError&) {
        }
    }
    // No usable route came with the level: the player goes on playing
    // while the finder looks for one.
    showRouteHint(kSearchingHint);
    const unsigned generation = ++routeGeneration_;
    solve::FinderOptions options;
    options.speed = kRouteSpeed;
    options.seconds = kSearchSeconds;
    routeSearch_->start(level, number, options, {}, [this, generation](const solve::FinderResult& r) {
        const bool found = r.outcome == solve::FinderOutcome::Found;
        // Taken over by a timer, not a posted call: the show ends the game
        // thread, whose hand-over to this thread travels as posted events,
        // and a wait inside a posted call would not see them.
        QMetaObject::invokeMethod(
            this,
            [this, generation, found, route = r.route] {
                QTimer::singleShot(1, this, [this, generation, found, route] {
                    routeSearchFinished(generation, found, route);
                });
            },
            Qt::QueuedConnection);
    });
}

void TMainForm::routeSearchFinished(unsigned generation, bool found, std::vector<ScriptEntry> route) {
    if (generation != routeGeneration_) return;
    // The show does not begin under the help: it waits for it to close.
    if (found && Help->isVisible()) {
        showRouteHint(kFoundHint);
        connect(
            Help, &HelpWindow::closed, this,
            [this, generation, found, route = std::move(route)] { routeSearchFinished(generation, found, route); },
            Qt::SingleShotConnection);
        return;
    }
    routeSearch_->stop();
    GameLevel level;
    // The level may have ended meanwhile; its route is no use then.
    if (!found || !levelInPlay(level)) {
        showRouteHint(found ? QString() : kNotFoundHint);
        return;
    }
    playRoute(level, ctx_.state.LevelNumber, std::move(route));
}

void TMainForm::playRoute(const GameLevel& level, int levelNumber, std::vector<ScriptEntry> route) {
    GameState& s = ctx_.state;
    TManControl::stop(ManThread, s);
    Kirp->stop();
    AnimationTimer->stop();
    PauseImage->hide();
    routeLevelNumber_ = levelNumber;
    keptGameDelay_ = s.GameDelay;
    s.LevelNumber = levelNumber;
    SetUpLevelState(s, level);
    s.GameResult = GameResult::Normal;
    painter_->drawStaticArena(s);
    refreshArena();
    host_.forgetShownFrames();
    LivesLabelUpdate();
    KladsLabelUpdate();
    showRouteHint(kShowingHint);
    routeShown_ = true;
    RouteShow->start(std::move(route), kRouteSpeed);
}

void TMainForm::endRouteShow() {
    if (!routeShown_) return;
    routeShown_ = false;
    RouteShow->stop();
    showRouteHint({});
    GameState& s = ctx_.state;
    // Passing the level in the show counted it on; the player's speed
    // comes back.
    s.LevelNumber = routeLevelNumber_;
    s.GameDelay = keptGameDelay_;
    SetLevel();
}

void TMainForm::setTrial(const TrialLevel& trial) {
    trial_ = trial;
    trying_ = true;
}

void TMainForm::endTrial() {
    stopGame();
    trying_ = false;
    trial_ = {};
    showRouteHint({});
    hideStatusLabels();
}

void TMainForm::showTrialRoute() {
    if (!trying_ || trial_.route.empty()) return;
    GameLevel level;
    if (!levelInPlay(level)) return;
    playRoute(level, trial_.number, std::exchange(trial_.route, {}));
}

}  // namespace tamb
