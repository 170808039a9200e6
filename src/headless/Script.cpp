#include "Script.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace tamb {

ScriptError::ScriptError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

namespace {

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

}  // namespace

std::vector<ScriptEntry> parseScript(const std::vector<std::string>& lines) {
    std::vector<ScriptEntry> script;
    for (size_t n = 0; n < lines.size(); ++n) {
        const int lineNo = static_cast<int>(n) + 1;
        const auto w = words(lines[n]);
        if (w.empty() || w[0].front() == '#') continue;
        if (w.size() != 2) throw ScriptError(lineNo, "expected \"SLOT COMMAND\", got \"" + lines[n] + "\"");
        ScriptEntry e;
        const auto [end, ec] = std::from_chars(w[0].data(), w[0].data() + w[0].size(), e.slot);
        if (ec != std::errc() || end != w[0].data() + w[0].size() || e.slot < 1)
            throw ScriptError(lineNo, "slot \"" + std::string(w[0]) + "\" is not a number from 1");
        if (!commandFromName(w[1], e.command))
            throw ScriptError(lineNo, "unknown command \"" + std::string(w[1]) +
                                          "\" (left right up down fire stop pause exit UserKillsMan)");
        script.push_back(e);
    }
    std::stable_sort(script.begin(), script.end(),
                     [](const ScriptEntry& a, const ScriptEntry& b) { return a.slot < b.slot; });
    return script;
}

}  // namespace tamb
