#include "PixelArt.h"

#include "TextSource.h"

namespace tamb::assetgen {

void PixelArt::load(const QString& path) {
    TextSource src(path);
    while (!src.atEnd()) {
        const SourceLine head = src.next();
        if (head.word(0) != QStringLiteral("art") || head.words.size() != 2)
            head.fail(QStringLiteral("expected: art <name>"));
        const QStringList rows = src.readRawUntilEnd(head);
        int width = 0;
        for (const QString& r : rows) width = std::max<int>(width, r.trimmed().size());
        if (rows.isEmpty() || width == 0) head.fail(QStringLiteral("empty art"));
        QImage img(width, rows.size(), QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        for (int y = 0; y < rows.size(); ++y) {
            const QString r = rows[y].trimmed();
            if (r.size() != width)
                head.fail(QStringLiteral("row %1 of '%2' is %3 wide, expected %4").arg(y + 1).arg(head.word(1)).arg(r.size()).arg(width));
            for (int x = 0; x < width; ++x) {
                if (!palette_.contains(r[x]))
                    head.fail(QStringLiteral("row %1 of '%2' uses '%3', which is not in the palette").arg(y + 1).arg(head.word(1)).arg(r[x]));
                img.setPixelColor(x, y, palette_.colour(r[x]));
            }
        }
        art_.insert(head.word(1), img);
    }
}

QImage PixelArt::image(const QString& name) const {
    auto it = art_.find(name);
    if (it == art_.end()) throw SourceError(QStringLiteral("no art named '%1'").arg(name));
    return it.value();
}

}  // namespace tamb::assetgen
