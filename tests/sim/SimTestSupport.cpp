#include "SimTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace tamb::test {

namespace {

int32_t codeOf(char c) {
    switch (c) {
        case ' ': case 'M': case 'D': case 'm': case 'd': case 'X': return Empty;
        case '$': return Klad;
        case 'f': return FalseKirp;
        case 'w': return Water;
        case 'k': return Kol;
        case 'g': return Gum;
        case 'v': return DownWater;
        case 'H': return Stairs;
        case '-': return Roupe;
        case '#': return Kirp;
        case 'S': return SuperKirp;
        case 'B': return Balka;
        case '|': return BoundVert;
        case '=': return BoundHor;
        default: throw std::invalid_argument(std::string("unknown level character '") + c + "'");
    }
}

std::string two(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string pos(CellPos p) { return two(p.col) + two(p.row); }

}  // namespace

GameLevel makeLevel(const std::vector<std::string>& rows) {
    GameLevel level;
    bool manDoor = false;
    level.shetsDoor = {30, 0};
    level.outDoor = {31, 0};
    for (int r = 0; r < static_cast<int>(rows.size()) && r < kRows; ++r) {
        for (int c = 0; c < static_cast<int>(rows[r].size()) && c < kCols; ++c) {
            const char ch = rows[r][c];
            level.cells[r * kCols + c] = codeOf(ch);
            const CellPos p{c, r};
            if (ch == 'M') level.man = p;
            if (ch == 'D') level.shets.push_back(p);
            if (ch == 'm') {
                level.manDoor = p;
                manDoor = true;
            }
            if (ch == 'd') level.shetsDoor = p;
            if (ch == 'X') level.outDoor = p;
        }
    }
    if (!manDoor) level.manDoor = level.man;
    return level;
}

std::vector<std::string> levelLines(const GameLevel& level) {
    std::vector<std::string> lines;
    for (int r = 0; r < kRows; ++r) {
        std::string line;
        for (int c = 0; c < kCols; ++c) line += two(level.cells[r * kCols + c]);
        lines.push_back(line);
    }
    lines.push_back(pos(level.man));
    std::string shets;
    for (const auto& p : level.shets) shets += pos(p);
    lines.push_back(shets);
    lines.push_back(pos(level.manDoor));
    lines.push_back(pos(level.shetsDoor));
    lines.push_back(pos(level.outDoor));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view end) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += end;
    }
    return out;
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tamb-sim-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    dir_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

}  // namespace tamb::test
