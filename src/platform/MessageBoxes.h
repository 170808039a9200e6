#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace tamb {

// Modal message boxes in which only OK counts as yes.
namespace MessageBoxes {

enum class Buttons { Ok, OkCancel };
// A warning (an error, or a question about losing work) carries the
// warning sign; other boxes the information or question sign.
enum class Tone { Normal, Warning };

// Shows the box and returns true only when the user chose OK.
bool show(QWidget* parent, const QString& caption, const QString& text, Buttons buttons, Tone tone = Tone::Normal);

// Tests answer the boxes themselves: the responder gets what would be shown
// and returns the answer (true = OK). nullptr restores real boxes.
using Responder = std::function<bool(const QString& caption, const QString& text, Buttons buttons, Tone tone)>;
Responder setResponder(Responder responder);

}  // namespace MessageBoxes
}  // namespace tamb
