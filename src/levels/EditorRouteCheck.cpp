#include "EditorRouteCheck.h"

#include <QProgressBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "MessageBoxes.h"
#include "RouteSearch.h"

namespace tamb {

namespace {

const QString kCaption = QStringLiteral("Проверка уровня");
const QString kCheckText = QStringLiteral("Check");
const QString kCheckHint = QStringLiteral("Проверить уровень (F5)");
const QString kStopText = QStringLiteral("Stop");
const QString kStopHint = QStringLiteral("Отмена");

}  // namespace

EditorRouteCheck::EditorRouteCheck(QWidget& owner, QToolButton& button, QProgressBar& bar)
    : QObject(&owner), owner_(owner), button_(button), bar_(bar), search_(std::make_unique<solve::RouteSearch>()) {
    setRunning(false);
}

EditorRouteCheck::~EditorRouteCheck() { search_->stop(); }

void EditorRouteCheck::setRunning(bool running) {
    running_ = running;
    button_.setText(running ? kStopText : kCheckText);
    button_.setToolTip(running ? kStopHint : kCheckHint);
}

void EditorRouteCheck::start(const GameLevel& level, int levelNumber) {
    cancel();
    level_ = level;
    levelNumber_ = levelNumber;
    const unsigned generation = ++generation_;
    bar_.setValue(0);
    setRunning(true);
    solve::FinderOptions options;
    options.seconds = seconds;
    // The answers come on the search thread; this object's thread takes
    // them over, and drops them if the object is gone meanwhile.
    search_->start(
        level, levelNumber, options,
        [this, generation](const solve::FinderProgress& p) {
            QMetaObject::invokeMethod(this, [this, generation, s = p.seconds] { progressed(generation, s); },
                                      Qt::QueuedConnection);
        },
        [this, generation](const solve::FinderResult& r) {
            QMetaObject::invokeMethod(this, [this, generation, r] { finished(generation, r); },
                                      Qt::QueuedConnection);
        });
}

void EditorRouteCheck::cancel() {
    ++generation_;
    search_->stop();
    if (running_) bar_.setValue(0);
    setRunning(false);
}

void EditorRouteCheck::progressed(unsigned generation, double spent) {
    if (generation != generation_ || seconds <= 0) return;
    bar_.setValue(std::clamp(static_cast<int>(spent / seconds * bar_.maximum()), 0, bar_.maximum()));
}

void EditorRouteCheck::finished(unsigned generation, const solve::FinderResult& result) {
    if (generation != generation_) return;
    search_->stop();  // the thread is on its way out: join it
    setRunning(false);
    bar_.setValue(bar_.maximum());
    switch (result.outcome) {
        case solve::FinderOutcome::Found:
            if (!offerRoute) {
                MessageBoxes::show(&owner_, kCaption, QStringLiteral("Уровень проходим."), MessageBoxes::Buttons::Ok);
            } else if (MessageBoxes::show(&owner_, kCaption, QStringLiteral("Уровень проходим. Показать путь?"),
                                          MessageBoxes::Buttons::OkCancel)) {
                emit routeShowRequested(level_, levelNumber_, result.route);
            }
            break;
        case solve::FinderOutcome::NotFound:
            MessageBoxes::show(&owner_, kCaption,
                               QStringLiteral("Путь не найден за %1 с.").arg(std::lround(seconds)),
                               MessageBoxes::Buttons::Ok);
            break;
        case solve::FinderOutcome::NoRoute:
            MessageBoxes::show(&owner_, kCaption, QStringLiteral("Уровень непроходим."), MessageBoxes::Buttons::Ok);
            break;
        case solve::FinderOutcome::Cancelled: break;
    }
    bar_.setValue(0);
}

}  // namespace tamb
