#pragma once
#include <filesystem>
#include <vector>

#include "GameLevel.h"
#include "HeadlessRun.h"

// The shipped level files and their routes, as the campaign tests read them.
namespace campaign {

std::filesystem::path levelsDir();
// The numbers of the level files, in order.
std::vector<int> levelNumbers();
std::filesystem::path levelFile(int n);
std::filesystem::path routeFile(int n);
tamb::GameLevel readLevel(int n);
std::vector<tamb::ScriptEntry> readRoute(int n);

}  // namespace campaign
