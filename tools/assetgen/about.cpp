#include "about.h"
#include "aboutlines.h"

#include "canvas.h"
#include "suits.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace assetgen {

namespace {

const QColor kInk(0x3a, 0x20, 0x0e);
const QColor kParchment(0xea, 0xdb, 0xb0);
const QColor kParchmentEdge(0xc9, 0xb2, 0x7a);
constexpr double kSheetL = 94, kSheetR = 366, kSheetT = 70, kSheetB = 412;
constexpr double kChainX[2] = {126, 334};

void chain(QPainter& p, double x, double bottom) {
    // Links alternate between face-on rings and edge-on bars.
    int i = 0;
    for (double y = -4; y < bottom; y += 9.0, ++i) {
        const bool face = i % 2 == 0;
        const QRectF r = face ? QRectF(x - 4.2, y, 8.4, 13) : QRectF(x - 1.4, y, 2.8, 13);
        QLinearGradient g(r.left(), 0, r.right(), 0);
        g.setColorAt(0, QColor(0x5a, 0x5c, 0x62));
        g.setColorAt(0.35, QColor(0xe8, 0xea, 0xee));
        g.setColorAt(0.6, QColor(0x9a, 0x9c, 0xa4));
        g.setColorAt(1, QColor(0x3a, 0x3c, 0x42));
        p.setPen(QPen(QColor(0x20, 0x20, 0x24), 0.6));
        p.setBrush(Qt::NoBrush);
        if (face) {
            QPainterPath ring;
            ring.addRoundedRect(r, 4.2, 4.2);
            ring.addRoundedRect(r.adjusted(2.2, 2.2, -2.2, -2.2), 2, 2);
            ring.setFillRule(Qt::OddEvenFill);
            p.setBrush(g);
            p.drawPath(ring);
        } else {
            p.setBrush(g);
            p.drawRoundedRect(r, 1.4, 1.4);
        }
    }
}

void roll(QPainter& p, double y, double h) {
    const QRectF r(kSheetL - 16, y, kSheetR - kSheetL + 32, h);
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, QColor(0x9a, 0x80, 0x4a));
    g.setColorAt(0.3, QColor(0xf2, 0xe4, 0xbc));
    g.setColorAt(0.7, QColor(0xc8, 0xaa, 0x6a));
    g.setColorAt(1, QColor(0x6a, 0x52, 0x28));
    p.setPen(QPen(QColor(0x4a, 0x34, 0x14), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, h / 2.4, h / 2.4);
    // The rolled ends show the spiral of the sheet.
    for (double x : {r.left() + h * 0.3, r.right() - h * 0.3}) {
        QRadialGradient e(QPointF(x - 1, y + h / 2 - 1), h / 2);
        e.setColorAt(0, QColor(0xf4, 0xe6, 0xc0));
        e.setColorAt(1, QColor(0xa0, 0x84, 0x4c));
        p.setBrush(e);
        p.drawEllipse(QPointF(x, y + h / 2), h * 0.3, h / 2 - 0.6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x6a, 0x52, 0x28), 0.6));
        p.drawEllipse(QPointF(x, y + h / 2), h * 0.17, h * 0.3);
        p.drawEllipse(QPointF(x, y + h / 2), h * 0.07, h * 0.12);
        p.setPen(QPen(QColor(0x4a, 0x34, 0x14), 0.8));
    }
    // Gold knobs where the chains hold the roll.
    for (double x : kChainX) {
        QRadialGradient k(QPointF(x - 1, y + 1), 5);
        k.setColorAt(0, QColor(0xff, 0xec, 0xa8));
        k.setColorAt(1, kGoldShadow);
        p.setBrush(k);
        p.drawEllipse(QPointF(x, y + 2), 4.2, 3.4);
    }
}

