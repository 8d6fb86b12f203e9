#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <QString>

#include "ui/windowscale.h"

class QGridLayout;
class QVBoxLayout;

namespace stud {

class GameMenu;

// Set on the window's widgets that show or speak a key's own name ("Q"),
// which a language may leave as it is.
inline constexpr char kKeyNameProperty[] = "studKeyName";

// The keys of the game, in the player's language, laid out as the desktop's
// own shortcut windows are: groups under headings, each key drawn as a key
// cap beside what it does. The moves come from the move keys, the menu's
// part from the menu's own items, so that what later work adds to the menu
// is listed with its key without being told here. It stays open beside the
// table (it takes nothing from it); Escape closes it, and opening it again
// brings it forward.
class ShortcutsWindow : public QDialog {
    Q_OBJECT
  public:
    ShortcutsWindow(QWidget* table, const GameMenu& menu);

    // Lists the keys afresh, then shows the window and brings it forward.
    void present();

    // The keys and their caps at the table's scale (1 at 100 %), as far as
    // the window fits its screen.
    void setScale(qreal scale);
    qreal scale() const { return zoom_.scale(); }

    // One line of the list: the keys (any of them does it) and what they do.
    struct Row {
        QList<QKeySequence> keys;
        QString what;
    };
    struct Group {
        QString heading;
        QList<Row> rows;
    };
    // What the window lists, group by group.
    QList<Group> groups() const;

  private:
    void rebuild();
    // Lays the list out at `scale`; the size the window needs for it.
    QSize layOut(qreal scale);

    const GameMenu& menu_;
    QWidget* body_ = nullptr;
    WindowScale zoom_{this};
    qreal wanted_ = 1; // the table's scale, which the screen may not hold
};

} // namespace stud
