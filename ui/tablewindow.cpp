#include "ui/tablewindow.h"

#include "table/rules.h"
#include "ui/aboutbox.h"
#include "ui/fonts.h"
#include "ui/gradientbutton.h"
#include "ui/optionspanel.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace stud {

namespace {

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

// A table label: white or yellow text straight on the table, with a soft dark
// shadow one pixel down and right, so that a long status line stays readable
// where it runs over a portrait's gold frame.
class TableLabel : public QLabel {
  public:
    explicit TableLabel(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setContentsMargins(0, 0, 1, 1); // room for the shadow
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = contentsRect();
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        p.setPen(QColor(0, 0, 0, 170));
        p.drawText(r.translated(1, 1), flags, text());
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, flags, text());
    }
};

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
    setAccessibleName(QStringLiteral("Seven Stud table"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    setFont(verdana(11, false));
    // The canvas covers every pixel: nothing needs clearing before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);

    services_ = std::make_unique<QtServices>(this, scale == 0 ? screenScale(this) : scale);
    settings_ = std::make_unique<IniFile>(settingsFilePath(kSettingsFileName));
    game_ = std::make_unique<Game>(*services_, *random_, *settings_);

    panel_ = new OptionsPanel(this);
    panel_->move(kPanelLeft, kPanelTop);
    panel_->hide();
    panel_->setAccessibleName(QStringLiteral("Options"));
    services_->setPanel(panel_);

    buildLabels();
    buildButtons();
    connectPanel();
    // The table's labels are painted on the table itself; the panel lies
    // over them.
    panel_->raise();

    about_ = new AboutBox(this);
    about_->hide();

    services_->setRepaintHandler([this] { game_->redraw(); });
    for (Timer which : {Timer::randomwink, Timer::winkanim, Timer::wintimer}) {
        services_->setTimerHandler(which, [this, which] {
            // A failing tick must not stack one error box per interval.
            if (showingError_) return;
            guarded([&] { game_->tick(which); });
        });
    }
}

TableWindow::~TableWindow() {
    // Let go of the focus while every control is still whole: a focused
    // child destroyed with the window would move the focus from inside its
    // own destruction, and our buttons listen to focus changes.
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(about_)})
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
        l->setAccessibleDescription(QString::fromLatin1(p.about));
        services_->addLabel(p.control, l);
        services_->setText(p.control, p.text);
    }
}

void TableWindow::buildButtons() {
    QWidget* previous = panel_;
    for (const ButtonPlace& p : kButtons) {
        auto* b = new GradientButton(QString::fromLatin1(p.caption), this);
        b->setFont(verdana(11, p.bold));
        b->setGeometry(p.left, p.top, p.width, p.height);
        b->setAccessibleName(QString::fromLatin1(p.caption));
        buttons_[p.control] = b;
        services_->addButton(p.control, b);
        setTabOrder(previous, b);
        previous = b;
        connect(b, &QAbstractButton::clicked, this, [this, c = p.control] { clicked(c); });
    }
}

void TableWindow::clicked(Control c) {
    const bool playButton = c == Control::btnnew || c == Control::btnstay || c == Control::btnbet ||
                            c == Control::btnpass;
    guarded([&] {
        if (c == Control::About1)
            about_->exec();
        else
            game_->click(c);
    });
    // A button the game has just disabled hands the focus on in tab order,
    // which could land on "New Game"; a keyboard player wants the next move.
    if (playButton && !button(c)->isEnabled()) focusNextMove();
}

void TableWindow::focusNextMove() {
    for (Control next : {Control::btnstay, Control::btnnew}) {
        if (button(next)->isEnabled()) {
            button(next)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TableWindow::connectPanel() {
    connect(panel_, &OptionsPanel::activated, this,
            [this](Control c) { guarded([&] { game_->click(c); }); });
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
    const bool ok = guarded([&] { game_->startup(); });
    // The first control in tab order starts with the focus, as on any form.
    if (ok) {
        for (const ButtonPlace& p : kButtons) {
            QWidget* b = button(p.control);
            if (b->isEnabled()) {
                b->setFocus();
                break;
            }
        }
    }
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
    QPainter p(this);
    const int s = services_->scale();
    // On a screen between the two densities the canvas is stretched: smoothly.
    if (devicePixelRatioF() != s) p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& r : event->region()) {
        p.drawImage(QRectF(r), services_->canvas(),
                    QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s));
    }
}

void TableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    guarded([&] { game_->redraw(); });
}

} // namespace stud
