#include "ui/tablewindow.h"

#include "history/recorder.h"
#include "history/store.h"
#include "table/rules.h"
#include "table/seattable.h"
#include "ui/aboutbox.h"
#include "ui/accessibility.h"
#include "ui/bringforward.h"
#include "ui/fonts.h"
#include "ui/gamemenu.h"
#include "ui/gradientbutton.h"
#include "ui/historywindow.h"
#include "ui/messagewidth.h"
#include "ui/movekeys.h"
#include "ui/optionspanel.h"
#include "ui/ruleswindow.h"
#include "ui/shortcutswindow.h"
#include "ui/tablefit.h"
#include "ui/tablelabel.h"
#include "ui/tablespeech.h"
#include "ui/viewcontrol.h"
#include "ui/zoom.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <vector>

namespace stud {

namespace {

QString tr_(const char* text) {
    return *text ? QCoreApplication::translate("TableWindow", text) : QString();
}

// The window's labels: where they sit, how they look, and what a screen
// reader says they are about (empty: the text says it by itself).
struct LabelPlace {
    Control control;
    int left, top;
    bool bold;
    int pixelSize;
    const char* text;  // fixed caption, or the empty start-up text
    const char* about; // accessible description
};

constexpr LabelPlace kLabels[] = {
    {Control::Label2, 424, 448, true, 11, "You:", ""},
    {Control::cash, 460, 448, true, 11, "", "Your cash"},
    {Control::playerstatus, 424, 464, false, 11, "", "Your status"},
    {Control::freakcash, 184, 344, true, 11, "Peter:", ""},
    {Control::lblfcash, 232, 344, true, 11, "", "Peter's cash"},
    {Control::freakstatus, 184, 360, false, 11, "", "Peter's status"},
    {Control::geekcash, 296, 104, true, 11, "Anna:", ""},
    {Control::lblgcash, 342, 104, true, 11, "", "Anna's cash"},
    {Control::geekstatus, 296, 120, false, 11, "", "Anna's status"},
    {Control::mastercash, 528, 104, true, 11, "George:", ""},
    {Control::lblmcash, 587, 104, true, 11, "", "George's cash"},
    {Control::masterstatus, 528, 120, false, 11, "", "George's status"},
    {Control::champcash, 632, 344, true, 11, "Maria:", ""},
    {Control::lblccash, 680, 344, true, 11, "", "Maria's cash"},
    {Control::champstatus, 632, 360, false, 11, "", "Maria's status"},
    {Control::betsize, 446, 304, true, 12, "", "Pot"},
};

struct ButtonPlace {
    Control control;
    const char* caption;
    int left, top, width, height;
    bool bold;
};

// In tab order.
constexpr ButtonPlace kButtons[] = {
    {Control::btnbet, "Raise", 461, 618, 65, 33, true},
    {Control::btnpass, "Fold", 525, 618, 65, 33, true},
    {Control::btnstay, "Check", 397, 618, 65, 33, true},
    {Control::btnnew, "Deal", 333, 618, 65, 33, true},
    {Control::NewGame1, "New Game", 347, 3, 73, 17, false},
    {Control::Options1, "Options", 419, 3, 73, 17, false},
    {Control::About1, "About", 491, 3, 73, 17, false},
};

// The label with each seat's name, which a screen reader reads together with
// the cash and status.
constexpr std::array<Control, kSeats> kNameLabels{Control::Label2, Control::freakcash,
                                                  Control::geekcash, Control::mastercash,
                                                  Control::champcash};

// The start-up report waits until the window is active, so that a screen
// reader has greeted the window and its focused button first.
constexpr int kStartReportDelayMs = 250;

int screenScale(const QWidget* w) {
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s && s->devicePixelRatio() >= 1.5 ? 2 : 1;
}

} // namespace

QIcon TableWindow::applicationIcon() {
    QIcon icon;
    for (int n : {32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/icons/sevenstud-%1.png").arg(n);
        if (QFile::exists(path)) icon.addFile(path, QSize(n, n));
    }
    return icon;
}

TableWindow::TableWindow(std::unique_ptr<Random> random, int scale, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      random_(random ? std::move(random) : std::make_unique<Xoshiro>()) {
    setFixedSize(QtServices::kWidth, QtServices::kHeight);
    setWindowTitle(QString());
    setWindowIcon(applicationIcon());
    // The title bar stays empty; a screen reader still names the window.
    installAccessibility();
    setAccessibleRole(this, QAccessible::Window);
    setAccessibleName(tr_("Seven Stud"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFont(verdana(11, false));
    // The canvas covers every pixel: nothing needs clearing before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);

    services_ = std::make_unique<QtServices>(this, scale == 0 ? screenScale(this) : scale);
    settings_ = std::make_unique<IniFile>(settingsFilePath(kSettingsFileName));
    game_ = std::make_unique<Game>(*services_, *random_, *settings_);
    speech_ = std::make_unique<TableSpeech>(game_->state());
    // The history hears every event first and passes each on to the speech.
    history_ = std::make_unique<HistoryStore>(HistoryStore::defaultPath());
    recorder_ = std::make_unique<Recorder>(
        *game_, *history_,
        [] {
            return std::chrono::duration_cast<std::chrono::seconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                .count();
        },
        speech_.get());
    game_->watch(recorder_.get());

    panel_ = new OptionsPanel(this);
    panel_->move(kPanelLeft, kPanelTop);
    panel_->hide();
    panel_->setAccessibleName(tr_("Options"));
    services_->setPanel(panel_);

    buildLabels();
    buildSpeech();
    buildButtons();
    makeRoomForNames();
    connectPanel();
    // The table's labels are painted on the table itself; the panel lies
    // over them.
    panel_->raise();

    about_ = new AboutBox(this);
    about_->hide();
    rules_ = new RulesWindow(this);
    rules_->hide();
    // The menu's "Rules and hand rankings", on F1 as well.
    connect(menu_, &GameMenu::rulesRequested, this, &TableWindow::showRules);

    view_ = new ViewControl(this, *services_, menu_);
    view_->addDialog(about_);
    view_->setGuard([this](const std::function<void()>& f) { guarded(f); });
    // The game's own windows beside the table are read at the table's scale.
    connect(view_, &ViewControl::scaleChanged, this, [this](qreal scale) {
        rules_->setScale(scale);
        menu_->shortcutsWindow()->setScale(scale);
        if (historyWindow_) historyWindow_->setScale(scale);
        if (statisticsWindow_) statisticsWindow_->setScale(scale);
    });

    services_->setRepaintHandler([this] {
        game_->redraw();
        syncSpeech();
    });
    for (Timer which : {Timer::randomwink, Timer::winkanim, Timer::wintimer}) {
        services_->setTimerHandler(which, [this, which] {
            // A failing tick must not stack one error box per interval.
            if (showingError_) return;
            // A tick only animates: no card, cash or status line changes.
            guarded([&] { game_->tick(which); });
        });
    }
}

TableWindow::~TableWindow() {
    game_->watch(nullptr);
    // Let go of the focus while every control is still whole: a focused
    // child destroyed with the window would move the focus from inside its
    // own destruction, and our buttons listen to focus changes.
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(about_),
                       static_cast<QWidget*>(rules_)})
        if (QWidget* f = w->focusWidget()) f->clearFocus();
}

void TableWindow::buildLabels() {
    for (const LabelPlace& p : kLabels) {
        auto* l = new TableLabel(this);
        l->setFont(verdana(p.pixelSize, p.bold));
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        l->move(p.left, p.top);
        l->setAccessibleDescription(tr_(p.about));
        services_->addLabel(p.control, l);
        if (*p.text) {
            // A seat's name: the window's own caption, which the game never sets.
            l->setText(tr_(p.text));
            l->adjustSize();
            l->setAccessibleName(l->text());
        } else {
            services_->setText(p.control, p.text);
        }
    }
}

namespace {

const LabelPlace& placeOf(Control c) {
    for (const LabelPlace& p : kLabels)
        if (p.control == c) return p;
    throw std::logic_error("a table label without a place");
}

// The height of one line of a table label, its shadow included.
int lineHeight(const QLabel* l) {
    return QFontMetrics(l->font()).height() + l->contentsMargins().bottom();
}

} // namespace

void TableWindow::makeRoomForNames() {
    // Translated, every text on the table keeps to the room its place leaves
    // it: up to the first portrait, card area, button or other text in its
    // way. The English table keeps its own layout, as it always was.
    const bool fit = !currentLanguage().isEmpty();
    std::vector<QRect> blocks = tablePictures();
    for (const auto& [c, b] : buttons_) blocks.push_back(b->geometry());
    const auto roomOf = [&](QLabel* l, Control except) {
        std::vector<QRect> in = blocks;
        for (const LabelPlace& p : kLabels)
            if (QLabel* other = label(p.control); other != l && p.control != except)
                in.emplace_back(other->pos(), QSize(1, lineHeight(other)));
        return roomAt(l->pos(), lineHeight(l), in);
    };
    const auto table = [this](Control c) { return static_cast<TableLabel*>(label(c)); };
    // The widest cash a seat can hold: all the money of a table at the
    // highest initial cash, which a name leaves room for at the smallest size.
    const QString widest = QString::number(std::int64_t{kSeats} * kMaxAmount);
    for (SeatId s : kAllSeats) {
        TableLabel* name = table(kNameLabels[s]);
        TableLabel* cash = table(kSeatInfo[s].cashLabel);
        // A name shorter or longer than the English moves the cash beside it
        // along, so that the gap between them stays the English one.
        const LabelPlace& english = placeOf(kNameLabels[s]);
        const int gap =
            placeOf(kSeatInfo[s].cashLabel).left - english.left -
            QFontMetrics(name->font()).horizontalAdvance(QString::fromLatin1(english.text));
        if (fit) {
            QFont smallest = cash->font();
            smallest.setPixelSize(kSmallestTextPixels);
            QSize room = roomOf(name, kSeatInfo[s].cashLabel);
            room.rwidth() -= gap + QFontMetrics(smallest).horizontalAdvance(widest) +
                             cash->contentsMargins().right();
            name->setRoom(room);
            name->adjustSize();
        }
        const int shown =
            QFontMetrics(name->shownFont()).horizontalAdvance(name->shownLines().join(' '));
        cash->move(name->x() + shown + gap, cash->y());
    }
    if (!fit) return;
    for (const LabelPlace& p : kLabels) {
        if (std::find(kNameLabels.begin(), kNameLabels.end(), p.control) != kNameLabels.end())
            continue;
        TableLabel* l = table(p.control);
        l->setRoom(roomOf(l, p.control));
        l->adjustSize();
    }
}

void TableWindow::buildSpeech() {
    for (SeatId s : kAllSeats) {
        const SeatInfo& p = kSeatInfo[s];
        auto* h = new SpokenLabel(this);
        h->setGeometry(
            QRect(QPoint(p.areaLeft, p.areaTop), QPoint(p.areaRight - 1, p.areaBottom - 1)));
        hands_[s] = h;
    }
    announcer_ = new Announcer(this);
    services_->setBeforeAsk([this] {
        // What happened before a message box is told before the box speaks.
        if (!speech_->logging()) return;
        syncSpeech();
        announcer_->announce(report());
        speech_->begin();
    });
}

void TableWindow::syncSpeech() {
    if (!started_) return;
    for (SeatId s : kAllSeats) {
        hands_[s]->say(speech_->handLabel(s));
        QLabel* name = label(kNameLabels[s]);
        const QString summary = speech_->seatSummary(s);
        if (name && name->accessibleName() != summary) name->setAccessibleName(summary);
    }
}

QString TableWindow::report() {
    const bool dealOver = game_->dealdecided();
    const int toCall = !dealOver && game_->state().callstands ? game_->callamount() : 0;
    return speech_->finish(toCall, dealOver);
}

void TableWindow::buildButtons() {
    QWidget* previous = panel_;
    for (const ButtonPlace& p : kButtons) {
        const QString caption = tr_(p.caption);
        auto* b = new GradientButton(caption, this);
        b->setFont(verdana(11, p.bold));
        b->setShrinkToFit(true); // a long translation rather smaller than cut
        b->setGeometry(p.left, p.top, p.width, p.height);
        b->setAccessibleName(caption);
        buttons_[p.control] = b;
        services_->addButton(p.control, b);
        setTabOrder(previous, b);
        previous = b;
        connect(b, &QAbstractButton::clicked, this, [this, c = p.control] { clicked(c); });
    }
    // The game's menu comes last in tab order.
    menu_ = new GameMenu(this);
    setTabOrder(previous, menu_->button());
    new MoveKeys(this, panel_, [this](Control c) { return button(c); });
    QAction* history = menu_->addItem(GameMenu::Section::History,
                                      QCoreApplication::translate("History", "History"),
                                      QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(history, &QAction::triggered, this, [this] { showHistory(); });
    QAction* statistics = menu_->addItem(GameMenu::Section::History,
                                         QCoreApplication::translate("History", "Statistics"));
    connect(statistics, &QAction::triggered, this, [this] { showStatistics(); });
}

void TableWindow::clicked(Control c) {
    const bool playButton = c == Control::btnnew || c == Control::btnstay || c == Control::btnbet ||
                            c == Control::btnpass;
    // Every move and every new match is reported in one utterance.
    const bool reported = playButton || c == Control::NewGame1;
    if (reported) speech_->begin();
    guarded([&] {
        if (c == Control::About1)
            about_->exec();
        else
            game_->click(c);
    });
    // A button the game has just disabled hands the focus on in tab order,
    // which could land on "New Game"; a keyboard player wants the next move.
    if (playButton && !button(c)->isEnabled()) focusNextMove();
    // After "New Game", answered either way, the next Space plays on rather
    // than asking again.
    if (c == Control::NewGame1) focusNextMove();
    if (c == Control::Options1 && panel_->isVisible()) panel_->focusFirst();
    syncSpeech();
    refreshRules();
    if (reported) announcer_->announce(report());
    if (playButton) {
        if (historyWindow_ && game_->dealdecided()) historyWindow_->reload();
        if (statisticsWindow_ && game_->dealdecided()) statisticsWindow_->reload();
        historyNotice();
    }
}

void TableWindow::historyNotice() {
    static constexpr const char* kNotices[] = {
        "",
        QT_TRANSLATE_NOOP("History", "The game history was damaged. It has been kept as \"%1\" "
                                     "and a new history begun."),
        QT_TRANSLATE_NOOP("History", "The game history was written by a newer version of the "
                                     "game. It is left as it is, and deals are not recorded."),
        QT_TRANSLATE_NOOP("History", "The game history cannot be written. Deals are not recorded."),
        QT_TRANSLATE_NOOP("History", "No game history can be kept in \"%1\". Deals are not "
                                     "recorded."),
        QT_TRANSLATE_NOOP("History",
                          "The disk is full: a deal could not be added to the game history."),
    };
    const auto n = history_->takeNotice();
    if (n == HistoryStore::Notice::none) return;
    QString text = QCoreApplication::translate("History", kNotices[static_cast<int>(n)]);
    if (text.contains(QLatin1String("%1")))
        text = text.arg(QString::fromStdString(history_->noticeArg()));
    // Not modal: the game plays on behind it. At the table's zoom, as the
    // game's other boxes are.
    auto* box = new ZoomedMessageBox(this, zoomOf(this));
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(QCoreApplication::translate("History", "History"));
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

HistoryWindow* TableWindow::showHistory() {
    if (!historyWindow_) {
        historyWindow_ = new HistoryWindow(*history_, services_->images(), this);
        historyWindow_->setScale(view_->scale());
        connect(historyWindow_, &HistoryWindow::statisticsAsked, this,
                [this] { showStatistics(); });
    } else {
        historyWindow_->reload();
    }
    bringForward(historyWindow_);
    return historyWindow_;
}

StatisticsWindow* TableWindow::showStatistics() {
    if (!statisticsWindow_) {
        statisticsWindow_ = new StatisticsWindow(*history_, this);
        statisticsWindow_->setScale(view_->scale());
        connect(statisticsWindow_, &StatisticsWindow::wasReset, this, [this] {
            if (historyWindow_) historyWindow_->reload();
        });
    } else {
        statisticsWindow_->reload();
    }
    bringForward(statisticsWindow_);
    return statisticsWindow_;
}

void TableWindow::showRules() {
    rules_->showFor(game_->state());
}

void TableWindow::refreshRules() {
    if (rules_->isVisible()) rules_->refresh(game_->state());
}

void TableWindow::focusNextMove() {
    // The safe move first; when the match is over only "New Game" goes on.
    for (Control next : {Control::btnstay, Control::btnnew, Control::NewGame1}) {
        if (button(next)->isEnabled()) {
            button(next)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TableWindow::connectPanel() {
    connect(panel_, &OptionsPanel::activated, this, [this](Control c) {
        guarded([&] { game_->click(c); });
        // Closed, the panel hands the focus back to where it was opened.
        if (c == Control::Close && !panel_->isVisible())
            button(Control::Options1)->setFocus(Qt::OtherFocusReason);
        syncSpeech();
        refreshRules();
    });
}

void TableWindow::reportError(const QString& text) {
    const bool nested = showingError_;
    showingError_ = true;
    services_->showError(text);
    showingError_ = nested;
}

GradientButton* TableWindow::button(Control c) const {
    auto it = buttons_.find(c);
    return it == buttons_.end() ? nullptr : it->second;
}

bool TableWindow::start() {
    started_ = true;
    speech_->begin();
    const bool ok = guarded([&] { game_->startup(); });
    // The focus starts on the safe move, not on the first button in tab
    // order ("Raise"), so that a first Space cannot bet by surprise.
    if (ok) focusNextMove();
    syncSpeech();
    startReport_ = report();
    return ok;
}

void TableWindow::centre() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void TableWindow::paintEvent(QPaintEvent* event) {
    // Only shows what the game has drawn; the game's own repaint runs when the
    // window first shows and when the game asks for it.
    // The history file is opened (and checked) once the first frame is
    // shown, and the player told then of any trouble with it.
    if (!historyOpened_) {
        historyOpened_ = true;
        QTimer::singleShot(0, this, [this] { historyNotice(); });
    }
    QPainter p(this);
    const int s = services_->scale();
    // On a screen between the two densities the canvas is stretched: smoothly.
    if (devicePixelRatioF() != s) p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& r : event->region()) services_->paintCanvas(p, r);
}

bool TableWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !startSaid_) {
        startSaid_ = true;
        QTimer::singleShot(kStartReportDelayMs, this,
                           [this] { announcer_->announce(startReport_); });
    }
    return QWidget::event(event);
}

void TableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    guarded([&] { game_->redraw(); });
    syncSpeech();
}

} // namespace stud
