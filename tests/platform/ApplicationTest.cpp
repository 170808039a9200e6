#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>

namespace tamb {
namespace {

// The program runs on TambApplication (see the tests' main): standard
// buttons speak the game's language.
TEST(Application, StandardButtonsAreInRussian) {
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
}

}  // namespace
}  // namespace tamb
