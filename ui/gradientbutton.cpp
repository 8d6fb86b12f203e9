#include "ui/gradientbutton.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace stud {

namespace {

struct GradientColors {
    QColor top;
    QColor bottom;
};

// The four faces: resting, held down, the orange hot frame and the blue focus frame.
constexpr int kFaceColors[4][6] = {
    {255, 255, 255, 239, 235, 231},
    {214, 207, 198, 247, 243, 235},
    {255, 243, 206, 231, 150, 0},
    {206, 231, 255, 109, 132, 239},
};

GradientColors faceColors(int which) {
    const int* c = kFaceColors[which];
    return {QColor(c[0], c[1], c[2]), QColor(c[3], c[4], c[5])};
}

const QColor kBorderColor(0, 60, 115);
const QColor kSoftCornerColor(123, 150, 173);
// The embossed caption of a disabled button: a light copy one pixel down and
// right, then the grey caption. Fixed, because the face is light whatever the
// window's palette says.
const QColor kEmbossLight(255, 255, 255);
const QColor kEmbossShadow(128, 128, 128);

constexpr QChar kEllipsis(u'\u2026');
// Room kept free on either side of the caption, so that it never runs into the
// two-pixel hot frame or the border.
constexpr int kTextMargin = 3;

bool noShiftKeys(const QKeyEvent* e) {
    return (e->modifiers() &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Removes the accelerator marks of a caption: "&x" shows x (and x becomes the
// accelerator), "&&" shows one "&". `accel` gets the index of the accelerator
// in the result, or -1.
QString stripAccel(const QString& caption, int* accel) {
    QString shown;
    shown.reserve(caption.size());
    *accel = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 >= caption.size()) break;
            ++i;
            if (caption[i] != u'&' && *accel < 0) *accel = int(shown.size());
        }
        shown += caption[i];
    }
    return shown;
}

struct CaptionLine {
    QString text;
    int accel = -1; // index in `text` of the underlined character, or -1
    int width = 0;
};

struct Caption {
    std::vector<CaptionLine> lines;
    int width = 0;  // of the widest line
    int height = 0; // of all lines
};

// `text` cut down to end in "…" within `width` pixels.
QString withEllipsis(QString text, const QFontMetrics& fm, int width) {
    while (!text.isEmpty() && fm.horizontalAdvance(text + kEllipsis) > width) text.chop(1);
    while (text.endsWith(u' ')) text.chop(1);
    return text + kEllipsis;
}

// Wraps the caption at word boundaries into the button's width and keeps as
// many lines as its height holds; whatever is left over, or a single word too
// wide for a line, ends in an ellipsis.
Caption layoutCaption(const QString& caption, bool accelChar, const QFont& font, QSize size) {
    int accel = -1;
    QString shown = accelChar ? stripAccel(caption, &accel) : caption;
    if (shown.isEmpty()) shown = QStringLiteral(" ");
    shown.replace(u'\n', QChar::LineSeparator);

    const QFontMetrics fm(font);
    const int maxWidth = std::max(1, size.width() - 2 * kTextMargin);
    const int lineHeight = std::max(1, fm.height());
    const int maxLines = std::max(1, (size.height() - 2) / lineHeight);

    QTextLayout layout(shown, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    std::vector<std::pair<int, int>> ranges;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(maxWidth);
        ranges.emplace_back(line.textStart(), line.textLength());
    }
    layout.endLayout();

    Caption result;
    const int count = std::min(int(ranges.size()), maxLines);
    for (int i = 0; i < count; ++i) {
        const auto [start, length] = ranges[size_t(i)];
        const bool cutShort = i == count - 1 && int(ranges.size()) > count;
        CaptionLine line;
        line.text = cutShort ? shown.mid(start) : shown.mid(start, length);
        line.text.replace(QChar::LineSeparator, u' ');
        while (line.text.endsWith(u' ') && line.text.size() > 1) line.text.chop(1);
        if (cutShort || fm.horizontalAdvance(line.text) > maxWidth)
            line.text = withEllipsis(line.text, fm, maxWidth);
        // The accelerator stays underlined only while it is still shown.
        const int visible = int(line.text.size()) - (line.text.endsWith(kEllipsis) ? 1 : 0);
        if (accel >= start && accel < start + visible) line.accel = accel - start;
        line.width = fm.horizontalAdvance(line.text);
        result.width = std::max(result.width, line.width);
        result.lines.push_back(std::move(line));
    }
    result.height = count * lineHeight;
    return result;
}

void drawCaption(QPainter& p, const Caption& caption, QPoint origin, const QFont& font,
                 const QColor& color) {
    const QFontMetrics fm(font);
    // The painter starts with the widget's font; a caption set smaller to
    // fit must be drawn in the size it was laid out in.
    p.setFont(font);
    p.setPen(color);
    int top = origin.y();
    for (const CaptionLine& line : caption.lines) {
        const int left = origin.x() + (caption.width - line.width) / 2;
        const int baseline = top + fm.ascent();
        p.drawText(QPoint(left, baseline), line.text);
        if (line.accel >= 0) {
            const int x = left + fm.horizontalAdvance(line.text.left(line.accel));
            const int w = fm.horizontalAdvance(line.text.at(line.accel));
            p.fillRect(
                QRect(x, baseline + std::max(1, fm.underlinePos()), w, std::max(1, fm.lineWidth())),
                color);
        }
        top += fm.height();
    }
}

// The dotted focus rectangle: every other pixel of the outline inverted, so it
// shows on any face colour.
void drawFocusRect(QPainter& p, const QRect& r) {
    if (r.width() <= 0 || r.height() <= 0) return;
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const auto dot = [&](int x, int y) {
        if (((x - r.left()) + (y - r.top())) % 2 == 0) p.fillRect(QRect(x, y, 1, 1), Qt::white);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        dot(x, r.top());
        if (r.bottom() != r.top()) dot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        dot(r.left(), y);
        if (r.right() != r.left()) dot(r.right(), y);
    }
    p.restore();
}

// The outline with a 5 x 5 corner ellipse (a one-pixel diagonal step at each
// corner), then the softening pixels just outside each corner step: the short
// lines from (0, 1) to (2, 0), (w - 2, 0) to (w, 2), (0, h - 2) to (2, h) and
// (w - 3, h) to (w, h - 3), end points excluded.
void drawBorder(QPainter& p, int w, int h) {
    if (w < 5 || h < 5) {
        p.fillRect(QRect(0, 0, w, h), kBorderColor);
        return;
    }
    p.fillRect(QRect(2, 0, w - 4, 1), kBorderColor);
    p.fillRect(QRect(2, h - 1, w - 4, 1), kBorderColor);
    p.fillRect(QRect(0, 2, 1, h - 4), kBorderColor);
    p.fillRect(QRect(w - 1, 2, 1, h - 4), kBorderColor);
    for (const QPoint& pt :
         {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
        p.fillRect(QRect(pt, QSize(1, 1)), kBorderColor);

    const QPoint soft[] = {{0, 1},     {1, 0},     {w - 2, 0},     {w - 1, 1},
                           {0, h - 2}, {1, h - 1}, {w - 2, h - 1}, {w - 1, h - 2}};
    for (const QPoint& pt : soft) p.fillRect(QRect(pt, QSize(1, 1)), kSoftCornerColor);
}

} // namespace

GradientButton::GradientButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted by us, corners included: nothing behind needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(73, 25);
    setText(caption);
    rebuildImages();
    watchHolders();
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this, [this] { updateOtherFocused(); });
}