void sheet(QPainter& p) {
    QPainterPath s;
    s.moveTo(kSheetL, kSheetT);
    s.lineTo(kSheetR, kSheetT);
    s.cubicTo(kSheetR - 4, 180, kSheetR + 3, 300, kSheetR, kSheetB);
    s.lineTo(kSheetL, kSheetB);
    s.cubicTo(kSheetL - 3, 300, kSheetL + 4, 180, kSheetL, kSheetT);
    s.closeSubpath();
    QLinearGradient across(kSheetL, 0, kSheetR, 0);
    across.setColorAt(0, kParchmentEdge);
    across.setColorAt(0.12, kParchment);
    across.setColorAt(0.88, kParchment);
    across.setColorAt(1, kParchmentEdge);
    p.setPen(Qt::NoPen);
    p.setBrush(across);
    p.drawPath(s);
    p.save();
    p.setClipPath(s);
    // Age: soft stains and a darker rim near the rolls.
    Rng rng(0xab07);
    for (int i = 0; i < 26; ++i) {
        const QPointF c(rng.range(kSheetL, kSheetR), rng.range(kSheetT, kSheetB));
        const double r = rng.range(8, 30);
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor(0xa8, 0x88, 0x48, static_cast<int>(rng.range(10, 26))));
        g.setColorAt(1, QColor(0xa8, 0x88, 0x48, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
    QLinearGradient down(0, kSheetT, 0, kSheetB);
    down.setColorAt(0, QColor(0x6a, 0x4c, 0x18, 80));
    down.setColorAt(0.06, QColor(0x6a, 0x4c, 0x18, 0));
    down.setColorAt(0.94, QColor(0x6a, 0x4c, 0x18, 0));
    down.setColorAt(1, QColor(0x6a, 0x4c, 0x18, 80));
    p.setBrush(down);
    p.drawRect(QRectF(kSheetL - 5, kSheetT, kSheetR - kSheetL + 10, kSheetB - kSheetT));
    p.restore();
}

QFont serif(int px, bool bold) {
    QFont f("DejaVu Serif");
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The writing stays inside the sheet's margins: a line that would not fit is
// set a size smaller.
constexpr double kTextWidth = 236;

constexpr double kTextLeft = 230 - kTextWidth / 2, kTextRight = 230 + kTextWidth / 2;

double widest(const QStringList& texts, const QFont& font) {
    double w = 0;
    for (const QString& t : texts) w = std::max(w, QFontMetricsF(font).horizontalAdvance(t));
    return w;
}

// The largest size up to px at which all of texts fit in width.
QFont fitted(const QStringList& texts, int px, bool bold, double width = kTextWidth) {
    QFont f = serif(px, bold);
    while (px > 8 && widest(texts, f) > width) f = serif(--px, bold);
    return f;
}

void centred(QPainter& p, const QString& text, double y, int px, bool bold, QColor colour) {
    const QFont font = fitted({text}, px, bold);
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF fm(font);
    p.drawText(QPointF(230 - fm.horizontalAdvance(text) / 2, y), text);
}

void divider(QPainter& p, double y) {
    p.setPen(QPen(QColor(0x7a, 0x54, 0x22), 0.8));
    p.drawLine(QPointF(170, y), QPointF(222, y));
    p.drawLine(QPointF(238, y), QPointF(290, y));
    drawSuit(p, Diamonds, 230, y, 8, false, QColor(0xa0, 0x22, 0x20));
}

// The lines under the title, in English, in the order drawn.
enum Line {
    Subtitle,
    Version,
    Rule,
    Glossary = Rule + 2,
    Credits = Glossary + 8,
    Built = Credits + 2
};
static_assert(std::size(kAboutLines) == Built + 1);

void writing(QPainter& p, const QStringList& line) {
    const QColor title(0x6a, 0x14, 0x10);
    // Title with a faint raised edge. The game's name is the same in every language.
    centred(p, "Seven Stud", 127.5, 36, true, QColor(255, 246, 220, 170));
    centred(p, "Seven Stud", 126, 36, true, title);
    centred(p, line[Subtitle], 148, 12, false, kInk);
    centred(p, line[Version], 164, 11, false, kInk);
    divider(p, 178);

    centred(p, line[Rule], 200, 11, false, kInk);
    centred(p, line[Rule + 1], 215, 11, false, kInk);

    // Four words right-aligned against a column of spades, their meanings left-aligned after it.
    QStringList words, meanings;
    for (int i = 0; i < 4; ++i) {
        words << line[Glossary + 2 * i];
        meanings << line[Glossary + 2 * i + 1];
    }
    // The column stays where the English glossary has it unless the words or
    // the meanings need the room; when both do, the words keep their size (up
    // to half the width) and the meanings are set smaller. The four words share
    // one size, and so do the four meanings.
    const double wordsFrom = kTextLeft + 8 + widest(words, serif(11, true));
    const double meaningsUpTo = kTextRight - 2 - widest(meanings, serif(11, false));
    const double column = std::min(std::max(std::min(178.0, meaningsUpTo), wordsFrom), 230.0);
    const QFont word = fitted(words, 11, true, column - 8 - kTextLeft);
    const QFont plain = fitted(meanings, 11, false, kTextRight - 2 - column);
    double y = 243;
    for (int i = 0; i < 4; ++i) {
        p.setFont(word);
        p.setPen(title);
        const QString& w = words[i];
        p.drawText(QPointF(column - 8 - QFontMetricsF(word).horizontalAdvance(w), y), w);
        drawSuit(p, Spades, column - 3, y - 4, 3.2, false, QColor(0x7a, 0x54, 0x22));
        p.setFont(plain);
        p.setPen(kInk);
        p.drawText(QPointF(column + 2, y), meanings[i]);
        y += 18;
    }
    divider(p, 325);
    centred(p, line[Credits], 347, 11, false, kInk);
    centred(p, line[Credits + 1], 362, 11, true, kInk);
    centred(p, line[Built], 382, 10, false, QColor(0x5a, 0x3c, 0x1e));
}

} // namespace

QStringList aboutLines() {
    QStringList lines;
    for (const char* l : kAboutLines) lines << QString::fromUtf8(l);
    return lines;
}

QImage aboutMaster(const QStringList& lines) {
    return render(kAboutSize, kAboutSize, kSuper, Qt::black, [&lines](QPainter& p) {
        // A faint warm light behind the scroll.
        QRadialGradient light(QPointF(230, 240), 260);
        light.setColorAt(0, QColor(0x2a, 0x1a, 0x0c));
        light.setColorAt(1, QColor(0, 0, 0));
        p.fillRect(QRectF(0, 0, kAboutSize, kAboutSize), light);
        for (double x : kChainX) chain(p, x, 56);
        // The scroll's shadow.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 120));
        p.drawRect(QRectF(kSheetL + 5, kSheetT + 6, kSheetR - kSheetL, kSheetB - kSheetT));
        sheet(p);
        roll(p, 54, 22);
        roll(p, 404, 24);
        writing(p, lines);
    });
}

} // namespace assetgen
