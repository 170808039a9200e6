// The boxes as people see them: which sign each kind of message carries,
// and which answer counts as yes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ErrorReport.h"
#include "MessageBoxes.h"

using namespace tamb;

namespace {

// Shows a real box through `show`, notes its sign and answers it.
struct Answered {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool result = false;
};

Answered answer(const std::function<bool()>& show, QMessageBox::StandardButton reply) {
    Answered a;
    QTimer::singleShot(0, [&a, reply] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        a.icon = box->icon();
        box->button(reply)->click();
    });
    a.result = show();
    return a;
}

TEST(MessageBoxes, EachKindOfMessageCarriesItsSign) {
    using MessageBoxes::Buttons;
    using MessageBoxes::Tone;
    struct Case {
        const char* what;
        std::function<bool()> show;
        QMessageBox::StandardButton reply;
        QMessageBox::Icon icon;
        bool result;
    } cases[] = {
        {"a notice", [] { return MessageBoxes::show(nullptr, "c", "done", Buttons::Ok); }, QMessageBox::Ok,
         QMessageBox::Information, true},
        {"a question", [] { return MessageBoxes::show(nullptr, "c", "sure?", Buttons::OkCancel); },
         QMessageBox::Cancel, QMessageBox::Question, false},
        {"an error", [] { return MessageBoxes::show(nullptr, "c", "bad", Buttons::Ok, Tone::Warning); },
         QMessageBox::Ok, QMessageBox::Warning, true},
        {"a risky question",
         [] { return MessageBoxes::show(nullptr, "c", "overwrite?", Buttons::OkCancel, Tone::Warning); },
         QMessageBox::Ok, QMessageBox::Warning, true},
        {"an error report", [] { return ErrorReport::show("cannot read"), true; }, QMessageBox::Ok,
         QMessageBox::Warning, true},
    };
    for (const Case& c : cases) {
        const Answered a = answer(c.show, c.reply);
        EXPECT_EQ(a.icon, c.icon) << c.what;
        EXPECT_EQ(a.result, c.result) << c.what;
    }
}

}  // namespace
