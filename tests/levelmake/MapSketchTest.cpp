// Sketches in the map alphabet: they read like the editor's files, and what
// a sketch leaves out lands where the tests expect it.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "AsciiLevel.h"
#include "LevelCodec.h"
#include "LineSplit.h"
#include "MapSketch.h"

namespace fs = std::filesystem;
using namespace tamb;
using namespace tamb::levelmake;

namespace {

std::vector<std::string> mapRows(const AsciiLevel& level) { return splitLines(gridToAscii(level.grid)); }

}  // namespace

// Every shipped map, read as a sketch, writes the file the editor writes
// and reads back as the game reads that file.
TEST(MapSketch, ShippedMapsReadAsTheEditorWritesThem) {
    int maps = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(TAMB_LEVELS_DIR) / "src")) {
        if (entry.path().extension() != ".txt") continue;
        const AsciiLevel source = readAsciiLevel(entry.path().string());
        const std::vector<std::string> saved = encodeOrThrow(source.grid);
        const GameLevel sketch = sketchLevel(mapRows(source));
        EXPECT_EQ(levelFileLines(sketch), saved) << entry.path();
        const GameLevel game = decodeGameLevel(saved);
        EXPECT_EQ(sketch.cells, game.cells) << entry.path();
        EXPECT_EQ(sketch.shets, game.shets) << entry.path();
        EXPECT_TRUE(sketch.man == game.man && sketch.manDoor == game.manDoor && sketch.shetsDoor == game.shetsDoor &&
                    sketch.outDoor == game.outDoor)
            << entry.path();
        ++maps;
    }
    EXPECT_GT(maps, 0);
}

TEST(MapSketch, WhatIsLeftOutTakesItsDefault) {
    const SketchDefaults room{"|..|", {1, 1}, {2, 2}};
    const struct {
        const char* name;
        std::vector<std::string> rows;
        SketchDefaults defaults;
        CellPos man, manDoor, shetsDoor, outDoor;
        std::vector<CellPos> shets;
    } cases[] = {
        {"nothing drawn", {}, {}, {0, 0}, {0, 0}, {30, 0}, {31, 0}, {}},
        {"the man's door under the man", {"", "..M"}, {}, {2, 1}, {2, 1}, {30, 0}, {31, 0}, {}},
        {"every door drawn", {"S.T", "X.M"}, room, {2, 1}, {0, 0}, {2, 0}, {0, 1}, {}},
        {"the last man counts, every devil", {"M.D", "D.M"}, {}, {2, 1}, {2, 1}, {30, 0}, {31, 0}, {{2, 0}, {0, 1}}},
        {"doors from the defaults", {"M", ""}, room, {0, 0}, {0, 0}, {1, 1}, {2, 2}, {}},
    };
    for (const auto& c : cases) {
        const GameLevel level = sketchLevel(c.rows, c.defaults);
        EXPECT_EQ(level.man, c.man) << c.name;
        EXPECT_EQ(level.manDoor, c.manDoor) << c.name;
        EXPECT_EQ(level.shetsDoor, c.shetsDoor) << c.name;
        EXPECT_EQ(level.outDoor, c.outDoor) << c.name;
        EXPECT_EQ(level.shets, c.shets) << c.name;
        for (int32_t code : {level.cells[0], level.cells[2], level.cells[kCols], level.cells[kCols + 2]})
            EXPECT_EQ(code, Empty) << c.name << ": figures and doors stand on Empty";
    }
}

TEST(MapSketch, RowsLeftOutAreTheFillRowAndShortRowsEndEmpty) {
    const GameLevel level = sketchLevel({"#", "%%_"}, {"|=~", {}, {}});
    EXPECT_EQ(level.cells[0], Kirp);
    EXPECT_EQ(level.cells[1], Empty);
    EXPECT_EQ(level.cells[kCols + 2], BoundHor);
    EXPECT_EQ(level.cells[kCols + 3], Empty);
    for (int r = 2; r < kRows; ++r) {
        EXPECT_EQ(level.cells[r * kCols], BoundVert) << r;
        EXPECT_EQ(level.cells[r * kCols + 1], Balka) << r;
        EXPECT_EQ(level.cells[r * kCols + 2], Water) << r;
        EXPECT_EQ(level.cells[r * kCols + 3], Empty) << r;
    }
}

TEST(MapSketch, AnUnknownCharacterNamesItsPlace) {
    try {
        sketchLevel({"....", "..B."});
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "row 1, column 2: unknown cell 'B'");
    }
}
