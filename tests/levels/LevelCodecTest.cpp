// The level file codec through its three uses: the editor's save, the
// editor's load and the game's reading, with files on disk where bytes count.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "LevelCodec.h"
#include "TextLines.h"

using namespace tamb;

namespace {

std::size_t idx(int col, int row) { return static_cast<std::size_t>(row * kCols + col); }

// A small level the save accepts: walls, a floor, one of every object.
EditorGrid validGrid() {
    EditorGrid g{};
    for (int c = 0; c < kCols; ++c) g[idx(c, 21)] = SuperKirp;
    for (int r = 0; r < 21; ++r) { g[idx(0, r)] = BoundVert; g[idx(31, r)] = BoundVert; }
    g[idx(5, 20)] = Klad;
    g[idx(6, 20)] = Stairs;
    g[idx(7, 19)] = Roupe;
    g[idx(8, 20)] = Water;
    g[idx(9, 20)] = DownWater;
    g[idx(10, 20)] = Gum;
    g[idx(11, 20)] = Kol;
    g[idx(12, 20)] = ToRight;
    g[idx(13, 20)] = ToLeft;
    g[idx(14, 20)] = FalseKirp;
    g[idx(15, 20)] = Kirp;
    g[idx(16, 20)] = Balka;
    g[idx(17, 20)] = BoundHor;
    g[idx(2, 20)] = Man;
    g[idx(3, 20)] = ManDoor;
    g[idx(25, 20)] = ShetsDoor;
    g[idx(28, 20)] = OutDoor;
    g[idx(20, 20)] = Shets;
    return g;
}

std::vector<std::string> toStd(const QStringList& l) {
    std::vector<std::string> out;
    for (const QString& s : l) out.push_back(s.toStdString());
    return out;
}

QStringList toQt(const std::vector<std::string>& l) {
    QStringList out;
    for (const std::string& s : l) out << QString::fromStdString(s);
    return out;
}

// 27 lines of an all-empty level with objects at fixed places.
std::vector<std::string> emptyFile() {
    std::vector<std::string> lines(22, std::string(64, '0'));
    lines.push_back("0102");  // man
    lines.push_back("0304");  // devils
    lines.push_back("0506");  // man door
    lines.push_back("0708");  // devil door
    lines.push_back("0910");  // exit door
    return lines;
}

// Runs f, expects a LevelFormatError at (line, column) whose message names
// the 1-based line and contains the given words.
template <typename F>
void expectFormatError(F f, int line, int column, const std::string& words) {
    try {
        f();
        FAIL() << "no error for line " << line;
    } catch (const LevelFormatError& e) {
        EXPECT_EQ(e.line(), line) << e.what();
        EXPECT_EQ(e.column(), column) << e.what();
        const std::string msg = e.what();
        EXPECT_NE(msg.find("line " + std::to_string(line + 1)), std::string::npos) << msg;
        EXPECT_NE(msg.find("position " + std::to_string(column)), std::string::npos) << msg;
        EXPECT_NE(msg.find(words), std::string::npos) << msg;
    }
}

}  // namespace

TEST(PositionCode, ColumnFirstTwoDigitsEach) {
    EXPECT_EQ(positionCode(5, 2), "0502");
    EXPECT_EQ(positionCode(30, 21), "3021");
    EXPECT_EQ(positionCode(0, 0), "0000");
    EXPECT_EQ(positionCode(31, 21), "3121");
}

TEST(GameDecode, ExampleGridLineAndDevilLine) {
    auto lines = emptyFile();
    lines[0] = "2500240100000000000000000022000020000000000001000000000000000000";
    lines[23] = "30023005";
    const GameLevel level = decodeGameLevel(lines);
    const int32_t expected[kCols] = {BoundVert, Empty, Balka, Klad, 0, 0, 0, 0, 0, 0, 0, 0, 0, Kirp, 0, 0,
                                     Stairs,    0,     0,     0,    0, 0, Klad, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int c = 0; c < kCols; ++c) EXPECT_EQ(level.cells[idx(c, 0)], expected[c]) << "column " << c;
    ASSERT_EQ(level.shets.size(), 2u);
    EXPECT_EQ(level.shets[0], (CellPos{30, 2}));
    EXPECT_EQ(level.shets[1], (CellPos{30, 5}));
    EXPECT_EQ(level.man, (CellPos{1, 2}));
    EXPECT_EQ(level.manDoor, (CellPos{5, 6}));
    EXPECT_EQ(level.shetsDoor, (CellPos{7, 8}));
    EXPECT_EQ(level.outDoor, (CellPos{9, 10}));
}

