#include "HeadlessRun.h"

#include <algorithm>
#include <charconv>
#include <memory>

#include "Rules.h"
#include "SlotClock.h"

namespace tamb {

ScriptError::ScriptError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

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

std::string_view runEndName(RunEnd e) {
    switch (e) {
        case RunEnd::LevelPassed: return "LevelPassed";
        case RunEnd::ManKilled: return "ManKilled";
        case RunEnd::Slots: return "slots";
        case RunEnd::Exit: return "exit";
    }
    return "slots";
}

RunSummary runHeadless(GameState& s, GameHost& host, const std::vector<ScriptEntry>& script,
                       const RunOptions& options, const TraceSink& trace) {
    SlotClock clock(options.speed);
    s.GameDelay = clock.gameDelay();
    size_t next = 0;

    RunSummary summary;
    summary.end = RunEnd::Slots;
    summary.slot = 0;
    for (int64_t n = 1; n <= options.maxSlots; ++n) {
        clock.runTimers(s, host);
        while (next < script.size() && script[next].slot <= n) s.Command = script[next++].command;

        const Command command = s.Command;
        if (!clock.runSlot(s, host)) {
            summary.end = RunEnd::Exit;
            break;
        }
        summary.slot = n;
        if (trace) trace(s, n, command);
        const GameResult result = s.GameResult;
        if (result != GameResult::Normal) {
            summary.end = result == GameResult::LevelPassed ? RunEnd::LevelPassed : RunEnd::ManKilled;
            break;
        }
    }
    summary.lives = s.Lives;
    summary.klads = s.KladsLeft;
    summary.level = s.LevelNumber;
    return summary;
}

RunSummary runLevel(const GameLevel& level, int levelNumber, const std::vector<ScriptEntry>& script,
                    const RunOptions& options, GameHost& host, const TraceSink& trace) {
    auto s = std::make_unique<GameState>();
    s->LevelNumber = levelNumber;
    SetUpLevelState(*s, level);
    return runHeadless(*s, host, script, options, trace);
}

namespace {

void appendInt(std::string& out, int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendPair(std::string& out, int a, int b) {
    out += '[';
    appendInt(out, a);
    out += ',';
    appendInt(out, b);
    out += ']';
}

}  // namespace

std::string traceLine(const GameState& s, int64_t slot, Command command) {
    std::string out;
    out.reserve(256);
    out += "{\"slot\":";
    appendInt(out, slot);
    out += ",\"command\":\"";
    out += commandName(command);
    out += "\",\"man\":";
    appendPair(out, s.ManX, s.ManY);
    out += ",\"falling\":";
    out += s.ManFalling ? "true" : "false";
    out += ",\"lives\":";
    appendInt(out, s.Lives);
    out += ",\"klads\":";
    appendInt(out, s.KladsLeft);
    out += ",\"result\":\"";
    out += resultName(s.GameResult);
    out += "\",\"devils\":[";
    const int n = s.ShetsCount;
    for (int k = 0; k < n; ++k) {
        if (k > 0) out += ',';
        appendPair(out, s.ShetsX[k], s.ShetsY[k]);
    }
    out += "],\"holes\":[";
    bool first = true;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const int v = s.cellState(r, c);
            if (!isHoleState(v)) continue;
            if (!first) out += ',';
            first = false;
            out += '[';
            appendInt(out, r);
            out += ',';
            appendInt(out, c);
            out += ',';
            appendInt(out, v);
            out += ']';
        }
    }
    out += "]}";
    return out;
}

std::string endLine(const RunSummary& summary) {
    std::string out = "{\"end\":\"";
    out += runEndName(summary.end);
    out += "\",\"slot\":";
    appendInt(out, summary.slot);
    out += ",\"lives\":";
    appendInt(out, summary.lives);
    out += ",\"klads\":";
    appendInt(out, summary.klads);
    out += ",\"level\":";
    appendInt(out, summary.level);
    out += '}';
    return out;
}

}  // namespace tamb
