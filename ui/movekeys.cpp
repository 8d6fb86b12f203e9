#include "ui/movekeys.h"

#include "ui/gradientbutton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

#include <set>

namespace stud {

namespace {

// The English key of each move, with the captions its button shows (in the
// context they are translated in). The translation files tell the
// translator which button a letter is for.
struct MoveKeyText {
    Control control;
    const char* key;
    const char* captionContext;
    const char* captions[2];
};

constexpr MoveKeyText kMoveKeys[] = {
    {Control::btnstay, "C", "Game", {"Call", "Check"}},
    {Control::btnbet, "R", "Game", {"Raise", "Bet"}},
    {Control::btnpass, "F", "Game", {"Fold", nullptr}},
    {Control::btnnew, "D", "Game", {"Deal", nullptr}},
    {Control::NewGame1, "N", "TableWindow", {"New Game", nullptr}},
    {Control::Options1, "O", "TableWindow", {"Options", nullptr}},
};

// The first letter or digit of a translated key, upper case; empty if the
// translation is no such thing.
QString letterOf(const QString& translated) {
    const QString t = translated.trimmed();
    if (t.isEmpty() || !t[0].isLetterOrNumber()) return {};
    return t.left(1).toUpper();
}

} // namespace

std::vector<MoveKey> moveKeys() {
    return moveKeys([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text);
    });
}

std::vector<MoveKey>
moveKeys(const std::function<QString(const char* context, const char* text)>& translate) {
    std::vector<MoveKey> keys;
    std::set<QString> taken;
    bool own = true;
    for (const MoveKeyText& m : kMoveKeys) {
        const QString letter = letterOf(translate("MoveKeys", m.key));
        own = own && !letter.isEmpty() && taken.insert(letter).second;
        QStringList captions;
        for (const char* c : m.captions)
            if (c) captions << translate(m.captionContext, c);
        keys.push_back({m.control, QKeySequence(letter), captions});
    }
    if (!own)
        for (std::size_t i = 0; i < keys.size(); ++i)
            keys[i].key = QKeySequence(QString::fromLatin1(kMoveKeys[i].key));
    return keys;
}

MoveKeys::MoveKeys(QWidget* window, QWidget* panel, std::function<GradientButton*(Control)> button)
    : QObject(window), panel_(panel), button_(std::move(button)) {
    for (const MoveKey& m : moveKeys()) {
        // A window shortcut: it sleeps while a message box or the About box,
        // which are windows of their own, has the keyboard, and a text box
        // keeps its letters.
        auto* s = new QShortcut(m.key, window);
        s->setContext(Qt::WindowShortcut);
        s->setAutoRepeat(false);
        connect(s, &QShortcut::activated, this, [this, c = m.control] { pressed(c); });
    }
}

void MoveKeys::pressed(Control c) {
    const QWidget* focus = QApplication::focusWidget();
    if (panel_ && focus && panel_->isAncestorOf(focus)) return;
    GradientButton* b = button_(c);
    // click() does nothing on a disabled button, as a mouse click would.
    if (b && b->isEnabled()) b->click();
}

} // namespace stud
