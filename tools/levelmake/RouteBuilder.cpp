#include "RouteBuilder.h"

#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "AsciiLevel.h"
#include "CellStates.h"
#include "ClockedGame.h"
#include "HeadlessRun.h"
#include "LevelCodec.h"
#include "LineSplit.h"
#include "Rules.h"
#include "Script.h"

namespace tamb::levelmake {

namespace {

constexpr int64_t kUntilCap = 6000;  // slots, about three minutes of play
constexpr int64_t kEndWait = 60;

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

int toInt(const std::string& text) {
    std::size_t used = 0;
    int v = 0;
    try {
        v = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty()) throw std::runtime_error("\"" + text + "\" is not a number");
    return v;
}

// Plays slots on the same virtual clock as the headless runner and records
// every change of command.
class Player {
public:
    Player(const GameLevel& level, int levelNumber) : game_(level, levelNumber) {}

    const GameState& state() const { return game_.state(); }
    int64_t slot() const { return game_.slot(); }
    Command lastCommand() const { return last_; }
    bool ended() const { return game_.ended(); }
    std::vector<std::string>& script() { return script_; }

    void step(Command c) {
        if (ended()) throw std::runtime_error("the level has already ended");
        if (c != last_ || script_.empty()) {
            script_.push_back(std::to_string(game_.slot() + 1) + " " + std::string(commandName(c)));
            last_ = c;
        }
        game_.step(c);
        if (game_.manDied()) throw std::runtime_error("the man died at slot " + std::to_string(game_.slot()));
    }

    int value(const std::string& name) const {
        const GameState& s = state();
        if (name == "x") return s.ManX;
        if (name == "y") return s.ManY;
        if (name == "col") return s.ManX % kCellSize == 0 ? s.ManX / kCellSize : -1;
        if (name == "row") return s.ManY % kCellSize == 0 ? s.ManY / kCellSize : -1;
        if (name == "falling") return s.ManFalling ? 1 : 0;
        if (name == "klads") return s.KladsLeft;
        if (name == "lives") return s.Lives;
        if (name == "slot") return static_cast<int>(slot());
        if (name == "hole") {
            int holes = 0;
            for (int i = 0; i < kRows * kCols; ++i)
                if (s.CellStates[i] >= 1 && s.CellStates[i] <= 18) ++holes;
            return holes;
        }
        if (name.size() >= 3 && name[0] == 'd') {
            std::size_t k = 1;
            while (k < name.size() && name[k] >= '0' && name[k] <= '9') ++k;
            if (k > 1) {
                const int devil = std::stoi(name.substr(1, k - 1)) - 1;
                if (devil < 0 || devil >= s.ShetsCount) throw std::runtime_error("no devil " + name.substr(1, k - 1));
                const int dx = s.ShetsX[devil], dy = s.ShetsY[devil];
                const std::string what = name.substr(k);
                if (what == "x") return dx;
                if (what == "y") return dy;
                if (what == "col") return dx % kCellSize == 0 ? dx / kCellSize : -1;
                if (what == "row") return dy % kCellSize == 0 ? dy / kCellSize : -1;
            }
        }
        throw std::runtime_error("unknown name \"" + name + "\"");
    }

