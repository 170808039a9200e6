#include "PictureScript.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdint>

#include "Palette.h"
#include "TextSource.h"

namespace tamb::assetgen {

namespace {

// Small fixed generator so the same seed always gives the same picture.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : s_(seed * 2654435761u + 1u) {}
    double next() {
        s_ = s_ * 1664525u + 1013904223u;
        return double(s_ >> 8) / double(1u << 24);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    uint32_t s_;
};

void applyBorder(QPainter& p, const SourceLine& l, int at) {
    if (l.words.size() > at && l.word(at) == QStringLiteral("border")) {
        QPen pen(parseColour(l, at + 1));
        pen.setWidthF(l.real(at + 2));
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
}

QRectF rectAt(const SourceLine& l, int i) { return QRectF(l.real(i), l.real(i + 1), l.real(i + 2), l.real(i + 3)); }

void gradient(QPainter& p, const SourceLine& l, bool vertical) {
    const QRectF r = rectAt(l, 1);
    QLinearGradient g(r.topLeft(), vertical ? r.bottomLeft() : r.topRight());
    const int n = int(l.words.size()) - 5;
    if (n < 2) l.fail(QStringLiteral("a gradient needs two colours or more"));
    for (int i = 0; i < n; ++i) g.setColorAt(double(i) / (n - 1), parseColour(l, 5 + i));
    p.fillRect(r, g);
}

void clouds(QPainter& p, const SourceLine& l) {
    Lcg rnd(uint32_t(l.integer(1)));
    const int count = l.integer(2);
    const QRectF area = rectAt(l, 3);
    const QColor c = parseColour(l, 7);
    const double size = l.option(QStringLiteral("size"), 40);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(rnd.range(area.left(), area.right()), rnd.range(area.top(), area.bottom()));
        const double w = size * rnd.range(0.7, 1.4);
        const int puffs = 4 + int(rnd.next() * 3);
        for (int k = 0; k < puffs; ++k) {
            const QPointF pc = centre + QPointF(rnd.range(-w / 2, w / 2), rnd.range(-w / 8, w / 10));
            const double r = w * rnd.range(0.18, 0.32);
            QRadialGradient g(pc, r);
            g.setColorAt(0, c);
            QColor edge = c;
            edge.setAlpha(0);
            g.setColorAt(1, edge);
            p.setBrush(g);
            p.drawEllipse(pc, r, r * 0.7);
        }
    }
}

void stars(QPainter& p, const SourceLine& l) {
    Lcg rnd(uint32_t(l.integer(1)));
    const int count = l.integer(2);
    const QRectF area = rectAt(l, 3);
    const QColor c = parseColour(l, 7);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rnd.range(area.left(), area.right()), rnd.range(area.top(), area.bottom()));
        QColor s = c;
        s.setAlphaF(float(c.alphaF() * rnd.range(0.4, 1.0)));
        p.fillRect(QRectF(at, QSizeF(1, 1)), s);
    }
}

void text(QPainter& p, const SourceLine& l) {
    const QRectF box = rectAt(l, 1);
    const QString s = l.word(5);
    QFont f(l.optionText(QStringLiteral("font"), QStringLiteral("Liberation Sans")));
    f.setPixelSize(int(l.option(QStringLiteral("size"), 20)));
    f.setBold(l.hasWord(QStringLiteral("bold")));
    f.setItalic(l.hasWord(QStringLiteral("italic")));
    f.setLetterSpacing(QFont::AbsoluteSpacing, l.option(QStringLiteral("spacing"), 0));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);

    QPainterPath path;
    path.addText(0, 0, f, s);
    const QRectF bounds = path.boundingRect();
    const QString align = l.optionText(QStringLiteral("align"), QStringLiteral("center"));
    double x = box.left() - bounds.left();
    if (align == QStringLiteral("center")) x = box.center().x() - bounds.center().x();
    else if (align == QStringLiteral("right")) x = box.right() - bounds.right();
    // Vertically the ink is centred in the box, whatever the font's ascent.
    const double y = box.center().y() - bounds.center().y();
    path.translate(x, y);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int si = int(l.words.indexOf(QStringLiteral("shadow")));
    if (si > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(parseColour(l, si + 1));
        p.drawPath(path.translated(l.real(si + 2), l.real(si + 3)));
    }
    const int oi = int(l.words.indexOf(QStringLiteral("outline")));
    if (oi > 0) {
        QPen pen(parseColour(l, oi + 1));
        pen.setWidthF(l.real(oi + 2) * 2);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    const int gi = int(l.words.indexOf(QStringLiteral("gradient")));
    if (gi > 0) {
        const QRectF ink = path.boundingRect();
        QLinearGradient g(ink.topLeft(), ink.bottomLeft());
        g.setColorAt(0, parseColour(l, gi + 1));
        g.setColorAt(1, parseColour(l, gi + 2));
        p.setBrush(g);
    } else {
        p.setBrush(QColor::fromString(l.optionText(QStringLiteral("colour"), QStringLiteral("#ffffff"))));
    }
    p.drawPath(path);
    p.restore();
}

}  // namespace

