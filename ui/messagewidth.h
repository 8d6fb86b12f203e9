#pragma once

#include <QMessageBox>

#include <memory>

class QDialog;
class QString;
class QStyle;

namespace stud {

// The width a window needs so that a window manager's title bar shows
// `title` whole: the text in a bold title font, with room around it for the
// window icon and the title-bar buttons.
int titleBarWidth(const QString& title);

// Widens a message box or dialog to titleBarWidth() of its title. Qt sizes a
// message box to its text alone, so a short text under a longer caption
// ("You win!" under "Game over") left the title bar of a real window manager
// showing "..." instead of the caption. Call before the dialog is shown.
void fitTitle(QDialog& dialog);

// A message box over a zoomed table, shown at the table's zoom: its text,
// buttons, icon and margins are `zoom` times their size, and its width follows
// Qt's rules for a message box as if at the table's own size, times the zoom
// (Qt caps a box at 500 and 1000 pixels, which would break a zoomed text onto
// more lines than the table at 100 % shows). It is placed as Qt places any
// message box, centred over its window. At zoom 1 it is a plain QMessageBox.
// fitTitle() widens it for its title times the zoom, so that it keeps the
// shape of the box at 100 %.
class ZoomedMessageBox : public QMessageBox {
  public:
    ZoomedMessageBox(QWidget* parent, qreal zoom);
    ~ZoomedMessageBox() override;

    qreal zoom() const { return zoom_; }
    // Sets the text, icon and buttons in the zoomed font and style; once
    // the buttons are all there. Showing the box does it too.
    void zoomParts();

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void fitWidth();

    qreal zoom_;
    std::unique_ptr<QStyle> style_;
    bool fitting_ = false;
};

} // namespace stud
