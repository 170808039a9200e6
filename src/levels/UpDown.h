#pragma once
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace tamb {

// Up-down arrows bound to an edit box: each click reads the box's number
// (keeping the last position when it is no number), steps it by one within
// the limits, without wrapping, and writes it back.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int position() const { return position_; }
    void setPosition(int position);
    void stepBy(int steps);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace tamb
