#include "suits.h"

namespace assetgen {

namespace {

QPainterPath heart() {
    QPainterPath h;
    h.moveTo(0, -0.26);
    h.cubicTo(-0.02, -0.44, -0.15, -0.5, -0.26, -0.5);
    h.cubicTo(-0.41, -0.5, -0.5, -0.38, -0.5, -0.22);
    h.cubicTo(-0.5, 0.04, -0.2, 0.2, 0, 0.5);
    h.cubicTo(0.2, 0.2, 0.5, 0.04, 0.5, -0.22);
    h.cubicTo(0.5, -0.38, 0.41, -0.5, 0.26, -0.5);
    h.cubicTo(0.15, -0.5, 0.02, -0.44, 0, -0.26);
    h.closeSubpath();
    return h;
}

// A stem that flares into a curved foot, shared by club and spade.
QPainterPath stem(double top) {
    QPainterPath s;
    s.moveTo(-0.045, top);
    s.cubicTo(-0.04, 0.32, -0.12, 0.44, -0.24, 0.5);
    s.lineTo(0.24, 0.5);
    s.cubicTo(0.12, 0.44, 0.04, 0.32, 0.045, top);
    s.closeSubpath();
    return s;
}

QPainterPath spade() {
    QTransform t;
    t.translate(0, -0.11);
    t.scale(1.0, -0.78);
    QPainterPath body = t.map(heart());
    return body.united(stem(0.05)).simplified();
}

QPainterPath club() {
    QPainterPath c;
    const double r = 0.215;
    c.addEllipse(QPointF(0, -0.27), r, r);
    c.addEllipse(QPointF(-0.27, 0.07), r, r);
    c.addEllipse(QPointF(0.27, 0.07), r, r);
    QPainterPath core;
    core.addEllipse(QPointF(0, 0.0), 0.14, 0.14);
    return c.united(core).united(stem(0.0)).simplified();
}

QPainterPath diamond() {
    QPainterPath d;
    d.moveTo(0, -0.5);
    d.quadTo(0.15, -0.21, 0.39, 0);
    d.quadTo(0.15, 0.21, 0, 0.5);
    d.quadTo(-0.15, 0.21, -0.39, 0);
    d.quadTo(-0.15, -0.21, 0, -0.5);
    d.closeSubpath();
    return d;
}

} // namespace

QPainterPath suitPath(int suit) {
    switch (suit) {
    case Clubs:
        return club();
    case Diamonds:
        return diamond();
    case Hearts:
        return heart();
    default:
        return spade();
    }
}

void drawSuit(QPainter& p, int suit, double cx, double cy, double height, bool flipped,
              QColor colour) {
    p.save();
    p.translate(cx, cy);
    if (flipped) p.rotate(180);
    p.scale(height, height);
    p.setPen(Qt::NoPen);
    p.setBrush(colour.isValid() ? colour : suitColour(suit));
    p.drawPath(suitPath(suit));
    p.restore();
}

} // namespace assetgen
