#pragma once
#include <QColor>
#include <QImage>
#include <QMap>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <vector>

namespace tamb::assetgen {

// A pose of a small jointed figure, facing right, in 20x20 cell pixels.
struct Pose {
    QPointF head, neck, hip;
    QPointF backElbow, backHand, frontElbow, frontHand;
    QPointF backKnee, backFoot, frontKnee, frontFoot;
    bool showFace = true;  // false: seen from behind (climbing)

    static Pose blend(const Pose& a, const Pose& b, double t);
};

// How one kind of figure (the man, a devil) is dressed.
struct FigureStyle {
    QColor head, hair, eye, body, arm, leg, foot;
    double backShade = 0.6;  // limbs on the far side are darker
    int headRadius = 2;
    int bodyWidth = 2;
    int legWidth = 1;  // legs drawn this many pixels wide, growing backwards
    QColor horn;
    std::vector<QPoint> horns;  // offsets from the head centre, facing right
    QColor tail;
    std::vector<QPoint> tailPath;  // offsets from the hip, facing right
};

// Styles, poses and animations read from a figures source:
//   style <name> ... end     (key #colour / key number / horns #c dx dy ... / tail #c dx dy ...)
//   pose <name> ... end      (joint x y; arm/leg lines give elbow-hand / knee-foot)
//   anim <name> <pose> <pose> ...   (cyclic keys; frames between them are blended)
class Figures {
public:
    void load(const QString& path);
    QImage drawPose(const QString& style, const QString& pose, bool mirrored) const;
    // Frame `index` (0-based) of `count` frames of an animation.
    QImage drawAnimFrame(const QString& style, const QString& anim, int index, int count, bool mirrored) const;

private:
    QImage draw(const FigureStyle& s, const Pose& p, bool mirrored) const;
    const FigureStyle& style(const QString& name) const;
    QMap<QString, FigureStyle> styles_;
    QMap<QString, Pose> poses_;
    QMap<QString, QStringList> anims_;
};

}  // namespace tamb::assetgen
