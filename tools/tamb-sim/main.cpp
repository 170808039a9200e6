// tamb-sim LEVELFILE [SCRIPTFILE] [--speed N] [--slots N] [--trace]
//
// Plays a level without a screen. With --trace, one JSON object per slot;
// always a last line with the end of the run. Exit status 2 on bad
// arguments, files, levels or scripts.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "HeadlessRun.h"
#include "LevelCodec.h"
#include "LineSplit.h"
#include "Script.h"
#include "Trace.h"

namespace {

constexpr const char* kUsage =
    "usage: tamb-sim LEVELFILE [SCRIPTFILE] [--speed N] [--slots N] [--trace]\n"
    "  --speed N  game speed 0..100 (default 100)\n"
    "  --slots N  stop after N game slots (default 100000)\n"
    "  --trace    print one JSON line per slot\n";

struct UsageError {
    std::string message;
};

bool parseNumber(const std::string& text, long long& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

bool readFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return false;
    out = ss.str();
    return true;
}

// "level12" plays as level 12; any other name as level 1.
int levelNumberOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.rfind("level", 0) != 0 || name.size() == 5) return 1;
    long long n = 0;
    if (!parseNumber(name.substr(5), n) || n < 1 || n > 1000000) return 1;
    return static_cast<int>(n);
}

int fail(const std::string& message) {
    std::cerr << "tamb-sim: " << message << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    tamb::RunOptions options;
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace") {
            trace = true;
        } else if (arg == "--speed" || arg == "--slots") {
            if (i + 1 >= argc) return fail(arg + " needs a number\n" + kUsage);
            const std::string value = argv[++i];
            long long n = 0;
            if (!parseNumber(value, n)) return fail(arg + ": \"" + value + "\" is not a number");
            if (arg == "--speed") {
                if (n < 0 || n > 100) return fail("--speed must be 0..100, got " + value);
                options.speed = static_cast<int>(n);
            } else {
                if (n < 1) return fail("--slots must be at least 1, got " + value);
                options.maxSlots = n;
            }
        } else if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg + "\n" + kUsage);
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty() || files.size() > 2) return fail(std::string("expected a level file and an optional script\n") + kUsage);

    std::string text;
    if (!readFile(files[0], text)) return fail(files[0] + ": cannot read the level file");
    tamb::GameLevel level;
    try {
        level = tamb::decodeGameLevel(tamb::splitLines(text));
    } catch (const tamb::LevelFormatError& e) {
        return fail(files[0] + ": " + e.what());
    }

    std::vector<tamb::ScriptEntry> script;
    if (files.size() == 2) {
        if (!readFile(files[1], text)) return fail(files[1] + ": cannot read the script");
        try {
            script = tamb::parseScript(tamb::splitLines(text));
        } catch (const tamb::ScriptError& e) {
            return fail(files[1] + ": " + e.what());
        }
    }

    tamb::NullGameHost host;
    tamb::TraceSink sink;
    if (trace) {
        sink = [](const tamb::GameState& s, int64_t slot, tamb::Command command) {
            std::string line = tamb::traceLine(s, slot, command);
            line += '\n';
            std::fwrite(line.data(), 1, line.size(), stdout);
        };
    }
    const tamb::RunSummary summary = tamb::runLevel(level, levelNumberOf(files[0]), script, options, host, sink);
    std::printf("%s\n", tamb::endLine(summary).c_str());
    return std::fflush(stdout) == 0 ? 0 : 2;
}
