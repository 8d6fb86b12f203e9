#include "ui/optionspanel.h"

#include "table/rules.h"
#include "ui/accessibility.h"
#include "ui/fonts.h"
#include "ui/gradientbutton.h"
#include "ui/zoom.h"

#include <QAbstractSlider>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRadioButton>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

namespace stud {

namespace {

// ---- look ------------------------------------------------------------------

const QColor kPanelColour(255, 221, 237);
const QColor kInnerColour(255, 255, 230);
const QColor kSoundColour(255, 255, 236);
// The two bevel colours of a 3-D frame: light from the top left.
const QColor kHighlight(255, 255, 255);
const QColor kShadow(160, 160, 160);

// How thick the panel's one-pixel lines are drawn on a zoomed table: the
// zoom rounded to whole pixels, so that every line of a frame is alike.
int penWidth(const QWidget* w) {
    return std::max(1, qRound(zoomOf(w)));
}

// A frame `k` pixels thick just inside `r`, in one colour.
void drawFrame(QPainter& p, const QRect& r, int k, const QColor& colour) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), k), colour);
    p.fillRect(QRect(r.left(), r.bottom() - k + 1, r.width(), k), colour);
    p.fillRect(QRect(r.left(), r.top(), k, r.height()), colour);
    p.fillRect(QRect(r.right() - k + 1, r.top(), k, r.height()), colour);
}

// Top and left lines in one colour, bottom and right in the other, `k`
// pixels thick.
void drawBevel(QPainter& p, const QRect& r, bool lowered, int k) {
    const QColor& topLeft = lowered ? kShadow : kHighlight;
    const QColor& bottomRight = lowered ? kHighlight : kShadow;
    p.fillRect(QRect(r.left(), r.top(), r.width(), k), topLeft);
    p.fillRect(QRect(r.left(), r.top(), k, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom() - k + 1, r.width(), k), bottomRight);
    p.fillRect(QRect(r.right() - k + 1, r.top(), k, r.height()), bottomRight);
}

void setBackground(QWidget* w, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(pal);
}

// ---- controls ----------------------------------------------------------------

// A flat coloured panel with a one-pixel lowered bevel. Its colour is also
// the window colour of its palette, so the gradient buttons on it blend in.
class BevelPanel final : public QWidget {
  public:
    BevelPanel(QWidget* parent, const QRect& geometry, const QColor& colour)
        : QWidget(parent), colour_(colour) {
        setGeometry(geometry);
        setBackground(this, colour);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), colour_);
        drawBevel(p, rect(), true, penWidth(this));
    }

  private:
    QColor colour_;
};

// A column of radio buttons in an etched frame without a caption. The items
// share the frame's height evenly below one text line, as the classic radio
// group does, so the spacing follows the font.
class RadioGroup final : public QWidget {
  public:
    RadioGroup(QWidget* parent, const QRect& geometry, const QStringList& items,
               std::function<void()> chosen)
        : QWidget(parent), chosen_(std::move(chosen)) {
        for (const QString& item : items) {
            auto* b = new QRadioButton(item, this);
            b->setAutoExclusive(true);
            buttons_.push_back(b);
            QObject::connect(b, &QAbstractButton::toggled, this, [this](bool on) {
                if (!on) return;
                fixTabStop();
                if (!quiet_ && chosen_) chosen_();
            });
        }
        setGeometry(geometry);
        arrange();
        fixTabStop();
    }

    const std::vector<QRadioButton*>& buttons() const { return buttons_; }

    int selected() const {
        for (std::size_t i = 0; i < buttons_.size(); ++i)
            if (buttons_[i]->isChecked()) return static_cast<int>(i);
        return -1;
    }

