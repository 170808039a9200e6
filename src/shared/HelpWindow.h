#pragma once
#include <QDialog>
#include <cstdint>
#include <vector>

#include "GamePictures.h"

class QScrollArea;

namespace tamb {

class ImageView;

// The help (F1): the goal, the keys and every item of the editor with its
// picture from the sprite sheet. It covers the form that opens it and
// takes the keys until Esc or F1 closes it. The game screen, the menu and
// the editor each keep one.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const GamePictures& pictures, QWidget* opener);

    // Shows the help over its opener and returns at once; closed() follows
    // when it goes. The pictures are cut from the sheet as it is now.
    void popUp();

    // The picture of an item's cell code; null for a code the help does not list.
    ImageView* tilePicture(int32_t code) const;
    QScrollArea* scrollArea() const { return scroll_; }

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildKeys();
    QWidget* buildTiles();
    void drawPictures();

    const GamePictures& pictures_;
    QScrollArea* scroll_ = nullptr;
    std::vector<std::pair<int32_t, ImageView*>> tilePictures_;
};

}  // namespace tamb
