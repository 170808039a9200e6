#include "SpeedButton.h"

#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

namespace tamb {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void SpeedButton::setGlyph(const QString& resourcePath, const QString& fallbackText) {
    const QImage glyph(resourcePath);
    if (glyph.isNull()) {
        setToolButtonStyle(Qt::ToolButtonTextOnly);
        setText(fallbackText);
        return;
    }
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setIcon(QIcon(QPixmap::fromImage(glyph)));
    setIconSize(glyph.size());
}

void SpeedButton::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QToolButton::mouseMoveEvent(event);
    // Handled here: the form behind must not see it as a move over itself.
    event->accept();
}

}  // namespace tamb