TEST(GameDecode, DevilLineLengths) {
    auto lines = emptyFile();
    lines[23] = "";
    EXPECT_TRUE(decodeGameLevel(lines).shets.empty());
    lines[23] = "010203049";  // ninth character ignored
    EXPECT_EQ(decodeGameLevel(lines).shets.size(), 2u);
    lines[23] = "0102x";
    EXPECT_EQ(decodeGameLevel(lines).shets.size(), 1u);
}

TEST(GameDecode, OnlyFifteenDevilsAreRead) {
    auto lines = emptyFile();
    lines[23].clear();
    for (int k = 0; k < 15; ++k) lines[23] += positionCode(k, 3);
    lines[23] += "xxxx9999";  // the 16th and 17th groups are never read
    const GameLevel level = decodeGameLevel(lines);
    ASSERT_EQ(level.shets.size(), 15u);
    EXPECT_EQ(level.shets[14], (CellPos{14, 3}));
}

TEST(GameDecode, ObjectLinesIgnoreCharactersAfterTheFourth) {
    auto lines = emptyFile();
    lines[22] = "0102abc";
    EXPECT_EQ(decodeGameLevel(lines).man, (CellPos{1, 2}));
}

TEST(GameDecode, MalformedFilesNameLineAndPosition) {
    auto missing = emptyFile();
    missing.pop_back();  // 26 lines, no exit door
    expectFormatError([&] { decodeGameLevel(missing); }, 26, 1, "missing");

    auto shortRow = emptyFile();
    shortRow[7] = std::string(40, '0');
    expectFormatError([&] { decodeGameLevel(shortRow); }, 7, 41, "too short");

    auto letters = emptyFile();
    letters[3][10] = 'a';
    expectFormatError([&] { decodeGameLevel(letters); }, 3, 11, "not a decimal number");

    auto sign = emptyFile();
    sign[24] = "-105";
    expectFormatError([&] { decodeGameLevel(sign); }, 24, 1, "not a decimal number");

    auto unknown = emptyFile();
    unknown[5].replace(20, 2, "15");
    expectFormatError([&] { decodeGameLevel(unknown); }, 5, 21, "15");

    auto wideColumn = emptyFile();
    wideColumn[26] = "3200";
    expectFormatError([&] { decodeGameLevel(wideColumn); }, 26, 1, "outside the grid");

    auto deepRow = emptyFile();
    deepRow[23] = "01020522";
    expectFormatError([&] { decodeGameLevel(deepRow); }, 23, 7, "outside the grid");

    auto emptyMan = emptyFile();
    emptyMan[22] = "";
    expectFormatError([&] { decodeGameLevel(emptyMan); }, 22, 1, "too short");

    expectFormatError([&] { decodeGameLevel({}); }, 22, 1, "missing");
}

TEST(EditorDecode, ObjectsPlacedInOrderLaterWins) {
    auto lines = emptyFile();
    lines[23] = "01020304";  // a devil under the man, one free
    lines[24] = "0102";      // the man's door on the man
    EditorGrid g{};
    decodeEditorLevel(lines, g);
    EXPECT_EQ(g[idx(1, 2)], ManDoor);
    EXPECT_EQ(g[idx(3, 4)], Shets);
    EXPECT_EQ(g[idx(7, 8)], ShetsDoor);
    EXPECT_EQ(g[idx(9, 10)], OutDoor);
    EXPECT_EQ(std::count(g.begin(), g.end(), Man), 0);
    // ...and the save then misses the man.
    g[idx(20, 20)] = Klad;
    EXPECT_EQ(encodeLevel(g).check, LevelCheck::NoMan);
}

TEST(EditorDecode, UnknownCodesAreKeptAndAllDevilsShown) {
    auto lines = emptyFile();
    lines[4].replace(0, 2, "99");
    lines[23].clear();
    for (int k = 0; k < 17; ++k) lines[23] += positionCode(k, 15);
    EditorGrid g{};
    decodeEditorLevel(lines, g);
    EXPECT_EQ(g[idx(0, 4)], 99);
    EXPECT_EQ(std::count(g.begin(), g.end(), Shets), 17);
    EXPECT_EQ(encodeLevel(g).check, LevelCheck::NoKlad);
}

