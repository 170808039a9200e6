#include "Trace.h"

#include <charconv>

#include "CellStates.h"

namespace tamb {

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
