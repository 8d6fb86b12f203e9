#include "ui/tablelabel.h"

#include "ui/zoom.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace stud {

namespace {

// The shadow's pixel on the right and below.
constexpr int kShadow = 1;

// A zoomed table enlarges the shadow and the room with the text.
int shadowOf(const QWidget* w) {
    return std::max(kShadow, qRound(kShadow * zoomOf(w)));
}

} // namespace

TableLabel::TableLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setContentsMargins(0, 0, kShadow, kShadow);
}

void TableLabel::setRoom(QSize room) {
    room_ = room;
    fitted_.reset();
    updateGeometry();
}

const FittedText& TableLabel::fitted() const {
    if (!fitted_ || fittedFor_ != text()) {
        fittedFor_ = text();
        const qreal zoom = zoomOf(this);
        const QSize room = zoom == 1 || room_.isEmpty()
                               ? room_
                               : QSize(qRound(room_.width() * zoom), qRound(room_.height() * zoom));
        // The smallest size grows with the text, or a zoomed table would
        // shrink a long text further than the table at its own size does.
        const int smallest = std::max(1, qRound(kSmallestTextPixels * zoom));
        fitted_ = fitText(text(), font(), room, shadowOf(this), smallest);
    }
    return *fitted_;
}

QSize TableLabel::sizeHint() const {
    // Unfitted, the label keeps QLabel's own measure: the English table's.
    return room_.isEmpty() ? QLabel::sizeHint() : fitted().size;
}

void TableLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        // The zoom changes the font: the shadow's room follows.
        fitted_.reset();
        const int d = shadowOf(this);
        setContentsMargins(0, 0, d, d);
    }
    QLabel::changeEvent(event);
}

void TableLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = contentsRect();
    const FittedText& shown = fitted();
    p.setFont(shown.font);
    const int lineHeight = QFontMetrics(shown.font).height();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const bool one = shown.lines.size() == 1;
    for (qsizetype i = 0; i < shown.lines.size(); ++i) {
        const QRect line =
            one ? r : QRect(r.left(), r.top() + int(i) * lineHeight, r.width(), lineHeight);
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(line.translated(shadowOf(this), shadowOf(this)), flags, shown.lines[i]);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(line, flags, shown.lines[i]);
    }
}

} // namespace stud
