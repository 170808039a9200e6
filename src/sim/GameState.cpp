#include "GameState.h"

#include <array>

namespace tamb {

namespace {
constexpr std::array<std::string_view, 9> kCommandNames = {"left", "right", "up", "down", "fire",
                                                           "stop", "pause", "exit", "UserKillsMan"};
}

std::string_view commandName(Command c) { return kCommandNames[static_cast<size_t>(c)]; }

bool commandFromName(std::string_view text, Command& out) {
    for (size_t i = 0; i < kCommandNames.size(); ++i) {
        if (kCommandNames[i] == text) {
            out = static_cast<Command>(i);
            return true;
        }
    }
    return false;
}

std::string_view resultName(GameResult r) {
    switch (r) {
        case GameResult::Normal: return "normal";
        case GameResult::ManKilled: return "ManKilled";
        case GameResult::LevelPassed: return "LevelPassed";
    }
    return "normal";
}

std::string_view facingName(Facing f) {
    switch (f) {
        case Facing::None: return "";
        case Facing::Left: return "left";
        case Facing::Right: return "right";
        case Facing::FireLeft: return "fireleft";
        case Facing::FireRight: return "fireright";
    }
    return "";
}

std::string_view directionName(Direction d) {
    switch (d) {
        case Direction::Stop: return "stop";
        case Direction::Left: return "left";
        case Direction::Right: return "right";
        case Direction::Up: return "up";
        case Direction::Down: return "down";
    }
    return "stop";
}

}  // namespace tamb
