#pragma once

#include <QFont>
#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <array>
#include <memory>

class QStyle;
class QWidget;

namespace stud {

// The zoom levels the player steps through, in per cent of the table's own
// 910 x 691 pixels.
inline constexpr std::array<int, 7> kZoomLevels{75, 100, 125, 150, 200, 250, 300};
inline constexpr int kNormalZoom = 100;

bool isZoomLevel(int percent);
// The next level up or down from `percent`, or `percent` itself at either end.
int zoomIn(int percent);
int zoomOut(int percent);
// The largest level no larger than `wanted` whose table, with the window's
// frame around it, fits in `room`; the smallest level when none does.
int largestFitting(int wanted, QSize table, QSize frame, QSize room);

// How large a full screen shows the table: filling the screen's height or its
// width, whichever comes first, and centred there.
struct FullView {
    qreal scale = 1;
    QPoint offset;
};
FullView fillScreen(QSize table, QSize screen);

// The zoom of the window `w` lies in: 1 unless a Zoomer has scaled it.
qreal zoomOf(const QWidget* w);

// `f` at `scale` times its size, in pixels or points as it was given.
QFont scaledFont(QFont f, qreal scale);
// `outer` moved as little as it takes to lie on `area` (its top-left corner
// kept where it cannot: a window larger than its screen).
QRect keptOn(QRect outer, const QRect& area);

// The desktop's style at `zoom` times its size, for a window the Zoomer does
// not lay out (a message box): metrics and margins scaled, buttons sized as at
// 100 % times the zoom, frames and focus rectangles drawn enlarged.
std::unique_ptr<QStyle> zoomedStyle(qreal zoom);

// Scales a window and every control in it as one picture. The first time it
// sees a control it notes the control's place, size and font as its code set
// them, in the table's own pixels; each apply() then sets them `scale` times
// larger, so the texts are laid out at their scaled size and a click lands
// where the control is drawn. Controls that size themselves to their text
// (labels) keep doing so; a control its own code moves later is noted again.
class Zoomer {
  public:
    Zoomer();
    ~Zoomer();
    Zoomer(const Zoomer&) = delete;
    Zoomer& operator=(const Zoomer&) = delete;

    // `offset` shifts the window's own children (a full screen's margin).
    // A dialog (`fixedWindow`) also takes its own size times `scale`.
    void apply(QWidget* window, qreal scale, QPoint offset = {}, bool fixedWindow = false);

  private:
    struct Logical {
        QPointer<QWidget> widget;
        QRect rect;
        QFont font;
        bool ownFont = false;
    };
    // `offset`: where the last apply put the window's children.
    Logical& noted(QWidget* w, QPoint offset);

    QHash<const QWidget*, Logical> logical_;
    std::unique_ptr<QStyle> style_;
};

} // namespace stud
