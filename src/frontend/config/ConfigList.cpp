#include "ConfigList.h"

#include <algorithm>

namespace tamb::ConfigList {

namespace {
const QStringList kDefaultHead{QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("1")};
}

void ensureHead(QStringList& lines) {
    while (lines.size() < kDefaultHead.size()) lines.append(kDefaultHead.at(lines.size()));
}

Options read(QStringList& lines) {
    ensureHead(lines);
    Options o;
    bool ok = false;
    const int fromList = lines.at(1).trimmed().toInt(&ok, 10);
    o.speed = std::clamp(ok ? fromList : kDefaultSpeed, 0, 100);
    o.sound = lines.at(2) == QStringLiteral("1");
    return o;
}

void write(QStringList& lines, const Options& options) {
    ensureHead(lines);
    lines[2] = options.sound ? QStringLiteral("1") : QStringLiteral("0");
    lines[1] = QString::number(options.speed);
}

}  // namespace tamb::ConfigList
