#include "ui/zoom.h"

#include "ui/accessibility.h"
#include "ui/gradientbutton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace stud {

namespace {

constexpr const char* kZoomProperty = "studZoom";
constexpr const char* kOffsetProperty = "studZoomOffset";

// The style's own little pictures (radio indicators, check boxes, a message
// box's buttons and frames) grow with the zoom too: their sizes and margins
// are the zoom times the style's, and what the style draws with thin lines
// is drawn as its picture at the table's own size, enlarged, so that those
// lines grow with the rest. At 100 % the style is not touched at all.
class ZoomStyle final : public QProxyStyle {
  public:
    ZoomStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}
    qreal zoom = 1;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        if (plain_) return base;
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
        case PM_FocusFrameHMargin:
        case PM_FocusFrameVMargin:
        case PM_ButtonMargin:
        case PM_ButtonDefaultIndicator:
        case PM_DefaultFrameWidth:
        case PM_MessageBoxIconSize:
        case PM_ButtonIconSize:
        case PM_SmallIconSize:
        case PM_TextCursorWidth:
        case PM_LayoutLeftMargin:
        case PM_LayoutTopMargin:
        case PM_LayoutRightMargin:
        case PM_LayoutBottomMargin:
        case PM_LayoutHorizontalSpacing:
        case PM_LayoutVerticalSpacing:
            return qRound(base * zoom);
        default:
            return base;
        }
    }

    int layoutSpacing(QSizePolicy::ControlType one, QSizePolicy::ControlType two,
                      Qt::Orientation orientation, const QStyleOption* option,
                      const QWidget* widget) const override {
        const int base = QProxyStyle::layoutSpacing(one, two, orientation, option, widget);
        return base > 0 ? qRound(base * zoom) : base;
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        if (type != CT_PushButton || zoom == 1)
            return QProxyStyle::sizeFromContents(type, option, contents, widget);
        // A push button as the style sizes it at the table's own size (its
        // smallest width included), times the zoom.
        const QSize one(qRound(contents.width() / zoom), qRound(contents.height() / zoom));
        plain_ = true;
        const QSize s = QProxyStyle::sizeFromContents(type, option, one, widget);
        plain_ = false;
        return {qRound(s.width() * zoom), qRound(s.height() * zoom)};
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const auto base = [&](const QStyleOption* o) {
            QProxyStyle::drawPrimitive(element, o, painter, widget);
        };
        // A part drawn inside an enlarged one (a line edit's frame in its
        // panel) is enlarged with it already.
        if (plain_) {
            base(option);
            return;
        }
        switch (element) {
        case PE_PanelButtonCommand:
        case PE_FrameDefaultButton:
        case PE_IndicatorRadioButton:
        case PE_IndicatorCheckBox:
            if (enlarged<QStyleOptionButton>(option, painter, base)) return;
            break;
        case PE_FrameFocusRect:
            if (enlarged<QStyleOptionFocusRect>(option, painter, base)) return;
            break;
        case PE_PanelLineEdit:
        case PE_FrameLineEdit:
            if (enlarged<QStyleOptionFrame>(option, painter, base)) return;
            break;
        default:
            break;
        }
        base(option);
    }

  private:
    // Draws `option` through `draw` at 1 / zoom of its size, on a painter
    // enlarged by the zoom; false when the option is not an `Option`.
    template <class Option, class Draw>
    bool enlarged(const QStyleOption* option, QPainter* painter, const Draw& draw) const {
        const auto* o = qstyleoption_cast<const Option*>(option);
        if (!o || zoom == 1 || !painter || o->rect.isEmpty()) return false;
        Option small(*o);
        const QRect r = o->rect;
        small.rect = QRect(0, 0, std::max(1, qRound(r.width() / zoom)),
                           std::max(1, qRound(r.height() / zoom)));
        painter->save();
        painter->translate(r.topLeft());
        painter->scale(qreal(r.width()) / small.rect.width(),
                       qreal(r.height()) / small.rect.height());
        plain_ = true;
        draw(&small);
        plain_ = false;
        painter->restore();
        return true;
    }

    // While the picture at the table's own size is drawn (or measured), the
    // metrics are the style's own.
    mutable bool plain_ = false;
};

QRect scaled(const QRect& r, qreal s, QPoint offset) {
    // Edges rather than sizes, so that controls that touch keep touching.
    const int left = qRound(r.left() * s), top = qRound(r.top() * s);
    const int right = qRound((r.left() + r.width()) * s);
    const int bottom = qRound((r.top() + r.height()) * s);
    return QRect(left, top, right - left, bottom - top).translated(offset);
}

// A label that fits itself to its text, as the table's and the panel's do;
// the screen reader's words lie over a fixed area instead.
bool sizesItself(const QWidget* w) {
    const auto* l = qobject_cast<const QLabel*>(w);
    return l && !dynamic_cast<const SpokenLabel*>(w) && !l->wordWrap();
}

} // namespace

QFont scaledFont(QFont f, qreal s) {
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * s))));
    else if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * s);
    return f;
}

QRect keptOn(QRect outer, const QRect& area) {
    if (outer.right() > area.right()) outer.moveRight(area.right());
    if (outer.bottom() > area.bottom()) outer.moveBottom(area.bottom());
    if (outer.left() < area.left()) outer.moveLeft(area.left());
    if (outer.top() < area.top()) outer.moveTop(area.top());
    return outer;
}

