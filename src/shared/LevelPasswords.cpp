#include "LevelPasswords.h"

namespace tamb {

void LevelPasswords::fillStandard() {
    static const char* const kPasswords[] = {"", "ryba", "7", "3", "9", "1", "5", "8", "2", "6", "41", "86", "27", "63"};
    entries_.fill(QString());
    for (int k = 1; k < static_cast<int>(std::size(kPasswords)); ++k)
        entries_[static_cast<size_t>(k)] = QLatin1String(kPasswords[k]);
}

int LevelPasswords::levelFor(const QString& typed) const {
    for (int i = 1; i <= kCount; ++i) {
        const QString& entry = entries_[static_cast<size_t>(i)];
        if (!entry.isEmpty() && typed == entry) return i;
    }
    return 0;
}

QString LevelPasswords::of(int level) const {
    return level >= 1 && level <= kCount ? entries_[static_cast<size_t>(level)] : QString();
}

void LevelPasswords::set(int level, const QString& password) {
    if (level >= 1 && level <= kCount) entries_[static_cast<size_t>(level)] = password;
}

}  // namespace tamb
