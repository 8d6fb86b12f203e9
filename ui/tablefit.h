#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

namespace stud {

// How a translated text keeps to its place on the table. The table was laid
// out for its English texts; a German hand's name can be half as long again
// and would run over a portrait. Everything here is in the table's own
// (100 %) coordinates: a zoomed table scales the result, not the rules.

// What a text on the table may not cover: the four portraits and the five
// seats' card areas.
std::vector<QRect> tablePictures();

// The room a text that starts at `at`, one line of `lineHeight` high, may
// fill: rightwards up to the first thing that lies in its line, downwards up to
// the first thing below it, within the window. `blocks` are what lies on the
// table (pictures, and other texts as the point where they start); one that
// begins left of `at` in the same line is the other text's business, not this
// one's.
QSize roomAt(QPoint at, int lineHeight, const std::vector<QRect>& blocks);

// The smallest size a fitted text is set in: still readable on the table.
inline constexpr int kSmallestTextPixels = 8;

// A text as it is shown: in which face and on which lines.
struct FittedText {
    QFont font;
    QStringList lines;
    QSize size; // of the lines, with `margin` added on the right and below
};

// Fits `text` in `room`, trying in turn: one line as it is; one line a size
// smaller; two lines, broken at the space that leaves the shorter longest
// line, from the text's own size down to the smallest; one line at the
// smallest size; and only then the smallest size cut short with "…".
// `margin` is what the label adds on the right and below (its text's
// shadow); `smallestPixels` is the smallest size, kSmallestTextPixels
// times the zoom on a zoomed table. An empty room leaves the text as it is.
FittedText fitText(const QString& text, const QFont& font, QSize room, int margin = 0,
                   int smallestPixels = kSmallestTextPixels);

} // namespace stud
