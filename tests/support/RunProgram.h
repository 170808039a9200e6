#pragma once
#include <string>

#include "TempDir.h"

namespace tamb::test {

// A command-line program of ours run as a child process, its output caught
// in files of `dir`.
struct ProgramResult {
    int status = -1;  // the exit status; -1 when it did not exit normally
    std::string out;
    std::string err;
};

std::string quoted(const std::string& s);
ProgramResult runProgram(const TempDir& dir, const std::string& program, const std::string& args);

}  // namespace tamb::test
