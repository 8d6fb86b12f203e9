#include "cards.h"

#include "canvas.h"
#include "suits.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace assetgen {

namespace {

// What shows in the few pixels outside the rounded corners: dark, like the
// corner pixels the table blackens itself.
const QColor kCornerFill(0x10, 0x22, 0x18);
const QColor kBlue(0x2b, 0x4a, 0x8c);
const QColor kSkin(0xf3, 0xd2, 0xad);
const QColor kSkinShade(0xd9, 0xab, 0x82);

const QRectF kCardRect(0.5, 0.5, 70, 95);
constexpr double kRadius = 4.5;

void cardBody(QPainter& p, QColor fill) {
    p.setPen(QPen(kCardBorder, 0.9));
    p.setBrush(fill);
    p.drawRoundedRect(kCardRect, kRadius, kRadius);
}

const char* const kRankText[13] = {"2", "3",  "4", "5", "6", "7", "8",
                                   "9", "10", "J", "Q", "K", "A"};

// Rank above suit in the top-left column; the card is rotated for the
// bottom-right copy. Sized to read at a glance in the 25 pixels that stay
// visible when the next card covers the rest.
void cornerIndex(QPainter& p, int rank, int suit) {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath eight;
    eight.addText(0, 0, font, "8");
    const QRectF capBox = eight.boundingRect();
    QPainterPath text;
    text.addText(0, 0, font, kRankText[rank]);
    const QRectF box = text.boundingRect();

    const double capHeight = 10.0;
    const double s = capHeight / capBox.height();
    const double maxWidth = 12.6;
    const double sx = std::min(s, maxWidth / box.width());
    const double centreX = 8.3;
    const double top = 3.2;

    p.save();
    p.translate(centreX - (box.left() + box.width() / 2) * sx, top - capBox.top() * s);
    p.scale(sx, s);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(text);
    p.restore();

    drawSuit(p, suit, centreX, top + capHeight + 6.2, 8.6);
}

void bothCorners(QPainter& p, int rank, int suit) {
    cornerIndex(p, rank, suit);
    p.save();
    p.translate(kCardW, kCardH);
    p.rotate(180);
    cornerIndex(p, rank, suit);
    p.restore();
}

// Pip grid: three columns inside a frame inset from the sides, rows from top
// to bottom; a pip below the middle is drawn upside down.
constexpr double kColL = 22.0, kColC = 35.5, kColR = 49.0;
constexpr double kTop = 17.5, kBottom = 78.5, kMid = 48.0;

double rowY(int row, int rows) {
    return kTop + (kBottom - kTop) * row / (rows - 1);
}

void pipsFor(QPainter& p, int rank, int suit) {
    struct Pip {
        double x, y;
    };
    std::vector<Pip> pips;
    auto column = [&](double x, int rows) {
        for (int r = 0; r < rows; ++r) pips.push_back({x, rowY(r, rows)});
    };
    const double quarter = (kTop + rowY(1, 3)) / 2;         // between top and middle rows
    const double threeQuarter = (rowY(1, 3) + kBottom) / 2; // between middle and bottom rows
    const int value = rank + 2;
    switch (value) {
    case 2:
        pips = {{kColC, kTop}, {kColC, kBottom}};
        break;
    case 3:
        pips = {{kColC, kTop}, {kColC, kMid}, {kColC, kBottom}};
        break;
    case 4:
        pips = {{kColL, kTop}, {kColR, kTop}, {kColL, kBottom}, {kColR, kBottom}};
        break;
    case 5:
        pips = {{kColL, kTop}, {kColR, kTop}, {kColC, kMid}, {kColL, kBottom}, {kColR, kBottom}};
        break;
    case 6:
        column(kColL, 3);
        column(kColR, 3);
        break;
    case 7:
        column(kColL, 3);
        column(kColR, 3);
        pips.push_back({kColC, quarter});
        break;
    case 8:
        column(kColL, 3);
        column(kColR, 3);
        pips.push_back({kColC, quarter});
        pips.push_back({kColC, threeQuarter});
        break;
    case 9:
        column(kColL, 4);
        column(kColR, 4);
        pips.push_back({kColC, kMid});
        break;
    case 10:
        column(kColL, 4);
        column(kColR, 4);
        pips.push_back({kColC, (rowY(0, 4) + rowY(1, 4)) / 2});
        pips.push_back({kColC, (rowY(2, 4) + rowY(3, 4)) / 2});
        break;
    }
    const double size = value <= 3 ? 13.5 : 12.5;
    for (const Pip& pip : pips) drawSuit(p, suit, pip.x, pip.y, size, pip.y > kMid + 0.5);
}

void ace(QPainter& p, int suit) {
    if (suit == Spades) {
        // The ace of spades carries the ornament: a ring with a laurel of dots.
        p.save();
        p.setPen(QPen(kGoldShadow, 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(35.5, 48), 19.5, 19.5);
        p.setPen(QPen(kGold, 0.5));
        p.drawEllipse(QPointF(35.5, 48), 18.2, 18.2);
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldShadow);
        for (int i = 0; i < 24; ++i) {
            const double a = i * M_PI / 12;
            p.drawEllipse(QPointF(35.5 + 21.6 * std::cos(a), 48 + 21.6 * std::sin(a)), 0.7, 0.7);
        }
        p.restore();
        drawSuit(p, suit, 35.5, 48, 31);
        // A light line inside the blade gives it the engraved look.
        p.save();
        p.translate(35.5, 48);
        p.scale(31 * 0.62, 31 * 0.62);
        p.translate(0, -0.04);
        p.setPen(QPen(QColor(0xfb, 0xfa, 0xf6, 150), 0.03));
        p.setBrush(Qt::NoBrush);
        p.drawPath(suitPath(Spades));
        p.restore();
    } else {
        drawSuit(p, suit, 35.5, 48, 25);
    }
}

// ---- court cards ------------------------------------------------------
// One half-length figure in a 41 x 40 box; the card shows it twice, the
// second copy turned about the centre, like the classic double-headed cards.

constexpr double kPicL = 15.0, kPicT = 8.0, kPicW = 41.0, kPicH = 80.0;

struct Court {
    int rank; // 9 jack, 10 queen, 11 king
    int suit;
    QColor robe;   // main colour of the robe: the suit's colour
    QColor second; // the panel and sleeves
    QColor hair;
};

void face(QPainter& p, const Court& c, QPointF centre) {
    const double rx = 4.9, ry = 5.9;
    QRadialGradient skin(centre + QPointF(-1.5, -1.8), 7.5);
    skin.setColorAt(0, kSkin.lighter(104));
    skin.setColorAt(1, kSkinShade);
    p.setPen(QPen(QColor(0x6a, 0x45, 0x2a), 0.35));
    p.setBrush(skin);
    p.drawEllipse(centre, rx, ry);
    // Eyes, brows, nose and mouth: tiny, so kept bold.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a, 0x1c, 0x12));
    p.drawEllipse(centre + QPointF(-1.9, -0.6), 0.62, 0.55);
    p.drawEllipse(centre + QPointF(1.9, -0.6), 0.62, 0.55);
    p.setPen(QPen(c.hair.darker(140), 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-3.0, -2.1), centre + QPointF(-0.9, -1.8));
    p.drawLine(centre + QPointF(3.0, -2.1), centre + QPointF(0.9, -1.8));
    p.setPen(QPen(kSkinShade.darker(125), 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(0.1, -1.2), centre + QPointF(-0.4, 1.4));
    p.drawLine(centre + QPointF(-0.4, 1.4), centre + QPointF(0.4, 1.6));
    p.setPen(QPen(QColor(0xa8, 0x2a, 0x2a), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-1.1, 3.2), centre + QPointF(1.1, 3.2));
}

void crown(QPainter& p, QPointF base, double w, double h, bool queen, QColor jewel) {
    QPainterPath cr;
    const double l = base.x() - w / 2, r = base.x() + w / 2, y = base.y();
    cr.moveTo(l, y);
    cr.lineTo(l - 0.3, y - h);
    if (queen) {
        cr.quadTo(l + w * 0.25, y - h * 0.35, base.x(), y - h * 1.05);
        cr.quadTo(r - w * 0.25, y - h * 0.35, r + 0.3, y - h);
    } else {
        cr.lineTo(l + w * 0.25, y - h * 0.5);
        cr.lineTo(base.x(), y - h * 1.1);
        cr.lineTo(r - w * 0.25, y - h * 0.5);
        cr.lineTo(r + 0.3, y - h);
    }
    cr.lineTo(r, y);
    cr.closeSubpath();
    QLinearGradient g(l, 0, r, 0);
    g.setColorAt(0, kGold.lighter(120));
    g.setColorAt(1, kGoldShadow);
    p.setPen(QPen(kGoldShadow.darker(130), 0.4));
    p.setBrush(g);
    p.drawPath(cr);
    p.setPen(Qt::NoPen);
    p.setBrush(jewel);
    p.drawEllipse(QPointF(base.x(), y - 1.3), 0.9, 0.9);
    p.setBrush(QColor(0xfb, 0xfa, 0xf6));
    for (double dx : {-w / 2, 0.0, w / 2})
        p.drawEllipse(QPointF(base.x() + dx * (dx == 0 ? 1 : 0.95), y - h * (dx == 0 ? 1.1 : 1.0)),
                      0.55, 0.55);
}

void courtHalf(QPainter& p, const Court& c) {
    const QPointF head(19.5, 14.5);
    const bool king = c.rank == 11, queen = c.rank == 10, jack = c.rank == 9;

    // Hair behind the face: long for the queen, a bob for the jack.
    p.setPen(Qt::NoPen);
    p.setBrush(c.hair);
    if (queen) {
        QPainterPath h;
        h.moveTo(head + QPointF(-5.5, -3));
        h.cubicTo(head + QPointF(-8.5, 4), head + QPointF(-7, 9), head + QPointF(-4, 11));
        h.lineTo(head + QPointF(4, 11));
        h.cubicTo(head + QPointF(7, 9), head + QPointF(8.5, 4), head + QPointF(5.5, -3));
        h.closeSubpath();
        p.drawPath(h);
    } else if (jack) {
        p.drawEllipse(head + QPointF(0, 0.8), 6.4, 6.6);
    } else {
        p.drawEllipse(head + QPointF(0, -0.5), 6.0, 6.4);
    }

    // Robe: shoulders in the suit's colour with a panel down the front.
    QPainterPath robe;
    robe.moveTo(1.5, 40.5);
    robe.cubicTo(1.5, 30, 4, 24.5, 12, 22.5);
    robe.lineTo(27, 22.5);
    robe.cubicTo(35, 24.5, 38.5, 30, 38.5, 40.5);
    robe.closeSubpath();
    QLinearGradient rg(0, 22, 40, 40);
    rg.setColorAt(0, c.robe.lighter(125));
    rg.setColorAt(1, c.robe.darker(115));
    p.setPen(QPen(kBlack, 0.45));
    p.setBrush(rg);
    p.drawPath(robe);

    QPainterPath panel;
    panel.moveTo(14.5, 22.6);
    panel.lineTo(24.5, 22.6);
    panel.lineTo(23, 40.5);
    panel.lineTo(16, 40.5);
    panel.closeSubpath();
    p.setBrush(c.second);
    p.drawPath(panel);
    // Embroidered stripes on the panel and a gold hem on the shoulders.
    p.setPen(QPen(kGold, 0.55));
    for (double y = 26; y < 40; y += 3.2) p.drawLine(QPointF(15.3, y), QPointF(23.7, y));
    p.setPen(QPen(kGold, 0.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath hem;
    hem.moveTo(3.2, 33);
    hem.cubicTo(5, 27, 8, 25, 13, 23.6);
    p.drawPath(hem);
    QPainterPath hem2;
    hem2.moveTo(35.8, 33);
    hem2.cubicTo(34, 27, 31, 25, 26, 23.6);
    p.drawPath(hem2);
    drawSuit(p, c.suit, 19.5, 31.5, 5.2, false,
             c.suit == Hearts || c.suit == Diamonds ? kGold : kRed);

    // Collar.
    p.setPen(QPen(kBlack, 0.4));
    p.setBrush(QColor(0xfb, 0xfa, 0xf6));
    p.drawEllipse(QPointF(19.5, 22.4), 7.2, 2.0);
    p.setBrush(kSkinShade);
    p.drawRect(QRectF(17.6, 18.8, 3.8, 3.0));

    // The king's beard sits under the face line; drawn after the face.
    face(p, c, head);
    if (king) {
        QPainterPath beard;
        beard.moveTo(head + QPointF(-4.7, 1.0));
        beard.cubicTo(head + QPointF(-4.5, 7.5), head + QPointF(-1.5, 9.5), head + QPointF(0, 9.8));
        beard.cubicTo(head + QPointF(1.5, 9.5), head + QPointF(4.5, 7.5), head + QPointF(4.7, 1.0));
        beard.cubicTo(head + QPointF(3, 2.6), head + QPointF(1.6, 2.2), head + QPointF(0, 2.4));
        beard.cubicTo(head + QPointF(-1.6, 2.2), head + QPointF(-3, 2.6),
                      head + QPointF(-4.7, 1.0));
        p.setPen(QPen(c.hair.darker(150), 0.35));
        p.setBrush(c.hair);
        p.drawPath(beard);
        p.setPen(QPen(QColor(0xa8, 0x2a, 0x2a), 0.55, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(head + QPointF(-0.9, 3.9), head + QPointF(0.9, 3.9));
    }
    // Fringe over the forehead.
    p.setPen(Qt::NoPen);
    p.setBrush(c.hair);
    QPainterPath fringe;
    fringe.moveTo(head + QPointF(-5.1, -1.5));
    fringe.cubicTo(head + QPointF(-4.5, -6.8), head + QPointF(4.5, -6.8),
                   head + QPointF(5.1, -1.5));
    fringe.cubicTo(head + QPointF(3, -3.6), head + QPointF(-3, -3.6), head + QPointF(-5.1, -1.5));
    p.drawPath(fringe);

    // Headwear.
    if (king) {
        crown(p, head + QPointF(0, -4.6), 10.5, 6.2, false, kBlue.lighter(130));
    } else if (queen) {
        crown(p, head + QPointF(0, -4.8), 9.0, 5.0, true, kRed.lighter(120));
    } else {
        // The jack's cap: a soft beret with a turned-up brim and a feather.
        QPainterPath cap;
        cap.moveTo(head + QPointF(-6.8, -3.2));
        cap.cubicTo(head + QPointF(-7, -9.5), head + QPointF(6, -10.5), head + QPointF(7.2, -3.6));
        cap.closeSubpath();
        p.setPen(QPen(kBlack, 0.4));
        p.setBrush(c.second);
        p.drawPath(cap);
        p.setBrush(kGold);
        p.drawRoundedRect(QRectF(head.x() - 7.2, head.y() - 4.6, 14.6, 2.0), 0.8, 0.8);
        QPainterPath feather;
        feather.moveTo(head + QPointF(4.5, -5));
        feather.cubicTo(head + QPointF(9, -8), head + QPointF(12, -12), head + QPointF(13, -13.5));
        feather.cubicTo(head + QPointF(10, -12), head + QPointF(7, -9), head + QPointF(4.5, -5));
        p.setBrush(c.robe.lighter(115));
        p.drawPath(feather);
    }

    // What each holds on its right: the king a sword, the queen a flower,
    // the jack a halberd.
    const QPointF hand(33.0, 29.0);
    if (king) {
        p.setPen(QPen(kBlack, 0.4));
        p.setBrush(QColor(0xdc, 0xe0, 0xe6));
        QPainterPath blade;
        blade.moveTo(32.3, 28);
        blade.lineTo(32.3, 4.5);
        blade.lineTo(33.1, 2.8);
        blade.lineTo(33.9, 4.5);
        blade.lineTo(33.9, 28);
        blade.closeSubpath();
        p.drawPath(blade);
        p.setBrush(kGold);
        p.drawRoundedRect(QRectF(29.8, 25.6, 6.6, 1.5), 0.6, 0.6);
        p.drawRect(QRectF(32.5, 27, 1.2, 6));
    } else if (queen) {
        p.setPen(QPen(QColor(0x2f, 0x6b, 0x2c), 0.7));
        p.drawLine(QPointF(33.2, 31), QPointF(33.8, 15.5));
        p.setPen(QPen(kBlack, 0.3));
        p.setBrush(c.suit == Hearts || c.suit == Diamonds ? kRed.lighter(125) : kBlue.lighter(140));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * M_PI / 5 - M_PI / 2;
            p.drawEllipse(QPointF(33.8 + 1.8 * std::cos(a), 13.5 + 1.8 * std::sin(a)), 1.35, 1.35);
        }
        p.setBrush(kGold);
        p.drawEllipse(QPointF(33.8, 13.5), 1.0, 1.0);
    } else {
        p.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), 0.9));
        p.drawLine(QPointF(33.2, 40), QPointF(33.2, 6));
        p.setPen(QPen(kBlack, 0.35));
        p.setBrush(QColor(0xc8, 0xcc, 0xd4));
        QPainterPath axe;
        axe.moveTo(33.2, 3);
        axe.lineTo(34.2, 6.5);
        axe.cubicTo(37.5, 6.5, 38.3, 9, 38, 12.5);
        axe.cubicTo(36.5, 11, 35, 10.5, 33.2, 10.5);
        axe.cubicTo(31.5, 10, 30, 9, 29.5, 7.5);
        axe.lineTo(32.2, 6.5);
        axe.closeSubpath();
        p.drawPath(axe);
    }
    p.setPen(QPen(kSkinShade.darker(130), 0.35));
    p.setBrush(kSkin);
    p.drawEllipse(hand, 2.0, 1.7);

    // The suit beside the head.
    drawSuit(p, c.suit, 5.2, 6.0, 6.2);
}

void courtCard(QPainter& p, int rank, int suit) {
    Court c{rank, suit, suitColour(suit), QColor(), QColor()};
    const bool red = suit == Hearts || suit == Diamonds;
    // A black suit's robe is a dark slate; the four-colour clubs keep their green.
    if (suit == Spades || (suit == Clubs && !fourColourDeck)) c.robe = QColor(0x26, 0x2a, 0x33);
    c.second = red ? kBlue : QColor(0xe0, 0xb0, 0x3c);
    if (!red && rank == 9) c.second = kRed;
    c.hair = rank == 11   ? QColor(0xe4, 0xe0, 0xd6)
             : rank == 10 ? QColor(0xd8, 0xa8, 0x38)
                          : QColor(0x7a, 0x4a, 0x22);

    const QRectF pic(kPicL, kPicT, kPicW, kPicH);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xf1, 0xe4));
    p.drawRect(pic);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(kCardW / 2.0, kPicT + kPicH / 2);
            p.rotate(180);
            p.translate(-kCardW / 2.0, -(kPicT + kPicH / 2));
        }
        p.setClipRect(QRectF(kPicL, kPicT, kPicW, kPicH / 2 + 0.01));
        p.translate(kPicL, kPicT);
        courtHalf(p, c);
        p.restore();
    }
    p.setPen(QPen(kCardBorder, 0.5));
    p.drawLine(QPointF(kPicL, kPicT + kPicH / 2), QPointF(kPicL + kPicW, kPicT + kPicH / 2));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCardBorder, 0.7));
    p.drawRect(pic);
    p.setPen(QPen(kGold, 0.45));
    p.drawRect(pic.adjusted(1.0, 1.0, -1.0, -1.0));
    p.restore();
}