GradientButton::~GradientButton() {
    // The widget's own teardown may move the focus; by then this object is no
    // longer a GradientButton, so stop listening first.
    if (auto* app = QCoreApplication::instance()) disconnect(app, nullptr, this, nullptr);
}

void GradientButton::setText(const QString& caption) {
    QAbstractButton::setText(caption);
    syncCaption();
}

void GradientButton::setDefault(bool on) {
    if (default_ == on) return;
    default_ = on;
    refresh();
}

void GradientButton::setCancel(bool on) {
    cancel_ = on;
}

void GradientButton::setShowFocusRect(bool on) {
    if (showFocusRect_ == on) return;
    showFocusRect_ = on;
    refresh();
}

void GradientButton::setShowAccelChar(bool on) {
    if (showAccelChar_ == on) return;
    showAccelChar_ = on;
    syncCaption();
    updateGeometry();
    refresh();
}

void GradientButton::setQuality(Quality quality) {
    if (quality_ == quality) return;
    quality_ = quality;
    rebuildImages();
    refresh();
}

void GradientButton::setFontColor(const QColor& color) {
    if (fontColor_ == color) return;
    fontColor_ = color;
    refresh();
}

void GradientButton::beginUpdate() {
    if (updateLocks_++ == 0) {
        updatesWereEnabled_ = updatesEnabled();
        setUpdatesEnabled(false);
    }
}

void GradientButton::endUpdate() {
    if (updateLocks_ == 0 || --updateLocks_ > 0) return;
    setUpdatesEnabled(updatesWereEnabled_);
    update();
}

