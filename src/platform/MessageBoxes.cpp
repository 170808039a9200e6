#include "MessageBoxes.h"

#include <QMessageBox>

namespace tamb::MessageBoxes {

namespace {
Responder& responder() {
    static Responder r;
    return r;
}
}  // namespace

bool show(QWidget* parent, const QString& caption, const QString& text, Buttons buttons, Tone tone) {
    if (responder()) return responder()(caption, text, buttons, tone);
    QMessageBox::Icon icon = buttons == Buttons::Ok ? QMessageBox::Information : QMessageBox::Question;
    if (tone == Tone::Warning) icon = QMessageBox::Warning;
    QMessageBox box(icon, caption, text,
                    buttons == Buttons::Ok ? QMessageBox::Ok : (QMessageBox::Ok | QMessageBox::Cancel), parent);
    return box.exec() == QMessageBox::Ok;
}

Responder setResponder(Responder r) {
    Responder old = std::move(responder());
    responder() = std::move(r);
    return old;
}

}  // namespace tamb::MessageBoxes
