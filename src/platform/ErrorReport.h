#pragma once
#include <QString>
#include <functional>

namespace tamb {

// The application's standard error report: a modal error box with the
// message. Tests install a handler that records the message instead.
namespace ErrorReport {

void show(const QString& message);
// Replaces the modal box (nullptr restores it). Returns the previous one.
using Handler = std::function<void(const QString&)>;
Handler setHandler(Handler handler);

}  // namespace ErrorReport
}  // namespace tamb