std::unique_ptr<QStyle> zoomedStyle(qreal zoom) {
    auto style = std::make_unique<ZoomStyle>();
    style->zoom = zoom;
    return style;
}

bool isZoomLevel(int percent) {
    return std::find(kZoomLevels.begin(), kZoomLevels.end(), percent) != kZoomLevels.end();
}

int zoomIn(int percent) {
    for (int level : kZoomLevels)
        if (level > percent) return level;
    return percent;
}

int zoomOut(int percent) {
    for (auto it = kZoomLevels.rbegin(); it != kZoomLevels.rend(); ++it)
        if (*it < percent) return *it;
    return percent;
}

int largestFitting(int wanted, QSize table, QSize frame, QSize room) {
    int best = kZoomLevels.front();
    for (int level : kZoomLevels) {
        if (level > wanted) break;
        const int w = static_cast<int>(std::lround(table.width() * level / 100.0));
        const int h = static_cast<int>(std::lround(table.height() * level / 100.0));
        if (w + frame.width() <= room.width() && h + frame.height() <= room.height()) best = level;
    }
    return best;
}

FullView fillScreen(QSize table, QSize screen) {
    FullView v;
    if (table.isEmpty() || screen.isEmpty()) return v;
    v.scale =
        std::min(qreal(screen.width()) / table.width(), qreal(screen.height()) / table.height());
    const int w = qRound(table.width() * v.scale), h = qRound(table.height() * v.scale);
    v.offset = QPoint((screen.width() - w) / 2, (screen.height() - h) / 2);
    return v;
}

qreal zoomOf(const QWidget* w) {
    if (!w) return 1;
    const QVariant z = w->window()->property(kZoomProperty);
    return z.isValid() ? z.toReal() : 1.0;
}

Zoomer::Zoomer() = default;
Zoomer::~Zoomer() = default;

Zoomer::Logical& Zoomer::noted(QWidget* w, QPoint offset) {
    auto it = logical_.find(w);
    if (it == logical_.end() || it->widget.isNull()) {
        // First seen: what its code set is in the table's own pixels, since
        // nothing has scaled it yet.
        Logical l{w, w->geometry(), w->font(), w->testAttribute(Qt::WA_SetFont)};
        it = logical_.insert(w, l);
        return *it;
    }
    // Moved by its own code since the last apply (a cash label making room
    // for a longer name): note where that puts it in the table's pixels.
    const qreal was = zoomOf(w);
    if (w->isWindow()) return *it;
    if (w->pos() != scaled(it->rect, was, offset).topLeft()) {
        const QPoint p = w->pos() - offset;
        it->rect.moveTopLeft(QPoint(qRound(p.x() / was), qRound(p.y() / was)));
    }
    return *it;
}

void Zoomer::apply(QWidget* window, qreal scale, QPoint offset, bool fixedWindow) {
    if (!window || scale <= 0) return;
    if (scale != 1 && !style_) style_ = std::make_unique<ZoomStyle>();
    if (style_) static_cast<ZoomStyle*>(style_.get())->zoom = scale;

    // The window's own font first: the controls without a font of their own
    // take it from there.
    const QPoint wasOffset = window->property(kOffsetProperty).toPoint();
    Logical& top = noted(window, {});
    if (top.ownFont) window->setFont(scaledFont(top.font, scale));
    if (fixedWindow)
        window->setFixedSize(scaled(QRect(QPoint(), top.rect.size()), scale, {}).size());

    const QList<QWidget*> all = window->findChildren<QWidget*>();
    std::vector<QWidget*> controls;
    for (QWidget* w : all) {
        // Other windows (the About box, a message box) are scaled on their own.
        if (w->isWindow() || w->window() != window) continue;
        controls.push_back(w);
    }
    // Note everything before changing anything: a resize makes some
    // controls lay out their own children.
    for (QWidget* w : controls) {
        noted(w, w->parentWidget() == window ? wasOffset : QPoint());
    }
    window->setProperty(kZoomProperty, scale);
    window->setProperty(kOffsetProperty, offset);
    for (QWidget* w : controls) {
        const Logical& l = logical_[w];
        const QPoint shift = w->parentWidget() == window ? offset : QPoint();
        if (l.ownFont) w->setFont(scaledFont(l.font, scale));
        if (auto* b = qobject_cast<GradientButton*>(w)) b->setZoom(scale);
        // What the desktop's style draws: the radio buttons, and the edit
        // boxes' frames and cursor.
        if (style_ && (qobject_cast<QRadioButton*>(w) || qobject_cast<QLineEdit*>(w)))
            w->setStyle(scale == 1 ? nullptr : style_.get());
        // An edit box keeps its text two pixels off its frame, whatever
        // the size: the zoomed table widens that gap with the rest.
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            const int m = std::max(0, qRound(2 * scale) - 2);
            e->setTextMargins(m, 0, m, 0);
        }
        const QRect r = scaled(l.rect, scale, shift);
        if (sizesItself(w)) {
            w->move(r.topLeft());
            w->adjustSize();
        } else {
            w->setGeometry(r);
        }
    }
}

} // namespace stud
