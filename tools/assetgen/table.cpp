#include "table.h"

#include "canvas.h"
#include "suits.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

const QColor kRoom(0x0e, 0x09, 0x06);
const QColor kFeltCentre(0x11, 0x58, 0x37);
const QColor kFeltRim(0x0a, 0x3d, 0x26);
const QColor kWalnutLight(0x5a, 0x36, 0x1c);
const QColor kWalnut(0x4a, 0x2c, 0x17);
const QColor kWalnutDark(0x2b, 0x18, 0x0c);

// The table is a superellipse: rounder than a rectangle, squarer than an
// oval, so that the outer cards of the side seats still lie on the cloth.
const QPointF kCentre(455, 329);
constexpr double kFeltA = 441, kFeltB = 273, kRail = 14, kPower = 4;

QPainterPath superellipse(QPointF c, double a, double b, double wobble = 0, double phase = 0) {
    QPainterPath path;
    const int steps = 900;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2 * M_PI * i / steps;
        const double ct = std::cos(t), st = std::sin(t);
        const double x = std::copysign(std::pow(std::abs(ct), 2 / kPower), ct);
        const double y = std::copysign(std::pow(std::abs(st), 2 / kPower), st);
        const double w =
            wobble * std::sin(7 * t + phase) + wobble * 0.6 * std::sin(17 * t + 2 * phase);
        const QPointF pt(c.x() + (a + w) * x, c.y() + (b + w) * y);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void room(QPainter& p) {
    QRadialGradient g(QPointF(455, 330), 620);
    g.setColorAt(0, QColor(0x2a, 0x1a, 0x10));
    g.setColorAt(0.7, QColor(0x16, 0x0e, 0x08));
    g.setColorAt(1, QColor(0x08, 0x05, 0x03));
    p.fillRect(QRectF(0, 0, kTableW, kTableH), g);
    // The calm band under the three small buttons at the top.
    QLinearGradient band(0, 0, 0, 26);
    band.setColorAt(0, QColor(0x06, 0x04, 0x02));
    band.setColorAt(1, QColor(0x12, 0x0b, 0x06));
    p.fillRect(QRectF(0, 0, kTableW, 25), band);
    p.setPen(QPen(QColor(0x8a, 0x64, 0x20, 140), 0.6));
    p.drawLine(QPointF(0, 25), QPointF(kTableW, 25));
}

void rail(QPainter& p, Rng& rng) {
    // Soft shadow of the table on the floor.
    for (int i = 10; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawPath(superellipse(kCentre + QPointF(0, 5), kFeltA + kRail + i * 1.6,
                                kFeltB + kRail + i * 1.6));
    }
    const QPainterPath outer = superellipse(kCentre, kFeltA + kRail, kFeltB + kRail);
    QLinearGradient wood(0, kCentre.y() - kFeltB - kRail, 0, kCentre.y() + kFeltB + kRail);
    wood.setColorAt(0, kWalnutLight);
    wood.setColorAt(0.5, kWalnut);
    wood.setColorAt(1, kWalnutDark);
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPath(outer);

    // Grain: thin rings following the rail, each a little wavy.
    p.save();
    p.setClipPath(outer);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 70; ++i) {
        const double r = rng.range(0.5, kRail);
        const bool dark = rng.unit() < 0.6;
        QColor c = dark ? QColor(0x22, 0x12, 0x07) : QColor(0x7a, 0x4c, 0x28);
        c.setAlpha(static_cast<int>(rng.range(25, 70)));
        p.setPen(QPen(c, rng.range(0.25, 0.7)));
        p.drawPath(
            superellipse(kCentre, kFeltA + r, kFeltB + r, rng.range(0.3, 1.2), rng.range(0, 6.28)));
    }
    // The rounded top of the rail catches the light.
    QLinearGradient shine(0, kCentre.y() - kFeltB - kRail, 0, kCentre.y() + kFeltB);
    shine.setColorAt(0, QColor(255, 220, 170, 70));
    shine.setColorAt(1, QColor(255, 220, 170, 8));
    p.setPen(QPen(QBrush(shine), 3.2));
    p.drawPath(superellipse(kCentre, kFeltA + kRail * 0.45, kFeltB + kRail * 0.45));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.2));
    p.drawPath(superellipse(kCentre, kFeltA + kRail - 0.6, kFeltB + kRail - 0.6));
    p.restore();
    // A gold inlay where wood meets cloth.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGoldShadow, 1.6));
    p.drawPath(superellipse(kCentre, kFeltA + 1.2, kFeltB + 1.2));
    p.setPen(QPen(kGold, 0.6));
    p.drawPath(superellipse(kCentre, kFeltA + 1.5, kFeltB + 1.5));
}