    // Selects without telling anybody; an index out of range clears the group.
    void select(int item) {
        quiet_ = true;
        if (item >= 0 && item < static_cast<int>(buttons_.size())) {
            buttons_[item]->setChecked(true);
        } else {
            for (QRadioButton* b : buttons_) {
                b->setAutoExclusive(false);
                b->setChecked(false);
                b->setAutoExclusive(true);
            }
        }
        quiet_ = false;
        fixTabStop();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        // Etched frame: a shadow rectangle with a highlight one line below
        // and right of it, starting half a text line down.
        QPainter p(this);
        const int k = penWidth(this);
        const int top = fontMetrics().height() / 2 - k;
        drawFrame(p, QRect(QPoint(k, top + k), QPoint(width() - 1, height() - 1)), k, kHighlight);
        drawFrame(p, QRect(QPoint(0, top), QPoint(width() - 1 - k, height() - 1 - k)), k, kShadow);
    }

    void resizeEvent(QResizeEvent*) override { arrange(); }
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::FontChange) arrange();
        QWidget::changeEvent(e);
    }

  private:
    void arrange() {
        const int n = static_cast<int>(buttons_.size());
        if (n == 0) return;
        const int line = fontMetrics().height();
        const int room = height() - line - 5;
        const int itemHeight = room / n;
        const int top = line + 1 + (room % n) / 2;
        for (int i = 0; i < n; ++i)
            buttons_[i]->setGeometry(8, top + i * itemHeight, width() - 10, itemHeight);
    }

    // Tab reaches a radio group once, on its selected item (or the first
    // when none is); the arrow keys move within it.
    void fixTabStop() {
        int tabStop = selected();
        if (tabStop < 0) tabStop = 0;
        for (std::size_t i = 0; i < buttons_.size(); ++i)
            buttons_[i]->setFocusPolicy(static_cast<int>(i) == tabStop ? Qt::StrongFocus
                                                                       : Qt::ClickFocus);
    }

    std::vector<QRadioButton*> buttons_;
    std::function<void()> chosen_;
    bool quiet_ = false;
};

// The horizontal up-down: a left and a right arrow button side by side. A
// click moves the position by one within the range, never wrapping round;
// holding an arrow repeats. The keyboard's arrow keys do the same.
class UpDown final : public QAbstractSlider {
  public:
    explicit UpDown(QWidget* parent) : QAbstractSlider(parent) {
        setOrientation(Qt::Horizontal);
        setSingleStep(1);
        setPageStep(1);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        // On a zoomed table the control's picture at the table's own size,
        // enlarged: its lines, arrows and focus dots grow with it.
        QSize picture = size();
        if (const qreal z = zoomOf(this); z != 1) {
            picture = QSize(std::max(1, qRound(width() / z)), std::max(1, qRound(height() / z)));
            p.scale(qreal(width()) / picture.width(), qreal(height()) / picture.height());
        }
        const QRect left(0, 0, picture.width() / 2, picture.height());
        const QRect right(left.right() + 1, 0, picture.width() - left.width(), picture.height());
        drawArrowButton(p, left, -1, value() > minimum());
        drawArrowButton(p, right, +1, value() < maximum());
    }

    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) {
            e->ignore();
            return;
        }
        held_ = sideAt(e->position().toPoint());
        over_ = true;
        step(held_);
        // Like the platform control: a pause, then a steady repeat.
        setRepeatAction(actionFor(held_), 400, 60);
        update();
    }

    void mouseMoveEvent(QMouseEvent* e) override {
        if (held_ == 0) return;
        const bool over =
            rect().contains(e->position().toPoint()) && sideAt(e->position().toPoint()) == held_;
        if (over == over_) return;
        over_ = over;
        // Dragged off the arrow it stops repeating; back on, it goes on.
        setRepeatAction(over ? actionFor(held_) : SliderNoAction, 400, 60);
        update();
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        held_ = 0;
        setRepeatAction(SliderNoAction);
        update();
    }

    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            step(-1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Up:
            step(+1);
            break;
        default:
            QAbstractSlider::keyPressEvent(e);
        }
    }

    // A stray wheel turn over the panel must not change the stakes.
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }

    void focusInEvent(QFocusEvent* e) override {
        QAbstractSlider::focusInEvent(e);
        update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QAbstractSlider::focusOutEvent(e);
        held_ = 0;
        setRepeatAction(SliderNoAction);
        update();
    }

  private:
    static SliderAction actionFor(int side) {
        return side < 0 ? SliderSingleStepSub : SliderSingleStepAdd;
    }
    int sideAt(const QPoint& pos) const { return pos.x() < width() / 2 ? -1 : +1; }
    void step(int side) { triggerAction(actionFor(side)); }

    // A classic raised button face, sunk while held, with a small solid
    // arrow; the arrow greys out at its end of the range.
    void drawArrowButton(QPainter& p, const QRect& r, int side, bool canMove) const {
        const bool sunk = held_ == side && over_;
        p.fillRect(r, QColor(240, 240, 240));
        if (sunk) {
            p.setPen(kShadow);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        } else {
            p.setPen(QColor(227, 227, 227));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(kHighlight);
            p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
            p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
            p.setPen(QColor(105, 105, 105));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            p.setPen(kShadow);
            p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
            p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
        }
        const int shift = sunk ? 1 : 0;
        const int cx = r.left() + (r.width() - 1) / 2 + shift;
        const int cy = r.top() + (r.height() - 1) / 2 + shift;
        const auto arrow = [&](int dx, int dy) {
            QPolygon tri;
            if (side < 0)
                tri << QPoint(cx - 2 + dx, cy + dy) << QPoint(cx + 1 + dx, cy - 3 + dy)
                    << QPoint(cx + 1 + dx, cy + 3 + dy);
            else
                tri << QPoint(cx + 2 + dx, cy + dy) << QPoint(cx - 1 + dx, cy - 3 + dy)
                    << QPoint(cx - 1 + dx, cy + 3 + dy);
            p.drawPolygon(tri);
        };
        if (canMove) {
            p.setPen(Qt::black);
            p.setBrush(Qt::black);
            arrow(0, 0);
        } else {
            p.setPen(kHighlight);
            p.setBrush(kHighlight);
            arrow(1, 1);
            p.setPen(kShadow);
            p.setBrush(kShadow);
            arrow(0, 0);
        }
        p.setBrush(Qt::NoBrush);
        if (hasFocus()) {
            QPen dots(Qt::black, 1, Qt::DotLine);
            p.setPen(dots);
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
    }

    int held_ = 0; // -1 left arrow held, +1 right, 0 none
    bool over_ = false;
};

