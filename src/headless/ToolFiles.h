#pragma once
#include <string>
#include <string_view>

namespace tamb {

// What the headless tools share about their arguments and files.

// The whole text is a decimal number (a sign allowed, nothing else).
bool parseWholeNumber(std::string_view text, long long& out);

// The file's bytes; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& out);

// "level12" plays as level 12; any other file name as level 1.
int levelNumberOf(std::string_view path);

}  // namespace tamb
