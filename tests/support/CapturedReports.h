#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "ErrorReport.h"
#include "MessageBoxes.h"

namespace tamb::test {

// What the program would have shown: error reports and message boxes are
// recorded instead of shown while this object lives. A message box is
// answered from `answers` (OK when it runs dry).
struct CapturedReports {
    struct Message {
        QString caption;
        QString text;
        MessageBoxes::Buttons buttons;
        MessageBoxes::Tone tone;
    };

    CapturedReports();
    ~CapturedReports();
    CapturedReports(const CapturedReports&) = delete;
    CapturedReports& operator=(const CapturedReports&) = delete;

    QStringList messageTexts() const;

    QStringList errors;
    std::vector<Message> messages;
    std::deque<bool> answers;

private:
    ErrorReport::Handler oldHandler_;
    MessageBoxes::Responder oldResponder_;
};

}  // namespace tamb::test
