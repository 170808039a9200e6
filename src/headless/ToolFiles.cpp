#include "ToolFiles.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace tamb {

bool parseWholeNumber(std::string_view text, long long& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

bool readWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return false;
    out = ss.str();
    return true;
}

int levelNumberOf(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.rfind("level", 0) != 0 || name.size() == 5) return 1;
    long long n = 0;
    if (!parseWholeNumber(name.substr(5), n) || n < 1 || n > 1000000) return 1;
    return static_cast<int>(n);
}

}  // namespace tamb
