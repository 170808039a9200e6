#include "GuardedDialog.h"

#include <QCloseEvent>

namespace tamb {

void GuardedDialog::leave() {
    // Asked from closeRequested(): the close under way goes through.
    if (inCloseRequest_) {
        leaveDuringRequest_ = true;
        return;
    }
    leaving_ = true;
    close();
    leaving_ = false;
}

void GuardedDialog::closeEvent(QCloseEvent* event) {
    if (!leaving_) {
        inCloseRequest_ = true;
        leaveDuringRequest_ = false;
        closeRequested();
        inCloseRequest_ = false;
        if (!leaveDuringRequest_) {
            event->ignore();
            return;
        }
    }
    QDialog::closeEvent(event);
}

}  // namespace tamb