bool GradientButton::IsSpecialDrawState(bool ignoreDefault) const {
    const bool special = pressed_ ? !hot_ : (hot_ || hasFocus());
    return special || (!ignoreDefault && default_ && !otherFocused_);
}

void GradientButton::setShrinkToFit(bool on) {
    if (shrinkToFit_ == on) return;
    shrinkToFit_ = on;
    update();
}

QFont GradientButton::captionFont() const {
    QFont f = font();
    if (!shrinkToFit_ || f.pixelSize() <= 0) return f;
    const auto cut = [&](const QFont& candidate) {
        for (const CaptionLine& line :
             layoutCaption(text(), showAccelChar_, candidate, size()).lines)
            if (line.text.endsWith(kEllipsis)) return true;
        return false;
    };
    // The font is already the zoomed one, so the smallest size is zoomed too.
    const int smallest = std::max(1, qRound(kSmallestFontPx * zoom_));
    for (int px = f.pixelSize(); px > smallest && cut(f);) f.setPixelSize(--px);
    return f;
}

QStringList GradientButton::captionLines() const {
    QStringList lines;
    for (const CaptionLine& line :
         layoutCaption(text(), showAccelChar_, captionFont(), size()).lines)
        lines << line.text;
    return lines;
}

QImage GradientButton::CreateGradientRect(QSize size, const QColor& top, const QColor& bottom,
                                          int bands, bool dither) {
    if (size.isEmpty()) return {};
    const int n = std::max(1, bands);
    const int w = size.width();
    const int h = size.height();
    QImage image(size, QImage::Format_RGB32);
    image.fill(top);

    const auto channel = [n](int from, int to, int k) {
        return n == 1 ? from : int(std::lround(from + double(to - from) * k / (n - 1)));
    };
    const auto row = [n, h](int k) { return int(std::lround(double(h) * k / n)); };

    QRgb previous = top.rgb();
    for (int k = 0; k < n; ++k) {
        const QRgb color =
            qRgb(channel(top.red(), bottom.red(), k), channel(top.green(), bottom.green(), k),
                 channel(top.blue(), bottom.blue(), k));
        const int first = row(k);
        const int end = std::min(h, row(k + 1));
        for (int y = first; y < end; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            // Dithering: the first row of a band takes every other pixel from
            // the band above, which softens the step between them.
            const bool mix = dither && k > 0 && y == first;
            for (int x = 0; x < w; ++x) line[x] = (mix && x % 2 == 1) ? previous : color;
        }
        if (end > first) previous = color;
    }
    return image;
}

int GradientButton::bandCount(Quality quality) {
    switch (quality) {
    case bqLow:
        return 8;
    case bqHigh:
        return 32;
    case bqMiddle:
        break;
    }
    return 16;
}

QFont GradientButton::buttonFont() {
    return verdana(11, true);
}

QSize GradientButton::sizeHint() const {
    const Caption caption = layoutCaption(text(), showAccelChar_, font(), QSize(10000, 10000));
    return QSize(std::max(73, caption.width + 4 * kTextMargin),
                 std::max(25, caption.height + 2 * kTextMargin));
}

QSize GradientButton::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return QSize(2 * kTextMargin + fm.horizontalAdvance(kEllipsis) + 2, fm.height() + 4);
}

void GradientButton::rebuildImages() {
    // The face always covers the full inner area: a highlighted button shows
    // its top-left part inside the frame, and a face that was built smaller
    // (while the mouse or focus was on the button) would leave a strip of
    // background uncovered once the highlight goes.
    const QSize inner = pictureSize() - QSize(2, 2);
    const int bands = bandCount(quality_);
    const bool dither = quality_ == bqHigh;
    const auto build = [&](int which) {
        const GradientColors c = faceColors(which);
        return CreateGradientRect(inner, c.top, c.bottom, bands, dither);
    };
    face_ = build(0);
    pressedFace_ = build(1);
    hotFrame_ = build(2);
    focusFrame_ = build(3);
}

void GradientButton::refresh() {
    if (updateLocks_ == 0) update();
}

void GradientButton::setHot(bool on) {
    if (hot_ == on) return;
    hot_ = on;
    refresh();
}

void GradientButton::releasePress() {
    pressed_ = false;
    pressSource_ = PressSource::None;
    setDown(false);
}

// A click first hands the modal result to the holding dialog, then runs the
// click handlers; a dialog whose result is still set afterwards closes with it.
void GradientButton::performClick() {
    if (!isEnabled()) return;
    QPointer<QDialog> dialog;
    if (modalResult_ != 0) {
        dialog = qobject_cast<QDialog*>(window());
        if (dialog) dialog->setResult(modalResult_);
    }
    click();
    if (dialog && dialog->isVisible() && dialog->result() != 0) dialog->done(dialog->result());
}

