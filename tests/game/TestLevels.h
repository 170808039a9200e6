#pragma once
#include <QDir>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "MapSketch.h"
#include "TextLines.h"

namespace tamb::test {

// A room for the game screen, sketched in the map alphabet (MapSketch.h):
// rows left out are open space between the side walls, and a door not
// drawn stands at (0, 0).
inline GameLevel gameLevel(const std::vector<std::string>& map) {
    const levelmake::SketchDefaults room{"|" + std::string(kCols - 2, '.') + "|", {0, 0}, {0, 0}};
    return levelmake::sketchLevel(map, room);
}

inline std::vector<std::string> levelLines(const std::vector<std::string>& map) {
    return levelmake::levelFileLines(gameLevel(map));
}

// Writes <folder>/levels/level<n>.
inline void writeLevelFile(const QString& folder, int n, const std::vector<std::string>& map) {
    QDir(folder).mkpath(QStringLiteral("levels"));
    QStringList lines;
    for (const auto& l : levelLines(map)) lines << QString::fromStdString(l);
    TextLines::write(folder + QStringLiteral("/levels/level") + QString::number(n), lines);
}

}  // namespace tamb::test
