#include "Figures.h"

#include <cmath>

#include "Palette.h"
#include "TextSource.h"

namespace tamb::assetgen {

namespace {

QPointF lerp(QPointF a, QPointF b, double t) { return a + (b - a) * t; }

QPoint snap(QPointF p) { return QPoint(int(std::floor(p.x() + 0.5)), int(std::floor(p.y() + 0.5))); }

void plot(QImage& img, QPoint p, const QColor& c) {
    if (img.rect().contains(p)) img.setPixelColor(p, c);
}

// Plain Bresenham: hard pixels, no smoothing, like the rest of the sheet.
void line(QImage& img, QPoint a, QPoint b, const QColor& c) {
    int dx = std::abs(b.x() - a.x()), sx = a.x() < b.x() ? 1 : -1;
    int dy = -std::abs(b.y() - a.y()), sy = a.y() < b.y() ? 1 : -1;
    int err = dx + dy;
    QPoint p = a;
    for (;;) {
        plot(img, p, c);
        if (p == b) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; p.rx() += sx; }
        if (e2 <= dx) { err += dx; p.ry() += sy; }
    }
}

QColor shade(const QColor& c, double k) {
    return QColor::fromRgbF(float(c.redF() * k), float(c.greenF() * k), float(c.blueF() * k));
}

}  // namespace

Pose Pose::blend(const Pose& a, const Pose& b, double t) {
    Pose p;
    p.head = lerp(a.head, b.head, t);
    p.neck = lerp(a.neck, b.neck, t);
    p.hip = lerp(a.hip, b.hip, t);
    p.backElbow = lerp(a.backElbow, b.backElbow, t);
    p.backHand = lerp(a.backHand, b.backHand, t);
    p.frontElbow = lerp(a.frontElbow, b.frontElbow, t);
    p.frontHand = lerp(a.frontHand, b.frontHand, t);
    p.backKnee = lerp(a.backKnee, b.backKnee, t);
    p.backFoot = lerp(a.backFoot, b.backFoot, t);
    p.frontKnee = lerp(a.frontKnee, b.frontKnee, t);
    p.frontFoot = lerp(a.frontFoot, b.frontFoot, t);
    p.showFace = t < 0.5 ? a.showFace : b.showFace;
    return p;
}

void Figures::load(const QString& path) {
    TextSource src(path);
    while (!src.atEnd()) {
        const SourceLine head = src.next();
        const QString& kind = head.word(0);
        if (kind == QStringLiteral("anim")) {
            QStringList keys = head.words.mid(2);
            if (keys.isEmpty()) head.fail(QStringLiteral("an anim needs at least one pose"));
            for (const QString& k : keys)
                if (!poses_.contains(k)) head.fail(QStringLiteral("unknown pose '%1'").arg(k));
            anims_.insert(head.word(1), keys);
        } else if (kind == QStringLiteral("style")) {
            FigureStyle s;
            for (SourceLine l = src.next(); l.word(0) != QStringLiteral("end"); l = src.next()) {
                const QString& k = l.word(0);
                auto offsets = [&l]() {
                    std::vector<QPoint> pts;
                    for (int i = 2; i + 1 < l.words.size(); i += 2) pts.emplace_back(l.integer(i), l.integer(i + 1));
                    return pts;
                };
                if (k == QStringLiteral("head")) s.head = parseColour(l, 1);
                else if (k == QStringLiteral("hair")) s.hair = parseColour(l, 1);
                else if (k == QStringLiteral("eye")) s.eye = parseColour(l, 1);
                else if (k == QStringLiteral("body")) s.body = parseColour(l, 1);
                else if (k == QStringLiteral("arm")) s.arm = parseColour(l, 1);
                else if (k == QStringLiteral("leg")) s.leg = parseColour(l, 1);
                else if (k == QStringLiteral("foot")) s.foot = parseColour(l, 1);
                else if (k == QStringLiteral("backshade")) s.backShade = l.real(1);
                else if (k == QStringLiteral("headradius")) s.headRadius = l.integer(1);
                else if (k == QStringLiteral("bodywidth")) s.bodyWidth = l.integer(1);
                else if (k == QStringLiteral("legwidth")) s.legWidth = l.integer(1);
                else if (k == QStringLiteral("horns")) { s.horn = parseColour(l, 1); s.horns = offsets(); }
                else if (k == QStringLiteral("tail")) { s.tail = parseColour(l, 1); s.tailPath = offsets(); }
                else l.fail(QStringLiteral("unknown style key"));
            }
            styles_.insert(head.word(1), s);
        } else if (kind == QStringLiteral("pose")) {
            Pose p;
            for (SourceLine l = src.next(); l.word(0) != QStringLiteral("end"); l = src.next()) {
                const QString& k = l.word(0);
                auto pt = [&l](int i) { return QPointF(l.real(i), l.real(i + 1)); };
                if (k == QStringLiteral("head")) p.head = pt(1);
                else if (k == QStringLiteral("neck")) p.neck = pt(1);
                else if (k == QStringLiteral("hip")) p.hip = pt(1);
                else if (k == QStringLiteral("backarm")) { p.backElbow = pt(1); p.backHand = pt(3); }
                else if (k == QStringLiteral("frontarm")) { p.frontElbow = pt(1); p.frontHand = pt(3); }
                else if (k == QStringLiteral("backleg")) { p.backKnee = pt(1); p.backFoot = pt(3); }
                else if (k == QStringLiteral("frontleg")) { p.frontKnee = pt(1); p.frontFoot = pt(3); }
                else if (k == QStringLiteral("back")) p.showFace = false;
                else l.fail(QStringLiteral("unknown joint"));
            }
            poses_.insert(head.word(1), p);
        } else {
            head.fail(QStringLiteral("expected style, pose or anim"));
        }
    }
}

