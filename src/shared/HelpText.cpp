#include "HelpText.h"

#include "CellCodes.h"
#include "SpriteLayout.h"

namespace tamb {

QString helpTitle() { return QStringLiteral("Как играть"); }

QString helpGoal() {
    return QStringLiteral(
        "Соберите все клады, и появится дверь выхода: встаньте точно на неё, и уровень пройден. "
        "Черти охотятся за вами. Прожигайте ямы в кирпиче: черт в яме застрянет, а зарастающий кирпич "
        "губит того, кто в яме. На уровень три запасные жизни; после последней он начнётся заново.");
}

const std::vector<HelpKey>& helpKeys() {
    // Listed column by column, three to a column.
    static const std::vector<HelpKey> keys = {
        {QStringLiteral("← →"), QStringLiteral("идти")},
        {QStringLiteral("↑ ↓"), QStringLiteral("лезть по лестнице")},
        {QStringLiteral("Ctrl"), QStringLiteral("прожечь яму впереди")},
        {QStringLiteral("Esc"), QStringLiteral("отдать жизнь")},
        {QStringLiteral("Пробел"), QStringLiteral("выйти в меню")},
        {QStringLiteral("Pause, P"), QStringLiteral("пауза")},
        {QStringLiteral("F1"), QStringLiteral("эта помощь")},
        {QStringLiteral("F2"), QStringLiteral("показать путь")},
        {QStringLiteral("F5, F9"), QStringLiteral("редактор: проверка, проба")},
    };
    return keys;
}

const std::vector<HelpTile>& helpTiles() {
    // FalseKirp shows the editor's picture of it: in the game it is drawn
    // as a plain brick, which is the point of it. The figures stand facing
    // right, and the exit door shows its first frame.
    static const std::vector<HelpTile> tiles = {
        {Klad, QStringLiteral("Клад"), QStringLiteral("соберите все, откроется выход"), *sprites::staticTile(Klad)},
        {Kirp, QStringLiteral("Кирпич"), QStringLiteral("прожигается (Ctrl), потом зарастает"),
         *sprites::staticTile(Kirp)},
        {SuperKirp, QStringLiteral("Непробиваемый кирпич"), QStringLiteral("не прожигается"),
         *sprites::staticTile(SuperKirp)},
        {FalseKirp, QStringLiteral("Прозрачный кирпич"), QStringLiteral("как кирпич, но не держит"),
         sprites::tile(FalseKirpSlot)},
        {Water, QStringLiteral("Вода"), QStringLiteral("губит и человека, и черта"), *sprites::staticTile(Water)},
        {DownWater, QStringLiteral("Нижняя вода"), QStringLiteral("губит, как вода"), *sprites::staticTile(DownWater)},
        {ToRight, QStringLiteral("Указатель вправо"), QStringLiteral("только знак, не держит"),
         *sprites::staticTile(ToRight)},
        {ToLeft, QStringLiteral("Указатель влево"), QStringLiteral("только знак, не держит"),
         *sprites::staticTile(ToLeft)},
        {Kol, QStringLiteral("Колья"), QStringLiteral("губят и человека, и черта"), *sprites::staticTile(Kol)},
        {Gum, QStringLiteral("Жвачка"), QStringLiteral("в ней человек идёт вдвое медленнее"),
         *sprites::staticTile(Gum)},
        {Stairs, QStringLiteral("Лестница"), QStringLiteral("лезть вверх и вниз (↑ ↓)"), *sprites::staticTile(Stairs)},
        {Roupe, QStringLiteral("Верёвка"), QStringLiteral("висеть и идти; ↓ спрыгнуть"), *sprites::staticTile(Roupe)},
        {Balka, QStringLiteral("Бетонная балка"), QStringLiteral("не прожигается"), *sprites::staticTile(Balka)},
        {BoundVert, QStringLiteral("Краевые кирпичи вертикальные"), QStringLiteral("не прожигаются"),
         *sprites::staticTile(BoundVert)},
        {BoundHor, QStringLiteral("Краевые кирпичи горизонтальные"), QStringLiteral("не прожигаются"),
         *sprites::staticTile(BoundHor)},
        {Man, QStringLiteral("Человек"), QStringLiteral("это вы, здесь начало уровня"),
         sprites::figureFrame(1, kManStandStrip)},
        {ManDoor, QStringLiteral("Дверь для человека"), QStringLiteral("здесь вы после гибели"),
         *sprites::staticTile(ManDoor)},
        {Shets, QStringLiteral("Черт"), QStringLiteral("догонит вас, и жизнь потеряна"),
         sprites::figureFrame(1, kShetsBlockedStrip)},
        {ShetsDoor, QStringLiteral("Дверь для чертей"), QStringLiteral("сюда уходит погибший черт"),
         *sprites::staticTile(ShetsDoor)},
        {OutDoor, QStringLiteral("Дверь для выхода"), QStringLiteral("видна, когда клады собраны"),
         sprites::stripFrame(kExitDoorStrip, 1)},
    };
    return tiles;
}

}  // namespace tamb
