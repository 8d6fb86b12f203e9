#include "ui/gamemenu.h"

#include "ui/fonts.h"
#include "ui/gradientbutton.h"
#include "ui/shortcutswindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QWidget>

#include <algorithm>

namespace stud {

namespace {

QString tr_(const char* text) {
    return QCoreApplication::translate("GameMenu", text);
}

// The menu's button: a gradient button like the table's others, showing the
// desktop's three-line menu symbol instead of a caption.
class MenuButton final : public GradientButton {
  public:
    explicit MenuButton(QWidget* parent) : GradientButton(QString(), parent) {}

  protected:
    void paintEvent(QPaintEvent* e) override {
        GradientButton::paintEvent(e);
        QPainter p(this);
        // Three bars of kBar x 2 pixels, two pixels apart, in the caption's
        // place; held down, they move with the caption. A zoomed table
        // shows them larger by its zoom, rounded to whole pixels so that
        // the three stay alike.
        constexpr int kBar = 10, kThick = 2, kGap = 2;
        const qreal z = zoom();
        const int bar = std::max(1, qRound(kBar * z));
        const int thick = std::max(1, qRound(kThick * z));
        const int gap = std::max(1, qRound(kGap * z));
        const int tall = 3 * thick + 2 * gap;
        QPoint at((width() - bar) / 2, (height() - tall) / 2);
        const int step = std::max(1, qRound(z));
        if (isPressed() && isHot()) at += QPoint(step, step);
        const QColor ink = isEnabled() ? fontColor() : QColor(128, 128, 128);
        for (int i = 0; i < 3; ++i) p.fillRect(at.x(), at.y() + i * (thick + gap), bar, thick, ink);
    }
};

} // namespace

GameMenu::GameMenu(QWidget* window) : QObject(window), window_(window) {
    button_ = new MenuButton(window);
    button_->setFont(verdana(11, false));
    button_->setGeometry(kLeft, kTop, kWidth, kHeight);
    button_->setAccessibleName(tr_("Menu"));
    button_->setToolTip(tr_("Menu"));

    menu_ = new QMenu(window);
    menu_->setAccessibleName(tr_("Menu"));
    connect(button_, &QAbstractButton::clicked, this, &GameMenu::open);
    for (QKeySequence key : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* s = new QShortcut(key, window);
        connect(s, &QShortcut::activated, this, &GameMenu::open);
    }

    rules_ = addItem(Section::Help, tr_("Rules and hand rankings"), QKeySequence(Qt::Key_F1));
    connect(rules_, &QAction::triggered, this, &GameMenu::rulesRequested);
    shortcuts_ = addItem(Section::Help, tr_("Keyboard shortcuts"),
                         QKeySequence(Qt::CTRL | Qt::Key_Question));
    connect(shortcuts_, &QAction::triggered, this, &GameMenu::shortcutsRequested);
    connect(this, &GameMenu::shortcutsRequested, this, [this] { shortcutsWindow()->present(); });
    quit_ = addItem(Section::Quit, tr_("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit_, &QAction::triggered, window, &QWidget::close);
}

GameMenu::~GameMenu() = default;

QAction* GameMenu::addItem(Section section, const QString& text, const QKeySequence& key) {
    auto* a = new QAction(text, this);
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    // On the window as well, so that the key works while the menu is closed.
    window_->addAction(a);
    sections_[static_cast<int>(section)].push_back(a);
    rebuild();
    return a;
}

void GameMenu::rebuild() {
    // clear() drops the separators it made; the items belong to us.
    menu_->clear();
    bool any = false;
    for (const auto& items : sections_) {
        if (items.empty()) continue;
        if (any) menu_->addSeparator();
        for (QAction* a : items) menu_->addAction(a);
        any = true;
    }
}

ShortcutsWindow* GameMenu::shortcutsWindow() {
    if (!shortcutsWindow_) shortcutsWindow_ = new ShortcutsWindow(window_, *this);
    return shortcutsWindow_;
}

void GameMenu::open() {
    if (!window_->isEnabled() || menu_->isVisible()) return;
    menu_->popup(button_->mapToGlobal(QPoint(button_->width(), button_->height())) -
                 QPoint(menu_->sizeHint().width(), 0));
    // Opened from the keyboard or not, the first item is chosen at once, so
    // that the arrows and Enter go on from there.
    if (!menu_->actions().isEmpty()) menu_->setActiveAction(menu_->actions().first());
}

} // namespace stud
