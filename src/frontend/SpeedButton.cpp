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
    setCaptionColor(Qt::black);
}

void SpeedButton::setCaptionColor(const QColor& colour) {
    // Flat: nothing of its own but the glyph; a thin raised edge under the
    // mouse and a sunken one while pressed.
    setStyleSheet(QStringLiteral("QToolButton { background: transparent; border: 1px solid transparent; color: %1; }"
                                 "QToolButton:hover { border-color: #ffffff #404040 #404040 #ffffff; }"
                                 "QToolButton:pressed { border-color: #404040 #ffffff #ffffff #404040; }")
                      .arg(colour.name()));
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