bool GradientButton::canTakeFocus() const {
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

void GradientButton::syncCaption() {
    const QString caption = text();
    syncedCaption_ = caption;
    int accel = -1;
    setAccessibleName(showAccelChar_ ? stripAccel(caption, &accel) : caption);
    setShortcut(showAccelChar_ ? QKeySequence::mnemonic(caption) : QKeySequence());
}

// Enter and Escape that no control of the window has taken arrive at the
// window itself; the Default and Cancel buttons listen there. The parent is
// watched for its colour, which fills our corners.
void GradientButton::watchHolders() {
    QWidget* win = window() != this ? window() : nullptr;
    QWidget* parent = parentWidget();
    if (win == watchedWindow_ && parent == watchedParent_) return;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    if (watchedParent_) watchedParent_->removeEventFilter(this);
    watchedWindow_ = win;
    watchedParent_ = parent;
    if (win) win->installEventFilter(this);
    if (parent && parent != win) parent->installEventFilter(this);
}

void GradientButton::updateOtherFocused() {
    QWidget* focus = window()->focusWidget();
    const bool other = focus && focus != this && qobject_cast<GradientButton*>(focus);
    if (other == otherFocused_) return;
    otherFocused_ = other;
    if (default_) refresh();
}

QColor GradientButton::backgroundColor() const {
    if (const QWidget* parent = parentWidget())
        return parent->palette().color(parent->backgroundRole());
    return palette().color(backgroundRole());
}

// QAbstractButton::setText() is not virtual, so a caption set through a base
// pointer skips our own setText(). It is noticed at the next event of the
// button or of its window (the new caption asks the window for a repaint and
// the parent for a new layout at once).
void GradientButton::catchUpCaption() {
    if (text() != syncedCaption_) syncCaption();
}

bool GradientButton::event(QEvent* e) {
    catchUpCaption();
    switch (e->type()) {
    case QEvent::Shortcut: {
        // The Alt accelerator: clicks at once (no animated press). Two buttons
        // sharing a letter only take the focus in turn, so neither clicks by mistake.
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->key() != shortcut()) return QAbstractButton::event(e);
        if (!showAccelChar_ || !canTakeFocus()) return true;
        if (se->isAmbiguous())
            setFocus(Qt::ShortcutFocusReason);
        else
            performClick();
        return true;
    }
    case QEvent::ParentChange:
    case QEvent::Show:
        watchHolders();
        updateOtherFocused();
        break;
    default:
        break;
    }
    return QAbstractButton::event(e);
}

bool GradientButton::eventFilter(QObject* watched, QEvent* e) {
    catchUpCaption();
    if (watched == watchedWindow_ && e->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (isEnterKey(ke->key()) && default_ && !otherFocused_ && canTakeFocus()) {
            performClick();
            return true;
        }
        if (ke->key() == Qt::Key_Escape && noShiftKeys(ke) && cancel_ && canTakeFocus()) {
            performClick();
            return true;
        }
    }
    if (watched == watchedParent_ && e->type() == QEvent::PaletteChange) refresh();
    return QAbstractButton::eventFilter(watched, e);
}

QSize GradientButton::pictureSize() const {
    if (zoom_ == 1) return size();
    return QSize(std::max(1, qRound(width() / zoom_)), std::max(1, qRound(height() / zoom_)));
}

void GradientButton::setZoom(qreal zoom) {
    if (zoom <= 0 || zoom == zoom_) return;
    zoom_ = zoom;
    rebuildImages();
    refresh();
}

void GradientButton::paintEvent(QPaintEvent*) {
    const QSize picture = pictureSize();
    // A hidden button may have been resized without a resize event yet.
    if (face_.size() != picture - QSize(2, 2)) rebuildImages();

    const int w = picture.width();
    const int h = picture.height();
    QPainter p(this);
    p.fillRect(rect(), backgroundColor());
    if (zoom_ != 1) p.scale(qreal(width()) / w, qreal(height()) / h);

    const bool special = IsSpecialDrawState();
    if (special) p.drawImage(QPoint(1, 1), hot_ ? hotFrame_ : focusFrame_);
    if (pressed_ && hot_) {
        p.drawImage(QPoint(1, 1), pressedFace_);
    } else {
        const int a = special ? 2 : 0;
        p.drawImage(QPoint(1 + a, 1 + a), face_, QRect(0, 0, w - 3 * a, h - 3 * a));
    }
    if (hasFocus() && showFocusRect_) drawFocusRect(p, QRect(3, 3, w - 6, h - 6));
    drawBorder(p, w, h);
    p.resetTransform();

    // The caption in the button's own font at its shown size.
    const int step = std::max(1, qRound(zoom_));
    const QFont font = captionFont();
    const Caption caption = layoutCaption(text(), showAccelChar_, font, size());
    QPoint origin((width() - caption.width) / 2, (height() - caption.height) / 2);
    if (pressed_ && hot_) origin += QPoint(step, step);
    p.setClipRect(rect());
    if (isEnabled()) {
        drawCaption(p, caption, origin, font, fontColor_);
    } else {
        drawCaption(p, caption, origin + QPoint(step, step), font, kEmbossLight);
        drawCaption(p, caption, origin, font, kEmbossShadow);
    }
}

