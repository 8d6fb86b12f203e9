#include "ui/viewcontrol.h"

#include "ui/gamemenu.h"
#include "ui/qtservices.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace stud {

namespace {

QString tr_(const char* text) {
    return QCoreApplication::translate("ViewControl", text);
}

// Until the window manager has framed the window, its title bar and border
// are taken to be about this large.
const QSize kGuessedFrame(10, 40);

QScreen* screenOf(const QWidget* w) {
    QScreen* s = w->screen();
    return s ? s : QGuiApplication::primaryScreen();
}

} // namespace

ViewControl::ViewControl(QWidget* window, QtServices& services, GameMenu* menu, std::string file)
    : QObject(window), window_(window), services_(services), menu_(menu), file_(std::move(file)) {
    if (menu_) menuFont_ = menu_->menu()->font();
    buildActions();
    window_->installEventFilter(this);
}

void ViewControl::buildActions() {
    // The menu's View section shows the items; what is no item (Escape
    // leaving a full screen) is the window's own key.
    const auto make = [this](const char* text, std::initializer_list<QKeySequence> keys,
                             bool item = true) {
        const QList<QKeySequence> list(keys);
        QAction* a = nullptr;
        if (menu_ && item) {
            a = menu_->addItem(GameMenu::Section::View, tr_(text),
                               list.isEmpty() ? QKeySequence() : list.front());
        } else {
            a = new QAction(tr_(text), window_);
            window_->addAction(a);
        }
        a->setShortcuts(list);
        a->setShortcutContext(Qt::WindowShortcut);
        return a;
    };
    // Ctrl+= as well: on most keyboards "+" needs Shift.
    zoomIn_ = make("Zoom &In",
                   {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOut_ = make("Zoom &Out", {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    normalSize_ = make("&Normal Size", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    fullScreenAction_ = make("&Full Screen", {QKeySequence(Qt::Key_F11)});
    fullScreenAction_->setCheckable(true);
    leaveFullScreen_ = make("Leave Full Screen", {QKeySequence(Qt::Key_Escape)}, false);
    leaveFullScreen_->setEnabled(false); // Escape is free outside a full screen
    fourColour_ = make("F&our-Colour Deck", {});
    fourColour_->setCheckable(true);

    connect(zoomIn_, &QAction::triggered, this, [this] { zoomIn(); });
    connect(zoomOut_, &QAction::triggered, this, [this] { zoomOut(); });
    connect(normalSize_, &QAction::triggered, this, [this] { setZoom(kNormalZoom); });
    connect(fullScreenAction_, &QAction::triggered, this, [this](bool on) { setFullScreen(on); });
    connect(leaveFullScreen_, &QAction::triggered, this, [this] { setFullScreen(false); });
    connect(fourColour_, &QAction::triggered, this, [this](bool on) { setFourColour(on); });
}

void ViewControl::addDialog(QWidget* dialog) {
    dialogs_.push_back(dialog);
    if (scale_ != 1) zoomer_.apply(dialog, scale_, {}, true);
}

void ViewControl::run(const std::function<void()>& f) {
    if (guard_)
        guard_(f);
    else
        f();
}

void ViewControl::restore() {
    const ViewSettings saved = readViewSettings(file_);
    restoring_ = true;
    if (saved.fourColour) setFourColour(true);
    view_.zoom = saved.zoom;
    if (saved.fullScreen) {
        setFullScreen(true);
    } else if (saved.zoom != kNormalZoom || !window_->isVisible()) {
        // A start on a screen too small for the remembered zoom (or for 100 %)
        // takes the largest that fits.
        place(saved.zoom);
    }
    restoring_ = false;
    view_.zoom = saved.zoom; // a smaller screen today does not forget the choice
    syncActions();
}

void ViewControl::show(qreal scale, QPoint offset) {
    // Nothing to do at the table's own size: not a pixel moves then.
    if (scale == scale_ && offset == services_.offset()) return;
    run([&] {
        services_.setView(scale, offset);
        zoomer_.apply(window_, scale, offset);
        for (QWidget* d : dialogs_) zoomer_.apply(d, scale, {}, true);
        // The menu's items in the table's zoomed size too.
        if (menu_) menu_->menu()->setFont(scale == 1 ? menuFont_ : scaledFont(menuFont_, scale));
        scale_ = scale;
    });
    if (scale_ == scale) emit scaleChanged(scale);
}

int ViewControl::fitting(int percent) const {
    const QScreen* screen = screenOf(window_);
    if (!screen) return percent;
    const QSize frame = window_->isVisible() && window_->frameGeometry() != window_->geometry()
                            ? window_->frameGeometry().size() - window_->size()
                            : kGuessedFrame;
    return largestFitting(percent, QSize(QtServices::kWidth, QtServices::kHeight), frame,
                          screen->availableGeometry().size());
}

int ViewControl::shownLevel() const {
    return fullScreen_ ? view_.zoom : qRound(scale_ * 100);
}

void ViewControl::place(int percent) {
    QScreen* screen = screenOf(window_);
    const QSize table(QtServices::kWidth, QtServices::kHeight);
    const int level = fitting(percent);
    const qreal scale = level / 100.0;
    show(scale, {});
    const QSize size(qRound(table.width() * scale), qRound(table.height() * scale));
    window_->setFixedSize(size);
    if (screen && window_->isVisible()) {
        // Kept on its screen: a larger window grows from its top-left corner
        // only as far as the screen allows, then moves in.
        const QRect avail = screen->availableGeometry();
        QRect frame = window_->frameGeometry();
        frame.setSize(size + (window_->frameGeometry().size() - window_->geometry().size()));
        window_->move(keptOn(frame, avail).topLeft());
    }
    if (!restoring_) view_.zoom = level;
}

void ViewControl::setZoom(int percent) {
    if (!isZoomLevel(percent)) percent = kNormalZoom;
    view_.zoom = percent;
    if (!fullScreen_) place(percent);
    remember();
    syncActions();
}

// Both step from the level shown, which a small screen may have made
// smaller than the one chosen; a screen too small for the next level up
// keeps the one it has.
void ViewControl::zoomIn() {
    const int next = stud::zoomIn(shownLevel());
    if (fullScreen_ || next == shownLevel() || fitting(next) != next) return;
    setZoom(next);
}

void ViewControl::zoomOut() {
    if (!fullScreen_) setZoom(stud::zoomOut(shownLevel()));
}

void ViewControl::followScreen() {
    // Taken to another screen: the chosen zoom as far as this one holds it,
    // and the choice itself kept for a larger screen later. A full screen
    // follows the size the window manager gives it.
    if (!fullScreen_) {
        const bool was = restoring_;
        restoring_ = true;
        place(view_.zoom);
        restoring_ = was;
    }
    syncActions();
}

void ViewControl::fitFullScreen() {
    QScreen* screen = screenOf(window_);
    if (!screen) return;
    // The window's own size once the window manager has made it full screen,
    // the screen's until then.
    const QSize room = window_->isFullScreen() && window_->isVisible() ? window_->size()
                                                                       : screen->geometry().size();
    const FullView v = fillScreen(QSize(QtServices::kWidth, QtServices::kHeight), room);
    show(v.scale, v.offset);
}

void ViewControl::setFullScreen(bool on) {
    if (on == fullScreen_) {
        syncActions();
        return;
    }
    fullScreen_ = on;
    view_.fullScreen = on;
    if (on) {
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (QScreen* screen = screenOf(window_)) window_->resize(screen->geometry().size());
        fitFullScreen();
        if (window_->isVisible())
            window_->showFullScreen();
        else
            window_->setWindowState(window_->windowState() | Qt::WindowFullScreen);
    } else {
        if (window_->isVisible())
            window_->showNormal();
        else
            window_->setWindowState(window_->windowState() & ~Qt::WindowFullScreen);
        place(view_.zoom);
    }
    if (!restoring_) remember();
    syncActions();
}

void ViewControl::setFourColour(bool on) {
    run([&] {
        services_.setDeck(on ? ImageSets::Deck::FourColour : ImageSets::Deck::TwoColour);
        view_.fourColour = on;
    });
    if (!restoring_) remember();
    syncActions();
}

void ViewControl::remember() {
    if (restoring_) return;
    // The view still changes when it cannot be kept; the player learns why
    // (once a run) where the game reports what it cannot do quietly.
    std::string why;
    if (!writeViewSettings(file_, view_, &why) && !writeFailed_) {
        writeFailed_ = true;
        std::fprintf(stderr, "sevenstud: the view is not remembered: %s\n", why.c_str());
    }
}

void ViewControl::syncActions() {
    const int shown = shownLevel(), next = stud::zoomIn(shown);
    zoomIn_->setEnabled(!fullScreen_ && next > shown && fitting(next) == next);
    zoomOut_->setEnabled(!fullScreen_ && shown > kZoomLevels.front());
    normalSize_->setEnabled(!fullScreen_);
    fullScreenAction_->setChecked(fullScreen_);
    leaveFullScreen_->setEnabled(fullScreen_);
    fourColour_->setChecked(view_.fourColour);
}

bool ViewControl::eventFilter(QObject* watched, QEvent* event) {
    // The window manager decides the full screen's size: follow it.
    if (watched == window_ && event->type() == QEvent::Resize && fullScreen_) fitFullScreen();
    // Once the window exists, a move to another screen is followed.
    if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle())
        connect(window_->windowHandle(), &QWindow::screenChanged, this, &ViewControl::followScreen,
                Qt::UniqueConnection);
    return QObject::eventFilter(watched, event);
}

} // namespace stud