void face(QPainter& p, int index) {
    const int suit = index / 13, rank = index % 13;
    cardBody(p, kCardWhite);
    if (rank <= 8)
        pipsFor(p, rank, suit);
    else if (rank == 12)
        ace(p, suit);
    else
        courtCard(p, rank, suit);
    bothCorners(p, rank, suit);
}

// ---- backs --------------------------------------------------------------

const QRectF kPanel(4.0, 4.0, 63.0, 88.0);
const QPointF kMidPoint(35.5, 48.0);

void panelFill(QPainter& p, const QBrush& brush, QColor border = QColor(), double borderWidth = 0) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawRoundedRect(kPanel, 2.5, 2.5);
    if (borderWidth > 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(border, borderWidth));
        const double h = borderWidth / 2;
        p.drawRoundedRect(kPanel.adjusted(h, h, -h, -h), 2.5, 2.5);
    }
}

QPainterPath heartPointing(QPointF tip, double size, double angleDeg) {
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(angleDeg);
    t.translate(0, -size / 2);
    t.scale(size, size);
    return t.map(suitPath(Hearts));
}

// 1: bronze panel with a golden figure-of-eight knot.
void backKnot(QPainter& p) {
    QLinearGradient g(kPanel.topLeft(), kPanel.bottomRight());
    g.setColorAt(0, QColor(0xa8, 0x6a, 0x32));
    g.setColorAt(0.5, QColor(0x7a, 0x46, 0x1c));
    g.setColorAt(1, QColor(0x5a, 0x30, 0x12));
    panelFill(p, g, kGold, 1.2);
    p.setPen(QPen(QColor(0xe6, 0xc0, 0x6a, 120), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kPanel.adjusted(3, 3, -3, -3), 1.5, 1.5);
    // A lemniscate standing upright, drawn as a wide gold cord with a dark
    // edge and a light core so it reads as a rope.
    QPainterPath knot;
    const int n = 160;
    for (int i = 0; i <= n; ++i) {
        const double t = 2 * M_PI * i / n;
        const double d = 1 + std::sin(t) * std::sin(t);
        const QPointF pt(kMidPoint.x() + 22 * std::sin(t) * std::cos(t) / d,
                         kMidPoint.y() + 34 * std::cos(t) / d);
        if (i == 0)
            knot.moveTo(pt);
        else
            knot.lineTo(pt);
    }
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x0c), 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(knot);
    p.setPen(QPen(kGold, 4.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(knot);
    p.setPen(QPen(QColor(0xf6, 0xe0, 0x9a), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(knot);
    for (const QPointF& c : {QPointF(12, 12), QPointF(59, 12), QPointF(12, 84), QPointF(59, 84)})
        drawSuit(p, Diamonds, c.x(), c.y(), 5, false, kGold);
}

// 2: dark blue panel, light blue border, a clover of four hearts.
void backClover(QPainter& p) {
    const QColor light(0x8c, 0xc4, 0xf0);
    QRadialGradient g(kMidPoint, 50);
    g.setColorAt(0, QColor(0x1c, 0x36, 0x78));
    g.setColorAt(1, QColor(0x0c, 0x18, 0x3e));
    panelFill(p, g, light, 2.6);
    p.setPen(QPen(light, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kPanel.adjusted(4.2, 4.2, -4.2, -4.2), 1.2, 1.2);
    // Faint lattice behind the clover.
    p.setPen(QPen(QColor(0x8c, 0xc4, 0xf0, 40), 0.5));
    for (double d = -90; d < 90; d += 6) {
        p.drawLine(QPointF(kMidPoint.x() + d - 50, kMidPoint.y() - 50),
                   QPointF(kMidPoint.x() + d + 50, kMidPoint.y() + 50));
        p.drawLine(QPointF(kMidPoint.x() + d + 50, kMidPoint.y() - 50),
                   QPointF(kMidPoint.x() + d - 50, kMidPoint.y() + 50));
    }
    p.setPen(QPen(QColor(0x0c, 0x18, 0x3e), 0.8));
    p.setBrush(light);
    for (int k = 0; k < 4; ++k) p.drawPath(heartPointing(kMidPoint, 19, 180 + 90 * k + 45));
    p.setBrush(QColor(0x0c, 0x18, 0x3e));
    p.drawEllipse(kMidPoint, 2.2, 2.2);
    p.setPen(QPen(light, 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kMidPoint, 24, 24);
}

// 3: orange-red gradient with a white flame-like arch of lines.
//
// One flame of three tongues, drawn as nested outlines that share the foot:
// each tongue swells, narrows and whips into a curled tip, and the outlines
// shrink towards the embers, so the lines read as fire licking upwards.
QPainterPath flameOutline(double s) {
    // The outline at full size, in card units, then shrunk about the foot.
    const QPointF foot(kMidPoint.x(), kPanel.bottom() + 2);
    auto at = [&](double x, double y) {
        return QPointF(foot.x() + (x - foot.x()) * s,
                       foot.y() + (y - foot.y()) * (0.25 + 0.75 * s));
    };
    QPainterPath f;
    f.moveTo(at(7, 94));
    // Left tongue: bellies outwards, then whips back into a tip curled to the left.
    f.cubicTo(at(1, 72), at(17, 62), at(13, 46));
    f.cubicTo(at(11, 38), at(7, 36), at(7, 27));
    f.cubicTo(at(14, 32), at(23, 40), at(23, 57));
    // Up the centre tongue, an S-bend into a tip that hooks to the right.
    f.cubicTo(at(22, 42), at(31, 34), at(30, 24));
    f.cubicTo(at(29, 16), at(33, 10), at(40, 7));
    f.cubicTo(at(37, 13), at(45, 18), at(44, 30));
    f.cubicTo(at(43, 40), at(47, 48), at(48, 57));
    // Right tongue, shorter, curling away to the right.
    f.cubicTo(at(50, 44), at(57, 40), at(63.5, 34));
    f.cubicTo(at(59.5, 40), at(56, 48), at(59, 57));
    f.cubicTo(at(62, 66), at(71, 74), at(64, 94));
    return f;
}

void backFlame(QPainter& p) {
    QLinearGradient g(0, kPanel.bottom(), 0, kPanel.top());
    g.setColorAt(0, QColor(0xf6, 0x9a, 0x22));
    g.setColorAt(0.5, QColor(0xd8, 0x3a, 0x1c));
    g.setColorAt(1, QColor(0x86, 0x12, 0x16));
    panelFill(p, g);
    p.save();
    p.setClipRect(kPanel.adjusted(0.6, 0.6, -0.6, -0.6));
    // The heat at the foot of the fire.
    QRadialGradient heat(QPointF(kMidPoint.x(), kPanel.bottom()), 40);
    heat.setColorAt(0, QColor(255, 236, 140, 200));
    heat.setColorAt(0.5, QColor(255, 190, 60, 70));
    heat.setColorAt(1, QColor(255, 160, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(heat);
    p.drawRect(kPanel);
    // A soft glow inside the fire's silhouette.
    QRadialGradient glow(QPointF(kMidPoint.x(), 80), 50);
    glow.setColorAt(0, QColor(255, 214, 110, 110));
    glow.setColorAt(1, QColor(255, 140, 40, 30));
    p.setBrush(glow);
    p.drawPath(flameOutline(1.0));
    p.setBrush(Qt::NoBrush);
    const int n = 6;
    for (int i = 0; i < n; ++i) {
        const double s = 1.0 - i * 0.15;
        // The outer lines are the boldest, the inner ones finer and paler.
        const int alpha = 235 - 14 * i;
        p.setPen(QPen(QColor(255, 250, 236, alpha), 1.05 - 0.08 * i, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(flameOutline(s));
    }
    p.restore();
}

// 4: yellow-orange panel in a red border with an orange sun ringed by discs.
void backSun(QPainter& p) {
    QRadialGradient g(kMidPoint, 52);
    g.setColorAt(0, QColor(0xff, 0xd2, 0x4a));
    g.setColorAt(1, QColor(0xf0, 0x9c, 0x1e));
    panelFill(p, g, QColor(0xc4, 0x22, 0x1a), 3.2);
    QPainterPath rays;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double b = a + M_PI / 16;
        rays.moveTo(kMidPoint);
        rays.lineTo(kMidPoint + QPointF(30 * std::cos(a), 30 * std::sin(a)));
        rays.lineTo(kMidPoint + QPointF(30 * std::cos(b), 30 * std::sin(b)));
        rays.closeSubpath();
    }
    p.save();
    p.setClipRect(kPanel.adjusted(3.2, 3.2, -3.2, -3.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe8, 0x90, 110));
    p.drawPath(rays);
    p.restore();
    QRadialGradient sun(kMidPoint + QPointF(-3, -3), 16);
    sun.setColorAt(0, QColor(0xff, 0xb0, 0x3a));
    sun.setColorAt(1, QColor(0xe0, 0x60, 0x10));
    p.setPen(QPen(QColor(0xc4, 0x22, 0x1a), 0.9));
    p.setBrush(sun);
    p.drawEllipse(kMidPoint, 12.5, 12.5);
    p.setBrush(QColor(0xe8, 0x5a, 0x14));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawEllipse(kMidPoint + QPointF(19.5 * std::cos(a), 19.5 * std::sin(a)), 2.6, 2.6);
    }
}

// 5: orange panel, a white diamond in the centre, rows of small ones.
void backDiamonds(QPainter& p) {
    QLinearGradient g(kPanel.topLeft(), kPanel.bottomRight());
    g.setColorAt(0, QColor(0xf6, 0x94, 0x2a));
    g.setColorAt(1, QColor(0xd8, 0x64, 0x10));
    panelFill(p, g, QColor(0xfb, 0xfa, 0xf6), 0.8);
    const QColor white(0xfb, 0xfa, 0xf6);
    QPainterPath big;
    big.moveTo(kMidPoint + QPointF(0, -24));
    big.lineTo(kMidPoint + QPointF(16, 0));
    big.lineTo(kMidPoint + QPointF(0, 24));
    big.lineTo(kMidPoint + QPointF(-16, 0));
    big.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(big);
    p.setBrush(QColor(0xf0, 0x84, 0x20));
    p.drawPath(QTransform()
                   .translate(kMidPoint.x(), kMidPoint.y())
                   .scale(0.55, 0.55)
                   .translate(-kMidPoint.x(), -kMidPoint.y())
                   .map(big));
    p.setBrush(white);
    p.drawPath(QTransform()
                   .translate(kMidPoint.x(), kMidPoint.y())
                   .scale(0.25, 0.25)
                   .translate(-kMidPoint.x(), -kMidPoint.y())
                   .map(big));
    for (int i = 0; i < 6; ++i) {
        const double x = 12.5 + i * 9.2;
        for (double y : {12.5, 83.5}) {
            QPainterPath d;
            d.moveTo(x, y - 4);
            d.lineTo(x + 2.8, y);
            d.lineTo(x, y + 4);
            d.lineTo(x - 2.8, y);
            d.closeSubpath();
            p.drawPath(d);
        }
    }
}

// 6: magenta panel with a glowing pink sphere and rays.
void backSphere(QPainter& p) {
    QRadialGradient g(kMidPoint, 55);
    g.setColorAt(0, QColor(0xc8, 0x1c, 0x8c));
    g.setColorAt(1, QColor(0x6a, 0x08, 0x48));
    panelFill(p, g);
    p.save();
    p.setClipRect(kPanel.adjusted(0.5, 0.5, -0.5, -0.5));
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12 + M_PI / 24;
        const double len = i % 2 ? 40 : 60;
        QLinearGradient rg(kMidPoint, kMidPoint + QPointF(len * std::cos(a), len * std::sin(a)));
        rg.setColorAt(0, QColor(255, 190, 230, 200));
        rg.setColorAt(1, QColor(255, 190, 230, 0));
        p.setPen(QPen(QBrush(rg), i % 2 ? 1.0 : 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(kMidPoint, kMidPoint + QPointF(len * std::cos(a), len * std::sin(a)));
    }
    p.restore();
    QRadialGradient glow(kMidPoint, 24);
    glow.setColorAt(0, QColor(255, 150, 210, 200));
    glow.setColorAt(1, QColor(255, 150, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kMidPoint, 24, 24);
    QRadialGradient sphere(kMidPoint + QPointF(-4, -4.5), 15);
    sphere.setColorAt(0, QColor(0xff, 0xf0, 0xf8));
    sphere.setColorAt(0.35, QColor(0xff, 0x9c, 0xd4));
    sphere.setColorAt(1, QColor(0xc0, 0x28, 0x8c));
    p.setBrush(sphere);
    p.drawEllipse(kMidPoint, 12, 12);
}

// 7: yellow panel in a red border, a dark red sphere and four small cards.
void backCards(QPainter& p) {
    QRadialGradient g(kMidPoint, 55);
    g.setColorAt(0, QColor(0xff, 0xe6, 0x5a));
    g.setColorAt(1, QColor(0xf2, 0xc2, 0x28));
    panelFill(p, g, QColor(0xc4, 0x22, 0x1a), 3.2);
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(kMidPoint);
        p.rotate(45 + 90 * k);
        p.translate(0, -23);
        p.rotate(-15);
        p.setPen(QPen(QColor(0x6a, 0x10, 0x10), 0.6));
        p.setBrush(QColor(0xfb, 0xfa, 0xf6));
        p.drawRoundedRect(QRectF(-5.5, -7.5, 11, 15), 1.3, 1.3);
        drawSuit(p, k, 0, 0, 6.5);
        p.restore();
    }
    QRadialGradient sphere(kMidPoint + QPointF(-4, -4.5), 16);
    sphere.setColorAt(0, QColor(0xe8, 0x60, 0x58));
    sphere.setColorAt(0.4, QColor(0xa0, 0x14, 0x1c));
    sphere.setColorAt(1, QColor(0x4a, 0x04, 0x08));
    p.setPen(Qt::NoPen);
    p.setBrush(sphere);
    p.drawEllipse(kMidPoint, 12, 12);
}

// 8: dark blue panel with a white outline and a cross of four spades.
void backSpades(QPainter& p) {
    QRadialGradient g(kMidPoint, 55);
    g.setColorAt(0, QColor(0x16, 0x2c, 0x66));
    g.setColorAt(1, QColor(0x0a, 0x14, 0x36));
    panelFill(p, g);
    p.setPen(QPen(QColor(0xfb, 0xfa, 0xf6), 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kPanel.adjusted(3, 3, -3, -3), 1.5, 1.5);
    const QColor light(0x8c, 0xc4, 0xf0);
    for (int k = 0; k < 4; ++k) {
        p.save();
        p.translate(kMidPoint);
        p.rotate(90 * k);
        drawSuit(p, Spades, 0, -14, 15, false, light);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfb, 0xfa, 0xf6));
    p.drawEllipse(kMidPoint, 1.8, 1.8);
    for (const QPointF& c : {QPointF(13, 13), QPointF(58, 13), QPointF(13, 83), QPointF(58, 83)})
        drawSuit(p, Spades, c.x(), c.y(), 5.5, c.y() > 48, light);
}

void back(QPainter& p, int k) {
    cardBody(p, QColor(0xf6, 0xf2, 0xe6));
    switch (k) {
    case 0:
        backKnot(p);
        break;
    case 1:
        backClover(p);
        break;
    case 2:
        backFlame(p);
        break;
    case 3:
        backSun(p);
        break;
    case 4:
        backDiamonds(p);
        break;
    case 5:
        backSphere(p);
        break;
    case 6:
        backCards(p);
        break;
    default:
        backSpades(p);
        break;
    }
}

} // namespace

void paintCard(QPainter& p, int index) {
    if (index < 52)
        face(p, index);
    else
        back(p, index - 52);
}

QImage cardMaster(int index) {
    return render(kCardW, kCardH, kSuper, kCornerFill, [&](QPainter& p) { paintCard(p, index); });
}

} // namespace assetgen
