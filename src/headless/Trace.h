#pragma once
#include <cstdint>
#include <string>

#include "GameState.h"
#include "HeadlessRun.h"

namespace tamb {

// One JSON object per slot / for the end of the run (no line end).
std::string traceLine(const GameState& s, int64_t slot, Command command);
std::string endLine(const RunSummary& summary);

}  // namespace tamb
