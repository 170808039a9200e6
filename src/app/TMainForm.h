#pragma once
#include <QWidget>
#include <array>

#include "AppContext.h"
#include "Bitmap.h"

class QLabel;
class QTimer;

namespace tamb {

// The game screen and the application's main form.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& ctx);

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

    QString MenuChoice;
    std::array<QString, 31> LevelPasswords;  // entries 1..30; 0 unused

private:
    AppContext& ctx_;
};

}  // namespace tamb
