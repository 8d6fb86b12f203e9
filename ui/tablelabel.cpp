#include "ui/tablelabel.h"

#include <QEvent>
#include <QPainter>

namespace stud {

namespace {

// The shadow's pixel on the right and below.
constexpr int kShadow = 1;

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
        fitted_ = fitText(text(), font(), room_, kShadow);
    }
    return *fitted_;
}

QSize TableLabel::sizeHint() const {
    // Unfitted, the label keeps QLabel's own measure: the English table's.
    return room_.isEmpty() ? QLabel::sizeHint() : fitted().size;
}

void TableLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) fitted_.reset();
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
        p.drawText(line.translated(kShadow, kShadow), flags, shown.lines[i]);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(line, flags, shown.lines[i]);
    }
}

} // namespace stud
