#pragma once
#include <QString>
#include <array>

namespace tamb {

// The password of each level: entries 1..30, entry 0 unused. An empty entry
// is no password and never opens its level.
class LevelPasswords {
public:
    static constexpr int kCount = 30;

    // The table the game ships with (levels 1 to 13 have passwords).
    void fillStandard();
    // The level a typed text opens, or 0.
    int levelFor(const QString& typed) const;
    // The password of level n, empty when it has none (or n is out of range).
    QString of(int level) const;
    void set(int level, const QString& password);

private:
    std::array<QString, kCount + 1> entries_;
};

}  // namespace tamb