const FigureStyle& Figures::style(const QString& name) const {
    auto it = styles_.find(name);
    if (it == styles_.end()) throw SourceError(QStringLiteral("no figure style '%1'").arg(name));
    return it.value();
}

QImage Figures::drawPose(const QString& styleName, const QString& pose, bool mirrored) const {
    auto it = poses_.find(pose);
    if (it == poses_.end()) throw SourceError(QStringLiteral("no pose '%1'").arg(pose));
    return draw(style(styleName), it.value(), mirrored);
}

QImage Figures::drawAnimFrame(const QString& styleName, const QString& anim, int index, int count, bool mirrored) const {
    auto it = anims_.find(anim);
    if (it == anims_.end()) throw SourceError(QStringLiteral("no anim '%1'").arg(anim));
    const QStringList& keys = it.value();
    const double t = double(index) * keys.size() / count;
    const int k = int(std::floor(t + 1e-9));
    const double f = t - k;
    const Pose& a = poses_[keys[k % keys.size()]];
    const Pose& b = poses_[keys[(k + 1) % keys.size()]];
    return draw(style(styleName), Pose::blend(a, b, f < 1e-9 ? 0.0 : f), mirrored);
}

QImage Figures::draw(const FigureStyle& s, const Pose& p, bool mirrored) const {
    QImage img(20, 20, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    const QColor backArm = shade(s.arm, s.backShade), backLeg = shade(s.leg, s.backShade);
    const QPoint head = snap(p.head), neck = snap(p.neck), hip = snap(p.hip);

    auto limb = [&img](QPoint root, QPointF joint, QPointF end, const QColor& c) {
        line(img, root, snap(joint), c);
        line(img, snap(joint), snap(end), c);
    };
    auto foot = [&img](QPointF f, const QColor& c) { plot(img, snap(f) + QPoint(1, 0), c); };

    limb(neck + QPoint(0, 1), p.backElbow, p.backHand, backArm);
    auto leg = [&](QPointF knee, QPointF end, const QColor& c) {
        for (int w = s.legWidth - 1; w >= 0; --w) limb(hip - QPoint(w, 0), knee - QPointF(w, 0), end - QPointF(w, 0), c);
    };
    leg(p.backKnee, p.backFoot, backLeg);
    foot(p.backFoot, shade(s.foot, s.backShade));
    if (s.tail.isValid() && !s.tailPath.empty()) {
        QPoint prev = hip;
        for (QPoint o : s.tailPath) {
            line(img, prev, hip + o, s.tail);
            prev = hip + o;
        }
    }
    // Torso: a few pixels wide, from the neck down to the hip.
    for (int w = 0; w < s.bodyWidth; ++w) {
        const QPoint off(w - (s.bodyWidth - 1) / 2, 0);
        line(img, neck + off, hip + off, s.body);
    }
    // Head: a pixel disc with hair on top and an eye on the facing side.
    const int r = s.headRadius;
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (dx * dx + dy * dy <= r * r + r / 2 + 1) {
                const bool hairRow = s.hair.isValid() && (dy == -r || (!p.showFace && dy < 0) || (dy == -r + 1 && dx < 0 && p.showFace));
                plot(img, head + QPoint(dx, dy), hairRow ? s.hair : s.head);
            }
    if (p.showFace && s.eye.isValid()) plot(img, head + QPoint(r - 1, 0), s.eye);
    for (QPoint o : s.horns) plot(img, head + o, s.horn);
    leg(p.frontKnee, p.frontFoot, s.leg);
    foot(p.frontFoot, s.foot);
    limb(neck + QPoint(0, 1), p.frontElbow, p.frontHand, s.arm);
    return mirrored ? img.mirrored(true, false) : img;
}

}  // namespace tamb::assetgen