void felt(QPainter& p) {
    const QPainterPath cloth = superellipse(kCentre, kFeltA, kFeltB);
    QRadialGradient g(kCentre + QPointF(0, -20), 470);
    g.setColorAt(0, kFeltCentre);
    g.setColorAt(0.65, QColor(0x0e, 0x4c, 0x2f));
    g.setColorAt(1, kFeltRim);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(cloth);
    p.save();
    p.setClipPath(cloth);
    // Lamp light from above the middle of the table.
    QRadialGradient lamp(QPointF(455, 300), 330);
    lamp.setColorAt(0, QColor(255, 230, 160, 26));
    lamp.setColorAt(1, QColor(255, 230, 160, 0));
    p.setBrush(lamp);
    p.drawRect(QRectF(0, 0, kTableW, kTableH));
    // The rail's shadow on the cloth.
    for (int i = 0; i < 8; ++i) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 20), 2.0));
        p.drawPath(superellipse(kCentre, kFeltA - i * 1.6, kFeltB - i * 1.6));
    }
    p.restore();
}

// Fine fibres of the cloth: noise on the master's own pixels, inside the felt.
void feltNoise(QImage& image, Rng& rng) {
    const double s = kSuper;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double fy = (y / s - kCentre.y()) / kFeltB;
        for (int x = 0; x < image.width(); ++x) {
            const double fx = (x / s - kCentre.x()) / kFeltA;
            const int d = static_cast<int>(rng.next() % 19) - 9;
            if (std::pow(std::abs(fx), kPower) + std::pow(std::abs(fy), kPower) > 0.995) continue;
            const QRgb c = row[x];
            row[x] = qRgb(std::clamp(qRed(c) + d / 3, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                          std::clamp(qBlue(c) + d * 2 / 3, 0, 255));
        }
    }
}

// The walnut tray that the coin pile of the human's win rests on.
const QRectF kTray(kCoinPos.x() + 3.0, kCoinPos.y() + 3.0, kCoinW - 6.0, kCoinH - 6.0);

void tray(QPainter& p, Rng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(kTray.translated(1.5, 2.5), 12, 12);
    QLinearGradient wood(kTray.topLeft(), kTray.bottomRight());
    wood.setColorAt(0, kWalnutLight);
    wood.setColorAt(1, kWalnutDark);
    p.setBrush(wood);
    p.drawRoundedRect(kTray, 12, 12);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(kTray, 12, 12);
    p.setClipPath(clip);
    for (int i = 0; i < 40; ++i) {
        const double y = kTray.top() + rng.range(0, kTray.height());
        QColor c = rng.unit() < 0.6 ? QColor(0x22, 0x12, 0x07) : QColor(0x7a, 0x4c, 0x28);
        c.setAlpha(static_cast<int>(rng.range(30, 80)));
        p.setPen(QPen(c, rng.range(0.25, 0.6)));
        QPainterPath g;
        g.moveTo(kTray.left(), y);
        g.cubicTo(kTray.left() + 40, y + rng.range(-3, 3), kTray.right() - 40, y + rng.range(-3, 3),
                  kTray.right(), y + rng.range(-2, 2));
        p.drawPath(g);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGoldShadow, 1.6));
    p.drawRoundedRect(kTray.adjusted(0.8, 0.8, -0.8, -0.8), 11.5, 11.5);
    p.setPen(QPen(kGold, 0.6));
    p.drawRoundedRect(kTray.adjusted(1.0, 1.0, -1.0, -1.0), 11, 11);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1.2));
    p.drawRoundedRect(kTray.adjusted(6, 6, -6, -6), 7, 7);
    p.setPen(QPen(QColor(255, 220, 170, 40), 0.6));
    p.drawRoundedRect(kTray.adjusted(6.8, 6.8, -6.2, -6.2), 7, 7);
}

