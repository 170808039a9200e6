#pragma once
#include <QDialog>

namespace tamb {

// A dialog that only its own code closes (leave()). Any other close, a
// window manager's close button or Alt+F4, is turned into
// closeRequested(), where the form takes the road its own controls take,
// questions included.
class GuardedDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // Closes the dialog.
    void leave();
    // Someone else asked the dialog to close; the default stays open.
    virtual void closeRequested() {}
    void closeEvent(QCloseEvent* event) override;

private:
    bool leaving_ = false;
    bool inCloseRequest_ = false;
    bool leaveDuringRequest_ = false;
};

}  // namespace tamb
