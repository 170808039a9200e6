#include "ModalShow.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace tamb {

namespace {
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop* loop) : loop_(loop) {}
    bool eventFilter(QObject* obj, QEvent* ev) override {
        if (ev->type() == QEvent::Hide || ev->type() == QEvent::Close) {
            auto* w = static_cast<QWidget*>(obj);
            if (ev->type() == QEvent::Hide || !w->isVisible()) loop_->quit();
        }
        return false;
    }

private:
    QEventLoop* loop_;
};
}  // namespace

void showModal(QWidget* form) {
    QEventLoop loop;
    HideWatcher watcher(&loop);
    QPointer<QWidget> guard(form);
    form->installEventFilter(&watcher);
    form->setWindowModality(Qt::ApplicationModal);
    form->show();
    form->raise();
    form->activateWindow();
    if (form->isVisible()) loop.exec();
    if (guard) guard->removeEventFilter(&watcher);
}

}  // namespace tamb
