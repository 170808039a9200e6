#pragma once
#include <string>
#include <vector>

#include "LevelCodec.h"

namespace tamb::levelmake {

// A level drawn as text: one character per cell, 22 lines of 32. Lines
// beginning with '#' before the map are notes ("# title: ...",
// "# idea: ...").
struct AsciiLevel {
    std::string title;
    std::string idea;
    EditorGrid grid{};
};

// The character for each cell code and object, as the map sources use them.
char charForCode(int code);  // '?' for an unknown code
bool codeForChar(char ch, int& code);

// Throws std::runtime_error naming the line and column of a bad character
// or a map of the wrong size.
AsciiLevel parseAsciiLevel(const std::string& text);
AsciiLevel readAsciiLevel(const std::string& path);

// The map of a grid, 22 lines without notes (objects included).
std::string gridToAscii(const EditorGrid& grid);

// Whole-file helpers: text files with CR LF after every line.
std::string readFile(const std::string& path);
void writeLines(const std::string& path, const std::vector<std::string>& lines);

// Encodes the level as the editor saves it; throws when the editor would
// refuse it.
std::vector<std::string> encodeOrThrow(const EditorGrid& grid);
std::string levelCheckName(LevelCheck check);

}  // namespace tamb::levelmake
