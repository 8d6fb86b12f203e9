#include "portraits.h"

#include "canvas.h"
#include "suits.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace assetgen {

namespace {

enum class Mouth { Closed, Smile, Parted };

// What changes between the frames of one seat.
struct Expression {
    double openness = 1.0; // 1 open, 0.45 half closed, 0 closed
    double gaze = 0.0;     // iris offset, -1 (viewer's left) .. 1
    Mouth mouth = Mouth::Closed;
    bool lit = false;
};

enum Seat { Freak, Geek, Master, Champ };

struct Look {
    double turn; // +1 faces the viewer's right, -1 the left
    bool woman;
    QColor skin, hair, iris, lips;
};

Look lookOf(int seat) {
    switch (seat) {
    case Freak:
        return {1,
                false,
                QColor(0xe6, 0xbc, 0x94),
                QColor(0x5e, 0x3a, 0x1c),
                QColor(0x5a, 0x3a, 0x20),
                QColor(0xb0, 0x5a, 0x4c)};
    case Geek:
        return {0.7,
                true,
                QColor(0xf0, 0xcd, 0xad),
                QColor(0x2a, 0x1a, 0x12),
                QColor(0x4a, 0x6a, 0x3a),
                QColor(0xc0, 0x48, 0x50)};
    case Master:
        return {-1,
                false,
                QColor(0xe8, 0xb8, 0x90),
                QColor(0xb0, 0x48, 0x1c),
                QColor(0x3a, 0x5a, 0x7a),
                QColor(0xa8, 0x54, 0x48)};
    default:
        return {-0.7,
                true,
                QColor(0xf2, 0xd2, 0xb6),
                QColor(0x16, 0x12, 0x18),
                QColor(0x3a, 0x22, 0x14),
                QColor(0xb8, 0x20, 0x30)};
    }
}

// ---- the frame ----------------------------------------------------------
constexpr double kBand = 9.0; // width of the gold frame

void frame(QPainter& p, bool lit) {
    const QRectF outer(0, 0, kPortraitW, kPortraitH);
    const QColor hi = lit ? QColor(0xff, 0xfb, 0xe8) : QColor(0xf0, 0xd0, 0x7a);
    const QColor mid = lit ? QColor(0xff, 0xe2, 0x8a) : kGold;
    const QColor lo = lit ? QColor(0xd8, 0xa8, 0x40) : QColor(0x6a, 0x48, 0x14);
    QPainterPath band;
    band.addRect(outer);
    band.addRect(outer.adjusted(kBand, kBand, -kBand, -kBand));
    band.setFillRule(Qt::OddEvenFill);
    // Outer bevel: lit from the upper left.
    QLinearGradient g(0, 0, kPortraitW, kPortraitH);
    g.setColorAt(0, hi);
    g.setColorAt(0.45, mid);
    g.setColorAt(1, lo);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(band);
    // Inner slope runs the other way, which makes the moulding read as carved.
    QPainterPath slope;
    slope.addRect(outer.adjusted(5, 5, -5, -5));
    slope.addRect(outer.adjusted(kBand, kBand, -kBand, -kBand));
    slope.setFillRule(Qt::OddEvenFill);
    QLinearGradient s(0, 0, kPortraitW, kPortraitH);
    s.setColorAt(0, lo);
    s.setColorAt(0.55, mid);
    s.setColorAt(1, hi);
    p.setBrush(s);
    p.drawPath(slope);
    // Bead line.
    p.setBrush(lit ? QColor(0xff, 0xff, 0xf4) : QColor(0xf6, 0xdc, 0x8c));
    const QRectF beads = outer.adjusted(3, 3, -3, -3);
    for (double x = beads.left() + 2; x < beads.right() - 1; x += 2.6) {
        p.drawEllipse(QPointF(x, beads.top()), 0.55, 0.55);
        p.drawEllipse(QPointF(x, beads.bottom()), 0.55, 0.55);
    }
    for (double y = beads.top() + 2; y < beads.bottom() - 1; y += 2.6) {
        p.drawEllipse(QPointF(beads.left(), y), 0.55, 0.55);
        p.drawEllipse(QPointF(beads.right(), y), 0.55, 0.55);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lo.darker(lit ? 110 : 150), 0.7));
    p.drawRect(outer.adjusted(0.35, 0.35, -0.35, -0.35));
    p.drawRect(outer.adjusted(5, 5, -5, -5));
    // Corner rosettes.
    for (const QPointF& c :
         {QPointF(4.5, 4.5), QPointF(kPortraitW - 4.5, 4.5), QPointF(4.5, kPortraitH - 4.5),
          QPointF(kPortraitW - 4.5, kPortraitH - 4.5)}) {
        QRadialGradient r(c + QPointF(-1, -1), 4.5);
        r.setColorAt(0, hi);
        r.setColorAt(1, lo);
        p.setPen(QPen(lo.darker(140), 0.5));
        p.setBrush(r);
        for (int k = 0; k < 4; ++k) {
            const double a = k * M_PI / 2 + M_PI / 4;
            p.drawEllipse(c + QPointF(2.1 * std::cos(a), 2.1 * std::sin(a)), 1.7, 1.7);
        }
        p.setBrush(hi);
        p.drawEllipse(c, 1.4, 1.4);
    }
    p.setBrush(Qt::NoBrush);
    if (lit) {
        // The glow: a soft halo along the outer edge and a bright inner line.
        for (int i = 0; i < 4; ++i) {
            p.setPen(QPen(QColor(255, 255, 235, 70 - 15 * i), 1.0));
            p.drawRect(outer.adjusted(0.5 + i, 0.5 + i, -0.5 - i, -0.5 - i));
        }
        p.setPen(QPen(QColor(255, 255, 250), 1.0));
        p.drawRect(outer.adjusted(8.0, 8.0, -8.0, -8.0));
    } else {
        p.setPen(QPen(QColor(0x2a, 0x18, 0x08), 0.8));
        p.drawRect(outer.adjusted(8.2, 8.2, -8.2, -8.2));
    }
}

// ---- the sitter ---------------------------------------------------------

struct Head {
    double cx;   // face centre
    double turn; // as Look::turn
    double L, R; // half-widths to the viewer's left and right
    double top, chinY, chinX;
    QPointF eyeL, eyeR, nose, mouth;
};

Head headOf(const Look& look) {
    Head h;
    h.turn = look.turn;
    h.cx = 60 + 2.0 * look.turn;
    const double near = look.woman ? 15.5 : 17.0, far = look.woman ? 12.5 : 13.5;
    h.L = look.turn > 0 ? near : far;
    h.R = look.turn > 0 ? far : near;
    h.top = 35;
    h.chinY = look.woman ? 80 : 82;
    h.chinX = h.cx + 3.5 * look.turn;
    const double fx = h.cx + 2.5 * look.turn; // features lean towards the far side
    h.eyeL = QPointF(fx - 7.6, 56);
    h.eyeR = QPointF(fx + 7.6, 56);
    h.nose = QPointF(fx + 1.5 * look.turn, 66);
    h.mouth = QPointF(fx + 1.0 * look.turn, 73.5);
    return h;
}

QPainterPath faceShape(const Head& h, bool woman) {
    const double cx = h.cx, L = h.L, R = h.R;
    const double jaw = woman ? 5.5 : 3.0;
    QPainterPath f;
    f.moveTo(cx, h.top);
    f.cubicTo(cx + R * 0.7, h.top, cx + R, h.top + 7, cx + R, 50);
    f.cubicTo(cx + R, 58, cx + R - 0.5, 62, cx + R - jaw, 68);
    f.cubicTo(cx + R - jaw - 3, 75, h.chinX + 5, h.chinY, h.chinX, h.chinY);
    f.cubicTo(h.chinX - 5, h.chinY, cx - L + jaw + 3, 75, cx - L + jaw, 68);
    f.cubicTo(cx - L + 0.5, 62, cx - L, 58, cx - L, 50);
    f.cubicTo(cx - L, h.top + 7, cx - L * 0.7, h.top, cx, h.top);
    f.closeSubpath();
    return f;
}

void shadedFill(QPainter& p, const QPainterPath& path, QColor base, QPointF light, double radius) {
    QRadialGradient g(light, radius);
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(0.55, base);
    g.setColorAt(1, base.darker(140));
    p.setBrush(g);
    p.drawPath(path);
}

