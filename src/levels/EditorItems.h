#pragma once
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace tamb {

// One item button of the editor: the cell code it paints, its place on the
// panel, its hint and where its pictures lie in the sprite sheet.
struct EditorItemInfo {
    const char* name;  // the button's object name, e.g. "ItemKlad"
    int32_t code;
    int left;
    int top;
    QString hint;
    QRect preview;  // the cursor preview and the button's picture
};

const std::vector<EditorItemInfo>& editorItems();
const EditorItemInfo* editorItem(int32_t code);

// The sprite-sheet rectangle of a cell code when a loaded level is drawn;
// none for Empty and for codes the game does not know.
std::optional<QRect> loadedSpriteRect(int32_t code);

}  // namespace tamb
