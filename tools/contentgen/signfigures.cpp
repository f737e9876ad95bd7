#include "signfigures.h"

#include "drawkit.h"

#include <QPainter>
#include <QTransform>

#include <cmath>
#include <numbers>

using namespace DrawKit;

namespace SignFigures {

namespace {

constexpr qreal kDeg = std::numbers::pi / 180;

QPainterPath spiral(QPointF centre, qreal r0, qreal r1, qreal a0Deg, qreal a1Deg, int steps = 120)
{
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const qreal f = qreal(i) / steps;
        const qreal a = (a0Deg + (a1Deg - a0Deg) * f) * kDeg;
        const qreal r = r0 + (r1 - r0) * f;
        const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

void goldPair(QPainter &p, const QPainterPath &right, qreal outline = 1.5)
{
    gold(p, mirrored(right), outline);
    gold(p, right, outline);
}

void aries(QPainter &p)
{
    // Horns curl outwards and down from the crown, ending near the cheeks.
    const QPainterPath spine = spiral(QPointF(31, -6), 31, 7, -128, 215);
    const WidthFn width = [](qreal t) { return 16 - 12 * t; };
    const QPainterPath horn = ribbon(spine, width);
    const QPainterPath ridges = crossLines(spine, width, 0.08, 0.8, 11, 0.75);

    goldPair(p, horn);
    carve(p, ridges, 1.1);
    carve(p, mirrored(ridges), 1.1);

    QPainterPath face;
    face.moveTo(0, -36);
    face.cubicTo(13, -36, 20, -27, 19, -13);
    face.cubicTo(18, 2, 13, 20, 12, 32);
    face.cubicTo(11, 44, -11, 44, -12, 32);
    face.cubicTo(-13, 20, -18, 2, -19, -13);
    face.cubicTo(-20, -27, -13, -36, 0, -36);
    face.closeSubpath();
    gold(p, face);

    // Woolly forelock.
    QPainterPath wool;
    for (const QPointF c :
         {QPointF(-8, -26), QPointF(0, -29), QPointF(8, -26), QPointF(-4, -19), QPointF(4, -19)}) {
        wool.moveTo(c + QPointF(3.5, 0));
        wool.arcTo(QRectF(c - QPointF(3.5, 3.5), QSizeF(7, 7)), 0, 250);
    }
    carve(p, wool, 1.1);

    hole(p, ellipse(QPointF(-11, -4), 4.2, 2.2, 20));
    hole(p, ellipse(QPointF(11, -4), 4.2, 2.2, -20));
    QPainterPath muzzle;
    muzzle.moveTo(-6, 26);
    muzzle.quadTo(-3, 31, -5, 35);
    muzzle.moveTo(6, 26);
    muzzle.quadTo(3, 31, 5, 35);
    muzzle.moveTo(-5, 39);
    muzzle.quadTo(0, 41, 5, 39);
    carve(p, muzzle, 1.6);
}

void taurus(QPainter &p)
{
    QPainterPath hornSpine;
    hornSpine.moveTo(12, -26);
    hornSpine.cubicTo(38, -26, 58, -34, 44, -60);
    const WidthFn hornWidth = [](qreal t) { return 15 * (1 - t) + 1.5; };
    const QPainterPath horn = ribbon(hornSpine, hornWidth);

    QPainterPath ear;
    ear.moveTo(20, -18);
    ear.cubicTo(30, -28, 48, -26, 54, -14);
    ear.cubicTo(44, -6, 30, -6, 20, -8);
    ear.closeSubpath();

    goldPair(p, horn);
    carve(p, crossLines(hornSpine, hornWidth, 0.1, 0.35, 3, 0.9), 1.0);
    carve(p, mirrored(crossLines(hornSpine, hornWidth, 0.1, 0.35, 3, 0.9)), 1.0);
    goldPair(p, ear);
    carve(p, ellipse(QPointF(38, -15), 9, 3, -10), 1.0);
    carve(p, ellipse(QPointF(-38, -15), 9, 3, 10), 1.0);

    QPainterPath head;
    head.moveTo(0, -34);
    head.cubicTo(18, -34, 27, -28, 27, -14);
    head.cubicTo(27, 0, 20, 10, 19, 22);
    head.lineTo(-19, 22);
    head.cubicTo(-20, 10, -27, 0, -27, -14);
    head.cubicTo(-27, -28, -18, -34, 0, -34);
    head.closeSubpath();
    gold(p, head);

    QPainterPath muzzle;
    muzzle.moveTo(-20, 18);
    muzzle.cubicTo(-10, 14, 10, 14, 20, 18);
    muzzle.cubicTo(26, 22, 26, 34, 22, 38);
    muzzle.cubicTo(14, 43, -14, 43, -22, 38);
    muzzle.cubicTo(-26, 34, -26, 22, -20, 18);
    muzzle.closeSubpath();
    gold(p, muzzle);
    hole(p, ellipse(QPointF(-12, 28), 2.6, 4.5, 35));
    hole(p, ellipse(QPointF(12, 28), 2.6, 4.5, -35));
    carve(p, polyline({{-8, 36}, {0, 38}, {8, 36}}), 1.2);

    // Forehead curls and the eyes.
    QPainterPath curls;
    for (const QPointF c : {QPointF(-7, -25), QPointF(0, -27), QPointF(7, -25)}) {
        curls.moveTo(c + QPointF(3, 0));
        curls.arcTo(QRectF(c - QPointF(3, 3), QSizeF(6, 6)), 0, 270);
    }
    carve(p, curls, 1.1);
    hole(p, ellipse(QPointF(-15, -6), 4.5, 2.5, 25));
    hole(p, ellipse(QPointF(15, -6), 4.5, 2.5, -25));

    // Nose ring.
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 47), 7, 6);
    gold(p, stroked(ring, 3.2), 1.0);
}

void human(QPainter &p, QPointF at, bool innerArmLeft)
{
    // A robed figure; the inner arm reaches towards the twin.
    const qreal s = innerArmLeft ? -1 : 1;
    auto pt = [&](qreal x, qreal y) { return at + QPointF(s * x, y); };

    QPainterPath outerArm;
    outerArm.moveTo(pt(10, -24));
    outerArm.quadTo(pt(18, -12), pt(16, 6));
    gold(p, stroked(outerArm, 7));

    QPainterPath innerArm;
    innerArm.moveTo(pt(-10, -24));
    innerArm.quadTo(pt(-18, -14), pt(-22, -4));
    gold(p, stroked(innerArm, 7));

    QPainterPath robe;
    robe.moveTo(pt(-10, -30));
    robe.cubicTo(pt(-4, -32), pt(4, -32), pt(10, -30));
    robe.cubicTo(pt(14, -28), pt(13, -20), pt(11, -10));
    robe.cubicTo(pt(11, 6), pt(15, 28), pt(17, 42));
    robe.cubicTo(pt(6, 45), pt(-6, 45), pt(-17, 42));
    robe.cubicTo(pt(-15, 28), pt(-11, 6), pt(-11, -10));
    robe.cubicTo(pt(-13, -20), pt(-14, -28), pt(-10, -30));
    robe.closeSubpath();
    gold(p, robe);
    QPainterPath folds;
    folds.moveTo(pt(0, -2));
    folds.quadTo(pt(1, 20), pt(-1, 40));
    folds.moveTo(pt(-11, -6));
    folds.quadTo(pt(0, -2), pt(11, -6));
    carve(p, folds, 1.2);

    gold(p, circle(pt(0, -40), 9.5));
}

void gemini(QPainter &p)
{
    human(p, QPointF(-22, 0), false);
    human(p, QPointF(22, 0), true);
    // Joined hands.
    gold(p, circle(QPointF(0, -4), 4.5));
    gold(p, star(QPointF(-22, -60), 6.5, 2.6, 5), 0);
    gold(p, star(QPointF(22, -60), 6.5, 2.6, 5), 0);
}

QPainterPath claw(QPointF centre, qreal rx, qreal ry, qreal angleDeg, qreal gapDeg)
{
    // An oval with a wedge cut out: reads as an open pincer.
    QPainterPath oval = ellipse(QPointF(0, 0), rx, ry);
    QPainterPath wedge;
    const qreal r = 3 * std::max(rx, ry);
    wedge.moveTo(0, ry * 0.15);
    wedge.lineTo(r * std::sin(-gapDeg / 2 * kDeg), -r * std::cos(gapDeg / 2 * kDeg));
    wedge.lineTo(r * std::sin(gapDeg / 2 * kDeg), -r * std::cos(gapDeg / 2 * kDeg));
    wedge.closeSubpath();
    return moved(oval.subtracted(wedge), centre, angleDeg);
}

void cancer(QPainter &p)
{
    const QPointF knees[] = {{42, -8}, {47, 3}, {47, 14}, {42, 24}};
    const QPointF tips[] = {{56, 4}, {61, 17}, {59, 31}, {50, 40}};
    const qreal roots[] = {-2, 8, 17, 24};
    for (int i = 0; i < 4; ++i) {
        QPainterPath leg;
        leg.moveTo(20, roots[i]);
        leg.lineTo(knees[i]);
        leg.lineTo(tips[i]);
        goldPair(p, stroked(leg, 5.5));
    }

    QPainterPath arm;
    arm.moveTo(14, -6);
    arm.lineTo(30, -18);
    arm.lineTo(31, -30);
    goldPair(p, stroked(arm, 8));
    goldPair(p, claw(QPointF(31, -43), 12, 16, 12, 40));

    QPainterPath stalks;
    stalks.moveTo(-6, -10);
    stalks.lineTo(-8, -22);
    stalks.moveTo(6, -10);
    stalks.lineTo(8, -22);
    gold(p, stroked(stalks, 3));
    gold(p, circle(QPointF(-8, -23), 3.5));
    gold(p, circle(QPointF(8, -23), 3.5));

    QPainterPath shell;
    shell.moveTo(0, -16);
    shell.cubicTo(22, -16, 34, -4, 33, 8);
    shell.cubicTo(32, 24, 16, 32, 0, 32);
    shell.cubicTo(-16, 32, -32, 24, -33, 8);
    shell.cubicTo(-34, -4, -22, -16, 0, -16);
    shell.closeSubpath();
    gold(p, shell);

    QPainterPath marks;
    marks.moveTo(-26, -2);
    marks.quadTo(0, -14, 26, -2);
    carve(p, marks, 1.3);
}

void leo(QPainter &p)
{
    // Mane: a ring of pointed locks around the face.
    const QPointF mc(0, -4);
    QPainterPath mane;
    const int locks = 15;
    for (int i = 0; i <= 300; ++i) {
        const qreal a = i * 2 * std::numbers::pi / 300;
        const qreal phase = std::fmod(a * locks / (2 * std::numbers::pi) + 0.5, 1.0);
        const qreal bump = 1 - std::abs(2 * phase - 1);
        const qreal r = 45 + 13 * std::pow(bump, 1.6);
        const qreal sw = 0.1 * std::sin(a * locks);
        const QPointF pt = mc + QPointF(r * std::cos(a + sw), r * std::sin(a + sw));
        if (i == 0)
            mane.moveTo(pt);
        else
            mane.lineTo(pt);
    }
    mane.closeSubpath();
    gold(p, mane);
    QPainterPath strands;
    for (int i = 0; i < locks; ++i) {
        const qreal a = (i + 0.5) * 2 * std::numbers::pi / locks;
        strands.moveTo(mc + QPointF(34 * std::cos(a), 34 * std::sin(a)));
        strands.quadTo(mc + QPointF(42 * std::cos(a + 0.12), 42 * std::sin(a + 0.12)),
                       mc + QPointF(49 * std::cos(a + 0.05), 49 * std::sin(a + 0.05)));
    }
    carve(p, strands, 1.4);

    for (const qreal s : {-1.0, 1.0}) {
        gold(p, circle(QPointF(s * 22, -27), 8));
        hole(p, circle(QPointF(s * 22, -27), 3.5));
    }

    QPainterPath face;
    face.moveTo(0, -32);
    face.cubicTo(20, -32, 30, -20, 29, -2);
    face.cubicTo(28, 16, 16, 34, 0, 36);
    face.cubicTo(-16, 34, -28, 16, -29, -2);
    face.cubicTo(-30, -20, -20, -32, 0, -32);
    face.closeSubpath();
    gold(p, face);

    hole(p, ellipse(QPointF(-12, -5), 5, 2.4, 18));
    hole(p, ellipse(QPointF(12, -5), 5, 2.4, -18));
    QPainterPath nose;
    nose.moveTo(-7, 10);
    nose.lineTo(7, 10);
    nose.quadTo(2, 18, 0, 18);
    nose.quadTo(-2, 18, -7, 10);
    nose.closeSubpath();
    hole(p, nose);
    QPainterPath lines;
    lines.moveTo(-5, -12);
    lines.quadTo(-4, 0, -5, 9);
    lines.moveTo(5, -12);
    lines.quadTo(4, 0, 5, 9);
    lines.moveTo(0, 18);
    lines.lineTo(0, 23);
    lines.moveTo(-10, 21);
    lines.quadTo(-5, 27, 0, 23);
    lines.quadTo(5, 27, 10, 21);
    lines.moveTo(-7, 30);
    lines.quadTo(0, 33, 7, 30);
    carve(p, lines, 1.5);
    for (const QPointF c : {QPointF(-13, 17), QPointF(-16, 21), QPointF(13, 17), QPointF(16, 21)})
        hole(p, circle(c, 1.1));
}

void virgo(QPainter &p)
{
    // Long hair framing the head, falling behind the shoulders.
    QPainterPath hair;
    hair.moveTo(0, -58);
    hair.cubicTo(14, -58, 17, -46, 16, -36);
    hair.cubicTo(15, -26, 19, -16, 16, -6);
    hair.lineTo(-16, -6);
    hair.cubicTo(-19, -16, -15, -26, -16, -36);
    hair.cubicTo(-17, -46, -14, -58, 0, -58);
    hair.closeSubpath();
    gold(p, hair);
    QPainterPath locks;
    locks.moveTo(11, -38);
    locks.quadTo(13, -22, 11, -8);
    locks.moveTo(-11, -38);
    locks.quadTo(-13, -22, -11, -8);
    carve(p, locks, 1.1);

    // Wheat ear held upright on her left.
    QPainterPath stalk;
    stalk.moveTo(30, 26);
    stalk.quadTo(32, -10, 28, -48);
    gold(p, stroked(stalk, 2.6), 1.0);
    // Grains in pairs up the ear, following the slight lean of the stalk.
    QPainterPath awns;
    for (int i = 0; i < 5; ++i) {
        const qreal y = -24 - i * 7;
        const qreal x = 28 + 0.09 * (y + 48);
        gold(p, ellipse(QPointF(x - 4, y), 2.6, 5.5, -35), 1.0);
        gold(p, ellipse(QPointF(x + 4, y), 2.6, 5.5, 35), 1.0);
        awns.moveTo(x - 7, y - 5);
        awns.lineTo(x - 12, y - 13);
        awns.moveTo(x + 7, y - 5);
        awns.lineTo(x + 12, y - 13);
    }
    gold(p, ellipse(QPointF(28, -58), 2.6, 6, 0), 1.0);
    p.strokePath(awns, QPen(goldBrush(QPointF(-50, -70), QPointF(45, 70)), 1.0));

    QPainterPath gown;
    gown.moveTo(-9, -30);
    gown.cubicTo(-3, -32, 3, -32, 9, -30);
    gown.cubicTo(13, -28, 12, -18, 9, -8);
    gown.cubicTo(12, 8, 20, 28, 26, 46);
    gown.cubicTo(10, 50, -10, 50, -26, 46);
    gown.cubicTo(-20, 28, -12, 8, -9, -8);
    gown.cubicTo(-12, -18, -13, -28, -9, -30);
    gown.closeSubpath();
    gold(p, gown);
    QPainterPath folds;
    folds.moveTo(-9, -8);
    folds.quadTo(0, -5, 9, -8);
    folds.moveTo(-4, -4);
    folds.quadTo(-8, 20, -14, 44);
    folds.moveTo(3, -4);
    folds.quadTo(4, 22, 6, 46);
    carve(p, folds, 1.2);

    // Arms: one resting, one raised to hold the wheat.
    QPainterPath armL;
    armL.moveTo(-11, -26);
    armL.quadTo(-19, -12, -17, 4);
    gold(p, stroked(armL, 6.5));
    QPainterPath armR;
    armR.moveTo(11, -26);
    armR.quadTo(20, -12, 29, -12);
    gold(p, stroked(armR, 6.5));
    gold(p, circle(QPointF(30, -12), 3.8));

    gold(p, ellipse(QPointF(0, -42), 9, 10.5));
    QPainterPath fringe;
    fringe.moveTo(-9, -44);
    fringe.cubicTo(-6, -53, 6, -53, 9, -44);
    fringe.cubicTo(4, -50, -4, -50, -9, -44);
    fringe.closeSubpath();
    gold(p, fringe, 1.0);
}

void libra(QPainter &p)
{
    gold(p, polygon({{-22, 46}, {22, 46}, {12, 37}, {-12, 37}}));
    gold(p, polygon({{-3, 38}, {3, 38}, {2.5, -34}, {-2.5, -34}}));

    QPainterPath chains;
    for (const qreal s : {-1.0, 1.0}) {
        chains.moveTo(s * 47, -30);
        chains.lineTo(s * 31, 6);
        chains.moveTo(s * 47, -30);
        chains.lineTo(s * 63, 6);
    }
    gold(p, stroked(chains, 1.8), 0.8);

    QPainterPath beam;
    beam.addRoundedRect(QRectF(-50, -35, 100, 6), 3, 3);
    gold(p, beam);
    gold(p, circle(QPointF(0, -38), 5.5));
    gold(p, circle(QPointF(-47, -32), 3.2), 1.0);
    gold(p, circle(QPointF(47, -32), 3.2), 1.0);
    gold(p, polygon({{-4, -43}, {4, -43}, {0, -52}}));

    for (const qreal s : {-1.0, 1.0}) {
        QPainterPath pan;
        pan.moveTo(s * 47 - 19, 5);
        pan.lineTo(s * 47 + 19, 5);
        pan.cubicTo(s * 47 + 16, 22, s * 47 - 16, 22, s * 47 - 19, 5);
        pan.closeSubpath();
        gold(p, pan);
    }
}

void scorpio(QPainter &p)
{
    // Seen from above, head up; the tail curls to the right with the sting over the back.
    // Set a little left so the curled tail clears the legs.
    p.save();
    p.translate(-6, 0);
    for (int i = 0; i < 4; ++i) {
        const qreal y = -22 + i * 7;
        QPainterPath leg;
        leg.moveTo(8, y);
        leg.lineTo(24, y - 7 + i * 2);
        leg.lineTo(30 + i * 2, y + 6 + i * 3);
        goldPair(p, stroked(leg, 3.4), 1.0);
    }

    QPainterPath arm;
    arm.moveTo(8, -30);
    arm.lineTo(22, -34);
    arm.lineTo(25, -46);
    goldPair(p, stroked(arm, 5));
    goldPair(p, claw(QPointF(24, -56), 7, 11, 10, 36));

    QPainterPath tailSpine;
    tailSpine.moveTo(0, 12);
    tailSpine.cubicTo(0, 50, 50, 54, 50, 20);
    const int segs = 6;
    for (int i = segs - 1; i >= 0; --i) {
        const qreal t = (i + 0.5) / segs;
        const QPointF c = tailSpine.pointAtPercent(t);
        const qreal ang = -tailSpine.angleAtPercent(t);
        gold(p, ellipse(c, 7.4, 6 - i * 0.3, ang));
    }
    // Venom bulb and a hooked sting bending back towards the body.
    QPainterPath hook;
    hook.moveTo(50, 10);
    hook.cubicTo(50, 0, 44, -6, 36, -4);
    gold(p, ribbon(hook, 6, 0.6));
    gold(p, ellipse(QPointF(50, 12), 5.2, 7, 0));
    for (int i = 0; i < 4; ++i) {
        const qreal y = -14 + i * 7;
        const qreal w = 12 - i * 1.2;
        QPainterPath seg;
        seg.addRoundedRect(QRectF(-w, y - 4, 2 * w, 8), 4, 4);
        gold(p, seg);
    }
    QPainterPath head;
    head.moveTo(0, -38);
    head.cubicTo(8, -38, 12, -30, 12, -24);
    head.cubicTo(12, -19, 8, -17, 0, -17);
    head.cubicTo(-8, -17, -12, -19, -12, -24);
    head.cubicTo(-12, -30, -8, -38, 0, -38);
    head.closeSubpath();
    gold(p, head);
    hole(p, circle(QPointF(-3.5, -31), 1.6));
    hole(p, circle(QPointF(3.5, -31), 1.6));
    p.restore();
}

void sagittarius(QPainter &p)
{
    const QPointF c(-2, -2);
    const QPointF d(std::numbers::sqrt2 / 2, -std::numbers::sqrt2 / 2);
    const QPointF n(std::numbers::sqrt2 / 2, std::numbers::sqrt2 / 2);
    auto at = [&](qreal along, qreal across) { return c + d * along + n * across; };

    // The string is drawn back to the nock of the arrow.
    QPainterPath string;
    string.moveTo(at(-2, 46));
    string.lineTo(at(-26, 0));
    string.lineTo(at(-2, -46));
    gold(p, stroked(string, 1.6), 0.6);

    QPainterPath bowSpine;
    bowSpine.moveTo(at(-2, -48));
    bowSpine.quadTo(at(44, 0), at(-2, 48));
    const WidthFn bowWidth = [](qreal t) { return 2.5 + 8 * std::sin(t * std::numbers::pi); };
    gold(p, ribbon(bowSpine, bowWidth));
    gold(p, ellipse(at(20, 0), 4, 7.5, -45), 1.2);

    QPainterPath shaft;
    shaft.moveTo(at(-38, 0));
    shaft.lineTo(at(46, 0));
    gold(p, stroked(shaft, 3.6, false), 1.0);
    gold(p, polygon({at(62, 0), at(44, 8), at(48, 0), at(44, -8)}));
    for (const qreal s : {-1.0, 1.0}) {
        gold(p, polygon({at(-24, s * 1.5), at(-32, s * 9), at(-44, s * 9), at(-38, s * 1.5)}), 1.0);
    }
}

QPainterPath tailFin(QPointF at, qreal angleDeg, qreal length)
{
    // Two lobes fanning out from the end of a tail, pointing along angleDeg.
    QPainterPath fin;
    fin.moveTo(0, -length * 0.12);
    fin.cubicTo(length * 0.4, -length * 0.3, length * 0.7, -length * 0.8, length * 1.05,
                -length * 0.9);
    fin.cubicTo(length * 0.85, -length * 0.45, length * 0.75, -length * 0.15, length * 0.62, 0);
    fin.cubicTo(length * 0.75, length * 0.15, length * 0.85, length * 0.45, length * 1.05,
                length * 0.9);
    fin.cubicTo(length * 0.7, length * 0.8, length * 0.4, length * 0.3, 0, length * 0.12);
    fin.closeSubpath();
    return moved(fin, at, angleDeg);
}

void capricorn(QPainter &p)
{
    // Goat in front, fish behind: neck, body and a tail that curls under.
    QPainterPath spine;
    spine.moveTo(-18, -28);
    spine.cubicTo(-14, -6, 4, 6, 22, 4);
    spine.cubicTo(46, 2, 56, 26, 42, 38);
    spine.cubicTo(32, 46, 16, 46, 10, 38);
    const WidthFn width = [](qreal t) {
        if (t < 0.25)
            return 20 + 40 * t;
        return 4 + 26 * std::pow(1 - (t - 0.25) / 0.75, 0.9);
    };

    // Forelegs bent as if leaping, behind the chest.
    for (const auto &leg :
         {polyline({{-12, -8}, {-32, -4}, {-40, 10}}), polyline({{-6, 2}, {-24, 10}, {-28, 24}})}) {
        gold(p, stroked(leg, 6.5));
    }
    carve(p, polyline({{-42.5, 6}, {-37, 8}}), 1.2);
    carve(p, polyline({{-31, 20}, {-25.5, 21}}), 1.2);

    gold(p, ribbon(spine, width));
    const QPointF end = spine.pointAtPercent(1);
    gold(p, tailFin(end, -spine.angleAtPercent(1), 20));
    carve(p, moved(polyline({{4, -3}, {14, -10}}), end, -spine.angleAtPercent(1)), 1.0);
    carve(p, moved(polyline({{4, 3}, {14, 10}}), end, -spine.angleAtPercent(1)), 1.0);
    QPainterPath scales;
    for (int i = 0; i < 7; ++i) {
        const qreal t = 0.4 + i * 0.075;
        const QPointF c = spine.pointAtPercent(t);
        const qreal a = -spine.angleAtPercent(t);
        const qreal r = width(t) * 0.28;
        QPainterPath arc;
        arc.moveTo(0, -r);
        arc.quadTo(r * 1.2, 0, 0, r);
        scales.addPath(moved(arc, c, a));
    }
    carve(p, scales, 1.1);

    QPainterPath horn;
    horn.moveTo(-18, -44);
    horn.cubicTo(-16, -64, 8, -68, 14, -48);
    const WidthFn hornWidth = [](qreal t) { return 9 * (1 - t) + 1.5; };
    gold(p, ribbon(horn, hornWidth));
    carve(p, crossLines(horn, hornWidth, 0.12, 0.75, 6, 0.8), 1.0);

    QPainterPath beard;
    beard.moveTo(-31, -18);
    beard.cubicTo(-33, -10, -35, -4, -38, 2);
    beard.cubicTo(-31, -2, -27, -10, -25, -18);
    beard.closeSubpath();
    gold(p, beard, 1.0);

    QPainterPath head;
    head.moveTo(-14, -44);
    head.cubicTo(-24, -47, -36, -40, -44, -28);
    head.cubicTo(-48, -22, -48, -16, -42, -15);
    head.cubicTo(-36, -14, -30, -18, -24, -17);
    head.cubicTo(-16, -15, -10, -22, -10, -30);
    head.cubicTo(-10, -37, -11, -42, -14, -44);
    head.closeSubpath();
    gold(p, head);
    QPainterPath ear;
    ear.moveTo(-13, -37);
    ear.cubicTo(-6, -42, 0, -38, 3, -31);
    ear.cubicTo(-3, -31, -9, -32, -12, -33);
    ear.closeSubpath();
    gold(p, ear, 1.0);
    hole(p, ellipse(QPointF(-27, -32), 2.8, 1.8, -20));
    hole(p, ellipse(QPointF(-43, -21), 1.2, 1.8, 0));
}

void aquarius(QPainter &p)
{
    // An amphora tipped over, pouring streams that become waves.
    QTransform urnAt;
    urnAt.translate(-20, -22);
    urnAt.rotate(50);

    QPainterPath urn;
    urn.moveTo(-7, -24);
    urn.cubicTo(-7, -16, -8, -12, -15, -8);
    urn.cubicTo(-22, -4, -22, 12, -15, 20);
    urn.cubicTo(-11, 24, -8, 25, -7, 27);
    urn.lineTo(7, 27);
    urn.cubicTo(8, 25, 11, 24, 15, 20);
    urn.cubicTo(22, 12, 22, -4, 15, -8);
    urn.cubicTo(8, -12, 7, -16, 7, -24);
    urn.closeSubpath();
    QPainterPath lip;
    lip.addRoundedRect(QRectF(-11, -30, 22, 6), 2, 2);
    QPainterPath foot;
    foot.addRoundedRect(QRectF(-10, 26, 20, 5), 2, 2);
    QPainterPath handles;
    handles.moveTo(-7, -19);
    handles.cubicTo(-24, -22, -28, -4, -17, -3);
    handles.moveTo(7, -19);
    handles.cubicTo(24, -22, 28, -4, 17, -3);
    QPainterPath bands;
    bands.moveTo(-19, 2);
    bands.quadTo(0, 6, 19, 2);
    bands.moveTo(-18, 10);
    bands.quadTo(0, 14, 18, 10);

    const QPointF mouth = urnAt.map(QPointF(0, -29));
    for (int i = 0; i < 3; ++i) {
        const qreal spread = (i - 1) * 6;
        QPainterPath s;
        s.moveTo(mouth + QPointF(spread * 0.6, spread * 0.6));
        s.cubicTo(mouth + QPointF(14 + spread, -6 + spread * 0.5),
                  mouth + QPointF(30 + spread * 1.3, 10), mouth + QPointF(30 + spread * 2.2, 62));
        gold(p, ribbon(s, 5.5, 2.5), 1.1);
    }
    p.save();
    p.setTransform(urnAt, true);
    gold(p, stroked(handles, 3.6));
    gold(p, urn);
    gold(p, foot);
    gold(p, lip);
    carve(p, bands, 1.2);
    p.restore();

    for (int row = 0; row < 2; ++row) {
        const qreal y = 28 + row * 15;
        const qreal x0 = -46 + row * 5;
        QPainterPath wave;
        for (int i = 0; i <= 120; ++i) {
            const qreal x = x0 + i * 0.72;
            const QPointF pt(x, y - 5 * std::sin((x - x0) * 2 * std::numbers::pi / 22));
            if (i == 0)
                wave.moveTo(pt);
            else
                wave.lineTo(pt);
        }
        gold(p, stroked(wave, 5.5), 1.2);
    }
}

QPainterPath fishBody()
{
    QPainterPath body;
    body.moveTo(30, 0);
    body.cubicTo(22, -15, 0, -18, -18, -4);
    body.lineTo(-34, -15);
    body.cubicTo(-30, -6, -30, 6, -34, 15);
    body.lineTo(-18, 4);
    body.cubicTo(0, 18, 22, 15, 30, 0);
    body.closeSubpath();
    return body;
}

void fish(QPainter &p, QPointF at, bool facingLeft, qreal angleDeg)
{
    p.save();
    p.translate(at);
    p.rotate(angleDeg);
    if (facingLeft)
        p.scale(-1, 1);
    gold(p, polygon({{-4, -12}, {10, -13}, {-8, -22}}), 1.2);
    gold(p, polygon({{-2, 12}, {8, 12}, {-6, 19}}), 1.2);
    gold(p, fishBody());
    QPainterPath lines;
    lines.moveTo(13, -11);
    lines.quadTo(7, 0, 13, 11);
    for (const qreal x : {-4.0, 4.0}) {
        for (const qreal y : {-6.0, 0.0, 6.0}) {
            lines.moveTo(x, y - 3.5);
            lines.quadTo(x - 4, y, x, y + 3.5);
        }
    }
    lines.moveTo(-24, -8);
    lines.lineTo(-20, -2);
    lines.moveTo(-24, 8);
    lines.lineTo(-20, 2);
    carve(p, lines, 1.1);
    hole(p, circle(QPointF(21, -3), 2.6));
    p.restore();
}

void pisces(QPainter &p)
{
    // The cord that binds the two fish, drawn first so the fish sit on it.
    QPainterPath cord;
    cord.moveTo(26, -32);
    cord.cubicTo(58, -20, 50, 6, 30, 2);
    cord.cubicTo(8, -2, -50, -6, -26, 30);
    gold(p, stroked(cord, 2), 0.8);
    fish(p, QPointF(-4, -28), false, -8);
    fish(p, QPointF(4, 26), true, -8);
}

} // namespace

void draw(QPainter &p, const QString &key)
{
    using Fn = void (*)(QPainter &);
    struct Figure
    {
        const char *key;
        Fn paint;
        // Figures differ in their natural extent; this fills the field evenly.
        qreal scale;
        qreal dy = 0;
    };
    static const Figure figures[] = {
        {"aries", aries, 1.12},
        {"taurus", taurus, 1.0},
        {"gemini", gemini, 1.1},
        {"cancer", cancer, 1.1},
        {"leo", leo, 1.08, -2},
        {"virgo", virgo, 1.02, 3},
        {"libra", libra, 1.1},
        {"scorpio", scorpio, 1.04},
        {"sagittarius", sagittarius, 1.12},
        {"capricorn", capricorn, 1.1},
        {"aquarius", aquarius, 1.08},
        {"pisces", pisces, 1.12},
    };
    for (const Figure &f : figures) {
        if (key == QLatin1String(f.key)) {
            p.save();
            p.translate(0, f.dy);
            p.scale(f.scale, f.scale);
            f.paint(p);
            p.restore();
            return;
        }
    }
}

} // namespace SignFigures
