#pragma once
#include <QString>
#include <stdexcept>

namespace tamb {

// An error that ends the handler it happens in; the application's error
// report shows its message and the program goes on.
class TambError : public std::runtime_error {
public:
    explicit TambError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace tamb
