#pragma once

#include <QWidget>

namespace stud {

// Shows a window of the game's own beside the table (rules, shortcuts,
// history, statistics), or brings it forward with the keyboard when it is
// already open behind another.
inline void bringForward(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace stud