std::vector<Picture> PictureScript::run(const QString& path) const {
    TextSource src(path);
    std::vector<Picture> out;
    while (!src.atEnd()) {
        const SourceLine head = src.next();
        if (head.word(0) != QStringLiteral("picture") || head.words.size() != 5)
            head.fail(QStringLiteral("expected: picture <pics|graphics> <name> <width> <height>"));
        Picture pic{head.word(1), head.word(2), QImage(head.integer(3), head.integer(4), QImage::Format_ARGB32)};
        if (pic.folder != QStringLiteral("pics") && pic.folder != QStringLiteral("graphics"))
            head.fail(QStringLiteral("folder must be pics or graphics"));
        pic.image.fill(pic.name.endsWith(QStringLiteral(".png")) ? Qt::transparent : Qt::black);
        QPainter p(&pic.image);
        p.setRenderHint(QPainter::Antialiasing);
        for (SourceLine l = src.next(); l.word(0) != QStringLiteral("end"); l = src.next()) {
            const QString& cmd = l.word(0);
            if (cmd == QStringLiteral("fill")) {
                p.fillRect(pic.image.rect(), parseColour(l, 1));
            } else if (cmd == QStringLiteral("vgradient") || cmd == QStringLiteral("hgradient")) {
                gradient(p, l, cmd == QStringLiteral("vgradient"));
            } else if (cmd == QStringLiteral("clouds")) {
                clouds(p, l);
            } else if (cmd == QStringLiteral("stars")) {
                stars(p, l);
            } else if (cmd == QStringLiteral("rect") || cmd == QStringLiteral("ellipse")) {
                applyBorder(p, l, 6);
                p.setBrush(parseColour(l, 5));
                if (cmd == QStringLiteral("rect")) p.drawRect(rectAt(l, 1));
                else p.drawEllipse(rectAt(l, 1));
            } else if (cmd == QStringLiteral("roundrect")) {
                applyBorder(p, l, 7);
                p.setBrush(parseColour(l, 6));
                p.drawRoundedRect(rectAt(l, 1), l.real(5), l.real(5));
            } else if (cmd == QStringLiteral("radial")) {
                const QPointF c(l.real(1), l.real(2));
                QRadialGradient g(c, l.real(3));
                g.setColorAt(0, parseColour(l, 4));
                g.setColorAt(1, parseColour(l, 5));
                p.setPen(Qt::NoPen);
                p.setBrush(g);
                p.drawEllipse(c, l.real(3), l.real(3));
            } else if (cmd == QStringLiteral("line")) {
                QPen pen(parseColour(l, 5));
                pen.setWidthF(l.real(6));
                pen.setCapStyle(Qt::FlatCap);
                p.setPen(pen);
                p.drawLine(QPointF(l.real(1), l.real(2)), QPointF(l.real(3), l.real(4)));
            } else if (cmd == QStringLiteral("bevel")) {
                const QRectF r = rectAt(l, 1);
                const QColor light = parseColour(l, 5), dark = parseColour(l, 6);
                const double w = l.real(7);
                p.fillRect(QRectF(r.left(), r.top(), r.width(), w), light);
                p.fillRect(QRectF(r.left(), r.top(), w, r.height()), light);
                p.fillRect(QRectF(r.left(), r.bottom() - w, r.width(), w), dark);
                p.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), dark);
            } else if (cmd == QStringLiteral("text")) {
                text(p, l);
            } else if (cmd == QStringLiteral("sprite")) {
                QImage part = sheet_.copy(l.integer(1), l.integer(2), l.integer(3), l.integer(4));
                // "key": black is the sheet's background and shows what lies below.
                if (l.hasWord(QStringLiteral("key"))) {
                    part = part.convertToFormat(QImage::Format_ARGB32);
                    for (int y = 0; y < part.height(); ++y)
                        for (int x = 0; x < part.width(); ++x)
                            if ((part.pixel(x, y) & 0xffffff) == 0) part.setPixel(x, y, 0);
                }
                p.save();
                p.setRenderHint(QPainter::SmoothPixmapTransform, false);
                p.drawImage(QRect(l.integer(5), l.integer(6), l.integer(7), l.integer(8)), part);
                p.restore();
            } else {
                l.fail(QStringLiteral("unknown drawing command"));
            }
        }
        p.end();
        out.push_back(std::move(pic));
    }
    return out;
}

}  // namespace tamb::assetgen
