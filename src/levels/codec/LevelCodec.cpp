#include "LevelCodec.h"

#include <cstddef>
#include <string_view>

namespace tamb {

namespace {

// Object lines of a level file, by index from 0.
constexpr int kManLine = 22;
constexpr int kShetsLine = 23;
constexpr int kManDoorLine = 24;
constexpr int kShetsDoorLine = 25;
constexpr int kOutDoorLine = 26;
constexpr int kLineCount = kLevelFileLines;

std::string buildMessage(int line, int column, const std::string& what) {
    return "Level file, line " + std::to_string(line + 1) + ", position " + std::to_string(column) + ": " + what;
}

// File bytes as a message shows them: printable ASCII as it is, every other
// byte as \xHH, so a NUL cannot cut the message short and a stray byte of a
// foreign encoding is seen for what it is.
std::string shown(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '\\') {
            out += "\\\\";
        } else if (b >= 0x20 && b < 0x7F) {
            out += ch;
        } else {
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        }
    }
    return out;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

const std::string& lineAt(const std::vector<std::string>& lines, int line) {
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size())
        throw LevelFormatError(line, 1,
                               "the line is missing (the file has " + std::to_string(lines.size()) + " lines, 27 needed)");
    return lines[static_cast<std::size_t>(line)];
}

// The two-digit decimal field at characters pos+1 and pos+2 (pos from 0).
int field(const std::vector<std::string>& lines, int line, std::size_t pos) {
    const std::string& s = lineAt(lines, line);
    const int column = static_cast<int>(pos) + 1;
    if (s.size() < pos + 2)
        throw LevelFormatError(line, column,
                               "the line is too short (" + std::to_string(s.size()) + " characters, a two-digit field "
                               "needs " + std::to_string(pos + 2) + ")");
    const char a = s[pos];
    const char b = s[pos + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') {
        std::string what = "\"" + shown(s.substr(pos, 2)) + "\" is not a decimal number";
        if (pos == 0 && s.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0)
            what += " (the line starts with the byte-order mark " + shown(kByteOrderMark) + "; save the file as plain digits)";
        throw LevelFormatError(line, column, what);
    }
    return (a - '0') * 10 + (b - '0');
}

// A position code at characters pos+1..pos+4: column first, then row.
CellPos position(const std::vector<std::string>& lines, int line, std::size_t pos) {
    CellPos p;
    p.col = field(lines, line, pos);
    p.row = field(lines, line, pos + 2);
    if (p.col >= kCols)
        throw LevelFormatError(line, static_cast<int>(pos) + 1,
                               "column " + std::to_string(p.col) + " is outside the grid (0 to 31)");
    if (p.row >= kRows)
        throw LevelFormatError(line, static_cast<int>(pos) + 3,
                               "row " + std::to_string(p.row) + " is outside the grid (0 to 21)");
    return p;
}

const char* solidName(int32_t code) {
    switch (code) {
        case Kirp: return "a brick";
        case SuperKirp: return "an unbreakable brick";
        case Balka: return "a concrete beam";
        case BoundVert:
        case BoundHor: return "a border brick";
        default: return "a solid cell";
    }
}

// A figure inside a solid cell can never move: the man would die and come
// back there for ever.
void requireFreeStart(const GameLevel& level, CellPos p, int line, std::size_t pos, const char* who) {
    const int32_t code = level.cells[static_cast<std::size_t>(p.row * kCols + p.col)];
    if (!isSolid(code)) return;
    throw LevelFormatError(line, static_cast<int>(pos) + 1,
                           std::string(who) + " starts inside " + solidName(code) + " (code " + std::to_string(code) +
                               ") at column " + std::to_string(p.col) + ", row " + std::to_string(p.row));
}

std::size_t shetsGroups(const std::vector<std::string>& lines) { return lineAt(lines, kShetsLine).size() / 4; }

}  // namespace

LevelFormatError::LevelFormatError(int line, int column, const std::string& what)
    : std::runtime_error(buildMessage(line, column, what)), line_(line), column_(column) {}

std::string positionCode(int col, int row) {
    auto two = [](int v) {
        std::string s;
        s += static_cast<char>('0' + (v / 10) % 10);
        s += static_cast<char>('0' + v % 10);
        return s;
    };
    return two(col) + two(row);
}