void neckAndEar(QPainter& p, const Look& look, const Head& h) {
    p.setPen(QPen(look.skin.darker(170), 0.5));
    const double top = look.woman ? 6.5 : 8.0, bottom = look.woman ? 8.0 : 9.0;
    QPainterPath neck;
    neck.moveTo(h.cx - top, 70);
    neck.lineTo(h.cx - bottom, 100);
    neck.lineTo(h.cx + bottom, 100);
    neck.lineTo(h.cx + top, 70);
    neck.closeSubpath();
    QLinearGradient ng(h.cx - bottom, 0, h.cx + bottom, 0);
    ng.setColorAt(0, look.skin.darker(112));
    ng.setColorAt(1, look.skin.darker(150));
    p.setBrush(ng);
    p.drawPath(neck);
    // The shadow of the jaw on the neck.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 20, 10, 50));
    p.drawEllipse(QPointF(h.chinX, 80), top + 1, 4);
    if (look.woman) return; // her ears hide under the hair
    // The ear on the near side shows; the far one hides behind the cheek.
    const double ex = look.turn > 0 ? h.cx - h.L + 0.5 : h.cx + h.R - 0.5;
    QPainterPath e;
    e.addEllipse(QPointF(ex, 58), 3.2, 6.2);
    p.setPen(QPen(look.skin.darker(170), 0.5));
    shadedFill(p, e, look.skin.darker(105), QPointF(ex - 1, 55), 7);
}

