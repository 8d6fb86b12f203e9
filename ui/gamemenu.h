#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QAction;
class QMenu;
class QShortcut;
class QWidget;

namespace stud {

class GradientButton;
class ShortcutsWindow;

// The game's own menu: one small button with a three-line symbol at the right
// end of the table's top strip, and the menu it opens. It holds everything the
// table itself has no button for (the rules, the keys, and what later comes:
// history, statistics, the view), so that the table keeps its own look.
//
// The menu opens with a click on its button, with F10 and with the Menu key.
// Each item's key works on the whole window while the menu is closed, too.
//
// Adding an item: `addItem(Section::History, tr("History"), Qt::CTRL | Qt::Key_H)`
// returns the QAction; connect its `triggered` (make it checkable for an on/off
// item). Items come in sections, in the order of `Section`, with a line between
// two sections; within a section in the order they were added. "Quit" is
// always the last item.
class GameMenu : public QObject {
    Q_OBJECT
  public:
    // In the order they appear.
    enum class Section { View, History, Help, Quit };
    static constexpr int kSections = 4;

    // The button's place on the table, in the window's coordinates: at the
    // right end of the strip that holds "New Game", "Options" and "About",
    // as tall as they are.
    static constexpr int kLeft = 883, kTop = 3, kWidth = 24, kHeight = 17;

    // Builds the button on `window`, with the items of the Help and Quit
    // sections. "Quit" closes `window`.
    explicit GameMenu(QWidget* window);
    ~GameMenu() override;

    GradientButton* button() const { return button_; }
    QMenu* menu() const { return menu_; }

    // Adds an item at the end of `section`; `key` (none if empty) also works
    // while the menu is closed. The action belongs to the menu.
    QAction* addItem(Section section, const QString& text, const QKeySequence& key = {});

    // The items of the Help section, for those who connect to them.
    QAction* rulesAction() const { return rules_; }
    QAction* shortcutsAction() const { return shortcuts_; }
    QAction* quitAction() const { return quit_; }

    // Opens the menu below its button with the first item chosen, as F10
    // and the Menu key do. Nothing happens while the window is disabled.
    void open();

    // The keys' list that "Keyboard shortcuts" shows; made the first time
    // it is asked for.
    ShortcutsWindow* shortcutsWindow();

  signals:
    // "Rules and hand rankings" (F1) was chosen: whoever shows the rules
    // connects here. Nothing happens until someone does.
    void rulesRequested();
    // "Keyboard shortcuts" (Ctrl+?) was chosen; the menu shows its list of
    // keys by itself.
    void shortcutsRequested();

  private:
    void rebuild();

    QWidget* window_;
    GradientButton* button_ = nullptr;
    QMenu* menu_ = nullptr;
    std::array<std::vector<QAction*>, kSections> sections_;
    QAction* rules_ = nullptr;
    QAction* shortcuts_ = nullptr;
    QAction* quit_ = nullptr;
    ShortcutsWindow* shortcutsWindow_ = nullptr;
};

} // namespace stud
