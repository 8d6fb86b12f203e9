#pragma once

#include "ui/viewsettings.h"
#include "ui/zoom.h"

#include <QFont>
#include <QObject>

#include <functional>
#include <string>

class QAction;
class QWidget;

namespace stud {

class GameMenu;
class QtServices;

// The player's view of the table: the zoom, full screen and the four-colour
// deck, with their actions (keys now, menu items where a menu shows them).
// The window keeps its fixed size at every zoom, and never grows larger than
// the screen it is on allows; a full screen fills the screen's height or
// width with the table, centred in the table's dark surround. What the player
// chose is remembered in the view file and comes back at the next start.
class ViewControl final : public QObject {
    Q_OBJECT
  public:
    // `window` shows the canvas of `services`; the items go into the View
    // section of `menu` (when there is one), their keys work on the window.
    ViewControl(QWidget* window, QtServices& services, GameMenu* menu,
                std::string file = viewFilePath());

    // Another window (the About box) that zooms with the table.
    void addDialog(QWidget* dialog);
    // Runs what may fail (a picture set that cannot be loaded) the way the
    // window runs the game's handlers.
    void setGuard(std::function<void(const std::function<void()>&)> guard) {
        guard_ = std::move(guard);
    }

    // Brings back the remembered view, before the window is first shown.
    void restore();

    int zoom() const { return view_.zoom; }
    bool isFullScreen() const { return fullScreen_; }
    bool fourColour() const { return view_.fourColour; }
    // The scale the table is shown at now (zoom, or a full screen's fill).
    qreal scale() const { return scale_; }

    void setZoom(int percent);
    void zoomIn();
    void zoomOut();
    void setFullScreen(bool on);
    void setFourColour(bool on);

    QAction* zoomInAction() const { return zoomIn_; }
    QAction* zoomOutAction() const { return zoomOut_; }
    QAction* normalSizeAction() const { return normalSize_; }
    QAction* fullScreenAction() const { return fullScreenAction_; }
    QAction* fourColourAction() const { return fourColour_; }

  signals:
    // The table is shown at another scale now (a zoom or a full screen).
    void scaleChanged(qreal scale);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildActions();
    // Shows the table at `scale`, its children shifted by `offset`.
    void show(qreal scale, QPoint offset);
    // Places the window at `percent` (or the largest level that fits).
    void place(int percent);
    // The largest level up to `percent` that the window's screen holds.
    int fitting(int percent) const;
    // The level the window shows now (a full screen: the one it left).
    int shownLevel() const;
    void followScreen();
    void fitFullScreen();
    void remember();
    void run(const std::function<void()>& f);
    void syncActions();

    QWidget* window_;
    QtServices& services_;
    GameMenu* menu_;
    QFont menuFont_;
    std::string file_;
    ViewSettings view_;
    Zoomer zoomer_;
    std::vector<QWidget*> dialogs_;
    std::function<void(const std::function<void()>&)> guard_;
    qreal scale_ = 1;
    bool fullScreen_ = false;
    bool restoring_ = false;
    bool writeFailed_ = false;

    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* normalSize_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    QAction* leaveFullScreen_ = nullptr;
    QAction* fourColour_ = nullptr;
};

} // namespace stud
