#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tamb {

// Splits a text file into lines at CR LF, lone LF or lone CR; a last line
// without an end counts.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace tamb
