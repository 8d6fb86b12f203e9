#pragma once

#include "ui/tablefit.h"

#include <QLabel>

#include <optional>

namespace stud {

// A table label: white or yellow text straight on the table, with a soft dark
// shadow one pixel down and right, so that the text stays readable over the
// cloth's pattern. It sizes itself to its text. Given a room (a translated
// table), a text too long for it is fitted (tablefit.h): wrapped onto a second
// line or set a size smaller, never over the table's pictures. Without one it
// shows its text as the English table has it.
class TableLabel : public QLabel {
  public:
    explicit TableLabel(QWidget* parent);

    // The most the text may fill from the label's top left corner, shadow
    // included; an empty size fits nothing.
    void setRoom(QSize room);
    QSize room() const { return room_; }

    // The text as it is drawn: its face and its lines.
    QFont shownFont() const { return fitted().font; }
    QStringList shownLines() const { return fitted().lines; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* event) override;

  private:
    const FittedText& fitted() const;

    QSize room_;
    mutable QString fittedFor_;
    mutable std::optional<FittedText> fitted_;
};

} // namespace stud