void GradientButton::resizeEvent(QResizeEvent* e) {
    rebuildImages();
    QAbstractButton::resizeEvent(e);
}

void GradientButton::enterEvent(QEnterEvent* e) {
    mouseOver_ = true;
    if (isEnabled()) setHot(true);
    QAbstractButton::enterEvent(e);
}

void GradientButton::leaveEvent(QEvent* e) {
    mouseOver_ = false;
    setHot(false);
    QAbstractButton::leaveEvent(e);
}

void GradientButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint())) {
        e->ignore();
        return;
    }
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    pressSource_ = PressSource::Mouse;
    mouseOver_ = true;
    hot_ = true;
    setDown(true);
    refresh();
    e->accept();
}

// While the left button is held the pointer belongs to us, and enter and leave
// are not reported: follow the pointer here so a press dragged off the button
// shows as such.
void GradientButton::mouseMoveEvent(QMouseEvent* e) {
    if (pressSource_ != PressSource::Mouse) {
        e->ignore();
        return;
    }
    const bool over = rect().contains(e->position().toPoint());
    mouseOver_ = over;
    setDown(over);
    setHot(over);
    e->accept();
}

void GradientButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || pressSource_ != PressSource::Mouse) {
        e->ignore();
        return;
    }
    const bool over = rect().contains(e->position().toPoint());
    releasePress();
    mouseOver_ = over;
    hot_ = over;
    refresh();
    e->accept();
    if (over) performClick();
}

void GradientButton::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    if (key == Qt::Key_Space && noShiftKeys(e)) {
        // Pressed on key down, clicked on release; the key's auto-repeat changes nothing.
        if (!e->isAutoRepeat() && !pressed_) {
            pressed_ = true;
            pressSource_ = PressSource::Space;
            hot_ = true;
            setDown(true);
            if (!hasFocus()) setFocus(Qt::OtherFocusReason);
            refresh();
        }
        e->accept();
        return;
    }
    if (isEnterKey(key)) {
        performClick();
        e->accept();
        return;
    }
    if (key == Qt::Key_Escape && noShiftKeys(e) && cancel_) {
        performClick();
        e->accept();
        return;
    }
    // The accelerator letter on its own clicks the focused button; with Alt
    // it arrives as a shortcut wherever the focus is.
    if (showAccelChar_ && !e->text().isEmpty() &&
        (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0) {
        int accel = -1;
        const QString shown = stripAccel(text(), &accel);
        if (accel >= 0 && e->text().compare(QString(shown.at(accel)), Qt::CaseInsensitive) == 0) {
            performClick();
            e->accept();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void GradientButton::keyReleaseEvent(QKeyEvent* e) {
    // Only the release of the Space that pressed the button clicks it: another
    // key let go meanwhile, or a Space while the mouse holds the button, would
    // click it a second time for one press.
    if (e->key() != Qt::Key_Space || pressSource_ != PressSource::Space) {
        QWidget::keyReleaseEvent(e);
        return;
    }
    e->accept();
    if (e->isAutoRepeat()) return;
    if (!mouseOver_) hot_ = false;
    releasePress();
    refresh();
    performClick();
}

void GradientButton::focusInEvent(QFocusEvent* e) {
    updateOtherFocused();
    refresh();
    QAbstractButton::focusInEvent(e);
}

// Losing the focus (a message box, another window) drops a press without a click.
void GradientButton::focusOutEvent(QFocusEvent* e) {
    if (pressed_) {
        releasePress();
        hot_ = mouseOver_;
    }
    updateOtherFocused();
    refresh();
    QWidget::focusOutEvent(e);
}

void GradientButton::changeEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled()) {
            releasePress();
            hot_ = false;
        } else {
            hot_ = underMouse();
        }
        refresh();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        updateGeometry();
        refresh();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(e);
}

} // namespace stud
