#pragma once
#include "FormsHarness.h"

namespace tamb::test {

// The forms over an empty game folder, the menu's and the options' sounds
// recorded; what start-up reports about the missing sound files is not the
// business of these tests.
class FrontendFixture : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        recreateForms();
    }
    // A fresh set of forms, as at the program's start.
    void recreateForms() {
        destroyForms();
        createForms(false);
        recordMenuSounds();
        errors.clear();
        sounds.clear();
    }
    QString cfgPath() const { return dir.filePath(QStringLiteral("tamb.cfg")); }
};

}  // namespace tamb::test
