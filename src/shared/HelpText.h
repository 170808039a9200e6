#pragma once
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace tamb {

// What the help window says: the goal of the game, the keys and every item
// the editor paints, each with the place of its picture in the sprite sheet.

// One key (or a pair of keys) and what it does.
struct HelpKey {
    QString keys;
    QString action;
};

// One item of the editor: its cell code, its name, one line on what it does
// in the game, and its picture in the sprite sheet.
struct HelpTile {
    int32_t code;
    QString name;
    QString line;
    QRect picture;
};

QString helpTitle();
QString helpGoal();
const std::vector<HelpKey>& helpKeys();
// In the order the help lists them, column by column.
const std::vector<HelpTile>& helpTiles();

}  // namespace tamb
