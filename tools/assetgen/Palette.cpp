#include "Palette.h"

#include "TextSource.h"

namespace tamb::assetgen {

QColor parseColour(const SourceLine& line, int index) {
    const QString& w = line.word(index);
    const QColor c = QColor::fromString(w);
    if (!w.startsWith(u'#') || !c.isValid()) line.fail(QStringLiteral("'%1' is not a colour").arg(w));
    return c;
}

void Palette::load(const QString& path) {
    TextSource src(path);
    while (!src.atEnd()) {
        const SourceLine l = src.next();
        // colour <char> <#rrggbb> [name...]
        if (l.word(0) != QStringLiteral("colour") || l.word(1).size() != 1)
            l.fail(QStringLiteral("expected: colour <one character> <#rrggbb>"));
        const QChar c = l.word(1)[0];
        if (c == u'.') l.fail(QStringLiteral("'.' is reserved for transparent"));
        colours_.insert(c, parseColour(l, 2));
    }
}

QColor Palette::colour(QChar c) const {
    if (c == u'.') return QColor(0, 0, 0, 0);
    return colours_.value(c, QColor(255, 0, 255));
}

}  // namespace tamb::assetgen
