#pragma once
#include <QDir>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "CellCodes.h"
#include "LevelCodec.h"
#include "TextLines.h"

namespace tamb::test {

// A level drawn as text, one string per row (missing rows are open space
// between the side walls, missing columns empty):
//   '=' BoundHor  '|' BoundVert  'B' Kirp  'S' SuperKirp  'H' Stairs
//   '-' Roupe  '$' Klad  '~' Water  '^' Kol  ' ' Empty
//   'M' the man, 'D' a devil, 'm' the man's door, 'd' the devils' door,
//   'O' the exit door (all standing on Empty)
inline std::vector<std::string> levelLines(const std::vector<std::string>& map) {
    std::vector<std::string> lines(27);
    std::string man = "0000", shets, manDoor = "0000", shetsDoor = "0000", outDoor = "0000";
    for (int row = 0; row < kRows; ++row) {
        std::string text = row < static_cast<int>(map.size()) ? map[row] : "|                              |";
        text.resize(kCols, ' ');
        for (int col = 0; col < kCols; ++col) {
            int code = Empty;
            const std::string here = positionCode(col, row);
            switch (text[col]) {
                case '=': code = BoundHor; break;
                case '|': code = BoundVert; break;
                case 'B': code = Kirp; break;
                case 'S': code = SuperKirp; break;
                case 'H': code = Stairs; break;
                case '-': code = Roupe; break;
                case '$': code = Klad; break;
                case '~': code = Water; break;
                case '^': code = Kol; break;
                case 'M': man = here; break;
                case 'D': shets += here; break;
                case 'm': manDoor = here; break;
                case 'd': shetsDoor = here; break;
                case 'O': outDoor = here; break;
                default: break;
            }
            char digits[3];
            std::snprintf(digits, sizeof digits, "%02d", code);
            lines[row] += digits;
        }
    }
    lines[22] = man;
    lines[23] = shets;
    lines[24] = manDoor;
    lines[25] = shetsDoor;
    lines[26] = outDoor;
    return lines;
}

inline GameLevel gameLevel(const std::vector<std::string>& map) { return decodeGameLevel(levelLines(map)); }

// Writes <folder>/levels/level<n>.
inline void writeLevelFile(const QString& folder, int n, const std::vector<std::string>& map) {
    QDir(folder).mkpath(QStringLiteral("levels"));
    QStringList lines;
    for (const auto& l : levelLines(map)) lines << QString::fromStdString(l);
    TextLines::write(folder + QStringLiteral("/levels/level") + QString::number(n), lines);
}

}  // namespace tamb::test
