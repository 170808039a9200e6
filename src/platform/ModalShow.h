#pragma once

class QWidget;

namespace tamb {

// Shows a form modally and returns when it is hidden or closed; timers and
// queued calls keep being served meanwhile (a nested event loop).
void showModal(QWidget* form);

}  // namespace tamb
