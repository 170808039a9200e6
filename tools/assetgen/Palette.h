#pragma once
#include <QColor>
#include <QHash>
#include <QString>

namespace tamb::assetgen {

struct SourceLine;

// "#rrggbb" (or "#aarrggbb"); a bad colour is a source error on that line.
QColor parseColour(const SourceLine& line, int index);

// Maps the characters of pixel art to colours. '.' is always transparent.
class Palette {
public:
    void load(const QString& path);
    bool contains(QChar c) const { return c == u'.' || colours_.contains(c); }
    QColor colour(QChar c) const;

private:
    QHash<QChar, QColor> colours_;
};

}  // namespace tamb::assetgen
