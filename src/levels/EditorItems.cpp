#include "EditorItems.h"

#include "Bitmap.h"
#include "CellCodes.h"

namespace tamb {

const std::vector<EditorItemInfo>& editorItems() {
    // Upper row of the panel first, then the lower row, left to right.
    static const std::vector<EditorItemInfo> items = {
        {"ItemEmpty", Empty, 0, 0, QStringLiteral("Пустота"), ltrb(290, 0, 330, 19)},
        {"ItemManDoor", ManDoor, 32, -1, QStringLiteral("Дверь для человека"), ltrb(80, 92, 100, 112)},
        {"ItemMan", Man, 64, -1, QStringLiteral("Человек"), ltrb(0, 0, 20, 20)},
        {"ItemShetsDoor", ShetsDoor, 96, -1, QStringLiteral("Дверь для чертей"), ltrb(100, 92, 120, 112)},
        {"ItemShets", Shets, 128, -1, QStringLiteral("Черт"), ltrb(0, 253, 20, 273)},
        {"ItemKlad", Klad, 160, -1, QStringLiteral("Клад"), ltrb(0, 115, 19, 135)},
        {"ItemKirp", Kirp, 192, -1, QStringLiteral("Кирпичи"), ltrb(340, 69, 360, 89)},
        {"ItemRoupe", Roupe, 224, -1, QStringLiteral("Веревка"), ltrb(20, 92, 40, 112)},
        {"ItemStairs", Stairs, 256, -1, QStringLiteral("Лестница"), ltrb(0, 92, 19, 112)},
        {"ItemSuperKirp", SuperKirp, 288, -1, QStringLiteral("Непробиваемые кирпичи"), ltrb(60, 92, 80, 112)},
        {"ItemBalka", Balka, 320, -1, QStringLiteral("Битонная балка"), ltrb(40, 92, 60, 112)},
        {"ItemBoundVert", BoundVert, 0, 20, QStringLiteral("Краевые кирпичи вертикальные"), ltrb(120, 92, 140, 112)},
        {"ItemBoundHor", BoundHor, 32, 20, QStringLiteral("Краевые кирпичи горизонтальные"), ltrb(140, 92, 160, 112)},
        {"ItemFalseKirp", FalseKirp, 64, 20, QStringLiteral("Прозрачный кирпич"), ltrb(160, 92, 180, 112)},
        {"ItemDownWater", DownWater, 96, 20, QStringLiteral("Нижняя вода"), ltrb(320, 230, 340, 250)},
        {"ItemWater", Water, 128, 20, QStringLiteral("Вода"), ltrb(0, 230, 19, 250)},
        {"ItemToRight", ToRight, 160, 20, QStringLiteral("Указатель вправо"), ltrb(180, 92, 200, 112)},
        {"ItemToLeft", ToLeft, 192, 20, QStringLiteral("Указатель влево"), ltrb(200, 92, 220, 112)},
        {"ItemKol", Kol, 224, 20, QStringLiteral("Колья"), ltrb(240, 92, 260, 112)},
        {"ItemGum", Gum, 256, 20, QStringLiteral("Жвачка"), ltrb(220, 92, 240, 112)},
        {"ItemOutDoor", OutDoor, 320, 20, QStringLiteral("Дверь для выхода"), ltrb(0, 414, 19, 434)},
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
        case ToRight: return ltrb(180, 92, 199, 112);
        case OutDoor: return ltrb(0, 414, 20, 434);
        default: break;
    }
    if (const EditorItemInfo* i = editorItem(code)) return i->preview;
    return std::nullopt;
}

}  // namespace tamb
