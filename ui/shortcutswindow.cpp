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
    KeyCap(const QString& name, QWidget* parent) : QLabel(name, parent) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignCenter);
        // Room for the border at the sides and top, and the key's deeper
        // bottom edge below.
        setContentsMargins(kPad, 2, kPad, 4);
        setMinimumWidth(fontMetrics().height() + 2 * kPad);
        setProperty(kKeyNameProperty, true);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const QPalette& pal = palette();
        const QColor face = pal.color(QPalette::Base);
        const QColor edge = pal.color(QPalette::Mid);
        // The deeper bottom edge, then the key's face over all but it.
        p.setPen(edge);
        p.setBrush(pal.color(QPalette::Midlight).darker(108));
        p.drawRoundedRect(r, kRadius, kRadius);
        p.setBrush(face);
        p.drawRoundedRect(r.adjusted(0, 0, 0, -2), kRadius, kRadius);
        p.setPen(pal.color(QPalette::Text));
        p.drawText(contentsRect(), Qt::AlignCenter, text());
    }

  private:
    static constexpr int kPad = 6;
    static constexpr qreal kRadius = 4;
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
QWidget* keysWidget(const QList<QKeySequence>& keys, QWidget* parent) {
    auto* w = new QWidget(parent);
    auto* line = new QHBoxLayout(w);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    QStringList spoken;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i > 0) line->addWidget(new QLabel(QStringLiteral("/"), w));
        const QStringList parts = keyParts(keys[i]);
        for (qsizetype j = 0; j < parts.size(); ++j) {
            if (j > 0) line->addWidget(new QLabel(QStringLiteral("+"), w));
            line->addWidget(new KeyCap(parts[j], w));
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
    columns->setSpacing(36);
    const QList<Group> all = groups();
    QGridLayout* grid = nullptr;
    int line = 0;
    for (qsizetype g = 0; g < all.size(); ++g) {
        if (g < 2) {
            auto* column = new QVBoxLayout;
            grid = new QGridLayout;
            grid->setHorizontalSpacing(18);
            grid->setVerticalSpacing(6);
            grid->setColumnStretch(1, 1);
            column->addLayout(grid);
            column->addStretch();
            columns->addLayout(column);
            line = 0;
        } else {
            grid->setRowMinimumHeight(line++, 8);
        }
        auto* heading = new QLabel(all[g].heading, body_);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        setAccessibleRole(heading, QAccessible::Heading);
        grid->addWidget(heading, line++, 0, 1, 2);
        for (const Row& row : all[g].rows) {
            QWidget* keys = keysWidget(row.keys, body_);
            auto* what = new QLabel(row.what, body_);
            what->setTextFormat(Qt::PlainText);
            keys->setAccessibleDescription(row.what);
            grid->addWidget(keys, line, 0);
            grid->addWidget(what, line++, 1);
        }
    }
}

void ShortcutsWindow::present() {
    rebuild();
    bringForward(this);
}

} // namespace stud
