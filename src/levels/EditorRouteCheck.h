#pragma once
#include <QObject>
#include <memory>
#include <vector>

#include "GameLevel.h"
#include "HeadlessRun.h"

class QProgressBar;
class QToolButton;
class QWidget;

namespace tamb {

namespace solve {
class RouteSearch;
struct FinderResult;
}  // namespace solve

// The editor's check of the level as drawn: the route finder runs on a
// thread of its own while the editor's bar fills with the time spent, and
// the answer comes as a message box. The button that starts a check stops
// it while it runs. A check never outlives the object.
class EditorRouteCheck : public QObject {
    Q_OBJECT
public:
    EditorRouteCheck(QWidget& owner, QToolButton& button, QProgressBar& bar);
    ~EditorRouteCheck() override;

    // Starts a check of `level` (a running one is dropped first).
    void start(const GameLevel& level, int levelNumber);
    // Ends a running check without an answer; waits for its thread.
    void cancel();
    bool running() const { return running_; }

    // How long a check may look for a route.
    double seconds = 30;
    // Whether a passable level comes with the offer to watch its route.
    bool offerRoute = false;

signals:
    // The user wants to watch the route that was found.
    void routeShowRequested(const tamb::GameLevel& level, int levelNumber,
                            const std::vector<tamb::ScriptEntry>& route);

private:
    void progressed(unsigned generation, double seconds);
    void finished(unsigned generation, const solve::FinderResult& result);
    void setRunning(bool running);

    QWidget& owner_;
    QToolButton& button_;
    QProgressBar& bar_;
    GameLevel level_;
    int levelNumber_ = 1;
    bool running_ = false;
    // Answers of a check that was dropped meanwhile are ignored.
    unsigned generation_ = 0;
    std::unique_ptr<solve::RouteSearch> search_;
};

}  // namespace tamb