TEST(EditorDecode, RowsBeforeABadFieldKeepTheirValues) {
    auto lines = emptyFile();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < kCols; ++c) lines[static_cast<std::size_t>(r)].replace(2 * c, 2, "22");
    lines[3] = "2x";
    EditorGrid g;
    g.fill(Klad);
    expectFormatError([&] { decodeEditorLevel(lines, g); }, 3, 1, "not a decimal number");
    EXPECT_EQ(g[idx(31, 2)], Kirp);
    EXPECT_EQ(g[idx(0, 3)], Klad);
    EXPECT_EQ(g[idx(31, 21)], Klad);

    auto outside = emptyFile();
    outside[25] = "4001";
    expectFormatError([&] { decodeEditorLevel(outside, g); }, 25, 1, "outside the grid");
    auto missing = emptyFile();
    missing.resize(24);
    expectFormatError([&] { decodeEditorLevel(missing, g); }, 24, 1, "missing");
}

TEST(Encode, LinesOfAValidLevel) {
    EditorGrid g = validGrid();
    g[idx(2, 20)] = Empty;
    g[idx(0, 0)] = Man;
    g[idx(28, 20)] = Empty;
    g[idx(31, 21)] = OutDoor;
    int visited = 0;
    const EncodeResult r = encodeLevel(g, [&] { ++visited; });
    ASSERT_EQ(r.check, LevelCheck::Ok);
    EXPECT_EQ(visited, kRows * kCols);
    ASSERT_EQ(r.lines.size(), 27u);
    for (int row = 0; row < kRows; ++row) EXPECT_EQ(r.lines[static_cast<std::size_t>(row)].size(), 64u);
    EXPECT_EQ(r.lines[22], "0000");
    EXPECT_EQ(r.lines[26], "3121");
    EXPECT_EQ(r.lines[0].substr(0, 4), "0000");  // the man's cell is written empty
    // Every ground code in its two digits; the man's door and the devil written empty.
    EXPECT_EQ(r.lines[20], "250000000001200003080706040502222426" + std::string(26, '0') + "25");
}

TEST(Encode, DevilsInScanOrderWhateverThePaintingOrder) {
    EditorGrid g = validGrid();
    g[idx(20, 20)] = Empty;
    g[idx(9, 12)] = Shets;
    g[idx(4, 12)] = Shets;
    g[idx(30, 3)] = Shets;
    const EncodeResult r = encodeLevel(g);
    ASSERT_EQ(r.check, LevelCheck::Ok);
    EXPECT_EQ(r.lines[23], "300304120912");
}

TEST(Encode, ThreeDevilsMake1490Bytes) {
    EditorGrid g = validGrid();
    g[idx(21, 20)] = Shets;
    g[idx(22, 20)] = Shets;
    const EncodeResult r = encodeLevel(g);
    ASSERT_EQ(r.check, LevelCheck::Ok);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("level1");
    TextLines::write(file, toQt(r.lines));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.size(), 22 * 66 + 4 * 6 + 14);
    EXPECT_EQ(bytes.size(), 1490);
    for (char c : bytes) EXPECT_TRUE((c >= '0' && c <= '9') || c == '\r' || c == '\n');
}