// ---- coins --------------------------------------------------------------

struct Coin {
    double x, y; // centre of the top face
    double tilt; // degrees
};

void coin(QPainter& p, const Coin& c) {
    const double rx = 11.5, ry = 6.2, thick = 2.6;
    p.save();
    p.translate(c.x, c.y);
    p.rotate(c.tilt);
    // Edge: the face shifted down, joined by a band.
    QPainterPath edge;
    edge.addEllipse(QPointF(0, thick), rx, ry);
    edge.addRect(QRectF(-rx, 0, 2 * rx, thick));
    QPainterPath top;
    top.addEllipse(QPointF(0, 0), rx, ry);
    edge = edge.united(top);
    QLinearGradient eg(-rx, 0, rx, 0);
    eg.setColorAt(0, QColor(0x9a, 0x6c, 0x1c));
    eg.setColorAt(0.4, QColor(0xc8, 0x96, 0x38));
    eg.setColorAt(1, QColor(0x6a, 0x46, 0x10));
    p.setPen(QPen(QColor(0x4a, 0x30, 0x08), 0.5));
    p.setBrush(eg);
    p.drawPath(edge);
    QRadialGradient fg(QPointF(-4, -2.5), 14);
    fg.setColorAt(0, QColor(0xff, 0xe8, 0x9a));
    fg.setColorAt(0.5, kGold);
    fg.setColorAt(1, QColor(0xa8, 0x7a, 0x28));
    p.setBrush(fg);
    p.drawEllipse(QPointF(0, 0), rx, ry);
    // Rim and the embossed centre.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a, 0x64, 0x20), 0.6));
    p.drawEllipse(QPointF(0, 0), rx - 1.8, ry - 1.1);
    p.setPen(QPen(QColor(0xff, 0xf0, 0xb8, 200), 0.5));
    p.drawArc(QRectF(-rx + 2.2, -ry + 1.4, 2 * rx - 4.4, 2 * ry - 2.8), 200 * 16, 110 * 16);
    p.setPen(QPen(QColor(0x8a, 0x64, 0x20), 0.7));
    p.setBrush(QColor(0xe8, 0xc0, 0x62));
    p.drawEllipse(QPointF(0.2, 0.1), 4.0, 2.1);
    p.setPen(QPen(QColor(0xff, 0xf4, 0xc8), 0.5));
    p.drawArc(QRectF(-3.8, -2.0, 7.6, 4.2), 30 * 16, 120 * 16);
    p.restore();
}

std::vector<Coin> pile() {
    Rng rng(0x5eedc011);
    std::vector<Coin> coins;
    // Three stacks at the back, then loose coins spilling forward.
    const QPointF stacks[3] = {{44, 62}, {70, 54}, {94, 66}};
    const int heights[3] = {4, 6, 3};
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < heights[s]; ++k)
            coins.push_back(
                {stacks[s].x() + rng.range(-0.8, 0.8), stacks[s].y() - 3.1 * k, rng.range(-3, 3)});
    const QPointF loose[9] = {{30, 84},  {52, 88},  {76, 84},  {100, 88}, {62, 100},
                              {40, 104}, {88, 104}, {112, 80}, {24, 70}};
    for (const QPointF& l : loose)
        coins.push_back(
            {l.x() + rng.range(-2, 2), l.y() + rng.range(-1.5, 1.5), rng.range(-14, 14)});
    // Loose coins lie in front of the stacks: draw them front-most last.
    std::stable_sort(coins.begin() + 13, coins.end(),
                     [](const Coin& a, const Coin& b) { return a.y < b.y; });
    return coins;
}

