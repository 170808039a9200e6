#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace tamb::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tamb-sim-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary folder");
    dir_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view end) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += end;
    }
    return out;
}

}  // namespace tamb::test
