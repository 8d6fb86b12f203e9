#pragma once

#include <QFont>
#include <QSize>

#include <functional>

class QWidget;

namespace stud {

// The game's own windows beside the table (rules, shortcuts, history,
// statistics) follow the table's scale, so that a player who zoomed the
// table to read it better reads them as well. Each window keeps one of
// these: it remembers the window's font at scale 1 and derives every
// scaled font and length from that, so that going back and forth never
// compounds, and scale 1 is the window exactly as it was.
class WindowScale {
  public:
    explicit WindowScale(QWidget* window);

    qreal scale() const { return scale_; }
    // A length of the window at scale 1, at the scale shown now.
    int px(int length) const { return qRound(length * scale_); }
    qreal px(qreal length) const { return length * scale_; }
    // The window's font at scale 1 times `factor`.
    QFont font(qreal factor = 1) const;

    // Shows the window's text at `scale`. False when it already is.
    bool set(qreal scale);
    // A window the player has seen keeps its size in proportion to the
    // scale before; one never shown takes `fresh` (empty: its layout's).
    // Either is capped at the room its screen has.
    void resize(qreal before, QSize fresh = {});
    // The room the window has on its screen: the screen's available area
    // less the window's frame.
    QSize room() const;
    // For a window whose content sets its size: the largest scale up to
    // `wanted` (and no less than 1) at which that content fits the room.
    // `sizeAt` lays the window out at a scale and gives the size it needs.
    qreal fit(qreal wanted, const std::function<QSize(qreal)>& sizeAt) const;

  private:
    QWidget* window_;
    QFont base_;
    bool baseSet_; // the window's own font, rather than the desktop's
    qreal scale_ = 1;
};

} // namespace stud