TEST(Encode, DuplicatesFoundDuringTheScanMissingAfterIt) {
    struct Case {
        const char* name;
        std::function<void(EditorGrid&)> change;
        LevelCheck expected;
    };
    const std::vector<Case> cases = {
        {"second exit door and no treasure", [](EditorGrid& g) { g[idx(5, 20)] = Empty; g[idx(1, 1)] = OutDoor; },
         LevelCheck::SecondOutDoor},
        {"second man", [](EditorGrid& g) { g[idx(1, 20)] = Man; }, LevelCheck::SecondMan},
        {"second man door", [](EditorGrid& g) { g[idx(1, 20)] = ManDoor; }, LevelCheck::SecondManDoor},
        {"second devil door", [](EditorGrid& g) { g[idx(1, 20)] = ShetsDoor; }, LevelCheck::SecondShetsDoor},
        {"no treasure and no man", [](EditorGrid& g) { g[idx(5, 20)] = Empty; g[idx(2, 20)] = Empty; },
         LevelCheck::NoKlad},
        {"no exit door and no man", [](EditorGrid& g) { g[idx(28, 20)] = Empty; g[idx(2, 20)] = Empty; },
         LevelCheck::NoOutDoor},
        {"no man", [](EditorGrid& g) { g[idx(2, 20)] = Empty; }, LevelCheck::NoMan},
        {"no man door", [](EditorGrid& g) { g[idx(3, 20)] = Empty; g[idx(20, 20)] = Empty; },
         LevelCheck::NoManDoor},
        {"no devil door", [](EditorGrid& g) { g[idx(25, 20)] = Empty; g[idx(20, 20)] = Empty; },
         LevelCheck::NoShetsDoor},
        {"no devil", [](EditorGrid& g) { g[idx(20, 20)] = Empty; }, LevelCheck::NoShets},
        {"sixteen devils",
         [](EditorGrid& g) { for (int c = 1; c <= 15; ++c) g[idx(c, 5)] = Shets; }, LevelCheck::TooManyShets},
        {"fifteen devils", [](EditorGrid& g) { for (int c = 1; c <= 14; ++c) g[idx(c, 5)] = Shets; },
         LevelCheck::Ok},
    };
    for (const Case& c : cases) {
        EditorGrid g = validGrid();
        c.change(g);
        EXPECT_EQ(encodeLevel(g).check, c.expected) << c.name;
    }
}

TEST(Encode, TheSecondManInScanOrderStopsTheScanThere) {
    EditorGrid g = validGrid();
    g[idx(2, 20)] = Empty;
    g[idx(10, 4)] = Man;
    g[idx(6, 9)] = Man;   // lower: the second
    g[idx(20, 9)] = Man;  // further right in the same row: never reached
    int visited = 0;
    const EncodeResult r = encodeLevel(g, [&] { ++visited; });
    EXPECT_EQ(r.check, LevelCheck::SecondMan);
    EXPECT_EQ(visited, 9 * kCols + 6 + 1);
    EXPECT_EQ(r.lines[22], "1004");
}

TEST(Encode, UnknownGridCodesAreWrittenEmpty) {
    EditorGrid g = validGrid();
    g[idx(4, 4)] = 15;
    g[idx(5, 4)] = 999;
    g[idx(6, 4)] = -3;
    const EncodeResult r = encodeLevel(g);
    ASSERT_EQ(r.check, LevelCheck::Ok);
    EXPECT_EQ(r.lines[4], "25" + std::string(60, '0') + "25");
}

TEST(RoundTrip, SavedLevelReadsBackInTheGameAndTheEditor) {
    EditorGrid g = validGrid();
    g[idx(26, 7)] = Shets;
    const EncodeResult r = encodeLevel(g);
    ASSERT_EQ(r.check, LevelCheck::Ok);

    EditorGrid back{};
    back.fill(Kirp);
    decodeEditorLevel(r.lines, back);
    EXPECT_EQ(back, g);

    const GameLevel level = decodeGameLevel(r.lines);
    EXPECT_EQ(level.man, (CellPos{2, 20}));
    EXPECT_EQ(level.manDoor, (CellPos{3, 20}));
    EXPECT_EQ(level.shetsDoor, (CellPos{25, 20}));
    EXPECT_EQ(level.outDoor, (CellPos{28, 20}));
    ASSERT_EQ(level.shets.size(), 2u);
    EXPECT_EQ(level.shets[0], (CellPos{26, 7}));
    EXPECT_EQ(level.shets[1], (CellPos{20, 20}));
    for (std::size_t i = 0; i < g.size(); ++i)
        EXPECT_EQ(level.cells[i], isObjectCode(g[i]) ? Empty : g[i]) << "cell " << i;
}

TEST(RoundTrip, LineEndVariantsReadTheSame) {
    const EncodeResult r = encodeLevel(validGrid());
    ASSERT_EQ(r.check, LevelCheck::Ok);
    const QByteArray crlf = TextLines::join(toQt(r.lines));
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray cr = crlf;
    cr.replace("\r\n", "\r");
    QByteArray noLastEnd = crlf;
    noLastEnd.chop(2);
    for (const QByteArray& bytes : {crlf, lf, cr, noLastEnd}) {
        const auto lines = toStd(TextLines::split(bytes));
        EXPECT_EQ(lines, r.lines);
        EditorGrid g{};
        decodeEditorLevel(lines, g);
        EXPECT_EQ(g, validGrid());
        EXPECT_EQ(decodeGameLevel(lines).man, (CellPos{2, 20}));
    }
}
