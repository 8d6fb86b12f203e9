#include "ui/windowscale.h"

#include "ui/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace stud {

namespace {

// Room for a title bar and borders before the window manager has told them.
constexpr QSize kGuessedFrame(16, 40);

const QScreen* screen(const QWidget* w) {
    if (w->screen()) return w->screen();
    if (w->parentWidget() && w->parentWidget()->screen()) return w->parentWidget()->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

WindowScale::WindowScale(QWidget* window)
    : window_(window), base_(window->font()), baseSet_(window->testAttribute(Qt::WA_SetFont)) {}

QFont WindowScale::font(qreal factor) const {
    return scaledFont(base_, scale_ * factor);
}

bool WindowScale::set(qreal scale) {
    if (scale <= 0) scale = 1;
    if (scale == scale_) return false;
    scale_ = scale;
    // Back at 1 a window that followed the desktop's font follows it again.
    if (scale == 1)
        window_->setFont(baseSet_ ? base_ : QFont());
    else
        window_->setFont(font());
    return true;
}

QSize WindowScale::room() const {
    const QScreen* s = screen(window_);
    if (!s) return {};
    const QSize frame = window_->isVisible() && window_->frameGeometry() != window_->geometry()
                            ? window_->frameGeometry().size() - window_->size()
                            : kGuessedFrame;
    return s->availableGeometry().size() - frame;
}

void WindowScale::resize(qreal before, QSize fresh) {
    const QSize room = this->room();
    const auto capped = [&](QSize size) { return room.isValid() ? size.boundedTo(room) : size; };
    // A platform window exists once the window has been shown.
    if (window_->testAttribute(Qt::WA_WState_Created)) {
        const QSizeF atOne = QSizeF(window_->size()) / before;
        window_->resize(capped((atOne * scale_).toSize()));
        // Grown, it stays on its screen.
        const QScreen* s = screen(window_);
        if (s && window_->isVisible()) {
            const QRect area = s->availableGeometry();
            const QSize frame = window_->frameGeometry().size() - window_->size();
            const QRect outer =
                keptOn(QRect(window_->frameGeometry().topLeft(), window_->size() + frame), area);
            if (outer.topLeft() != window_->frameGeometry().topLeft())
                window_->move(outer.topLeft());
        }
    } else if (fresh.isValid()) {
        window_->resize(capped(fresh));
    }
}

qreal WindowScale::fit(qreal wanted, const std::function<QSize(qreal)>& sizeAt) const {
    const QSize room = this->room();
    qreal scale = std::max<qreal>(1, wanted);
    QSize need = sizeAt(scale);
    // Text grows a little unevenly with its size: a few tries find the scale.
    for (int tries = 0; tries < 4 && room.isValid() && scale > 1; ++tries) {
        if (need.width() <= room.width() && need.height() <= room.height()) break;
        const qreal shrink =
            std::min(qreal(room.width()) / need.width(), qreal(room.height()) / need.height());
        scale = std::max<qreal>(1, std::floor(scale * shrink * 100) / 100);
        need = sizeAt(scale);
    }
    return scale;
}

} // namespace stud
