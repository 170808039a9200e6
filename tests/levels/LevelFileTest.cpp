// The game's reading of level files from disk: the head of the file the
// game reads, the bytes a message quotes, and the starts it refuses.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LevelCodec.h"
#include "TambError.h"
#include "TextLines.h"

using namespace tamb;

namespace {

std::size_t idx(int col, int row) { return static_cast<std::size_t>(row * kCols + col); }

// A walled level: border columns, an unbreakable floor, a brick and a beam
// in the middle, the man at (2, 20), devils at (10, 20) and (20, 20).
std::vector<std::string> walledLevel() {
    EditorGrid g{};
    for (int r = 0; r < kRows; ++r) g[idx(0, r)] = g[idx(31, r)] = BoundVert;
    for (int c = 1; c < 31; ++c) g[idx(c, 0)] = BoundHor, g[idx(c, 21)] = SuperKirp;
    g[idx(5, 10)] = Kirp;
    g[idx(6, 10)] = Balka;
    g[idx(7, 10)] = FalseKirp;
    g[idx(8, 10)] = Stairs;
    g[idx(9, 10)] = Roupe;
    g[idx(4, 20)] = Klad;
    g[idx(2, 20)] = Man;
    g[idx(10, 20)] = Shets;
    g[idx(20, 20)] = Shets;
    g[idx(3, 20)] = ManDoor;
    g[idx(25, 20)] = ShetsDoor;
    g[idx(28, 20)] = OutDoor;
    EncodeResult r = encodeLevel(g);
    EXPECT_EQ(r.check, LevelCheck::Ok);
    return r.lines;
}

QByteArray fileBytes(const std::vector<std::string>& lines) {
    QByteArray b;
    for (const std::string& l : lines) b += QByteArray::fromStdString(l) + "\r\n";
    return b;
}

// The lines as the game reads them from a file holding these bytes.
std::vector<std::string> gameLines(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString f = dir.filePath("level1");
    QFile out(f);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();
    return TextLines::toBytes(TextLines::readHead(f, kLevelFileLines, kLevelLineBytes));
}

std::string errorOf(const std::vector<std::string>& lines) {
    try {
        decodeGameLevel(lines);
    } catch (const LevelFormatError& e) {
        return e.what();
    }
    return {};
}

}  // namespace

TEST(LevelFile, MessagesShowUnprintableBytesEscapedAndWhole) {
    QTemporaryDir dir;
    const QByteArray good = fileBytes(walledLevel());
    const struct {
        const char* name;
        qsizetype at;  // where the bytes go in, replacing as many
        QByteArray bytes;
        const char* expected;
    } cases[] = {
        {"NUL in line 2", 66 + 4, QByteArray("\0" "0", 2), "line 2, position 5: \"\\x000\" is not a decimal number"},
        {"byte-order mark", 0, "\xef\xbb\xbf",
         "line 1, position 1: \"\\xEF\\xBB\" is not a decimal number (the line starts with the byte-order mark "
         "\\xEF\\xBB\\xBF; save the file as plain digits)"},
        {"Latin-1 letter", 66 * 3 + 10, "\xe9", "line 4, position 11: \"\\xE90\" is not a decimal number"},
        {"backslash", 66 * 22, "\\", "line 23, position 1: \"\\\\2\" is not a decimal number"},
    };
    for (const auto& c : cases) {
        QByteArray bytes = good;
        bytes.replace(c.at, c.bytes.size(), c.bytes);
        const std::string message = errorOf(gameLines(dir, bytes));
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
        for (const char ch : message) EXPECT_TRUE(ch >= 0x20 && ch < 0x7f) << c.name << ": " << message;
    }
}

TEST(LevelFile, FiguresStartingInsideSolidCellsAreRefused) {
    const struct {
        const char* name;
        int line;
        std::string value;
        int column;     // where the error points; 0: the level is read
        const char* what;
    } cases[] = {
        {"man on the corner border", 22, "0000", 1, "the man starts inside a border brick (code 25) at column 0, row 0"},
        {"man in a brick", 22, "0510", 1, "the man starts inside a brick (code 22)"},
        {"man in a beam", 22, "0610", 1, "inside a concrete beam (code 24)"},
        {"second devil in the floor", 23, "10203021", 5, "devil 2 starts inside an unbreakable brick (code 23)"},
        {"devil on the top border", 23, "1000", 1, "devil 1 starts inside a border brick (code 26)"},
        {"devils in the corners", 23, "00003100", 1, "devil 1"},
        {"man in a transparent brick", 22, "0710", 0, ""},
        {"man on a ladder", 22, "0810", 0, ""},
        {"devil on a rope", 23, "0910", 0, ""},
        {"doors inside walls", 24, "0000", 0, ""},
        {"devils' door in the floor", 25, "1521", 0, ""},
        {"exit door in a brick", 26, "0510", 0, ""},
    };
    for (const auto& c : cases) {
        auto lines = walledLevel();
        lines[static_cast<std::size_t>(c.line)] = c.value;
        if (c.column == 0) {
            EXPECT_EQ(errorOf(lines), "") << c.name;
            continue;
        }
        try {
            decodeGameLevel(lines);
            ADD_FAILURE() << c.name << ": read";
        } catch (const LevelFormatError& e) {
            EXPECT_EQ(e.line(), c.line) << c.name;
            EXPECT_EQ(e.column(), c.column) << c.name;
            EXPECT_NE(std::string(e.what()).find(c.what), std::string::npos) << c.name << ": " << e.what();
        }
    }
}

TEST(LevelFile, AHugeFileReadsAsItsHead) {
    QTemporaryDir dir;
    auto lines = walledLevel();
    lines[23] += std::string(5000, '1');  // devil groups past the 15th
    lines[4] += "junk past the grid";
    QByteArray bytes = fileBytes(lines);
    for (int i = 0; i < 20000; ++i) bytes += "extra line\r\n";
    const std::vector<std::string> head = gameLines(dir, bytes);
    ASSERT_EQ(head.size(), static_cast<std::size_t>(kLevelFileLines));
    for (const std::string& l : head) EXPECT_LE(l.size(), kLevelLineBytes);
    const GameLevel fromHead = decodeGameLevel(head);
    const GameLevel fromAll = decodeGameLevel(TextLines::toBytes(TextLines::split(bytes)));
    EXPECT_EQ(fromHead.cells, fromAll.cells);
    EXPECT_EQ(fromHead.shets, fromAll.shets);
    EXPECT_EQ(fromHead.man, fromAll.man);
    EXPECT_EQ(fromHead.outDoor, fromAll.outDoor);
}
