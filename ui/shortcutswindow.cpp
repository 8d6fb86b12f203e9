#include "ui/shortcutswindow.h"

#include "ui/accessibility.h"
#include "ui/bringforward.h"
#include "ui/fonts.h"
#include "ui/gamemenu.h"
#include "ui/movekeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace stud {

namespace {

QString tr_(const char* text) {
    return QCoreApplication::translate("ShortcutsWindow", text);
}

// One key drawn as the desktop draws a key cap: a light, rounded key with a
// thin border and a deeper bottom edge, its name centred on it. A label, so
// that a screen reader reads the key's name and the size follows the text.
class KeyCap final : public QLabel {
  public:
    KeyCap(const QString& name, const WindowScale& zoom, QWidget* parent)
        : QLabel(name, parent), pad_(zoom.px(kPad)), line_(zoom.px(qreal(1))),
          radius_(zoom.px(kRadius)), edge_(zoom.px(2)) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignCenter);
        // Room for the border at the sides and top, and the key's deeper
        // bottom edge below.
        setContentsMargins(pad_, zoom.px(2), pad_, zoom.px(4));
        setMinimumWidth(fontMetrics().height() + 2 * pad_);
        setProperty(kKeyNameProperty, true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // The border's line on whole pixels, whatever its width.
        const qreal half = line_ / 2;
        const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
        const QPalette& pal = palette();
        const QColor face = pal.color(QPalette::Base);
        const QColor edge = pal.color(QPalette::Mid);
        // The deeper bottom edge, then the key's face over all but it.
        p.setPen(QPen(edge, line_));
        p.setBrush(pal.color(QPalette::Midlight).darker(108));
        p.drawRoundedRect(r, radius_, radius_);
        p.setBrush(face);
        p.drawRoundedRect(r.adjusted(0, 0, 0, -edge_), radius_, radius_);
        p.setPen(pal.color(QPalette::Text));
        p.drawText(contentsRect(), Qt::AlignCenter, text());
    }

  private:
    static constexpr int kPad = 6;
    static constexpr qreal kRadius = 4;
    const int pad_;
    const qreal line_, radius_;
    const int edge_;
};

// A key's parts, each on its own cap: "Ctrl", "?" for Ctrl+?; in the
// desktop's own words for the keys ("Strg" in German where Qt's
// translations are installed).
QStringList keyParts(const QKeySequence& key) {
    const QKeyCombination k = key[0];
    const QString all = key.toString(QKeySequence::NativeText);
    const QString last = QKeySequence(k.key()).toString(QKeySequence::NativeText);
    QStringList parts;
    if (all.endsWith(last)) {
        QString mods = all.left(all.size() - last.size());
        if (mods.endsWith(QLatin1Char('+'))) mods.chop(1);
        if (!mods.isEmpty()) parts = mods.split(QLatin1Char('+'));
        parts << last;
    } else {
        parts << all;
    }
    return parts;
}

// The keys of one row: caps joined by "+", alternatives by "/".
QWidget* keysWidget(const QList<QKeySequence>& keys, const WindowScale& zoom, QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* line = new QHBoxLayout(w);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(zoom.px(4));
    QStringList spoken;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i > 0) line->addWidget(new QLabel(QStringLiteral("/"), w));
        const QStringList parts = keyParts(keys[i]);
        for (qsizetype j = 0; j < parts.size(); ++j) {
            if (j > 0) line->addWidget(new QLabel(QStringLiteral("+"), w));
            line->addWidget(new KeyCap(parts[j], zoom, w));
        }
        spoken << keys[i].toString(QKeySequence::NativeText);
    }
    line->addStretch();
    w->setAccessibleName(spoken.join(QStringLiteral(", ")));
    w->setProperty(kKeyNameProperty, true);
    return w;
}

} // namespace

