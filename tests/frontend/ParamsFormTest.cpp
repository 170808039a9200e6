#include <QCheckBox>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "FrontendFixture.h"
#include "PieGauge.h"
#include "SpeedButton.h"
#include "TextLines.h"

namespace tamb::test {
namespace {

class ParamsFormTest : public FrontendFixture {
protected:
    void writeCfg(const QByteArray& bytes) {
        QFile f(cfgPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readCfg() {
        QFile f(cfgPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // What the menu does at each showing, without the title animation.
    void activateMenu() {
        menuForm->FormActivate();
        menuForm->EffectTimer->stop();
    }
    void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); }
};

TEST_F(ParamsFormTest, DefaultsGiveFullSpeedAndSound) {
    activateMenu();
    EXPECT_EQ(paramsForm->speed(), 100);
    EXPECT_TRUE(paramsForm->SoundControl->isChecked());
    EXPECT_TRUE(ctx().soundEnabled);
    EXPECT_EQ(ctx().state.GameDelay.load(), 10);
    EXPECT_EQ(mainForm->Kirp->interval(), 300);
    EXPECT_EQ(dataForm->LB1.size(), 11);
}

TEST_F(ParamsFormTest, MinusAndPlusStepAndClampAtTheEnds) {
    activateMenu();
    click(paramsForm->PlusButton);
    EXPECT_EQ(paramsForm->speed(), 100) << "plus at 100 changes nothing";
    for (int i = 0; i < 101; ++i) click(paramsForm->MinusButton);
    EXPECT_EQ(paramsForm->speed(), 0) << "minus at 0 changes nothing";
    EXPECT_EQ(sounds.count(QStringLiteral("Printing")), 102) << "every press clicks";
    paramsForm->ParamsSet();
    EXPECT_EQ(ctx().state.GameDelay.load(), 10000010);
    EXPECT_EQ(mainForm->Kirp->interval(), 5300);
    EXPECT_EQ(dataForm->LB1.at(1), QStringLiteral("0"));
    click(paramsForm->PlusButton);
    click(paramsForm->PlusButton);
    EXPECT_EQ(paramsForm->speed(), 2);

    paramsForm->GameSpeed->setValue(250);
    EXPECT_EQ(paramsForm->GameSpeed->value(), 100);
    paramsForm->GameSpeed->setValue(-3);
    EXPECT_EQ(paramsForm->GameSpeed->value(), 0);
}

TEST_F(ParamsFormTest, SpeedOutsideRangeInFileIsClampedBackIntoTheList) {
    writeCfg("3\r\n250\r\n1\r\n");
    activateMenu();
    EXPECT_EQ(paramsForm->speed(), 100);
    EXPECT_EQ(dataForm->LB1, (QStringList{"3", "100", "1"}));
    writeCfg("3\r\n-7\r\n2\r\n");
    activateMenu();
    EXPECT_EQ(paramsForm->speed(), 0);
    EXPECT_FALSE(paramsForm->SoundControl->isChecked()) << "anything but \"1\" is off";
    EXPECT_FALSE(ctx().soundEnabled);
    EXPECT_EQ(dataForm->LB1, (QStringList{"3", "0", "0"}));
}

TEST_F(ParamsFormTest, CancelRestoresControlsFromTheList) {
    writeCfg("1\r\n40\r\n1\r\n");
    activateMenu();
    const int delay = ctx().state.GameDelay;
    EXPECT_EQ(delay, 10000010 - 4000000);
    const int kirp = mainForm->Kirp->interval();
    EXPECT_EQ(kirp, delay / 2000 + 300);
    click(paramsForm->PlusButton);
    click(paramsForm->PlusButton);
    click(paramsForm->SoundControl);
    EXPECT_FALSE(ctx().soundEnabled) << "the switch acts at once, before OK";
    click(paramsForm->ParamsCancel);
    EXPECT_EQ(paramsForm->speed(), 40);
    EXPECT_TRUE(paramsForm->SoundControl->isChecked());
    EXPECT_TRUE(ctx().soundEnabled);
    EXPECT_EQ(ctx().state.GameDelay.load(), delay);
    EXPECT_EQ(mainForm->Kirp->interval(), kirp);
    EXPECT_EQ(dataForm->LB1.at(1), QStringLiteral("40"));
    EXPECT_FALSE(QFile::exists(cfgPath()) && readCfg() != "1\r\n40\r\n1\r\n") << "cancel writes nothing";
}

TEST_F(ParamsFormTest, OkWritesTheWholeListEvenUnchanged) {
    activateMenu();
    ASSERT_FALSE(QFile::exists(cfgPath()));
    paramsForm->show();
    click(paramsForm->ParamsOk);
    EXPECT_FALSE(paramsForm->isVisible());
    const QByteArray bytes = readCfg();
    EXPECT_EQ(bytes.size(), 27);
    EXPECT_EQ(bytes, QByteArray("1\r\n100\r\n1\r\n") + QByteArray("\r\n").repeated(8));

    // Lines after the third travel through untouched.
    writeCfg("9\r\n55\r\n1\r\nkeep me\r\n\r\nlast");
    activateMenu();
    click(paramsForm->MinusButton);
    click(paramsForm->SoundControl);
    click(paramsForm->ParamsOk);
    EXPECT_EQ(readCfg(), QByteArray("9\r\n54\r\n0\r\nkeep me\r\n\r\nlast\r\n"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ParamsFormTest, FailedWriteIsReportedAndTheDialogStaysOpen) {
    activateMenu();
    ctx().ConfigFileName = dir.filePath(QStringLiteral("no/such/folder/tamb.cfg"));
    paramsForm->show();
    click(paramsForm->MinusButton);
    click(paramsForm->ParamsOk);
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(paramsForm->isVisible());
    EXPECT_EQ(ctx().state.GameDelay.load(), 10000010 - 9900000) << "the new values already act";
}

TEST_F(ParamsFormTest, DamagedConfigFallsBackToDefaultsWithoutError) {
    writeCfg("7\r\nfast\r\n");
    activateMenu();
    EXPECT_EQ(paramsForm->speed(), 100);
    EXPECT_TRUE(paramsForm->SoundControl->isChecked());
    EXPECT_EQ(dataForm->LB1, (QStringList{"7", "100", "1"}));

    writeCfg("");
    activateMenu();
    EXPECT_EQ(dataForm->LB1, (QStringList{"1", "100", "1"}));

    writeCfg("2\r\n12abc\r\n0");
    activateMenu();
    EXPECT_EQ(paramsForm->speed(), 100);
    EXPECT_FALSE(paramsForm->SoundControl->isChecked()) << "a usable line is still used";
    EXPECT_EQ(ctx().state.GameDelay.load(), 10);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ParamsFormTest, TickBoxClicksOnlyWhileSoundIsOn) {
    activateMenu();
    click(paramsForm->SoundControl);
    EXPECT_FALSE(paramsForm->SoundControl->isChecked());
    EXPECT_EQ(sounds, QStringList{QStringLiteral("Printing")}) << "switching off still clicks";
    click(paramsForm->SoundControl);
    EXPECT_TRUE(paramsForm->SoundControl->isChecked());
    EXPECT_EQ(sounds.size(), 1) << "switching on is silent";
    EXPECT_TRUE(ctx().soundEnabled);
}

TEST_F(ParamsFormTest, DialogLooksRight) {
    activateMenu();
    paramsForm->GameSpeed->setValue(60);
    paramsForm->show();
    const QImage shot = paramsForm->grab().toImage();
    shot.save(screenshotPath(QStringLiteral("frontend_options.png")));
    ASSERT_EQ(shot.size(), QSize(304, 225));
    // The gauge: lime inside the pie's filled part, blue in the rest.
    const QPoint gauge = paramsForm->GameSpeed->geometry().center();
    EXPECT_EQ(QColor(shot.pixel(gauge + QPoint(50, -8))), QColor(0, 255, 0));
    EXPECT_EQ(QColor(shot.pixel(gauge + QPoint(-50, -8))), QColor(0, 0, 255));
    // The tick box stands on blue.
    const QRect box = paramsForm->SoundControl->geometry();
    EXPECT_EQ(QColor(shot.pixel(box.right() - 2, box.center().y())), QColor(0, 0, 255));
}

}  // namespace
}  // namespace tamb::test
