#pragma once

#include "cards/random.h"
#include "game/game.h"
#include "table/services.h"
#include "table/settings.h"
#include "ui/language.h"
#include "ui/qtservices.h"

#include <QCoreApplication>
#include <QIcon>
#include <QWidget>

#include <array>
#include <exception>
#include <map>
#include <memory>

class QLabel;

namespace stud {

class AboutBox;
class Announcer;
class HistoryStore;
class HistoryWindow;
class Recorder;
class StatisticsWindow;
class GameMenu;
class GradientButton;
class OptionsPanel;
class RulesWindow;
class SpokenLabel;
class TableSpeech;
class ViewControl;

// The game's main window: the table canvas, the name, cash and status labels,
// the command buttons, the options panel and the About box. It owns the one
// Game for the life of the process and forwards every click, panel action and
// timer tick to the game's handlers through one guard, which shows an
// exception escaping a handler in the standard error display.
class TableWindow : public QWidget {
    Q_OBJECT
  public:
    // `random` defaults to the game's own generator; `scale` 0 follows the
    // screen (2 on a screen with a device pixel ratio of 2, else 1).
    explicit TableWindow(std::unique_ptr<Random> random = nullptr, int scale = 0,
                         QWidget* parent = nullptr);
    ~TableWindow() override;

    // Runs the game's start-up: settings read, first deal dealt and drawn.
    // On an error the message is shown and false returned; the program then
    // ends without showing the window.
    bool start();

    Game& game() { return *game_; }
    // The hand history (Ctrl+H) and the statistics, opened or raised.
    HistoryWindow* showHistory();
    StatisticsWindow* showStatistics();
    QtServices& services() { return *services_; }
    const QImage& canvas() const { return services_->canvas(); }
    QLabel* label(Control c) const { return services_->label(c); }
    GradientButton* button(Control c) const;
    OptionsPanel* panel() const { return panel_; }
    AboutBox* aboutBox() const { return about_; }
    // The rules and hand rankings, built from the table as it stands, in a
    // window of their own beside the table (brought forward when open).
    void showRules();
    RulesWindow* rulesWindow() const { return rules_; }
    // Zoom, full screen and the deck.
    ViewControl& view() const { return *view_; }
    // The game's menu: the place for everything the table has no button for.
    // Connect to its signals (GameMenu::rulesRequested, ...) or add items.
    GameMenu* gameMenu() const { return menu_; }

    // ---- for a screen reader ---------------------------------------------------
    // The notification that speaks each report.
    Announcer* announcer() const { return announcer_; }
    // The accessible object of a seat's cards (0 you, 1 Peter .. 4 Maria).
    SpokenLabel* hand(int seat) const { return hands_[seat]; }
    // The report of the start-up, spoken when the window is first active.
    const QString& startReport() const { return startReport_; }

    // Places the window in the middle of the screen it is on.
    void centre();

    // Runs one game handler; an exception that escapes it is shown in the
    // standard error display and ends only that handler. True when it ran
    // to completion.
    template <class F> bool guarded(F&& handler) {
        try {
            handler();
            return true;
        } catch (const std::exception& e) {
            reportError(errorText(e));
        } catch (...) {
            reportError(
                QCoreApplication::translate("TableWindow", "An unexpected error occurred."));
        }
        return false;
    }

    // The program's icon in every size it is built with.
    static QIcon applicationIcon();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void reportError(const QString& text);
    void clicked(Control c);
    void focusNextMove();
    void buildLabels();
    // Moves each cash label after its name (the English gap) and, translated,
    // gives every table label its room (tablefit.h).
    void makeRoomForNames();
    void buildButtons();
    void buildSpeech();
    void connectPanel();
    // Says what the game did since the report began, and begins the next.
    QString report();
    void syncSpeech();
    // Tells the player once of trouble with the history file.
    void historyNotice();
    // The open rules follow the limits, the cash and the target.
    void refreshRules();

    std::unique_ptr<Random> random_;
    std::unique_ptr<IniFile> settings_;
    std::unique_ptr<QtServices> services_;
    std::unique_ptr<Game> game_;
    std::map<Control, GradientButton*> buttons_;
    OptionsPanel* panel_ = nullptr;
    AboutBox* about_ = nullptr;
    RulesWindow* rules_ = nullptr;
    ViewControl* view_ = nullptr;
    GameMenu* menu_ = nullptr;
    bool shown_ = false;
    bool showingError_ = false;
    std::unique_ptr<TableSpeech> speech_;
    Announcer* announcer_ = nullptr;
    std::array<SpokenLabel*, kSeats> hands_{};
    QString startReport_;
    bool startSaid_ = false;
    bool started_ = false;
    std::unique_ptr<HistoryStore> history_;
    std::unique_ptr<Recorder> recorder_;
    HistoryWindow* historyWindow_ = nullptr;
    StatisticsWindow* statisticsWindow_ = nullptr;
    bool historyOpened_ = false;
};

} // namespace stud
