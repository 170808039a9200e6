#include "AsciiLevel.h"

#include <fstream>
#include <stdexcept>

#include "LineSplit.h"
#include "ToolFiles.h"

namespace tamb::levelmake {

namespace {

struct Glyph {
    char ch;
    int code;
};

// '.' rather than a blank for Empty: trailing blanks get lost in editors.
constexpr Glyph kGlyphs[] = {
    {'.', Empty},     {'$', Klad},      {'f', FalseKirp}, {'~', Water},     {'>', ToRight},
    {'<', ToLeft},    {'^', Kol},       {'g', Gum},       {'w', DownWater}, {'H', Stairs},
    {'-', Roupe},     {'#', Kirp},      {'%', SuperKirp}, {'=', Balka},     {'|', BoundVert},
    {'_', BoundHor},  {'M', Man},       {'D', Shets},     {'S', ManDoor},   {'T', ShetsDoor},
    {'X', OutDoor},
};

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

}  // namespace

char charForCode(int code) {
    for (const Glyph& g : kGlyphs)
        if (g.code == code) return g.ch;
    return '?';
}

bool codeForChar(char ch, int& code) {
    for (const Glyph& g : kGlyphs)
        if (g.ch == ch) {
            code = g.code;
            return true;
        }
    return false;
}

AsciiLevel parseAsciiLevel(const std::string& text) {
    AsciiLevel level;
    std::vector<std::string> lines = splitLines(text);
    int row = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string line = trimRight(lines[n]);
        const std::string where = "line " + std::to_string(n + 1);
        if (row == 0 && (line.empty() || line[0] == '#')) {
            if (line.rfind("# title:", 0) == 0) level.title = trimRight(line.substr(8));
            if (line.rfind("# idea:", 0) == 0) level.idea = trimRight(line.substr(7));
            for (std::string* s : {&level.title, &level.idea})
                while (!s->empty() && s->front() == ' ') s->erase(0, 1);
            continue;
        }
        if (row == kRows) {
            if (line.empty()) continue;
            throw std::runtime_error(where + ": text after the 22 map rows");
        }
        if (line.size() != static_cast<std::size_t>(kCols))
            throw std::runtime_error(where + ": a map row needs 32 cells, found " + std::to_string(line.size()));
        for (int col = 0; col < kCols; ++col) {
            int code = 0;
            if (!codeForChar(line[col], code))
                throw std::runtime_error(where + ", column " + std::to_string(col) + ": unknown cell '" +
                                         std::string(1, line[col]) + "'");
            level.grid[row * kCols + col] = code;
        }
        ++row;
    }
    if (row != kRows) throw std::runtime_error("the map has " + std::to_string(row) + " rows, not 22");
    return level;
}

AsciiLevel readAsciiLevel(const std::string& path) {
    try {
        return parseAsciiLevel(readFile(path));
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

std::string gridToAscii(const EditorGrid& grid) {
    std::string out;
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) out += charForCode(grid[row * kCols + col]);
        out += '\n';
    }
    return out;
}

std::string readFile(const std::string& path) {
    std::string text;
    if (!readWholeFile(path, text)) throw std::runtime_error("cannot read " + path);
    return text;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    for (const std::string& l : lines) out << l << "\r\n";
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::string levelCheckName(LevelCheck check) {
    switch (check) {
    case LevelCheck::Ok: return "ok";
    case LevelCheck::SecondOutDoor: return "a second exit door";
    case LevelCheck::SecondMan: return "a second man";
    case LevelCheck::SecondManDoor: return "a second man's door";
    case LevelCheck::SecondShetsDoor: return "a second devils' door";
    case LevelCheck::NoKlad: return "no treasure";
    case LevelCheck::NoOutDoor: return "no exit door";
    case LevelCheck::NoMan: return "no man";
    case LevelCheck::NoManDoor: return "no man's door";
    case LevelCheck::NoShetsDoor: return "no devils' door";
    case LevelCheck::NoShets: return "no devil";
    case LevelCheck::TooManyShets: return "more than 15 devils";
    }
    return "unknown check";
}

std::vector<std::string> encodeOrThrow(const EditorGrid& grid) {
    EncodeResult r = encodeLevel(grid);
    if (r.check != LevelCheck::Ok) throw std::runtime_error("the editor would refuse it: " + levelCheckName(r.check));
    return r.lines;
}

}  // namespace tamb::levelmake
