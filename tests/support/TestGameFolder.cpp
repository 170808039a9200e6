#include "TestGameFolder.h"

#include <QDir>
#include <QFile>

#include "SpriteLayout.h"
#include "TextLines.h"

namespace tamb::test {

QRgb tileColour(int32_t code) {
    if (code == FalseKirp) code = Kirp;
    return qRgb(200, 10 + code * 4, 100);
}
QRgb regrowthColour(int v) { return qRgb(20 + v * 10, 60, 7); }
QRgb frameColour(int state) { return qRgb(5, 150, 20 + state * 3); }

Bitmap makeTestSpriteSheet() {
    Bitmap sheet(360, 434);
    sheet.fill(0);
    // The whole rows and columns next to the 19-pixel tiles first.
    sheet.fillRect(QRect(19, kTileStrip, 1, kStripHeight), kStrayColour);
    for (int v = kHoleStates.first; v <= kHoleStates.last; ++v)
        sheet.fillRect(sprites::regrowthFrame(v), regrowthColour(v));
    for (const CellStateRange& range : {kGlitterStates, kWaterStates, kExitDoorStates})
        for (int s = range.first; s <= range.last; ++s) sheet.fillRect(*sprites::animatedFrame(s), frameColour(s));
    for (int32_t code : std::initializer_list<int32_t>{Klad, Water, ToRight, ToLeft, Kol, Gum, DownWater, Stairs, Roupe, SuperKirp, Balka, BoundVert,
                         BoundHor, int32_t(ManDoor), int32_t(ShetsDoor)})
        sheet.fillRect(*sprites::staticTile(code), tileColour(code));
    // Kirp's tile is the whole brick's regrowth frame; give it the brick's colour.
    sheet.fillRect(sprites::regrowthFrame(kWholeBrickFrame), tileColour(Kirp));
    // Klad's and Water's 19-pixel tiles overlap the first animation frame,
    // whose last column (and water's last row) then differs.
    sheet.fillRect(QRect(19, kGlitterStrip, 1, kStripHeight), kStrayColour);
    sheet.fillRect(QRect(19, kWaterStrip, 1, kStripHeight), kStrayColour);
    sheet.fillRect(QRect(0, kWaterStrip + kStripHeight - 1, kFrameWidth, 1), kStrayColour);
    sheet.fillRect(sprites::blankPatch(), kBlankColour);
    // Figures: a red square in every man and devil frame.
    for (int row : kFigureStrips) {
        for (int frame = 1; frame <= 12; ++frame) {
            const QRect r = sprites::figureFrame(frame, row);
            if (r.intersects(sprites::blankPatch())) continue;  // leave the blank patch alone
            sheet.fillRect(r, 0);
            sheet.fillRect(r.adjusted(4, 4, -4, -4), kFigureColour);
        }
    }
    return sheet;
}

namespace {
QString two(int v) { return QString::asprintf("%02d", v); }
QString pos(CellPos p) { return two(p.col) + two(p.row); }
}  // namespace

QStringList LevelSpec::lines() const {
    QStringList out;
    for (int r = 0; r < kRows; ++r) {
        QString row;
        for (int c = 0; c < kCols; ++c) row += two(cells[static_cast<size_t>(r * kCols + c)]);
        out << row;
    }
    out << pos(man);
    if (!shetsLine.isNull()) {
        out << shetsLine;
    } else {
        QString s;
        for (const auto& p : shets) s += pos(p);
        out << s;
    }
    out << pos(manDoor) << pos(shetsDoor) << pos(outDoor);
    return out;
}

LevelSpec simpleLevel() {
    LevelSpec l;
    for (int c = 0; c < kCols; ++c) {
        l.set(0, c, BoundHor);
        l.set(21, c, BoundHor);
        l.set(20, c, Kirp);
    }
    for (int r = 1; r < 21; ++r) {
        l.set(r, 0, BoundVert);
        l.set(r, 31, BoundVert);
    }
    l.set(20, 0, BoundVert);
    l.set(20, 31, BoundVert);
    l.set(19, 10, Klad);
    l.set(19, 12, Water);
    l.set(19, 14, FalseKirp);
    l.set(15, 5, Stairs);
    l.man = {3, 19};
    l.shets = {{20, 19}};
    l.manDoor = {3, 19};
    l.shetsDoor = {25, 19};
    l.outDoor = {28, 19};
    return l;
}

LevelSpec corridorLevel() {
    LevelSpec level = simpleLevel();
    level.set(19, 12, Empty);
    level.set(19, 14, Empty);
    level.outDoor = {16, 19};
    level.manDoor = {2, 19};
    for (int c = 20; c <= 24; ++c) level.set(4, c, SuperKirp);
    for (int r = 1; r <= 3; ++r) {
        level.set(r, 20, SuperKirp);
        level.set(r, 24, SuperKirp);
    }
    level.shets = {{21, 3}};
    level.shetsDoor = {23, 3};
    return level;
}

void writeGraphics(const QString& dir) {
    QDir().mkpath(dir + "/graphics");
    makeTestSpriteSheet().image().save(dir + "/graphics/sprites.bmp", "BMP");
    // The password bar's size, as the asset tool draws it.
    Bitmap scene(185, 100);
    scene.fill(qRgb(0, 0, 90));
    scene.image().save(dir + "/graphics/Password Scene Pic.bmp", "BMP");
}

void writeLevel(const QString& dir, int number, const LevelSpec& level) {
    QDir().mkpath(dir + "/levels");
    TextLines::write(dir + "/levels/level" + QString::number(number), level.lines());
}

void writeWave(const QString& fileName) {
    // A valid, nearly empty PCM WAV file.
    QByteArray b;
    auto u32 = [&b](quint32 v) { for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xff)); };
    auto u16 = [&b](quint16 v) { b.append(char(v & 0xff)); b.append(char(v >> 8)); };
    b.append("RIFF"); u32(36 + 4); b.append("WAVE");
    b.append("fmt "); u32(16); u16(1); u16(1); u32(8000); u32(16000); u16(2); u16(16);
    b.append("data"); u32(4); u32(0);
    QFile f(fileName);
    f.open(QIODevice::WriteOnly);
    f.write(b);
}

const QStringList& allSoundNames() {
    static const QStringList names{"mwpunch.wav",     "spike.wav",     "password.wav", "OutOfScreen.wav",
                                   "DoorAppears.wav", "Pause.wav",     "LevelPassed.wav", "MainMenuClick.wav",
                                   "Klad2.wav",       "Fire2.wav",     "Goodmrng.wav", "Laugh2.wav",
                                   "MwBimbo.wav",     "Scream.wav"};
    return names;
}

void writeAllSounds(const QString& dir) {
    QDir().mkpath(dir + "/Sound");
    for (const QString& n : allSoundNames()) writeWave(dir + "/Sound/" + n);
}

}  // namespace tamb::test