QString tr_(const char* text) {
    return QCoreApplication::translate("OptionsPanel", text);
}

// The betting limits in words, as the up-down's value reads.
QString limitsText(const QString& ante, const QString& small, const QString& big) {
    return tr_("Ante %1, small bet %2, big bet %3").arg(ante, small, big);
}

QLabel* addLabel(QWidget* parent, int left, int top, const QString& text,
                 const QFont& font = verdana()) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    l->move(left, top);
    l->adjustSize();
    return l;
}

// A label whose words run into the control to their right is set a size
// smaller, down to 8 pixels; the English always fits as it is.
void fitBefore(QLabel* l, int right) {
    QFont f = l->font();
    while (l->x() + l->fontMetrics().horizontalAdvance(l->text()) >= right && f.pixelSize() > 8) {
        f.setPixelSize(f.pixelSize() - 1);
        l->setFont(f);
        l->adjustSize();
    }
}

// A unit written after a number keeps to the number's right edge as the
// number grows or shrinks.
void followNumber(QLabel* unit, const QLabel* number) {
    if (unit)
        unit->move(number->x() + number->fontMetrics().horizontalAdvance(number->text()),
                   unit->y());
}

QLineEdit* addEdit(QWidget* parent, const QRect& geometry, const QString& name) {
    auto* e = new QLineEdit(parent);
    e->setGeometry(geometry);
    e->setFont(verdana());
    e->setAccessibleName(name);
    return e;
}

GradientButton* addButton(QWidget* parent, const QRect& geometry, const QString& caption,
                          const QString& name, bool bold = false) {
    auto* b = new GradientButton(caption, parent);
    b->setGeometry(geometry);
    b->setFont(verdana(11, bold));
    b->setShrinkToFit(true); // a long translation rather smaller than cut
    b->setAccessibleName(name);
    return b;
}

} // namespace

