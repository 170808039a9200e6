// tamb-solve LEVELFILE [--seconds N] [--speed N] [--threads N] [--out SCRIPT]
//
// Searches the rules for a route that passes the level and writes it as a
// tamb-sim script. Exit status 0 with a route, 1 without one ("no route
// found in N s" when the time ran out, "no route exists" when every
// reachable state was covered), 2 on bad arguments or files.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "LevelCodec.h"
#include "LineSplit.h"
#include "RouteFinder.h"
#include "ToolFiles.h"

namespace {

constexpr const char* kUsage =
    "usage: tamb-solve LEVELFILE [--seconds N] [--speed N] [--threads N] [--out SCRIPT]\n"
    "  --seconds N  give up after N seconds (default 60)\n"
    "  --speed N    game speed 0..100 the route is played at (default 100)\n"
    "  --threads N  search threads, 1 or 2 (default 2)\n"
    "  --out SCRIPT write the route there instead of to standard output\n";

int fail(const std::string& message) {
    std::cerr << "tamb-solve: " << message << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    std::string out;
    tamb::solve::FinderOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--out") {
            if (i + 1 >= argc) return fail("--out needs a file name\n" + std::string(kUsage));
            out = argv[++i];
        } else if (arg == "--seconds" || arg == "--speed" || arg == "--threads") {
            if (i + 1 >= argc) return fail(arg + " needs a number\n" + kUsage);
            const std::string value = argv[++i];
            long long n = 0;
            if (!tamb::parseWholeNumber(value, n)) return fail(arg + ": \"" + value + "\" is not a number");
            if (arg == "--seconds") {
                if (n < 1 || n > 86400) return fail("--seconds must be 1..86400, got " + value);
                options.seconds = static_cast<double>(n);
            } else if (arg == "--speed") {
                if (n < 0 || n > 100) return fail("--speed must be 0..100, got " + value);
                options.speed = static_cast<int>(n);
            } else {
                if (n < 1 || n > 2) return fail("--threads must be 1 or 2, got " + value);
                options.threads = static_cast<int>(n);
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg + "\n" + kUsage);
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1) return fail(std::string("expected one level file\n") + kUsage);

    std::string text;
    if (!tamb::readWholeFile(files[0], text)) return fail(files[0] + ": cannot read the level file");
    tamb::GameLevel level;
    try {
        level = tamb::decodeGameLevel(tamb::splitLines(text));
    } catch (const tamb::LevelFormatError& e) {
        return fail(files[0] + ": " + e.what());
    }

    tamb::solve::FinderResult result;
    try {
        result = tamb::solve::findRoute(level, tamb::levelNumberOf(files[0]), options);
    } catch (const std::logic_error& e) {
        return fail(std::string("internal error: ") + e.what());
    }
    char stats[96];
    std::snprintf(stats, sizeof stats, " (%lld states in %.1f s)", static_cast<long long>(result.expanded),
                  result.seconds);
    const std::string message = tamb::solve::outcomeMessage(result);
    if (result.outcome != tamb::solve::FinderOutcome::Found) {
        std::cout << message << stats << '\n';
        return 1;
    }

    std::string script = "# " + message + stats + "\n";
    for (const std::string& line : tamb::solve::routeLines(result.route)) script += line + "\n";
    if (out.empty()) {
        std::cout << script;
        return std::cout.flush() ? 0 : 2;
    }
    std::ofstream file(out, std::ios::binary);
    if (!(file << script) || !file.flush()) return fail(out + ": cannot write the script");
    std::cout << message << stats << '\n';
    return 0;
}
