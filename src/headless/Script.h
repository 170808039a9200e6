#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "HeadlessRun.h"

namespace tamb {

// A script line that cannot be read; the message names the line.
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& what);
    int line() const { return line_; }  // from 1

private:
    int line_;
};

// Lines "SLOT COMMAND"; blank lines and lines starting with '#' are skipped.
// The result is ordered by slot (lines of one slot keep their order).
std::vector<ScriptEntry> parseScript(const std::vector<std::string>& lines);

}  // namespace tamb