struct OptionsPanel::Parts {
    QLineEdit* money = nullptr;
    QLineEdit* until = nullptr;
    GradientButton* enter = nullptr;
    GradientButton* unenter = nullptr;
    RadioGroup* levels = nullptr;
    RadioGroup* backs = nullptr;
    QLabel* label1 = nullptr;
    QLabel* label3 = nullptr;
    QLabel* label4 = nullptr;
    // The "$" written after the number ("60 $"), where the language wants it.
    QLabel* after1 = nullptr;
    QLabel* after3 = nullptr;
    QLabel* after4 = nullptr;
    UpDown* updown = nullptr;
    GradientButton* sound = nullptr;
    GradientButton* ok = nullptr;
    bool settingPosition = false;
};

OptionsPanel::OptionsPanel(QWidget* parent) : QFrame(parent), parts_(std::make_unique<Parts>()) {
    Parts& d = *parts_;
    // A frame would be taken for a window of its own that is never active,
    // and a screen reader would keep quiet about every control inside.
    installAccessibility();
    setAccessibleRole(this, QAccessible::Pane);
    setFrameStyle(QFrame::NoFrame);
    setGeometry(kPanelLeft, kPanelTop, 449, 377);
    setFont(verdana());
    setBackground(this, kPanelColour);

    // Initial cash and play-until.
    auto* cashPanel = new BevelPanel(this, QRect(32, 24, 273, 105), kInnerColour);
    fitBefore(addLabel(cashPanel, 32, 16, tr_("Initial cash")), 112);
    d.money = addEdit(cashPanel, QRect(112, 16, 73, 21), tr_("Initial cash"));
    d.enter = addButton(cashPanel, QRect(184, 16, 57, 17), tr_("Enter"), tr_("Enter initial cash"));
    fitBefore(addLabel(cashPanel, 32, 48, tr_("Play until ")), 112);
    fitBefore(addLabel(cashPanel, 32, 64, tr_("someone wins"), tahoma()), 112);
    d.until = addEdit(cashPanel, QRect(112, 56, 73, 21), tr_("Play until someone wins"));
    d.unenter =
        addButton(cashPanel, QRect(184, 56, 57, 17), tr_("Enter"), tr_("Enter play-until amount"));

    // Opponent level.
    auto* levelPanel = new BevelPanel(this, QRect(32, 128, 137, 177), kInnerColour);
    addLabel(levelPanel, 40, 16, tr_("AI level"));
    d.levels = new RadioGroup(levelPanel, QRect(24, 40, 89, 113),
                              {tr_("Amateur"), tr_("Expert"), tr_("Master"), tr_("Genius")},
                              [this] { emit activated(Control::Levels); });
    setAccessibleRole(d.levels, QAccessible::Grouping);
    d.levels->setAccessibleName(tr_("AI level"));

    // Betting limits.
    auto* limitsPanel = new BevelPanel(this, QRect(168, 128, 137, 177), kInnerColour);
    addLabel(limitsPanel, 32, 8, tr_("Betting limits"));
    new BevelPanel(limitsPanel, QRect(0, 33, 137, 7), kInnerColour);
    // Each amount: its words, then "$" and the number in the order the
    // language writes them ("$60", "60 $"); what follows the words moves
    // along when they are wider than the English.
    const QString format = tr_(QT_TRANSLATE_NOOP("OptionsPanel", "$%1"));
    const QString before = format.section(QStringLiteral("%1"), 0, 0);
    const QString after = format.section(QStringLiteral("%1"), 1);
    const auto amount = [&](int top, const char* words, QPoint dollar, int valueLeft, int value,
                            QLabel*& unitAfter) {
        const QLabel* caption = addLabel(limitsPanel, 32, top, tr_(words));
        const int right = caption->x() + caption->fontMetrics().horizontalAdvance(caption->text());
        const int shift = std::max(0, right - dollar.x());
        // With nothing before it the number takes the "$"'s place, a space
        // clear of the words.
        const int space = caption->fontMetrics().horizontalAdvance(QLatin1Char(' '));
        if (!before.isEmpty()) addLabel(limitsPanel, dollar.x() + shift, dollar.y(), before);
        QLabel* number = addLabel(
            limitsPanel, before.isEmpty() ? std::max(dollar.x(), right + space) : valueLeft + shift,
            top, QString::number(value));
        if (!after.isEmpty()) {
            unitAfter = addLabel(limitsPanel, 0, dollar.y(), after);
            followNumber(unitAfter, number);
        }
        return number;
    };
    d.label1 = amount(48, QT_TRANSLATE_NOOP("OptionsPanel", "Ante:"), {72, 49}, 80, kDefaultAnte,
                      d.after1);
    d.label3 = amount(80, QT_TRANSLATE_NOOP("OptionsPanel", "Small bet:"), {97, 80}, 104,
                      kSmallBetAntes * kDefaultAnte, d.after3);
    d.label4 = amount(112, QT_TRANSLATE_NOOP("OptionsPanel", "Big bet:"), {88, 112}, 96,
                      kBigBetAntes * kDefaultAnte, d.after4);
    d.updown = new UpDown(limitsPanel);
    setAccessibleValueText(d.updown,
                           limitsText(d.label1->text(), d.label3->text(), d.label4->text()));
    d.updown->setGeometry(32, 144, 73, 17);
    d.updown->setRange(kMinLimit, kMaxLimit);
    d.updown->setValue(kDefaultAnte);
    d.updown->setAccessibleName(tr_("Betting limits"));
    connect(d.updown, &QAbstractSlider::valueChanged, this, [this] {
        if (!parts_->settingPosition) emit activated(Control::UpDown1);
    });

    // Card back.
    auto* backPanel = new BevelPanel(this, QRect(304, 96, 113, 209), kInnerColour);
    addLabel(backPanel, 24, 16, tr_("Card Back"));
    QStringList backs;
    for (int i = 1; i <= kCardBacks; ++i) backs << QString::number(i);
    d.backs = new RadioGroup(backPanel, QRect(24, 40, 65, 153), backs,
                             [this] { emit activated(Control::background); });
    setAccessibleRole(d.backs, QAccessible::Grouping);
    d.backs->setAccessibleName(tr_("Card Back"));

    // Sound.
    auto* soundPanel = new BevelPanel(this, QRect(304, 24, 113, 73), kSoundColour);
    addLabel(soundPanel, 24, 16, tr_("Sound"));
    d.sound =
        addButton(soundPanel, QRect(24, 48, 65, 17), tr_("On"), tr_("Sound %1").arg(tr_("On")));

    d.ok = addButton(this, QRect(184, 328, 81, 25), tr_("Ok"), tr_("Ok"), true);
    d.ok->setAccessibleDescription(tr_("Closes the options"));

    connect(d.enter, &QAbstractButton::clicked, this, [this] { emit activated(Control::enter); });
    connect(d.unenter, &QAbstractButton::clicked, this,
            [this] { emit activated(Control::unenter); });
    // Return in an edit box confirms it, as its Enter button does.
    connect(d.money, &QLineEdit::returnPressed, this, [this] { emit activated(Control::enter); });
    connect(d.until, &QLineEdit::returnPressed, this, [this] { emit activated(Control::unenter); });
    connect(d.sound, &QAbstractButton::clicked, this,
            [this] { emit activated(Control::SoundOff1); });
    connect(d.ok, &QAbstractButton::clicked, this, [this] { emit activated(Control::Close); });

    // Level, cash, limits, card back, Ok, sound; in the cash panel the two
    // edit boxes come before their buttons.
    std::vector<QWidget*> chain;
    for (QRadioButton* b : d.levels->buttons()) chain.push_back(b);
    chain.insert(chain.end(), {d.money, d.until, d.enter, d.unenter, d.updown});
    for (QRadioButton* b : d.backs->buttons()) chain.push_back(b);
    chain.insert(chain.end(), {d.ok, d.sound});
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

OptionsPanel::~OptionsPanel() = default;

void OptionsPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kPanelColour);
    drawBevel(p, rect(), false, penWidth(this));
}

