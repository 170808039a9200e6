// tamb-sim LEVELFILE [SCRIPTFILE] [--speed N] [--slots N] [--trace]
//
// Plays a level without a screen. With --trace, one JSON object per slot;
// always a last line with the end of the run. Exit status 2 on bad
// arguments, files, levels or scripts.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "HeadlessRun.h"
#include "LevelCodec.h"
#include "LineSplit.h"
#include "Script.h"
#include "ToolFiles.h"
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
            if (!tamb::parseWholeNumber(value, n)) return fail(arg + ": \"" + value + "\" is not a number");
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
    if (!tamb::readWholeFile(files[0], text)) return fail(files[0] + ": cannot read the level file");
    tamb::GameLevel level;
    try {
        level = tamb::decodeGameLevel(tamb::splitLines(text));
    } catch (const tamb::LevelFormatError& e) {
        return fail(files[0] + ": " + e.what());
    }

    std::vector<tamb::ScriptEntry> script;
    if (files.size() == 2) {
        if (!tamb::readWholeFile(files[1], text)) return fail(files[1] + ": cannot read the script");
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
    const tamb::RunSummary summary = tamb::runLevel(level, tamb::levelNumberOf(files[0]), script, options, host, sink);
    std::printf("%s\n", tamb::endLine(summary).c_str());
    return std::fflush(stdout) == 0 ? 0 : 2;
}