// Lighter strands over a mass of hair, clipped to it, so it reads as hair
// and not as a flat shape.
void strands(QPainter& p, const QPainterPath& hair, QColor colour, double x0, double x1, double y0,
             double y1, double sway) {
    p.save();
    p.setClipPath(hair, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    Rng rng(static_cast<std::uint64_t>(x0 * 1000 + y0));
    for (double x = x0; x < x1; x += 2.2) {
        QColor c = colour;
        c.setAlpha(static_cast<int>(rng.range(40, 110)));
        p.setPen(QPen(c, rng.range(0.4, 0.8), Qt::SolidLine, Qt::RoundCap));
        QPainterPath s;
        s.moveTo(x, y0);
        s.cubicTo(x + sway, y0 + (y1 - y0) * 0.3, x - sway, y0 + (y1 - y0) * 0.7,
                  x + rng.range(-1.5, 1.5), y1);
        p.drawPath(s);
    }
    p.restore();
}

void eye(QPainter& p, const Look& look, QPointF c, double rx, double outer, const Expression& e) {
    const double ry = rx * 0.54;
    // The upper lid peaks towards the nose, the lower lid sags towards the temple.
    QPainterPath almond;
    almond.moveTo(c.x() - rx, c.y());
    almond.cubicTo(c.x() - rx * (0.5 + 0.15 * outer), c.y() - ry * 1.5,
                   c.x() + rx * (0.5 - 0.15 * outer), c.y() - ry * 1.5, c.x() + rx, c.y());
    almond.cubicTo(c.x() + rx * 0.5, c.y() + ry * 1.15, c.x() - rx * 0.5, c.y() + ry * 1.15,
                   c.x() - rx, c.y());
    almond.closeSubpath();
    const QColor lidLine = look.woman ? QColor(0x1a, 0x10, 0x0c) : QColor(0x3a, 0x22, 0x16);
    const double lineW = look.woman ? 1.15 : 0.9;
    const QPointF outerCorner(c.x() + outer * rx, c.y());
    // The lashes flick out past the outer corner.
    auto flick = [&](double y) {
        QPainterPath f;
        f.moveTo(outerCorner.x() - outer * rx * 0.3, y - 0.2);
        f.quadTo(outerCorner.x() + outer * rx * 0.05, y - 0.1, outerCorner.x() + outer * rx * 0.18,
                 y - (look.woman ? 0.8 : 0.4));
        p.drawPath(f);
    };
    if (e.openness <= 0.01) {
        // Closed: the lid's skin over the eye and a lash line curving down.
        QLinearGradient lg(0, c.y() - ry * 1.5, 0, c.y() + ry);
        lg.setColorAt(0, look.skin.darker(118));
        lg.setColorAt(1, look.skin.darker(104));
        p.setPen(Qt::NoPen);
        p.setBrush(lg);
        p.drawPath(almond);
        QPainterPath lid;
        lid.moveTo(c.x() - rx, c.y());
        lid.cubicTo(c.x() - rx * 0.4, c.y() + ry * 0.95, c.x() + rx * 0.4, c.y() + ry * 0.95,
                    c.x() + rx, c.y());
        p.setPen(QPen(lidLine, lineW + 0.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(lid);
        p.setPen(QPen(lidLine, 0.5, Qt::SolidLine, Qt::RoundCap));
        for (double u : {-0.45, -0.1, 0.25, 0.6}) {
            const double k = u * outer;
            const QPointF a(c.x() + k * rx, c.y() + ry * 0.72 * (1 - k * k * 0.6));
            p.drawLine(a, a + QPointF(outer * (0.3 + 0.5 * std::max(0.0, u)), 0.9));
        }
        // The crease above, deeper for a shut eye.
        p.setPen(QPen(look.skin.darker(145), 0.5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath crease;
        crease.moveTo(c.x() - rx * 0.8, c.y() - ry * 0.9);
        crease.quadTo(c.x(), c.y() - ry * 1.9, c.x() + rx * 0.85, c.y() - ry * 0.8);
        p.drawPath(crease);
        return;
    }
    p.save();
    p.setClipPath(almond);
    p.setPen(Qt::NoPen);
    // The eyeball is a sphere: pale in the middle, greyer and warmer at the corners.
    QRadialGradient wg(c + QPointF(-rx * 0.15, ry * 0.2), rx * 1.05);
    wg.setColorAt(0, QColor(0xf6, 0xf1, 0xe8));
    wg.setColorAt(0.7, QColor(0xe8, 0xdc, 0xd0));
    wg.setColorAt(1, QColor(0xc8, 0xa8, 0x98));
    p.setBrush(wg);
    p.drawPath(almond);
    const double ir = rx * 0.5;
    const QPointF iris(c.x() + e.gaze * rx * 0.64, c.y() + ry * 0.08);
    // The iris: dark rim, light pooling in the lower half opposite the catchlight.
    QRadialGradient ig(iris + QPointF(ir * 0.2, ir * 0.35), ir * 1.1);
    ig.setColorAt(0, look.iris.lighter(175));
    ig.setColorAt(0.55, look.iris);
    ig.setColorAt(1, look.iris.darker(190));
    p.setBrush(ig);
    p.setPen(QPen(look.iris.darker(260), ir * 0.18));
    p.drawEllipse(iris, ir, ir);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0a, 0x06, 0x05));
    p.drawEllipse(iris, ir * 0.46, ir * 0.46);
    // The lid and lashes shade the top of the eye.
    QLinearGradient sg(0, c.y() - ry * 1.5, 0, c.y() + ry * 0.1);
    sg.setColorAt(0, QColor(40, 16, 8, 150));
    sg.setColorAt(0.55, QColor(40, 16, 8, 40));
    sg.setColorAt(1, QColor(40, 16, 8, 0));
    p.setBrush(sg);
    p.drawRect(QRectF(c.x() - rx, c.y() - ry * 1.6, 2 * rx, ry * 1.8));
    double lidY = c.y() - ry * 1.1;
    if (e.openness < 0.99) {
        // Half closed: the lid comes down over the upper part.
        lidY = c.y() - ry * 1.1 + (1 - e.openness) * ry * 1.6;
        QLinearGradient lg(0, c.y() - ry * 2, 0, lidY);
        lg.setColorAt(0, look.skin.darker(118));
        lg.setColorAt(1, look.skin.darker(106));
        p.setBrush(lg);
        p.drawRect(QRectF(c.x() - rx - 1, c.y() - ry * 2, 2 * rx + 2, lidY - (c.y() - ry * 2)));
        p.setBrush(QColor(40, 16, 8, 70));
        p.drawRect(QRectF(c.x() - rx - 1, lidY, 2 * rx + 2, ry * 0.3));
    }
    // Catchlights, drawn last so that they sit on the wet surface.
    p.setBrush(QColor(255, 255, 255, 235));
    const QPointF glint = iris + QPointF(-ir * 0.38, -ir * 0.32);
    if (glint.y() > lidY + 0.2) p.drawEllipse(glint, ir * 0.22, ir * 0.2);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(iris + QPointF(ir * 0.4, ir * 0.42), ir * 0.1, ir * 0.1);
    p.restore();
    // The lower lid: a faint line and a sliver of light along the rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.skin.darker(150), 0.45, Qt::SolidLine, Qt::RoundCap));
    QPainterPath lower;
    lower.moveTo(c.x() - rx * 0.95, c.y() + 0.15);
    lower.cubicTo(c.x() - rx * 0.5, c.y() + ry * 1.2, c.x() + rx * 0.5, c.y() + ry * 1.2,
                  c.x() + rx * 0.95, c.y() + 0.15);
    p.drawPath(lower);
    p.setPen(QPen(look.skin.darker(lineW > 1 ? 190 : 170), lineW, Qt::SolidLine, Qt::RoundCap));
    p.setPen(QPen(lidLine, lineW, Qt::SolidLine, Qt::RoundCap));
    if (e.openness < 0.99) {
        QPainterPath lid;
        lid.moveTo(c.x() - rx, c.y());
        lid.cubicTo(c.x() - rx * 0.5, lidY - ry * 0.2, c.x() + rx * 0.5, lidY - ry * 0.2,
                    c.x() + rx, c.y());
        p.drawPath(lid);
        flick(c.y() - 0.1);
        p.setPen(QPen(look.skin.darker(145), 0.5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath crease;
        crease.moveTo(c.x() - rx * 0.8, lidY - ry * 0.55);
        crease.quadTo(c.x(), lidY - ry * 1.3, c.x() + rx * 0.85, lidY - ry * 0.45);
        p.drawPath(crease);
    } else {
        QPainterPath lid;
        lid.moveTo(c.x() - rx, c.y() + 0.2);
        lid.cubicTo(c.x() - rx * (0.5 + 0.15 * outer), c.y() - ry * 1.5,
                    c.x() + rx * (0.5 - 0.15 * outer), c.y() - ry * 1.5, c.x() + rx + 0.3,
                    c.y() - 0.1);
        p.drawPath(lid);
        flick(c.y() - 0.3);
        // The crease above and a touch of light on the lid below the brow.
        p.setPen(QPen(look.skin.darker(145), 0.5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath crease;
        crease.moveTo(c.x() - rx * 0.8, c.y() - ry * 1.3);
        crease.quadTo(c.x(), c.y() - ry * 2.4, c.x() + rx * 0.9, c.y() - ry * 1.2);
        p.drawPath(crease);
    }
}

void eyes(QPainter& p, const Look& look, const Head& h, const Expression& e) {
    // The far eye is a little smaller.
    const double nearR = 4.6, farR = 4.0;
    eye(p, look, h.eyeL, look.turn > 0 ? nearR : farR, -1, e);
    eye(p, look, h.eyeR, look.turn > 0 ? farR : nearR, 1, e);
}

// A brow as a tapered stroke, full at the nose and thin at the temple.
void brow(QPainter& p, const Look& look, QPointF c, double outer) {
    const QColor col = look.hair.darker(look.woman ? 115 : 125);
    const double t = look.woman ? 1.0 : 1.7;
    const QPointF in = c + QPointF(-outer * 4.4, -3.6);
    const QPointF out = c + QPointF(outer * 5.4, -3.9);
    const QPointF top = c + QPointF(outer * 1.2, look.woman ? -7.9 : -7.0);
    QPainterPath b;
    b.moveTo(in + QPointF(0, -t * 0.5));
    b.quadTo(top + QPointF(0, -t * 0.35), out);
    b.quadTo(top + QPointF(0, t * 0.55), in + QPointF(0, t * 0.5));
    b.closeSubpath();
    QLinearGradient g(in, out);
    g.setColorAt(0, col);
    g.setColorAt(1, col.lighter(130));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(b);
    if (look.woman) return;
    // Hairs along the brow.
    p.setPen(QPen(col.lighter(150), 0.3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < 6; ++i) {
        const double u = i / 6.0;
        const QPointF a = in * (1 - u) * (1 - u) + top * 2 * u * (1 - u) + out * u * u;
        p.drawLine(a + QPointF(-outer * 0.5, 0.5), a + QPointF(outer * 0.6, -0.4));
    }
}

void browsAndNose(QPainter& p, const Look& look, const Head& h) {
    brow(p, look, h.eyeL, -1);
    brow(p, look, h.eyeR, 1);
    const double t = look.turn;
    // The shadow the nose throws down and to the right, away from the light.
    QPainterPath cast;
    cast.moveTo(h.nose + QPointF(1.2, -9));
    cast.cubicTo(h.nose + QPointF(3.2, -5), h.nose + QPointF(4.4, -1), h.nose + QPointF(3.6, 1.6));
    cast.quadTo(h.nose + QPointF(1, 3.6), h.nose + QPointF(-1.8, 2.2));
    cast.lineTo(h.nose + QPointF(0.4, -1));
    cast.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 50, 30, 40));
    p.drawPath(cast);
    // Nose: a shadow line down the far side, a highlight on the ridge.
    QPainterPath shade;
    shade.moveTo(h.nose + QPointF(t * 1.2, -9));
    shade.cubicTo(h.nose + QPointF(t * 2.2, -4), h.nose + QPointF(t * 3.2, -1),
                  h.nose + QPointF(t * 2.8, 1.2));
    shade.quadTo(h.nose + QPointF(t * 0.5, 2.6), h.nose + QPointF(-t * 2.2, 1.2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(look.skin.darker(165), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(shade);
    // The wing of the nostril on the near side.
    QPainterPath wing;
    wing.moveTo(h.nose + QPointF(-t * 2.4, -1.2));
    wing.quadTo(h.nose + QPointF(-t * 3.4, 0.6), h.nose + QPointF(-t * 2.0, 1.4));
    p.setPen(QPen(look.skin.darker(150), 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wing);
    p.setPen(QPen(look.skin.lighter(120), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(h.nose + QPointF(-t * 0.6, -8), h.nose + QPointF(-t * 0.25, -2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 230, 150));
    p.drawEllipse(h.nose + QPointF(-t * 0.3, -0.6), 1.0, 0.75);
    p.setBrush(look.skin.darker(185));
    p.drawEllipse(h.nose + QPointF(t * 1.6, 1.1), 0.9, 0.55);
    p.drawEllipse(h.nose + QPointF(-t * 1.3, 1.1), 0.8, 0.5);
}

void mouth(QPainter& p, const Look& look, const Head& h, Mouth m) {
    const QPointF c = h.mouth;
    const double w = look.woman ? 5.0 : 5.6;
    const QColor lips = look.lips;
    p.setPen(Qt::NoPen);
    // The shadow under the lower lip.
    QRadialGradient under(c + QPointF(0.5, 4.4), 3.4);
    under.setColorAt(0, QColor(90, 40, 24, 55));
    under.setColorAt(1, QColor(90, 40, 24, 0));
    p.setBrush(under);
    p.drawEllipse(c + QPointF(0.5, 4.4), 4.6, 2.2);
    auto lowerLight = [&](QPointF at, double rx) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 226, look.woman ? 110 : 70));
        p.drawEllipse(at, rx, 0.55);
    };
    if (m == Mouth::Closed) {
        QPainterPath upper;
        upper.moveTo(c + QPointF(-w, 0));
        upper.cubicTo(c + QPointF(-w * 0.5, -1.8), c + QPointF(-0.8, -2.1), c + QPointF(0, -1.3));
        upper.cubicTo(c + QPointF(0.8, -2.1), c + QPointF(w * 0.5, -1.8), c + QPointF(w, 0));
        upper.closeSubpath();
        QLinearGradient ug(0, c.y() - 2, 0, c.y());
        ug.setColorAt(0, lips.darker(108));
        ug.setColorAt(1, lips.darker(135));
        p.setBrush(ug);
        p.drawPath(upper);
        QPainterPath lower;
        lower.moveTo(c + QPointF(-w * 0.9, 0));
        lower.cubicTo(c + QPointF(-w * 0.5, 2.9), c + QPointF(w * 0.5, 2.9),
                      c + QPointF(w * 0.9, 0));
        lower.closeSubpath();
        QLinearGradient lg(0, c.y(), 0, c.y() + 2.4);
        lg.setColorAt(0, lips.darker(110));
        lg.setColorAt(0.5, lips.lighter(110));
        lg.setColorAt(1, lips.darker(110));
        p.setBrush(lg);
        p.drawPath(lower);
        lowerLight(c + QPointF(-0.8, 1.2), w * 0.32);
        p.setPen(QPen(lips.darker(190), 0.6, Qt::SolidLine, Qt::RoundCap));
        QPainterPath line;
        line.moveTo(c + QPointF(-w - 0.2, 0.2));
        line.cubicTo(c + QPointF(-w * 0.4, -0.2), c + QPointF(w * 0.4, 0.2),
                     c + QPointF(w + 0.2, 0.2));
        p.drawPath(line);
        return;
    }
    // Smiling: the corners lift, the cheeks round up beside them.
    const double lift = 2.2;
    for (double s : {-1.0, 1.0}) {
        const QPointF ch = c + QPointF(s * (w + 3.6), -4.4);
        QRadialGradient g(ch + QPointF(-0.6, -0.6), 3.8);
        g.setColorAt(0, QColor(255, 210, 190, 80));
        g.setColorAt(1, QColor(255, 200, 180, 0));
        p.setBrush(g);
        p.drawEllipse(ch, 3.8, 2.6);
        // The fold from the nose to the lifted corner.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 60, 40, 90), 0.5, Qt::SolidLine, Qt::RoundCap));
        QPainterPath fold;
        fold.moveTo(c + QPointF(s * (w - 0.4), -5.6));
        fold.quadTo(c + QPointF(s * (w + 2.4), -3.0), c + QPointF(s * (w + 1.6), 0.2));
        p.drawPath(fold);
        p.setPen(Qt::NoPen);
    }
    const QPointF lc = c + QPointF(-w - 0.6, -lift), rc = c + QPointF(w + 0.6, -lift);
    if (m == Mouth::Parted) {
        // Lips parted over a glimpse of teeth.
        QPainterPath open;
        open.moveTo(lc);
        open.cubicTo(c + QPointF(-w * 0.45, -0.9), c + QPointF(w * 0.45, -0.9), rc);
        open.cubicTo(c + QPointF(w * 0.45, 1.9), c + QPointF(-w * 0.45, 1.9), lc);
        open.closeSubpath();
        p.setBrush(QColor(0x3a, 0x0e, 0x10));
        p.drawPath(open);
        p.save();
        p.setClipPath(open);
        QLinearGradient tg(0, c.y() - 1.2, 0, c.y() + 0.4);
        tg.setColorAt(0, QColor(0xf0, 0xea, 0xe0));
        tg.setColorAt(1, QColor(0xb8, 0xa8, 0x9c));
        p.setBrush(tg);
        p.drawEllipse(QPointF(c.x(), c.y() - 1.4), w * 0.8, 1.6);
        p.restore();
        QPainterPath upper;
        upper.moveTo(lc);
        upper.cubicTo(c + QPointF(-w * 0.5, -3.4), c + QPointF(-1.0, -3.7), c + QPointF(0, -3.0));
        upper.cubicTo(c + QPointF(1.0, -3.7), c + QPointF(w * 0.5, -3.4), rc);
        upper.cubicTo(c + QPointF(w * 0.45, -0.9), c + QPointF(-w * 0.45, -0.9), lc);
        upper.closeSubpath();
        p.setBrush(lips.darker(112));
        p.drawPath(upper);
        QPainterPath lower;
        lower.moveTo(lc);
        lower.cubicTo(c + QPointF(-w * 0.45, 1.9), c + QPointF(w * 0.45, 1.9), rc);
        lower.cubicTo(c + QPointF(w * 0.5, 4.6), c + QPointF(-w * 0.5, 4.6), lc);
        lower.closeSubpath();
        QLinearGradient lg(0, c.y() + 1.0, 0, c.y() + 3.6);
        lg.setColorAt(0, lips.darker(105));
        lg.setColorAt(0.5, lips.lighter(112));
        lg.setColorAt(1, lips.darker(112));
        p.setBrush(lg);
        p.drawPath(lower);
        lowerLight(c + QPointF(-0.8, 2.6), w * 0.3);
    } else {
        QPainterPath smile;
        smile.moveTo(lc);
        smile.cubicTo(c + QPointF(-w * 0.4, 2.2), c + QPointF(w * 0.4, 2.2), rc);
        smile.cubicTo(c + QPointF(w * 0.4, 3.8), c + QPointF(-w * 0.4, 3.8), lc);
        QLinearGradient sg(0, c.y(), 0, c.y() + 3);
        sg.setColorAt(0, lips.darker(105));
        sg.setColorAt(1, lips.lighter(108));
        p.setBrush(sg);
        p.drawPath(smile);
        lowerLight(c + QPointF(-0.6, 2.2), w * 0.3);
        p.setPen(QPen(lips.darker(190), 0.7, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath line;
        line.moveTo(lc);
        line.cubicTo(c + QPointF(-w * 0.4, 1.6), c + QPointF(w * 0.4, 1.6), rc);
        p.drawPath(line);
        // Dimples at the corners.
        p.setPen(QPen(lips.darker(160), 0.45, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lc + QPointF(-0.2, -0.5), lc + QPointF(0.3, 0.7));
        p.drawLine(rc + QPointF(0.2, -0.5), rc + QPointF(-0.3, 0.7));
    }
}

// The modelling of the face over its base colour, clipped to its outline:
// light on the brow and the lit cheek, shade down the right and under the
// jaw, warmth in the cheeks and hollows round the eyes.
void modelFace(QPainter& p, const Look& look, const Head& h, const QPainterPath& face,
               double hatShadowY) {
    p.save();
    p.setClipPath(face, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    const QRectF box = face.boundingRect();
    QLinearGradient side(h.cx - 4, 0, box.right(), 0);
    side.setColorAt(0, QColor(90, 36, 18, 0));
    side.setColorAt(1, QColor(90, 36, 18, 85));
    p.setBrush(side);
    p.drawRect(box);
    QLinearGradient jaw(0, 70, 0, h.chinY);
    jaw.setColorAt(0, QColor(90, 36, 18, 0));
    jaw.setColorAt(1, QColor(90, 36, 18, 60));
    p.setBrush(jaw);
    p.drawRect(box);
    for (const QPointF& c : {h.eyeL, h.eyeR}) {
        QRadialGradient s(c + QPointF(0.6, -0.8), 7.5);
        s.setColorAt(0, QColor(110, 50, 30, 45));
        s.setColorAt(1, QColor(110, 50, 30, 0));
        p.setBrush(s);
        p.drawEllipse(c + QPointF(0.6, -0.8), 7.5, 6);
    }
    const int warmth = look.woman ? 55 : 38;
    for (const QPointF& c : {QPointF(h.eyeL.x() - 0.5, 66.5), QPointF(h.eyeR.x() + 0.5, 66.5)}) {
        QRadialGradient s(c, 5.5);
        s.setColorAt(0, QColor(220, 100, 90, warmth));
        s.setColorAt(1, QColor(220, 100, 90, 0));
        p.setBrush(s);
        p.drawEllipse(c, 5.5, 4.5);
    }
    QRadialGradient brow(QPointF(h.cx - 5, 44), 11);
    brow.setColorAt(0, QColor(255, 246, 230, 80));
    brow.setColorAt(1, QColor(255, 246, 230, 0));
    p.setBrush(brow);
    p.drawEllipse(QPointF(h.cx - 5, 44), 11, 8);
    const QPointF bone(h.eyeL.x() - 1.0, 62.5);
    QRadialGradient cheek(bone, 4.5);
    cheek.setColorAt(0, QColor(255, 244, 228, 60));
    cheek.setColorAt(1, QColor(255, 244, 228, 0));
    p.setBrush(cheek);
    p.drawEllipse(bone, 4.5, 3);
    if (hatShadowY > 0) {
        // The brim's shadow across the brow.
        QLinearGradient hs(0, hatShadowY - 6, 0, hatShadowY + 7);
        hs.setColorAt(0, QColor(50, 18, 8, 150));
        hs.setColorAt(1, QColor(50, 18, 8, 0));
        p.setBrush(hs);
        p.drawRect(QRectF(box.left(), hatShadowY - 6, box.width(), 13));
    }
    p.restore();
}

// A band of sheen across a mass of hair or silk: a soft ring of light
// clipped to the shape.
void sheen(QPainter& p, const QPainterPath& shape, QPointF centre, double radius, QColor light,
           int alpha) {
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    QRadialGradient g(centre, radius);
    QColor c0 = light, c1 = light;
    c0.setAlpha(0);
    c1.setAlpha(alpha);
    g.setColorAt(0, c0);
    g.setColorAt(0.62, c0);
    g.setColorAt(0.78, c1);
    g.setColorAt(0.92, c0);
    g.setColorAt(1, c0);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

// Folds in cloth: shadowed creases, each with a lit edge on its upper left,
// clipped to the garment.
struct Fold {
    QPointF from, ctrl, to;
};
void folds(QPainter& p, const QPainterPath& cloth, QColor base, const std::vector<Fold>& list,
           double depth = 1.0) {
    p.save();
    p.setClipPath(cloth, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    for (const Fold& f : list) {
        QPainterPath s;
        s.moveTo(f.from);
        s.quadTo(f.ctrl, f.to);
        QColor dark = base.darker(170);
        dark.setAlpha(static_cast<int>(130 * depth));
        p.setPen(QPen(dark, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s);
        QColor lit = base.lighter(150);
        lit.setAlpha(static_cast<int>(90 * depth));
        p.setPen(QPen(lit, 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(s.translated(-1.2, -0.6));
    }
    p.restore();
}

// ---- the four sitters' hair, hats and clothes -----------------------------

QPainterPath shoulders(double top) {
    QPainterPath s;
    s.moveTo(8, 125);
    s.cubicTo(10, 108, 24, top + 2, 46, top);
    s.lineTo(74, top);
    s.cubicTo(96, top + 2, 110, 108, 112, 125);
    s.closeSubpath();
    return s;
}

void peterBehind(QPainter& p, const Look& look, const Head& h) {
    // Long hair falling to the shoulders.
    QPainterPath hair;
    hair.moveTo(h.cx - h.L - 3, 44);
    hair.cubicTo(h.cx - h.L - 8, 70, h.cx - h.L - 9, 92, h.cx - h.L - 4, 104);
    hair.lineTo(h.cx + h.R + 6, 104);
    hair.cubicTo(h.cx + h.R + 9, 90, h.cx + h.R + 8, 70, h.cx + h.R + 3, 44);
    hair.closeSubpath();
    p.setPen(QPen(look.hair.darker(150), 0.6));
    shadedFill(p, hair, look.hair, QPointF(40, 50), 60);
    strands(p, hair, look.hair.lighter(150), h.cx - h.L - 9, h.cx + h.R + 9, 44, 106, 2.5);
    strands(p, hair, look.hair.darker(160), h.cx - h.L - 8, h.cx + h.R + 8, 50, 106, -2.0);
    sheen(p, hair, QPointF(h.cx - 2, 52), 34, look.hair.lighter(200), 90);
}

void peterDress(QPainter& p, const Look& look, const Head& h) {
    p.setPen(QPen(QColor(0x1a, 0x10, 0x18), 0.6));
    shadedFill(p, shoulders(89), QColor(0x3a, 0x2a, 0x4e), QPointF(30, 96), 90);
    // A broad pink collar with a white edge.
    QPainterPath collar;
    collar.moveTo(h.cx - 30, 93);
    collar.cubicTo(h.cx - 20, 93, h.cx - 8, 92, h.cx, 90);
    collar.cubicTo(h.cx + 8, 92, h.cx + 20, 93, h.cx + 30, 93);
    collar.cubicTo(h.cx + 26, 112, h.cx + 10, 114, h.cx, 99);
    collar.cubicTo(h.cx - 10, 114, h.cx - 26, 112, h.cx - 30, 93);
    collar.closeSubpath();
    folds(p, shoulders(89), QColor(0x3a, 0x2a, 0x4e),
          {{{30, 100}, {24, 110}, {20, 126}},
           {{44, 104}, {42, 116}, {46, 126}},
           {{90, 100}, {96, 110}, {100, 126}},
           {{76, 104}, {79, 116}, {75, 126}}});
    p.setPen(QPen(QColor(0xff, 0xee, 0xf4), 1.0));
    shadedFill(p, collar, QColor(0xe0, 0x78, 0xa4), QPointF(h.cx - 16, 91), 40);
    folds(p, collar, QColor(0xe0, 0x78, 0xa4),
          {{{h.cx - 20, 94}, {h.cx - 19, 101}, {h.cx - 16, 108}},
           {{h.cx - 9, 94}, {h.cx - 10, 100}, {h.cx - 7, 106}},
           {{h.cx + 10, 94}, {h.cx + 10, 100}, {h.cx + 8, 106}},
           {{h.cx + 20, 94}, {h.cx + 19, 101}, {h.cx + 16, 108}}});
    // A lace edge along the hem of the collar.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf4, 0xf8, 200));
    for (int side : {-1, 1}) {
        for (int i = 0; i <= 10; ++i) {
            const double u = i / 10.0;
            // Along the lobe's curve from the tip of the collar to its middle.
            const QPointF p0(h.cx + side * 30, 93), p1(h.cx + side * 26, 112),
                p2(h.cx + side * 10, 114), p3(h.cx, 99);
            const double v = 1 - u;
            const QPointF pt =
                p0 * v * v * v + p1 * 3 * v * v * u + p2 * 3 * v * u * u + p3 * u * u * u;
            p.drawEllipse(pt, 0.8, 0.8);
        }
    }
    (void)look;
}

void peterFront(QPainter& p, const Look& look, const Head& h) {
    // Moustache and pointed beard.
    const QPointF m = h.mouth;
    QPainterPath beard;
    beard.moveTo(m + QPointF(-5.5, 3.5));
    beard.cubicTo(m + QPointF(-5, 10), m + QPointF(-1, 14), QPointF(h.chinX + 1.5, h.chinY + 9));
    beard.cubicTo(m + QPointF(2, 14), m + QPointF(5.5, 10), m + QPointF(5.5, 3.5));
    beard.cubicTo(m + QPointF(2, 5.5), m + QPointF(-2, 5.5), m + QPointF(-5.5, 3.5));
    p.setPen(QPen(look.hair.darker(150), 0.5));
    shadedFill(p, beard, look.hair, m + QPointF(-2, 4), 14);
    QPainterPath mo;
    mo.moveTo(m + QPointF(0, -2.6));
    mo.cubicTo(m + QPointF(-4, -4.2), m + QPointF(-7, -2), m + QPointF(-9.5, 0.8));
    mo.cubicTo(m + QPointF(-6, -0.6), m + QPointF(-3, -0.8), m + QPointF(0, -1.2));
    mo.cubicTo(m + QPointF(3, -0.8), m + QPointF(6, -0.6), m + QPointF(9.5, 0.8));
    mo.cubicTo(m + QPointF(7, -2), m + QPointF(4, -4.2), m + QPointF(0, -2.6));
    shadedFill(p, mo, look.hair, m + QPointF(-2, -3), 10);

    // Fringe under the hat.
    QPainterPath fringe;
    fringe.moveTo(h.cx - h.L - 1, 52);
    fringe.cubicTo(h.cx - h.L, 38, h.cx + h.R, 38, h.cx + h.R + 1, 50);
    fringe.cubicTo(h.cx + 4, 42, h.cx - 6, 43, h.cx - h.L - 1, 52);
    shadedFill(p, fringe, look.hair, QPointF(40, 40), 30);
    strands(p, fringe, look.hair.lighter(160), h.cx - h.L - 1, h.cx + h.R + 1, 38, 54, 1.5);

    // The broad pink hat: brim, crown, a blue band and a feather.
    const QColor pink(0xd8, 0x6a, 0x9c);
    p.setPen(QPen(pink.darker(190), 0.7));
    QPainterPath crown;
    crown.moveTo(h.cx - 22, 36);
    crown.cubicTo(h.cx - 24, 10, h.cx + 24, 8, h.cx + 22, 36);
    crown.closeSubpath();
    shadedFill(p, crown, pink, QPointF(h.cx - 10, 16), 30);
    folds(p, crown, pink,
          {{{h.cx - 8, 14}, {h.cx - 13, 22}, {h.cx - 14, 32}},
           {{h.cx + 6, 13}, {h.cx + 10, 22}, {h.cx + 12, 32}}},
          0.4);
    QPainterPath brim;
    brim.addEllipse(QPointF(h.cx + 2, 38), 46, 9.5);
    QPainterPath hole;
    hole.addEllipse(QPointF(h.cx + 1, 35.5), 22, 5);
    const QPainterPath brimShape = brim.subtracted(hole);
    shadedFill(p, brimShape, pink.darker(108), QPointF(h.cx - 20, 33), 60);
    // The brim's rolled front edge catches the light along the top left.
    sheen(p, brimShape, QPointF(h.cx - 2, 44), 40, QColor(255, 226, 238), 120);
    p.save();
    p.setClipPath(brimShape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pink.darker(160), 1.2));
    p.drawEllipse(QPointF(h.cx + 2, 37.4), 45.6, 9.1);
    p.restore();
    QPainterPath band;
    band.moveTo(h.cx - 22.5, 31);
    band.cubicTo(h.cx - 10, 35, h.cx + 10, 35, h.cx + 22.5, 31);
    band.lineTo(h.cx + 22.2, 36);
    band.cubicTo(h.cx + 10, 40, h.cx - 10, 40, h.cx - 22.2, 36);
    band.closeSubpath();
    shadedFill(p, band, QColor(0x30, 0x5c, 0xc8), QPointF(h.cx - 12, 32), 30);
    // Feather plumes sweeping back from the band.
    for (int i = 0; i < 3; ++i) {
        QPainterPath f;
        const QPointF root(h.cx + 16 - i * 2, 33);
        f.moveTo(root);
        f.cubicTo(root + QPointF(8, -14 + i * 4), root + QPointF(18, -18 + i * 6),
                  root + QPointF(25 - i * 3, -10 + i * 7));
        f.cubicTo(root + QPointF(16, -10 + i * 5), root + QPointF(8, -6 + i * 2), root);
        const QColor fc = i == 1 ? QColor(0xe8, 0xf0, 0xff) : QColor(0x6a, 0x9a, 0xf0);
        p.setPen(QPen(fc.darker(150), 0.5));
        shadedFill(p, f, fc, root + QPointF(10, -10), 24);
        // The barbs: fine lines slanting off the shaft.
        p.save();
        p.setClipPath(f);
        p.setPen(QPen(fc.darker(135), 0.35));
        QPainterPath shaft;
        shaft.moveTo(root);
        shaft.cubicTo(root + QPointF(8, -11 + i * 3), root + QPointF(16, -15 + i * 5),
                      root + QPointF(25 - i * 3, -10 + i * 7));
        for (int k = 1; k < 14; ++k) {
            const QPointF s = shaft.pointAtPercent(k / 14.0);
            p.drawLine(s, s + QPointF(2.2, 2.6));
            p.drawLine(s, s + QPointF(-1.2, -2.8));
        }
        p.setPen(QPen(fc.lighter(120), 0.5));
        p.drawPath(shaft);
        p.restore();
    }
    // One highlight on the crown.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 240, 90));
    p.drawEllipse(QPointF(h.cx - 9, 18), 5, 3);
}

void annaBehind(QPainter& p, const Look& look, const Head& h) {
    // Hair gathered into a net at the back of the head.
    const double side = -look.turn; // the bun sits away from where she looks
    const QPointF bun(h.cx + side * 17, 52);
    QPainterPath hair;
    hair.addEllipse(QPointF(h.cx, 47), h.L + 3.5, 17);
    hair.addEllipse(bun, 13, 14);
    p.setPen(QPen(look.hair.darker(140), 0.6));
    shadedFill(p, hair.simplified(), look.hair, QPointF(44, 40), 40);
    strands(p, hair.simplified(), look.hair.lighter(220), bun.x() - 13, bun.x() + 13, 38, 66, 2.0);
    // The net: a gold lattice over the bun with beads at the knots.
    p.save();
    QPainterPath clip;
    clip.addEllipse(bun, 13, 14);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(0xd8, 0xb0, 0x50, 200), 0.5));
    for (double d = -30; d <= 30; d += 4) {
        p.drawLine(bun + QPointF(d - 15, -15), bun + QPointF(d + 15, 15));
        p.drawLine(bun + QPointF(d + 15, -15), bun + QPointF(d - 15, 15));
    }
    p.restore();
}

void annaDress(QPainter& p, const Look& look, const Head& h) {
    p.setPen(QPen(QColor(0x10, 0x10, 0x20), 0.6));
    shadedFill(p, shoulders(90), QColor(0x2c, 0x3a, 0x6a), QPointF(30, 96), 90);
    // A round neckline shows the skin below the neck.
    QPainterPath neckline;
    neckline.moveTo(h.cx - 21, 90.5);
    neckline.cubicTo(h.cx - 15, 110, h.cx + 15, 110, h.cx + 21, 90.5);
    neckline.closeSubpath();
    p.setPen(QPen(QColor(0xd8, 0xb0, 0x50), 1.0));
    folds(p, shoulders(90), QColor(0x2c, 0x3a, 0x6a),
          {{{28, 100}, {22, 112}, {18, 126}},
           {{92, 100}, {98, 112}, {102, 126}},
           {{h.cx - 14, 108}, {h.cx - 16, 116}, {h.cx - 13, 126}},
           {{h.cx + 14, 108}, {h.cx + 15, 116}, {h.cx + 12, 126}}});
    shadedFill(p, neckline, look.skin.darker(108), QPointF(h.cx - 6, 94), 24);
    // The collarbones, lightly.
    p.setPen(QPen(QColor(120, 60, 40, 60), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(h.cx - 15, 94.5), QPointF(h.cx - 4, 96.5));
    p.drawLine(QPointF(h.cx + 15, 94.5), QPointF(h.cx + 4, 96.5));
    // Green bead necklace.
    p.setPen(QPen(QColor(0x0c, 0x3a, 0x18), 0.4));
    for (int i = 0; i <= 12; ++i) {
        const double a = M_PI * (0.1 + 0.8 * i / 12.0);
        const QPointF b(h.cx + 12.5 * std::cos(a), 91 + 9.5 * std::sin(a));
        QRadialGradient g(b + QPointF(-0.6, -0.6), 2.2);
        g.setColorAt(0, QColor(0xa0, 0xf0, 0xa8));
        g.setColorAt(0.5, QColor(0x2e, 0x9a, 0x4a));
        g.setColorAt(1, QColor(0x10, 0x50, 0x22));
        p.setBrush(g);
        p.drawEllipse(b, 1.7, 1.7);
    }
}

void annaFront(QPainter& p, const Look& look, const Head& h) {
    // Hair swept back from the brow.
    QPainterPath front;
    front.moveTo(h.cx - h.L - 1.5, 56);
    front.cubicTo(h.cx - h.L - 3, 30, h.cx + h.R + 3, 30, h.cx + h.R + 1.5, 56);
    front.cubicTo(h.cx + h.R - 2, 44, h.cx + 6, 41, h.cx, 41.5);
    front.cubicTo(h.cx - 6, 41, h.cx - h.L + 2, 44, h.cx - h.L - 1.5, 56);
    p.setPen(QPen(look.hair.darker(140), 0.5));
    shadedFill(p, front, look.hair, QPointF(h.cx - 10, 34), 30);
    sheen(p, front, QPointF(h.cx - 3, 52), 17, look.hair.lighter(320), 110);
    p.setPen(QPen(look.hair.lighter(190), 0.4));
    for (int i = -2; i <= 2; ++i) {
        QPainterPath s;
        s.moveTo(h.cx + i * 4, 42);
        s.quadTo(h.cx + i * 6, 35, h.cx + i * 8.5, 34);
        p.drawPath(s);
    }
    // The small red-and-gold cap, tilted.
    p.save();
    p.translate(h.cx + 2 * look.turn, 29);
    p.rotate(-8 * look.turn);
    QPainterPath cap;
    cap.moveTo(-13, 3);
    cap.cubicTo(-13, -8, 13, -8, 13, 3);
    cap.cubicTo(6, 6, -6, 6, -13, 3);
    p.setPen(QPen(QColor(0x50, 0x08, 0x0c), 0.6));
    shadedFill(p, cap, QColor(0xc0, 0x22, 0x2c), QPointF(-5, -4), 16);
    folds(p, cap, QColor(0xc0, 0x22, 0x2c),
          {{{-6, -4}, {-8, 0}, {-8, 3}}, {{5, -4}, {7, 0}, {7, 3}}}, 0.5);
    QPainterPath band;
    band.moveTo(-13, 3);
    band.cubicTo(-6, 6, 6, 6, 13, 3);
    band.lineTo(13, 0.8);
    band.cubicTo(6, 3.8, -6, 3.8, -13, 0.8);
    band.closeSubpath();
    shadedFill(p, band, kGold, QPointF(-5, 1), 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xdc, 0x8c));
    for (int i = -2; i <= 2; ++i)
        p.drawEllipse(QPointF(i * 4.5, -2.5 + std::abs(i) * 0.9), 0.9, 0.9);
    p.setBrush(QColor(255, 220, 220, 100));
    p.drawEllipse(QPointF(-5, -3.5), 3.5, 1.6);
    p.restore();
}

void georgeBehind(QPainter& p, const Look& look, const Head& h) {
    QPainterPath hair;
    hair.addEllipse(QPointF(h.cx, 48), h.L + h.R > 30 ? 19.5 : 18, 19);
    p.setPen(QPen(look.hair.darker(150), 0.6));
    shadedFill(p, hair, look.hair, QPointF(44, 40), 40);
    strands(p, hair, look.hair.lighter(150), h.cx - 20, h.cx + 20, 30, 68, 2.0);
}

void georgeDress(QPainter& p, const Look& look, const Head& h) {
    p.setPen(QPen(QColor(0x06, 0x06, 0x08), 0.6));
    shadedFill(p, shoulders(90), QColor(0x26, 0x22, 0x2a), QPointF(30, 96), 90);
    folds(p, shoulders(90), QColor(0x3a, 0x34, 0x42),
          {{{26, 100}, {20, 112}, {16, 126}},
           {{94, 100}, {100, 112}, {104, 126}},
           {{40, 102}, {38, 114}, {42, 126}},
           {{80, 102}, {83, 114}, {79, 126}}});
    // Gold buttons down the doublet.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(h.cx, 104 + i * 5), 1.1, 1.1);
    // The white ruff: a ring of pleats round the neck.
    p.setPen(QPen(QColor(0x9a, 0x98, 0x94), 0.5));
    const QPointF c(h.cx, 88);
    for (int ring = 0; ring < 2; ++ring) {
        for (int i = 0; i < 22; ++i) {
            const double a = 2 * M_PI * i / 22 + ring * 0.14;
            const QPointF pt(c.x() + (24 - ring * 5) * std::cos(a),
                             c.y() + (8 - ring * 2) * std::sin(a));
            QRadialGradient g(pt + QPointF(-1, -1.5), 5);
            g.setColorAt(0, QColor(0xff, 0xff, 0xfc));
            g.setColorAt(1, QColor(0xc8, 0xc4, 0xbc));
            p.setBrush(g);
            p.drawEllipse(pt, 4.6, 4.0);
            // The fold of each pleat.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0x8a, 0x84, 0x80, 150), 0.45));
            p.drawArc(QRectF(pt.x() - 2.4, pt.y() - 2.0, 4.8, 4.0), 200 * 16, 140 * 16);
            p.setPen(QPen(QColor(0x9a, 0x98, 0x94), 0.5));
        }
    }
    (void)look;
}

void georgeFront(QPainter& p, const Look& look, const Head& h) {
    // Moustache with curled ends.
    const QPointF m = h.mouth;
    QPainterPath mo;
    mo.moveTo(m + QPointF(0, -2.8));
    mo.cubicTo(m + QPointF(-4, -4.8), m + QPointF(-8, -2.5), m + QPointF(-10, -4.5));
    mo.cubicTo(m + QPointF(-9, -0.5), m + QPointF(-4, -0.6), m + QPointF(0, -1.1));
    mo.cubicTo(m + QPointF(4, -0.6), m + QPointF(9, -0.5), m + QPointF(10, -4.5));
    mo.cubicTo(m + QPointF(8, -2.5), m + QPointF(4, -4.8), m + QPointF(0, -2.8));
    p.setPen(QPen(look.hair.darker(150), 0.5));
    shadedFill(p, mo, look.hair, m + QPointF(-2, -3), 10);
    // Side locks under the hat.
    for (double s : {-1.0, 1.0}) {
        const double x = s < 0 ? h.cx - h.L : h.cx + h.R;
        QPainterPath lock;
        lock.moveTo(x - s * 1, 40);
        lock.cubicTo(x + s * 4, 48, x + s * 3, 58, x + s * 0.5, 62);
        lock.cubicTo(x - s * 1, 55, x - s * 1.5, 48, x - s * 3, 42);
        shadedFill(p, lock, look.hair, QPointF(x, 44), 14);
        strands(p, lock, look.hair.lighter(160), x - 4, x + 4, 40, 62, s * 1.5);
    }
    // The purple hat: a soft, slouched cap with a gold brooch.
    QPainterPath hat;
    hat.moveTo(h.cx - 25, 40);
    hat.cubicTo(h.cx - 30, 22, h.cx - 14, 10, h.cx + 4, 11);
    hat.cubicTo(h.cx + 22, 12, h.cx + 30, 24, h.cx + 26, 38);
    hat.cubicTo(h.cx + 10, 33, h.cx - 10, 33, h.cx - 25, 40);
    p.setPen(QPen(QColor(0x1e, 0x08, 0x2a), 0.7));
    shadedFill(p, hat, QColor(0x66, 0x30, 0x8a), QPointF(h.cx - 12, 16), 40);
    // The soft velvet gathers into pleats towards the crown.
    folds(p, hat, QColor(0x66, 0x30, 0x8a),
          {{{h.cx - 18, 34}, {h.cx - 16, 22}, {h.cx - 6, 14}},
           {{h.cx - 4, 33}, {h.cx - 2, 22}, {h.cx + 4, 13}},
           {{h.cx + 12, 33}, {h.cx + 14, 24}, {h.cx + 14, 15}}},
          0.5);
    sheen(p, hat, QPointF(h.cx + 2, 34), 26, QColor(230, 190, 255), 80);
    QPainterPath rim;
    rim.moveTo(h.cx - 26, 41);
    rim.cubicTo(h.cx - 10, 33, h.cx + 10, 33, h.cx + 27, 39);
    rim.lineTo(h.cx + 26.5, 35.5);
    rim.cubicTo(h.cx + 10, 29.5, h.cx - 10, 29.5, h.cx - 25.5, 37.5);
    rim.closeSubpath();
    shadedFill(p, rim, QColor(0x4a, 0x1c, 0x66), QPointF(h.cx - 12, 33), 30);
    p.setPen(QPen(kGoldShadow, 0.5));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(h.cx - 14 * look.turn, 33), 2.4, 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 255, 80));
    p.drawEllipse(QPointF(h.cx - 10, 18), 7, 3.2);
}

void mariaBehind(QPainter& p, const Look& look, const Head& h) {
    // Long black hair down past the shoulders.
    QPainterPath hair;
    hair.moveTo(h.cx - h.L - 2, 40);
    hair.cubicTo(h.cx - h.L - 10, 62, h.cx - h.L - 12, 100, h.cx - h.L - 8, 124);
    hair.lineTo(h.cx + h.R + 8, 124);
    hair.cubicTo(h.cx + h.R + 12, 100, h.cx + h.R + 10, 62, h.cx + h.R + 2, 40);
    hair.cubicTo(h.cx + 10, 26, h.cx - 10, 26, h.cx - h.L - 2, 40);
    p.setPen(QPen(QColor(0x05, 0x04, 0x06), 0.6));
    shadedFill(p, hair, look.hair.lighter(160), QPointF(40, 44), 70);
    strands(p, hair, QColor(0x7a, 0x70, 0x90), h.cx - h.L - 12, h.cx + h.R + 12, 40, 124, 2.0);
}

void mariaDress(QPainter& p, const Look& look, const Head& h) {
    p.setPen(QPen(QColor(0x30, 0x04, 0x08), 0.6));
    shadedFill(p, shoulders(91), QColor(0xb0, 0x1c, 0x28), QPointF(30, 98), 90);
    folds(p, shoulders(91), QColor(0xb0, 0x1c, 0x28),
          {{{h.cx - 16, 108}, {h.cx - 18, 116}, {h.cx - 15, 126}},
           {{h.cx + 16, 108}, {h.cx + 17, 116}, {h.cx + 14, 126}},
           {{h.cx - 4, 112}, {h.cx - 5, 118}, {h.cx - 3, 126}}});
    QPainterPath neckline;
    neckline.moveTo(h.cx - 22, 91.5);
    neckline.cubicTo(h.cx - 14, 113, h.cx + 14, 113, h.cx + 22, 91.5);
    neckline.closeSubpath();
    p.setPen(QPen(kGold, 1.1));
    shadedFill(p, neckline, look.skin.darker(106), QPointF(h.cx - 6, 94), 26);
    // A pendant on a fine chain.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 0.5));
    p.drawArc(QRectF(h.cx - 9, 84, 18, 14), 200 * 16, 140 * 16);
    p.setPen(QPen(kGoldShadow, 0.4));
    p.setBrush(QColor(0xa0, 0x10, 0x1c));
    p.drawEllipse(QPointF(h.cx, 98.5), 1.6, 2.0);
    // Hair falling in front of the shoulders.
    QPainterPath locks;
    locks.moveTo(h.cx - h.L - 1, 60);
    locks.cubicTo(h.cx - h.L - 6, 80, h.cx - h.L - 6, 104, h.cx - h.L - 12, 122);
    locks.lineTo(h.cx - h.L + 2, 122);
    locks.cubicTo(h.cx - h.L + 1, 104, h.cx - h.L + 1, 86, h.cx - h.L + 2, 70);
    locks.closeSubpath();
    locks.moveTo(h.cx + h.R + 1, 60);
    locks.cubicTo(h.cx + h.R + 6, 80, h.cx + h.R + 6, 104, h.cx + h.R + 12, 122);
    locks.lineTo(h.cx + h.R - 2, 122);
    locks.cubicTo(h.cx + h.R - 1, 104, h.cx + h.R - 1, 86, h.cx + h.R - 2, 70);
    locks.closeSubpath();
    p.setPen(QPen(QColor(0x05, 0x04, 0x06), 0.5));
    shadedFill(p, locks, look.hair.lighter(150), QPointF(40, 70), 60);
    strands(p, locks, QColor(0x80, 0x76, 0x98), h.cx - h.L - 12, h.cx + h.R + 12, 60, 122, 1.5);
}

void mariaFront(QPainter& p, const Look& look, const Head& h) {
    QPainterPath front;
    front.moveTo(h.cx - h.L - 2, 60);
    front.cubicTo(h.cx - h.L - 3, 32, h.cx + h.R + 3, 32, h.cx + h.R + 2, 60);
    front.cubicTo(h.cx + h.R - 3, 46, h.cx + 8, 41, h.cx + 1, 40.5);
    front.cubicTo(h.cx - 8, 41, h.cx - h.L + 3, 46, h.cx - h.L - 2, 60);
    p.setPen(QPen(QColor(0x05, 0x04, 0x06), 0.5));
    shadedFill(p, front, look.hair.lighter(170), QPointF(h.cx - 8, 36), 30);
    sheen(p, front, QPointF(h.cx - 2, 54), 18, QColor(0xb0, 0xa8, 0xc8), 110);
    strands(p, front, QColor(0x70, 0x68, 0x84), h.cx - h.L - 2, h.cx + h.R + 2, 34, 60, 1.2);
    p.setPen(QPen(QColor(0x6a, 0x60, 0x78, 120), 0.5));
    p.drawArc(QRectF(h.cx - 14, 36, 18, 12), 80 * 16, 80 * 16);
    // The dark crown: blackened metal with points, gold edges and red stones.
    p.save();
    p.translate(h.cx, 33);
    QPainterPath crown;
    crown.moveTo(-16, 4);
    crown.lineTo(-18, -9);
    crown.lineTo(-10, -3);
    crown.lineTo(-5, -14);
    crown.lineTo(0, -5);
    crown.lineTo(5, -14);
    crown.lineTo(10, -3);
    crown.lineTo(18, -9);
    crown.lineTo(16, 4);
    crown.cubicTo(6, 1, -6, 1, -16, 4);
    crown.closeSubpath();
    p.setPen(QPen(kGoldShadow, 0.7));
    shadedFill(p, crown, QColor(0x3a, 0x34, 0x44), QPointF(-8, -8), 24);
    // Gold edging along the rim and light along the left slopes of the points.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 0.9));
    QPainterPath rimLine;
    rimLine.moveTo(-16, 3.2);
    rimLine.cubicTo(-6, 0.2, 6, 0.2, 16, 3.2);
    p.drawPath(rimLine);
    p.setPen(QPen(QColor(0xc8, 0xc0, 0xd8, 150), 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-17.6, -7.5), QPointF(-16, 2));
    p.drawLine(QPointF(-5.4, -12.5), QPointF(-9.4, -3.8));
    p.drawLine(QPointF(4.6, -12.5), QPointF(0.6, -5.5));
    p.setPen(Qt::NoPen);
    for (const QPointF& s : {QPointF(-5, -1), QPointF(5, -1), QPointF(0, -0.2)}) {
        QRadialGradient g(s + QPointF(-0.5, -0.5), 2);
        g.setColorAt(0, QColor(0xff, 0x90, 0x90));
        g.setColorAt(1, QColor(0x90, 0x08, 0x10));
        p.setBrush(g);
        p.drawEllipse(s, 1.5, 1.5);
    }
    p.setBrush(kGold);
    for (const QPointF& t : {QPointF(-18, -9), QPointF(-5, -14), QPointF(5, -14), QPointF(18, -9)})
        p.drawEllipse(t, 1.1, 1.1);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QPointF(-9, -3), 3, 1.2);
    p.restore();
}

void sitter(QPainter& p, int seat, const Expression& e) {
    const Look look = lookOf(seat);
    const Head h = headOf(look);
    p.setPen(Qt::NoPen);
    switch (seat) {
    case Freak:
        peterBehind(p, look, h);
        break;
    case Geek:
        annaBehind(p, look, h);
        break;
    case Master:
        georgeBehind(p, look, h);
        break;
    default:
        mariaBehind(p, look, h);
        break;
    }
    neckAndEar(p, look, h);
    switch (seat) {
    case Freak:
        peterDress(p, look, h);
        break;
    case Geek:
        annaDress(p, look, h);
        break;
    case Master:
        georgeDress(p, look, h);
        break;
    default:
        mariaDress(p, look, h);
        break;
    }
    // The face, lit from the upper left.
    const QPainterPath face = faceShape(h, look.woman);
    p.setPen(QPen(look.skin.darker(185), 0.6));
    shadedFill(p, face, look.skin, QPointF(h.cx - 8, 48), 34);
    modelFace(p, look, h, face, seat == Freak ? 46.5 : seat == Master ? 39.5 : 0);
    eyes(p, look, h, e);
    browsAndNose(p, look, h);
    // The smile lifts the cheeks only within the face.
    p.save();
    p.setClipPath(face, Qt::IntersectClip);
    mouth(p, look, h, e.mouth);
    p.restore();
    switch (seat) {
    case Freak:
        peterFront(p, look, h);
        break;
    case Geek:
        annaFront(p, look, h);
        break;
    case Master:
        georgeFront(p, look, h);
        break;
    default:
        mariaFront(p, look, h);
        break;
    }
}

void portrait(QPainter& p, int seat, const Expression& e) {
    const QRectF inner(kBand, kBand, kPortraitW - 2 * kBand, kPortraitH - 2 * kBand);
    // Warm light behind the sitter's head from the upper left, falling
    // away into a dark vignette in the corners.
    QRadialGradient bg(QPointF(46, 42), 90);
    bg.setColorAt(0, QColor(0x7a, 0x36, 0x20));
    bg.setColorAt(0.45, QColor(0x4e, 0x1e, 0x12));
    bg.setColorAt(1, QColor(0x1e, 0x0a, 0x06));
    p.fillRect(inner, bg);
    QRadialGradient vignette(QPointF(60, 60), 74);
    vignette.setColorAt(0, QColor(10, 3, 2, 0));
    vignette.setColorAt(0.6, QColor(10, 3, 2, 0));
    vignette.setColorAt(1, QColor(10, 3, 2, 150));
    p.fillRect(inner, vignette);
    // The frame's shadow falls on the picture below and right of its edge.
    QLinearGradient top(0, kBand, 0, kBand + 4);
    top.setColorAt(0, QColor(0, 0, 0, 120));
    top.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(inner.left(), inner.top(), inner.width(), 4), top);
    QLinearGradient left(kBand, 0, kBand + 4, 0);
    left.setColorAt(0, QColor(0, 0, 0, 120));
    left.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(inner.left(), inner.top(), 4, inner.height()), left);
    p.save();
    p.setClipRect(inner);
    // The bust is drawn a little larger than its layout grid, anchored at
    // the brim line, so that the face fills the frame.
    p.translate(60, 50);
    p.scale(1.1, 1.1);
    p.translate(-60, -50);
    sitter(p, seat, e);
    p.restore();
    frame(p, e.lit);
}

struct FrameDef {
    int seat;
    Expression e;
};

FrameDef frameDef(int index) {
    // Peter and George look aside at rest; George's glances sweep the other way.
    const double peterGaze = 0.55, georgeGaze = -0.55;
    const double annaGaze = 0.1, mariaGaze = -0.1;
    switch (index) {
    case 0:
        return {Freak, {1, peterGaze, Mouth::Closed, false}};
    case 1:
        return {Freak, {1, peterGaze, Mouth::Closed, true}};
    case 2:
        return {Geek, {1, annaGaze, Mouth::Closed, false}};
    case 3:
        return {Geek, {1, annaGaze, Mouth::Closed, true}};
    case 4:
        return {Master, {1, georgeGaze, Mouth::Closed, false}};
    case 5:
        return {Master, {1, georgeGaze, Mouth::Closed, true}};
    case 6:
        return {Champ, {1, mariaGaze, Mouth::Closed, false}};
    case 7:
        return {Champ, {1, mariaGaze, Mouth::Closed, true}};
    case 8:
        return {Freak, {1, peterGaze, Mouth::Smile, false}};
    case 9:
        return {Geek, {1, annaGaze, Mouth::Parted, false}};
    case 10:
        return {Master, {1, georgeGaze, Mouth::Smile, false}};
    case 11:
        return {Champ, {1, mariaGaze, Mouth::Parted, false}};
    case 12:
        return {Freak, {0, peterGaze, Mouth::Closed, false}};
    case 13:
        return {Geek, {0.45, annaGaze, Mouth::Closed, false}};
    case 14:
        return {Geek, {0, annaGaze, Mouth::Closed, false}};
    case 15:
        return {Master, {1, 0.05, Mouth::Closed, false}};
    case 16:
        return {Master, {1, 0.5, Mouth::Closed, false}};
    case 17:
        return {Master, {1, 0.88, Mouth::Closed, false}};
    case 18:
        return {Champ, {0.45, mariaGaze, Mouth::Closed, false}};
    default:
        return {Champ, {0, mariaGaze, Mouth::Closed, false}};
    }
}

} // namespace

QImage portraitMaster(int index) {
    const FrameDef f = frameDef(index);
    return render(kPortraitW, kPortraitH, kSuper, QColor(0x24, 0x0c, 0x08),
                  [&](QPainter& p) { portrait(p, f.seat, f.e); });
}

} // namespace assetgen
