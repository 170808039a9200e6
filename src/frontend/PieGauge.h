#pragma once
#include <QWidget>

namespace tamb {

// A progress gauge drawn as a pie: the share of the value between minimum
// and maximum is filled, and the value with a percent sign stands in the
// middle. Every value given to it is clamped into its range.
class PieGauge : public QWidget {
    Q_OBJECT
public:
    explicit PieGauge(QWidget* parent = nullptr);

    int value() const { return value_; }
    void setValue(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);

    void setBackColor(const QColor& c) { backColor_ = c; update(); }
    void setForeColor(const QColor& c) { foreColor_ = c; update(); }
    void setTextColor(const QColor& c) { textColor_ = c; update(); }

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
    QColor backColor_{Qt::blue};
    QColor foreColor_{Qt::green};
    QColor textColor_{Qt::yellow};
};

}  // namespace tamb
