#include "CapturedReports.h"

namespace tamb::test {

CapturedReports::CapturedReports() {
    oldHandler_ = ErrorReport::setHandler([this](const QString& m) { errors << m; });
    oldResponder_ = MessageBoxes::setResponder([this](const QString& c, const QString& t, MessageBoxes::Buttons b,
                                                             MessageBoxes::Tone tone) {
        messages.push_back({c, t, b, tone});
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    });
}

CapturedReports::~CapturedReports() {
    MessageBoxes::setResponder(oldResponder_);
    ErrorReport::setHandler(oldHandler_);
}

QStringList CapturedReports::messageTexts() const {
    QStringList t;
    for (const Message& m : messages) t << m.text;
    return t;
}

}  // namespace tamb::test