void glint(QPainter& p, QPointF at, double size) {
    QRadialGradient halo(at, size * 0.9);
    halo.setColorAt(0, QColor(255, 255, 240, 200));
    halo.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(at, size * 0.9, size * 0.9);
    QPainterPath star;
    const double l = size, w = size * 0.12;
    star.moveTo(at + QPointF(0, -l));
    star.quadTo(at + QPointF(w, -w), at + QPointF(l, 0));
    star.quadTo(at + QPointF(w, w), at + QPointF(0, l));
    star.quadTo(at + QPointF(-w, w), at + QPointF(-l, 0));
    star.quadTo(at + QPointF(-w, -w), at + QPointF(0, -l));
    p.setBrush(QColor(255, 255, 250));
    p.drawPath(star);
}

} // namespace

QPoint portraitPos(int seat) {
    static const QPoint pos[4] = {{48, 268}, {160, 29}, {632, 29}, {744, 268}};
    return pos[seat];
}

int restingFrame(int seat) {
    return 2 * seat;
}

QImage tableMaster() {
    Rng rng(0x7ab1e);
    QImage image = render(kTableW, kTableH, kSuper, kRoom, [&](QPainter& p) {
        room(p);
        rail(p, rng);
        felt(p);
    });
    feltNoise(image, rng);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(kSuper, kSuper);
    tray(p, rng);
    return image;
}

QImage coinMaster(const QImage& surface, int frame) {
    QImage image = surface.convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(kSuper, kSuper);
    // Warm glow under and around the pile.
    QRadialGradient glow(QPointF(67, 76), 62);
    glow.setColorAt(0, QColor(255, 210, 100, 170));
    glow.setColorAt(0.55, QColor(255, 170, 60, 70));
    glow.setColorAt(1, QColor(255, 160, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(67, 76), 64, 52);
    for (const Coin& c : pile()) {
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QPointF(c.x + 1.5, c.y + 5), 12, 6);
        coin(p, c);
    }
    if (frame == 1) glint(p, QPointF(64, 37), 12);
    if (frame == 2) glint(p, QPointF(99, 84), 11);
    return image;
}

QImage icon(int size) {
    QImage master(size * kSuper, size * kSuper, QImage::Format_ARGB32_Premultiplied);
    master.fill(Qt::transparent);
    QPainter p(&master);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size * kSuper / 64.0, size * kSuper / 64.0);
    // Felt tile with a gold rim.
    QRadialGradient g(QPointF(28, 26), 44);
    g.setColorAt(0, kFeltCentre.lighter(120));
    g.setColorAt(1, kFeltRim.darker(120));
    p.setPen(QPen(kGoldShadow, 2.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setPen(QPen(kGold, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3.6, 3.6, 56.8, 56.8), 10.5, 10.5);
    // Two cards fanned: a red one behind, the ace of spades in front.
    auto card = [&](double angle, QPointF at, bool front) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.setPen(QPen(QColor(0, 0, 0, 90), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(-13, -18, 28, 38), 3.5, 3.5);
        p.setPen(QPen(kCardBorder, 0.9));
        p.setBrush(kCardWhite);
        p.drawRoundedRect(QRectF(-14, -19, 28, 38), 3.5, 3.5);
        if (front)
            drawSuit(p, Spades, 0, 1.5, 21);
        else
            drawSuit(p, Hearts, 0, 1.5, 16);
        p.restore();
    };
    card(-14, QPointF(25, 31), false);
    card(10, QPointF(38, 33), true);
    p.end();
    return shrinkArgb(master, kSuper);
}

} // namespace assetgen
