#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tamb::test {

// A folder of its own for one test, removed at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

// Writes text as is (line ends included by the caller).
void writeText(const std::string& path, const std::string& text);
std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\r\n");

}  // namespace tamb::test
