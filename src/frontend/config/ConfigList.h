#pragma once
#include <QStringList>

namespace tamb {

// The options as the configuration list keeps them: line 1 the game speed
// in decimal, line 2 "1" for sound effects on. Line 0 belongs to the editor;
// lines after the third are kept as they are.
namespace ConfigList {

constexpr int kDefaultSpeed = 100;

struct Options {
    int speed = kDefaultSpeed;  // 0..100
    bool sound = true;
};

// Gives a list shorter than three lines the missing ones with their
// defaults ("1", "100", "1"), so the options can always be applied.
void ensureHead(QStringList& lines);

// The list's reading of the options: a speed that is no whole number gives
// way to the default; any number is clamped into 0..100; sound only on "1".
Options read(QStringList& lines);

// Puts the options back into lines 1 and 2.
void write(QStringList& lines, const Options& options);

}  // namespace ConfigList
}  // namespace tamb
