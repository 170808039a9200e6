#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <thread>

#include "FormsHarness.h"
#include "TestGameFolder.h"
#include "SoundEffects.h"
#include "TambError.h"

namespace tamb {
namespace {

class SoundTest : public test::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        writeGameFolder();
    }
    QString sound(const QString& name) const { return dir.path() + "/Sound/" + name; }
    QStringList plays() const {
        QStringList out;
        for (const QString& e : audio->log())
            if (!e.startsWith("open ")) out << e;
        return out;
    }
    // Runs ThreadPlaysound on a thread of its own, as the game does.
    void fromGameThread(std::string_view event) {
        std::thread t([this, event] { ThreadPlaysound(*dataForm, event); });
        t.join();
    }
    void serveQueuedCalls() { QCoreApplication::processEvents(); }
};

TEST_F(SoundTest, TheDataHolderOpensItsFivePlayersInOrder) {
    createForms();
    const QStringList expected{"open " + sound("mwpunch.wav"), "open " + sound("spike.wav"),
                               "open " + sound("password.wav"), "open " + sound("OutOfScreen.wav"),
                               "open " + sound("DoorAppears.wav")};
    EXPECT_EQ(audio->log(), expected);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(dataForm->baseFolder(), QDir::currentPath());
    EXPECT_EQ(dataForm->LevelData.size(), 26);
    EXPECT_EQ(dataForm->LevelData[22], "0502");
    EXPECT_EQ(dataForm->LevelData[23], "30023005");
    EXPECT_EQ(dataForm->LB1, (QStringList{"1", "100", "1", "", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(dataForm->EditorListBox.isEmpty());
}

TEST_F(SoundTest, UiEventsGoToTheirPlayersAndFiles) {
    createForms();
    audio->clear();
    const std::pair<QString, QString> table[] = {
        {"OutOfScreen", "play " + sound("OutOfScreen.wav")},
        {"Showing", "play " + sound("mwpunch.wav")},
        {"Fanfars", "play " + sound("spike.wav")},
        {"Password", "play " + sound("password.wav")},
        {"Pause", "oneshot " + sound("Pause.wav")},
        {"LevelPassed", "oneshot " + sound("LevelPassed.wav")},
        {"Printing", "oneshot " + sound("MainMenuClick.wav")},
    };
    for (const auto& [event, expected] : table) {
        audio->clear();
        mainForm->Playsound(event);
        EXPECT_EQ(plays(), QStringList{expected}) << event.toStdString();
    }
    audio->clear();
    // Names are compared exactly; game-side names mean nothing here.
    for (const char* other : {"pause", "Klad", "DoorAppears", "GameOver", ""}) mainForm->Playsound(other);
    EXPECT_TRUE(plays().isEmpty()) << plays().join(", ").toStdString();
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SoundTest, GameEventsGoToTheirPlayersAndFilesWithoutWaiting) {
    createForms();
    const std::pair<std::string_view, QString> table[] = {
        {"DoorAppears", "play " + sound("DoorAppears.wav")},
        {"OutOfScreen", "play " + sound("OutOfScreen.wav")},
        {"Klad", "oneshot " + sound("Klad2.wav")},
        {"Fire", "oneshot " + sound("Fire2.wav")},
        {"GoodMorning", "oneshot " + sound("Goodmrng.wav")},
        {"ShetsAlive", "oneshot " + sound("Laugh2.wav")},
        {"ManCatched", "oneshot " + sound("MwBimbo.wav")},
        {"GameOver", "oneshot " + sound("Scream.wav")},
        {"LevelPassed", "oneshot " + sound("LevelPassed.wav")},
    };
    for (const auto& [event, expected] : table) {
        audio->clear();
        fromGameThread(event);
        EXPECT_TRUE(plays().isEmpty()) << "handed over, not played on the game thread";
        serveQueuedCalls();
        EXPECT_EQ(plays(), QStringList{expected}) << event;
    }
    audio->clear();
    for (std::string_view other : {"Showing", "Fanfars", "Password", "Pause", "Printing", "klad"}) fromGameThread(other);
    serveQueuedCalls();
    EXPECT_TRUE(plays().isEmpty()) << plays().join(", ").toStdString();
}

TEST_F(SoundTest, NothingSoundsWhileTheOptionIsOffAndTheOptionIsReadAtEveryCall) {
    createForms();
    audio->clear();
    ctx().soundEnabled = false;
    for (const char* e : {"OutOfScreen", "Showing", "Fanfars", "Password", "Pause", "LevelPassed", "Printing"})
        mainForm->Playsound(e);
    for (std::string_view e : {"DoorAppears", "OutOfScreen", "Klad", "GameOver"}) fromGameThread(e);
    serveQueuedCalls();
    EXPECT_TRUE(plays().isEmpty()) << plays().join(", ").toStdString();
    ctx().soundEnabled = true;
    mainForm->Playsound("Pause");
    EXPECT_EQ(plays(), QStringList{"oneshot " + sound("Pause.wav")});
}

TEST_F(SoundTest, AMissingWaveForTheOneShotChannelPlaysTheDefaultSoundSilently) {
    QFile::remove(sound("Klad2.wav"));
    QFile::remove(sound("Pause.wav"));
    createForms();
    audio->clear();
    mainForm->Playsound("Pause");
    fromGameThread("Klad");
    serveQueuedCalls();
    EXPECT_EQ(plays(), (QStringList{"oneshot default", "oneshot default"}));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(SoundTest, APlayerThatFailedToOpenLeavesTheLaterOnesClosed) {
    QFile::remove(sound("spike.wav"));
    createForms();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("spike.wav")) << errors[0].toStdString();
    EXPECT_EQ(audio->log(), QStringList{"open " + sound("mwpunch.wav")});
    EXPECT_TRUE(dataForm->ShowingSound.isOpen());
    for (const MediaPlayer* p : {&dataForm->FanfarsSound, &dataForm->PasswordSound, &dataForm->OutOfScreenSound,
                                 &dataForm->DoorAppearSound})
        EXPECT_FALSE(p->isOpen()) << p->fileName().toStdString();

    errors.clear();
    audio->clear();
    mainForm->Playsound("Showing");
    EXPECT_EQ(plays(), QStringList{"play " + sound("mwpunch.wav")});
    mainForm->Playsound("Password");
    EXPECT_EQ(errors, QStringList{"No MCI device open"}) << "the user-interface side reports it";

    // The game side skips it: a sound never ends a game.
    errors.clear();
    audio->clear();
    fromGameThread("DoorAppears");
    fromGameThread("OutOfScreen");
    fromGameThread("Klad");
    serveQueuedCalls();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(plays(), QStringList{"oneshot " + sound("Klad2.wav")});
}

TEST(SoundFiles, OnlyRiffWaveFilesOpen) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.wav");
    test::writeWave(good);
    EXPECT_NO_THROW(checkWaveFile(good));
    QFile bad(dir.filePath("bad.wav"));
    bad.open(QIODevice::WriteOnly);
    bad.write("not a sound at all");
    bad.close();
    EXPECT_THROW(checkWaveFile(bad.fileName()), TambError);
    EXPECT_THROW(checkWaveFile(dir.filePath("missing.wav")), TambError);
}

}  // namespace
}  // namespace tamb