// The panel lies over the table's labels as a window over pictures: whatever
// was created after it, it comes to the top whenever it is shown.
void OptionsPanel::showEvent(QShowEvent* event) {
    raise();
    QFrame::showEvent(event);
}

void OptionsPanel::focusFirst() {
    // The level group comes first; Tab stops on its selected item.
    for (QRadioButton* b : parts_->levels->buttons())
        if (b->focusPolicy() == Qt::StrongFocus) {
            b->setFocus(Qt::TabFocusReason);
            return;
        }
}

// Escape closes the panel the way its Ok button does.
void OptionsPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        emit activated(Control::Close);
        return;
    }
    QFrame::keyPressEvent(event);
}

bool OptionsPanel::handles(Control c) const {
    return control(c) != nullptr;
}

QWidget* OptionsPanel::control(Control c) const {
    const Parts& d = *parts_;
    switch (c) {
    case Control::money:
        return d.money;
    case Control::until:
        return d.until;
    case Control::enter:
        return d.enter;
    case Control::unenter:
        return d.unenter;
    case Control::Levels:
        return d.levels;
    case Control::background:
        return d.backs;
    case Control::Label1:
        return d.label1;
    case Control::Label3:
        return d.label3;
    case Control::Label4:
        return d.label4;
    case Control::UpDown1:
        return d.updown;
    case Control::SoundOff1:
        return d.sound;
    case Control::Close:
        return d.ok;
    default:
        return nullptr;
    }
}

