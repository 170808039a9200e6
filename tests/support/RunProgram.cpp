#include "RunProgram.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tamb::test {

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

std::string quoted(const std::string& s) { return "'" + s + "'"; }

ProgramResult runProgram(const TempDir& dir, const std::string& program, const std::string& args) {
    const std::string out = dir.path("stdout"), err = dir.path("stderr");
    const std::string cmd = quoted(program) + " " + args + " >" + quoted(out) + " 2>" + quoted(err);
    const int rc = std::system(cmd.c_str());
    ProgramResult r;
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = readAll(out);
    r.err = readAll(err);
    return r;
}

}  // namespace tamb::test