GameLevel decodeGameLevel(const std::vector<std::string>& lines) {
    GameLevel level;
    // The order in which the game reads the fields, so the first bad field
    // reported is the one it would stop at.
    level.man = position(lines, kManLine, 0);
    level.manDoor = position(lines, kManDoorLine, 0);
    level.shetsDoor = position(lines, kShetsDoorLine, 0);
    level.outDoor = position(lines, kOutDoorLine, 0);

    // The devil tables hold 15; later groups are never read.
    std::size_t count = shetsGroups(lines);
    if (count > static_cast<std::size_t>(kMaxShets)) count = kMaxShets;
    level.shets.reserve(count);
    for (std::size_t k = 0; k < count; ++k) level.shets.push_back(position(lines, kShetsLine, 4 * k));

    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const std::size_t pos = 2 * static_cast<std::size_t>(c);
            const int code = field(lines, r, pos);
            if (!isGroundCode(code))
                throw LevelFormatError(r, static_cast<int>(pos) + 1,
                                       "cell code " + std::to_string(code) + " is not a known ground code");
            level.cells[static_cast<std::size_t>(r * kCols + c)] = code;
        }
    }

    requireFreeStart(level, level.man, kManLine, 0, "the man");
    for (std::size_t k = 0; k < level.shets.size(); ++k)
        requireFreeStart(level, level.shets[k], kShetsLine, 4 * k, ("devil " + std::to_string(k + 1)).c_str());
    return level;
}

void decodeEditorLevel(const std::vector<std::string>& lines, EditorGrid& grid) {
    auto at = [&grid](CellPos p) -> int32_t& { return grid[static_cast<std::size_t>(p.row * kCols + p.col)]; };

    // Unknown codes stay in the grid: the editor marks them so they can be
    // painted over.
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            grid[static_cast<std::size_t>(r * kCols + c)] = field(lines, r, 2 * static_cast<std::size_t>(c));

    // Every devil is shown, also past the game's 15; saving refuses them.
    const std::size_t count = shetsGroups(lines);
    for (std::size_t k = 0; k < count; ++k) at(position(lines, kShetsLine, 4 * k)) = Shets;

    // Later placements win where two share a cell.
    at(position(lines, kManLine, 0)) = Man;
    at(position(lines, kManDoorLine, 0)) = ManDoor;
    at(position(lines, kShetsDoorLine, 0)) = ShetsDoor;
    at(position(lines, kOutDoorLine, 0)) = OutDoor;
}

EncodeResult encodeLevel(const EditorGrid& grid, const std::function<void()>& perCell) {
    EncodeResult result;
    result.lines.assign(kLineCount, std::string());
    auto& lines = result.lines;

    bool klad = false, man = false, manDoor = false, shetsDoor = false, outDoor = false;
    int shets = 0;

    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            if (perCell) perCell();
            const int32_t code = grid[static_cast<std::size_t>(r * kCols + c)];

            if (code == OutDoor && outDoor) { result.check = LevelCheck::SecondOutDoor; return result; }
            if (code == Man && man) { result.check = LevelCheck::SecondMan; return result; }
            if (code == ManDoor && manDoor) { result.check = LevelCheck::SecondManDoor; return result; }
            if (code == ShetsDoor && shetsDoor) { result.check = LevelCheck::SecondShetsDoor; return result; }

            const std::string pos = positionCode(c, r);
            switch (code) {
                case Man: man = true; lines[kManLine] = pos; break;
                case Shets: ++shets; lines[kShetsLine] += pos; break;
                case ManDoor: manDoor = true; lines[kManDoorLine] = pos; break;
                case ShetsDoor: shetsDoor = true; lines[kShetsDoorLine] = pos; break;
                case OutDoor: outDoor = true; lines[kOutDoorLine] = pos; break;
                case Klad: klad = true; break;
                default: break;
            }

            // Objects and codes the game does not know are written as empty
            // cells, so a saved file holds ground codes only.
            if (isGroundCode(code))
                lines[static_cast<std::size_t>(r)] += positionCode(code, 0).substr(0, 2);
            else
                lines[static_cast<std::size_t>(r)] += "00";
        }
    }

    if (!klad) result.check = LevelCheck::NoKlad;
    else if (!outDoor) result.check = LevelCheck::NoOutDoor;
    else if (!man) result.check = LevelCheck::NoMan;
    else if (!manDoor) result.check = LevelCheck::NoManDoor;
    else if (!shetsDoor) result.check = LevelCheck::NoShetsDoor;
    else if (shets == 0) result.check = LevelCheck::NoShets;
    else if (shets > kMaxShets) result.check = LevelCheck::TooManyShets;
    return result;
}

}  // namespace tamb