ShortcutsWindow::ShortcutsWindow(QWidget* table, const GameMenu& menu)
    : QDialog(table), menu_(menu) {
    setWindowTitle(tr_("Keyboard shortcuts"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QList<ShortcutsWindow::Group> ShortcutsWindow::groups() const {
    QList<Group> all;

    Group moves{tr_("Moves"), {}};
    for (const MoveKey& m : moveKeys())
        moves.rows.push_back({{m.key}, m.captions.join(QStringLiteral(" / "))});
    all.push_back(moves);

    Group table{tr_("Table"), {}};
    table.rows.push_back({{QKeySequence(Qt::Key_Tab), QKeySequence(Qt::SHIFT | Qt::Key_Tab)},
                          tr_("Next or previous button")});
    table.rows.push_back({{QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return)},
                          tr_("Press the button that has the focus")});
    table.rows.push_back({{QKeySequence(Qt::Key_Escape)}, tr_("Close the options panel")});
    all.push_back(table);

    Group game{tr_("Menu"), {}};
    game.rows.push_back(
        {{QKeySequence(Qt::Key_F10), QKeySequence(Qt::Key_Menu)}, tr_("Open the menu")});
    // Every item of the menu that has a key, in the menu's order.
    for (const QAction* a : menu_.menu()->actions())
        if (!a->isSeparator() && !a->shortcut().isEmpty())
            game.rows.push_back({a->shortcuts(), QString(a->text()).remove(QLatin1Char('&'))});
    game.rows.push_back({{QKeySequence(Qt::Key_Escape)}, tr_("Close this window")});
    all.push_back(game);
    return all;
}

void ShortcutsWindow::rebuild() {
    delete body_;
    body_ = new QWidget(this);
    static_cast<QVBoxLayout*>(layout())->addWidget(body_);
    // Two columns, as the desktop's windows set them: the moves on the
    // left, the table and the menu on the right, the keys of a column
    // lined up on one grid.
    auto* columns = new QHBoxLayout(body_);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(zoom_.px(36));
    const QList<Group> all = groups();
    QGridLayout* grid = nullptr;
    int line = 0;
    for (qsizetype g = 0; g < all.size(); ++g) {
        if (g < 2) {
            auto* column = new QVBoxLayout;
            grid = new QGridLayout;
            grid->setHorizontalSpacing(zoom_.px(18));
            grid->setVerticalSpacing(zoom_.px(6));
            grid->setColumnStretch(1, 1);
            column->addLayout(grid);
            column->addStretch();
            columns->addLayout(column);
            line = 0;
        } else {
            grid->setRowMinimumHeight(line++, zoom_.px(8));
        }
        auto* heading = new QLabel(all[g].heading, body_);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        setAccessibleRole(heading, QAccessible::Heading);
        grid->addWidget(heading, line++, 0, 1, 2);
        for (const Row& row : all[g].rows) {
            QWidget* keys = keysWidget(row.keys, zoom_, body_);
            auto* what = new QLabel(row.what, body_);
            what->setTextFormat(Qt::PlainText);
            keys->setAccessibleDescription(row.what);
            grid->addWidget(keys, line, 0);
            grid->addWidget(what, line++, 1);
        }
    }
}

QSize ShortcutsWindow::layOut(qreal scale) {
    zoom_.set(scale);
    layout()->setContentsMargins(zoom_.px(24), zoom_.px(18), zoom_.px(24), zoom_.px(18));
    rebuild();
    // Shown at once, not when the event loop comes round: it counts in the size.
    body_->show();
    layout()->activate();
    return sizeHint();
}

void ShortcutsWindow::setScale(qreal scale) {
    if (scale == wanted_) return;
    wanted_ = scale;
    // Laid out afresh now only when it shows; present() lays it out anyway.
    if (isVisible()) zoom_.fit(wanted_, [this](qreal s) { return layOut(s); });
}

void ShortcutsWindow::present() {
    zoom_.fit(wanted_, [this](qreal s) { return layOut(s); });
    bringForward(this);
}

} // namespace stud
