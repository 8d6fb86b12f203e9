#include "ui/tablefit.h"

#include "table/seattable.h"
#include "ui/imagesets.h"
#include "ui/qtservices.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <optional>

namespace stud {

std::vector<QRect> tablePictures() {
    std::vector<QRect> pictures;
    const QSize portrait = ImageSets::size(ImageSet::players);
    for (SeatId s : kOpponents)
        pictures.emplace_back(QPoint(kSeatInfo[s].portraitLeft, kSeatInfo[s].portraitTop),
                              portrait);
    for (SeatId s : kAllSeats) {
        const SeatInfo& p = kSeatInfo[s];
        pictures.emplace_back(QPoint(p.areaLeft, p.areaTop),
                              QPoint(p.areaRight - 1, p.areaBottom - 1));
    }
    return pictures;
}

QSize roomAt(QPoint at, int lineHeight, const std::vector<QRect>& blocks) {
    int right = QtServices::kWidth, bottom = QtServices::kHeight;
    const int lineBottom = at.y() + lineHeight;
    for (const QRect& b : blocks)
        if (b.top() < lineBottom && b.bottom() >= at.y() && b.left() >= at.x())
            right = std::min(right, b.left());
    for (const QRect& b : blocks)
        if (b.top() >= lineBottom && b.left() < right && b.right() >= at.x())
            bottom = std::min(bottom, b.top());
    return {right - at.x(), bottom - at.y()};
}

namespace {

FittedText shown(const QFont& font, QStringList lines, int margin) {
    const QFontMetrics fm(font);
    int width = 0;
    for (const QString& line : lines) width = std::max(width, fm.horizontalAdvance(line));
    const int height = int(lines.size()) * fm.height();
    return {font, std::move(lines), QSize(width + margin, height + margin)};
}

// The two lines with the shorter longest line, or nothing for a single word.
std::optional<QStringList> twoLines(const QString& text, const QFont& font) {
    const QFontMetrics fm(font);
    std::optional<QStringList> best;
    int bestWidth = 0;
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0;
         i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const QString first = text.left(i), second = text.mid(i + 1);
        if (second.isEmpty()) break;
        const int width = std::max(fm.horizontalAdvance(first), fm.horizontalAdvance(second));
        if (!best || width < bestWidth) {
            best = QStringList{first, second};
            bestWidth = width;
        }
    }
    return best;
}

} // namespace

FittedText fitText(const QString& text, const QFont& font, QSize room, int margin,
                   int smallestPixels) {
    if (room.isEmpty() || text.isEmpty()) return shown(font, {text}, margin);
    const int own = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    const auto sized = [&](int pixels) {
        QFont f(font);
        f.setPixelSize(pixels);
        return f;
    };
    const auto fits = [&](const FittedText& t) {
        return t.size.width() <= room.width() && t.size.height() <= room.height();
    };
    const int smallest = std::min(own, std::max(1, smallestPixels));
    // A text a little too long reads best on its line, a size smaller.
    for (int px : {own, own - 1}) {
        if (px < smallest) break;
        if (FittedText t = shown(sized(px), {text}, margin); fits(t)) return t;
    }
    for (int px = own; px >= smallest; --px) {
        const QFont f = sized(px);
        if (const auto lines = twoLines(text, f))
            if (FittedText t = shown(f, *lines, margin); fits(t)) return t;
    }
    for (int px = own - 2; px >= smallest; --px)
        if (FittedText t = shown(sized(px), {text}, margin); fits(t)) return t;

    // Nothing fits whole: the smallest size, cut short where the room ends.
    const QFont f = sized(smallest);
    const QFontMetrics fm(f);
    const int width = room.width() - margin;
    const bool two = 2 * fm.height() + margin <= room.height();
    QStringList lines;
    QString rest = text;
    if (two) {
        // As many words on the first line as it holds.
        qsizetype cut = -1;
        for (qsizetype i = text.indexOf(QLatin1Char(' ')); i > 0;
             i = text.indexOf(QLatin1Char(' '), i + 1)) {
            if (fm.horizontalAdvance(text.left(i)) > width) break;
            cut = i;
        }
        if (cut > 0) {
            lines << text.left(cut);
            rest = text.mid(cut + 1);
        }
    }
    lines << fm.elidedText(rest, Qt::ElideRight, width);
    return shown(f, lines, margin);
}

} // namespace stud