    std::string describe() const {
        const GameState& s = state();
        std::ostringstream o;
        o << "slot " << slot() << ": man (" << s.ManX << "," << s.ManY << ")" << (s.ManFalling ? " falling" : "")
          << ", klads " << s.KladsLeft << ", lives " << s.Lives;
        for (int i = 0; i < s.ShetsCount; ++i) o << ", d" << i + 1 << " (" << s.ShetsX[i] << "," << s.ShetsY[i] << ")";
        return o.str();
    }

private:
    ClockedGame game_;
    Command last_ = Command::Stop;
    std::vector<std::string> script_;
};

// "x<=100 and d1col=5"
bool holds(const Player& p, const std::vector<std::string>& terms) {
    bool all = true;
    for (const std::string& t : terms) {
        if (t == "and") continue;
        static const char* ops[] = {"<=", ">=", "!=", "=", "<", ">"};
        std::size_t at = std::string::npos;
        std::string op;
        for (const char* candidate : ops) {
            at = t.find(candidate);
            if (at != std::string::npos) {
                op = candidate;
                break;
            }
        }
        if (at == std::string::npos || at == 0) throw std::runtime_error("bad condition \"" + t + "\"");
        const int lhs = p.value(t.substr(0, at));
        const int rhs = toInt(t.substr(at + op.size()));
        bool ok = false;
        if (op == "=") ok = lhs == rhs;
        else if (op == "!=") ok = lhs != rhs;
        else if (op == "<") ok = lhs < rhs;
        else if (op == ">") ok = lhs > rhs;
        else if (op == "<=") ok = lhs <= rhs;
        else ok = lhs >= rhs;
        all = all && ok;
    }
    return all;
}

void runUntil(Player& p, Command c, const std::vector<std::string>& cond) {
    const int64_t start = p.slot();
    while (!holds(p, cond)) {
        if (p.slot() - start > kUntilCap) throw std::runtime_error("the condition never held");
        p.step(c);
        if (p.ended()) return;
    }
}

void runLine(Player& p, const std::vector<std::string>& w) {
    const std::string& verb = w[0];
    Command c = Command::Stop;
    const bool move = verb == "left" || verb == "right" || verb == "up" || verb == "down";
    if (move || verb == "stop" || verb == "pause") {
        if (!commandFromName(verb, c)) throw std::runtime_error("unknown command " + verb);
        if (w.size() == 3 && w[1] == "to" && move) {
            const int cell = toInt(w[2]);
            const bool horizontal = verb == "left" || verb == "right";
            runUntil(p, c, {(horizontal ? "x=" : "y=") + std::to_string(cell * kCellSize)});
        } else if (w.size() >= 3 && w[1] == "until") {
            runUntil(p, c, {w.begin() + 2, w.end()});
        } else if (w.size() == 2) {
            for (int i = toInt(w[1]); i > 0 && !p.ended(); --i) p.step(c);
        } else {
            throw std::runtime_error("expected \"" + verb + " to N\", \"" + verb + " until ...\" or \"" + verb + " N\"");
        }
    } else if (verb == "wait") {
        if (w.size() >= 3 && w[1] == "until")
            runUntil(p, Command::Stop, {w.begin() + 2, w.end()});
        else if (w.size() == 2)
            for (int i = toInt(w[1]); i > 0 && !p.ended(); --i) p.step(Command::Stop);
        else
            throw std::runtime_error("expected \"wait N\" or \"wait until ...\"");
    } else if (verb == "fire") {
        if (w.size() != 1) throw std::runtime_error("\"fire\" takes nothing");
        if (p.lastCommand() == Command::Fire) p.step(Command::Stop);
        // A new hole, not a count: one that closes in the same slot must not
        // hide it.
        std::vector<int32_t> before;
        for (const auto& v : p.state().CellStates) before.push_back(v);
        p.step(Command::Fire);
        bool burnt = false;
        for (std::size_t i = 0; i < before.size(); ++i)
            burnt = burnt || (!isHoleState(before[i]) && isHoleState(p.state().CellStates[i]));
        if (!burnt) throw std::runtime_error("nothing was burnt");
    } else if (verb == "fall") {
        do p.step(Command::Stop);
        while (p.state().ManFalling && !p.ended());
    } else if (verb == "expect") {
        if (!holds(p, {w.begin() + 1, w.end()})) throw std::runtime_error("expectation failed");
    } else {
        throw std::runtime_error("unknown macro \"" + verb + "\"");
    }
}

}  // namespace

RouteResult buildRoute(const GameLevel& level, int levelNumber, const std::vector<std::string>& macro,
                       const std::string& macroName) {
    RouteResult result;
    Player p(level, levelNumber);
    p.script().push_back("# Generated by levelmake from " + macroName + ": edit the macro, not this file.");
    std::size_t lineNo = 0;
    try {
        for (; lineNo < macro.size(); ++lineNo) {
            const std::vector<std::string> w = words(macro[lineNo]);
            if (w.empty() || w[0][0] == '#') continue;
            if (p.ended()) throw std::runtime_error("the level ended before this line");
            runLine(p, w);
        }
        lineNo = macro.size();
        for (int64_t i = 0; i < kEndWait && !p.ended(); ++i) p.step(Command::Stop);
        if (p.state().GameResult != GameResult::LevelPassed) throw std::runtime_error("the level was not passed");
    } catch (const std::exception& e) {
        result.script = p.script();
        result.summary = macroName + (lineNo < macro.size() ? ":" + std::to_string(lineNo + 1) : std::string(":end")) +
                         ": " + e.what() + " (" + p.describe() + ")";
        return result;
    }
    result.script = p.script();

    // Replay the script as tamb-sim does: both must agree.
    std::vector<std::string> lines = result.script;
    const std::vector<ScriptEntry> entries = parseScript(lines);
    NullGameHost host;
    const RunSummary replay = runLevel(level, levelNumber, entries, RunOptions{}, host);
    if (replay.end != RunEnd::LevelPassed || replay.slot != p.slot()) {
        result.summary = macroName + ": the replay ended with " + std::string(runEndName(replay.end)) + " at slot " +
                         std::to_string(replay.slot) + ", the builder at slot " + std::to_string(p.slot());
        return result;
    }
    result.passed = true;
    result.summary = macroName + ": LevelPassed at slot " + std::to_string(p.slot()) + " (" +
                     std::to_string(p.slot() * TickPeriodMs(GameDelayForSpeed(100)) / 1000) + " s), lives " +
                     std::to_string(p.state().Lives);
    return result;
}

RouteResult buildRouteFile(const std::string& levelFile, const std::string& macroFile, const std::string& outFile) {
    const GameLevel level = decodeGameLevel(splitLines(readFile(levelFile)));
    int number = 1;
    const std::size_t at = levelFile.find_last_of('/');
    const std::string name = at == std::string::npos ? levelFile : levelFile.substr(at + 1);
    if (name.rfind("level", 0) == 0 && name.size() > 5) number = std::stoi(name.substr(5));
    const std::size_t m = macroFile.find_last_of('/');
    RouteResult r = buildRoute(level, number, splitLines(readFile(macroFile)),
                               m == std::string::npos ? macroFile : macroFile.substr(m + 1));
    writeLines(outFile, r.script);
    return r;
}

}  // namespace tamb::levelmake
