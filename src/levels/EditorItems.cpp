#include "EditorItems.h"

#include "Bitmap.h"
#include "CellCodes.h"
#include "SpriteLayout.h"

namespace tamb {

const std::vector<EditorItemInfo>& editorItems() {
    // Upper row of the panel first, then the lower row, left to right.
    // FalseKirp, Water and the exit door have pictures of the editor's own.
    static const std::vector<EditorItemInfo> items = {
        {"ItemEmpty", Empty, 0, 0, QStringLiteral("Пустота"), sprites::blankPatch()},
        {"ItemManDoor", ManDoor, 32, -1, QStringLiteral("Дверь для человека"), sprites::tile(ManDoorSlot)},
        {"ItemMan", Man, 64, -1, QStringLiteral("Человек"), sprites::figureFrame(1, kManFallingStrip)},
        {"ItemShetsDoor", ShetsDoor, 96, -1, QStringLiteral("Дверь для чертей"), sprites::tile(ShetsDoorSlot)},
        {"ItemShets", Shets, 128, -1, QStringLiteral("Черт"), sprites::figureFrame(1, kFirstShetsStrip)},
        {"ItemKlad", Klad, 160, -1, QStringLiteral("Клад"), *sprites::staticTile(Klad)},
        {"ItemKirp", Kirp, 192, -1, QStringLiteral("Кирпичи"), sprites::regrowthFrame(kWholeBrickFrame)},
        {"ItemRoupe", Roupe, 224, -1, QStringLiteral("Веревка"), sprites::tile(RoupeSlot)},
        {"ItemStairs", Stairs, 256, -1, QStringLiteral("Лестница"), *sprites::staticTile(Stairs)},
        {"ItemSuperKirp", SuperKirp, 288, -1, QStringLiteral("Непробиваемые кирпичи"), sprites::tile(SuperKirpSlot)},
        {"ItemBalka", Balka, 320, -1, QStringLiteral("Битонная балка"), sprites::tile(BalkaSlot)},
        {"ItemBoundVert", BoundVert, 0, 20, QStringLiteral("Краевые кирпичи вертикальные"),
         sprites::tile(BoundVertSlot)},
        {"ItemBoundHor", BoundHor, 32, 20, QStringLiteral("Краевые кирпичи горизонтальные"),
         sprites::tile(BoundHorSlot)},
        {"ItemFalseKirp", FalseKirp, 64, 20, QStringLiteral("Прозрачный кирпич"), sprites::tile(FalseKirpSlot)},
        {"ItemDownWater", DownWater, 96, 20, QStringLiteral("Нижняя вода"), *sprites::staticTile(DownWater)},
        {"ItemWater", Water, 128, 20, QStringLiteral("Вода"), ltrb(0, kWaterStrip, 19, kWaterStrip + kStripHeight)},
        {"ItemToRight", ToRight, 160, 20, QStringLiteral("Указатель вправо"), sprites::tile(ToRightSlot)},
        {"ItemToLeft", ToLeft, 192, 20, QStringLiteral("Указатель влево"), sprites::tile(ToLeftSlot)},
        {"ItemKol", Kol, 224, 20, QStringLiteral("Колья"), sprites::tile(KolSlot)},
        {"ItemGum", Gum, 256, 20, QStringLiteral("Жвачка"), sprites::tile(GumSlot)},
        {"ItemOutDoor", OutDoor, 320, 20, QStringLiteral("Дверь для выхода"),
         ltrb(0, kExitDoorStrip, 19, kExitDoorStrip + kStripHeight)},
    };
    return items;
}

const EditorItemInfo* editorItem(int32_t code) {
    for (const EditorItemInfo& i : editorItems())
        if (i.code == code) return &i;
    return nullptr;
}

std::optional<QRect> loadedSpriteRect(int32_t code) {
    // A loaded level draws three items from slightly different rectangles
    // than their previews.
    switch (code) {
        case Empty: return std::nullopt;
        case ToRight: return sprites::tile(ToRightSlot).adjusted(0, 0, -1, 0);
        case OutDoor: return sprites::stripFrame(kExitDoorStrip, 1);
        default: break;
    }
    if (const EditorItemInfo* i = editorItem(code)) return i->preview;
    return std::nullopt;
}

}  // namespace tamb
