#pragma once
#include "GuardedDialog.h"
#include <QRect>
#include <QString>

#include "AppContext.h"
#include "Bitmap.h"
#include "HeadlessRun.h"
#include "LevelCodec.h"
#include "TrialLevel.h"
#include <vector>

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QProgressBar;
class QToolButton;

namespace tamb {

class EditorRouteCheck;
class HelpWindow;
class ImageView;
class TDataForm;
class UpDown;

// The level editor: draws a level cell by cell with a cursor preview and
// saves it to, or loads it from, the level files.
class TEditorForm : public GuardedDialog {
    Q_OBJECT
public:
    TEditorForm(AppContext& ctx, TDataForm& data);

    // The first activation's layout: the panel below the arena-sized picture.
    void layOut();

    // Handlers, public so the menu and tests can drive them like the widgets do.
    void FormActivate();
    void EditorImageMouseMove(int x, int y);
    void EditorImageMouseDown();
    void EditorImageMouseUp();
    void EditorImageClick();
    void SaveOldImage();
    void LoadOldImage();
    void LoadLevelClick();
    void SaveLevelClick();
    void ClearLevelClick();
    void ExitButtonClick();
    // Checks the level as drawn for a route (F5); a second press stops it.
    void CheckLevelClick();

    ImageView* EditorImage = nullptr;
    QWidget* WorkingPanel = nullptr;

    QToolButton* ItemEmpty = nullptr;
    QToolButton* ItemManDoor = nullptr;
    QToolButton* ItemMan = nullptr;
    QToolButton* ItemShetsDoor = nullptr;
    QToolButton* ItemShets = nullptr;
    QToolButton* ItemKlad = nullptr;
    QToolButton* ItemKirp = nullptr;
    QToolButton* ItemRoupe = nullptr;
    QToolButton* ItemStairs = nullptr;
    QToolButton* ItemSuperKirp = nullptr;
    QToolButton* ItemBalka = nullptr;
    QToolButton* ItemBoundVert = nullptr;
    QToolButton* ItemBoundHor = nullptr;
    QToolButton* ItemFalseKirp = nullptr;
    QToolButton* ItemDownWater = nullptr;
    QToolButton* ItemWater = nullptr;
    QToolButton* ItemToRight = nullptr;
    QToolButton* ItemToLeft = nullptr;
    QToolButton* ItemKol = nullptr;
    QToolButton* ItemGum = nullptr;
    QToolButton* ItemOutDoor = nullptr;
    QButtonGroup* ItemGroup = nullptr;

    QFrame* Bevel1 = nullptr;
    QLabel* PosXLabel = nullptr;
    QLabel* PosYLabel = nullptr;
    QToolButton* SaveLevel = nullptr;
    QToolButton* LoadLevel = nullptr;
    QToolButton* ClearLevel = nullptr;
    QProgressBar* EditorProgress = nullptr;
    QLineEdit* LevelCount = nullptr;
    UpDown* UpDown1 = nullptr;
    QToolButton* ExitButton = nullptr;
    QToolButton* CheckLevel = nullptr;
    EditorRouteCheck* RouteCheck = nullptr;
    HelpWindow* Help = nullptr;  // F1

    // The editor's state; it lives as long as the program.
    EditorGrid EditorCells{};
    int32_t EditorItem = Klad;
    int CursorX = 0;
    int CursorY = 0;
    int OldCursorX = 0;
    int OldCursorY = 0;
    QRect CellRect;
    QRect SpriteRect;
    bool Painting = false;
    bool LevelSaved = true;
    QString LevelsDir;

    // F9: the level as drawn is played on the game screen, unsaved.
    void TestPlayClick();
    // Hides the editor for a trial of its level; the next showing comes
    // back to the drawing as it was, saved or not, instead of loading.
    void leaveForTrial();

signals:
    // The user wants to play the level as drawn (F9), or to watch the route
    // the check found (then the trial's route is set, and its level is the
    // one drawn when the check began).
    void trialRequested(const tamb::TrialLevel& trial);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A close by the window system takes the Exit button's road.
    void closeRequested() override { ExitButtonClick(); }

private:
    void buildPanel();
    void updateItemPictures();
    void takeSelectedItem();
    void itemPicked();
    void drawCell(int col, int row, int32_t code);
    void drawAllCells();
    void blankImage();
    void resetProgress();
    void advanceProgress();
    bool levelNameUsable();
    // The number in the level field, or 1 when it is not a number.
    int levelNumber() const;
    QString levelFileName() const;
    QString quotedLevelName() const;
    // The level of that number ships with the game (its route came along).
    bool isCampaignLevel() const;
    QString configFileName() const;
    Bitmap& spriteSheet();
    Bitmap& savedCell();
    const Bitmap& blankBitmap();
    void mouseMoved(QMouseEvent* event);
    void mousePressed(QMouseEvent* event);
    void compileError(const QString& text);

    AppContext& ctx_;
    TDataForm& data_;
    bool previewShown_ = false;  // a preview stands in the cell of OldCursorX/Y
    bool backFromTrial_ = false;  // the next showing keeps the drawing
    bool previewOnReturn_ = false;
    QStringList checkedLines_;    // the level the running check looks at
    int shownPercent_ = 0;
    Bitmap ownSheet_;    // stand-ins while the game screen has no pictures yet
    Bitmap ownScratch_;
    Bitmap ownBlank_;
};

}  // namespace tamb
