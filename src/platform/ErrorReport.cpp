#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

namespace tamb::ErrorReport {

namespace {
Handler& handler() {
    static Handler h;
    return h;
}
}  // namespace

void show(const QString& message) {
    if (handler()) {
        handler()(message);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), message, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

Handler setHandler(Handler h) {
    Handler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

}  // namespace tamb::ErrorReport