void OptionsPanel::setText(Control c, const QString& text) {
    Parts& d = *parts_;
    const auto label = [&](QLabel* l, const QString& what, QLabel* unitAfter) {
        l->setText(text);
        l->adjustSize();
        l->setAccessibleName(tr_("%1: %2").arg(what, text));
        followNumber(unitAfter, l);
    };
    switch (c) {
    case Control::money:
        d.money->setText(text);
        break;
    case Control::until:
        d.until->setText(text);
        break;
    case Control::enter:
        d.enter->setText(text);
        break;
    case Control::unenter:
        d.unenter->setText(text);
        break;
    case Control::Close:
        d.ok->setText(text);
        break;
    case Control::SoundOff1:
        d.sound->setText(text);
        d.sound->setAccessibleName(tr_("Sound %1").arg(text));
        break;
    case Control::Label1:
        label(d.label1, tr_("Ante"), d.after1);
        break;
    case Control::Label3:
        label(d.label3, tr_("Small bet"), d.after3);
        break;
    case Control::Label4:
        label(d.label4, tr_("Big bet"), d.after4);
        break;
    default:
        break;
    }
    if (c == Control::Label1 || c == Control::Label3 || c == Control::Label4)
        setAccessibleValueText(d.updown,
                               limitsText(d.label1->text(), d.label3->text(), d.label4->text()));
}

QString OptionsPanel::text(Control c) const {
    const Parts& d = *parts_;
    switch (c) {
    case Control::money:
        return d.money->text();
    case Control::until:
        return d.until->text();
    case Control::enter:
        return d.enter->text();
    case Control::unenter:
        return d.unenter->text();
    case Control::Close:
        return d.ok->text();
    case Control::SoundOff1:
        return d.sound->text();
    case Control::Label1:
        return d.label1->text();
    case Control::Label3:
        return d.label3->text();
    case Control::Label4:
        return d.label4->text();
    default:
        return {};
    }
}

void OptionsPanel::selectItem(Control group, int item) {
    if (group == Control::Levels) parts_->levels->select(item);
    if (group == Control::background) parts_->backs->select(item);
}

int OptionsPanel::selectedItem(Control group) const {
    if (group == Control::Levels) return parts_->levels->selected();
    if (group == Control::background) return parts_->backs->selected();
    return -1;
}

void OptionsPanel::setPosition(Control updown, int position) {
    if (updown != Control::UpDown1) return;
    // Set by the game, not by the user: no `activated`.
    parts_->settingPosition = true;
    parts_->updown->setValue(position); // kept within 1..15 by the control
    parts_->settingPosition = false;
    parts_->updown->update();
}

int OptionsPanel::position(Control updown) const {
    return updown == Control::UpDown1 ? parts_->updown->value() : 0;
}

} // namespace stud
