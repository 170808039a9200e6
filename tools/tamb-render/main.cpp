// tamb-render LEVELFILE OUT.png [SPRITES.bmp]
//
// Draws a level as the game shows it at its start, with the game's own
// arena painter, plus the exit door (hidden in play until the last treasure
// is taken) so a picture tells the whole level.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "ArenaPainter.h"
#include "Bitmap.h"
#include "GameState.h"
#include "LevelCodec.h"
#include "Rules.h"
#include "SpriteLayout.h"

namespace {

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    std::vector<std::string> lines;
    std::string cur;
    const std::string text = ss.str();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: tamb-render LEVELFILE OUT.png [SPRITES.bmp]\n";
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const tamb::GameLevel level = tamb::decodeGameLevel(readLines(argv[1]));
        auto state = std::make_unique<tamb::GameState>();
        tamb::SetUpLevelState(*state, level);

        tamb::Bitmap sheet;
        sheet.loadFromFile(argc == 4 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral(TAMB_DEFAULT_SPRITES));
        tamb::Bitmap arenaBitmap(tamb::kArenaWidth, tamb::kArenaHeight);
        tamb::Bitmap arena(tamb::kArenaWidth, tamb::kArenaHeight);
        tamb::ArenaPainter painter(sheet, arenaBitmap, arena);
        painter.drawStaticArena(*state);
        painter.drawFigures(*state);
        arena.setCopyMode(tamb::Bitmap::CopyMode::SourceCopy);
        arena.copyRect(QRect(state->OutDoorX, state->OutDoorY, tamb::kCellSize, tamb::kCellSize), sheet,
                       *tamb::sprites::animatedFrame(tamb::kExitDoorStates.first));

        if (!arena.image().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
            std::cerr << "tamb-render: cannot write " << argv[2] << "\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "tamb-render: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
