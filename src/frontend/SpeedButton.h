#pragma once
#include <QToolButton>

namespace tamb {

// A flat button that never takes the focus: it shows its glyph (or its
// caption) on whatever lies behind it and raises a frame only under the
// mouse. pressed() comes on the mouse-down, before clicked().
class SpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    // Shows the picture at resourcePath; when it cannot be loaded the
    // fallback text stands in for it.
    void setGlyph(const QString& resourcePath, const QString& fallbackText);
    // Colour of the caption (and of a fallback text).
    void setCaptionColor(const QColor& colour);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace tamb
