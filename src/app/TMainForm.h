#pragma once
#include <QPointer>
#include <QWidget>
#include <array>

#include "AppContext.h"
#include "Bitmap.h"
#include "TManControl.h"

class QLabel;
class QTimer;

namespace tamb {

class GameKeyboard;
class ImageView;
class UiGameHost;

// The game screen and the application's main form.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& ctx);
    ~TMainForm() override;

    void SetLevel();
    void Playsound(const QString& name);
    void KladsLabelUpdate();
    void LivesLabelUpdate();

    QLabel* KladsLabel = nullptr;
    QLabel* LivesLabel = nullptr;
    QTimer* Kirp = nullptr;
    QTimer* AnimationTimer = nullptr;

    Bitmap SpriteSheet;
    Bitmap ArenaBitmap;
    Bitmap BlankBitmap;
    Bitmap PasswordScene;

    // The game thread of the level in play; null when none runs.
    QPointer<TManControl> ManThread;
    ImageView* PauseImage = nullptr;
    GameKeyboard* Keyboard = nullptr;
    UiGameHost* GameThreadHost = nullptr;
    // Level setup: starts the game thread of the new level (after the
    // previous one, which has ended, is gone).
    void StartManThread();

    QString MenuChoice;
    std::array<QString, 31> LevelPasswords;  // entries 1..30; 0 unused

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void setUpGameThreadParts();

    AppContext& ctx_;
};

}  // namespace tamb
