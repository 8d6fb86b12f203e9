// The game's menu on the real window: its button and where it sits, opening
// it by mouse, F10 and the Menu key, its items and their keys (which work
// with the menu closed), sections added later in their place, Quit, and the
// keyboard-shortcuts window it opens.

#include "tablerun.h"
#include "ui/gamemenu.h"
#include "ui/gradientbutton.h"
#include "ui/historywindow.h"
#include "ui/movekeys.h"
#include "ui/shortcutswindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace stud;

namespace {

struct Table : stud::testing::TableRun {
    Table() : TableRun(3) {}
    GameMenu& menu() { return *w->gameMenu(); }
    // What the menu shows, "-" for a line between sections.
    QStringList items() {
        QStringList shown;
        for (QAction* a : menu().menu()->actions())
            shown << (a->isSeparator() ? QStringLiteral("-")
                                       : a->text() + QLatin1Char(' ') +
                                             a->shortcut().toString(QKeySequence::PortableText));
        return shown;
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
    }
};

} // namespace

class GameMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void buttonAtTheEndOfTheTopStrip();
    void opensByMouseAndKeys();
    void itemKeysWorkWithTheMenuClosed();
    void laterItemsGoInTheirSections();
    void shortcutsWindowListsEveryKey();
};

void GameMenuTest::buttonAtTheEndOfTheTopStrip() {
    Table tb;
    QVERIFY(tb.startAndShow());
    GradientButton* b = tb.menu().button();
    // In the row of "New Game", "Options" and "About", as tall, at the end.
    QCOMPARE(b->geometry(), QRect(883, 3, 24, 17));
    QCOMPARE(tb.w->button(Control::About1)->geometry().top(), b->y());
    QCOMPARE(b->accessibleName(), QStringLiteral("Menu"));
    QVERIFY(b->text().isEmpty());
    // The symbol: three dark bars on the light face.
    const QImage face = b->grab().toImage();
    int dark = 0;
    for (int y = 3; y < b->height() - 3; ++y)
        if (qGray(face.pixel(b->width() / 2, y)) < 60) ++dark;
    QCOMPARE(dark, 6);
}

void GameMenuTest::opensByMouseAndKeys() {
    Table tb;
    QVERIFY(tb.startAndShow());
    QMenu* m = tb.menu().menu();
    QCOMPARE(tb.items(),
             (QStringList{"Zoom &In Ctrl++", "Zoom &Out Ctrl+-", "&Normal Size Ctrl+0",
                          "&Full Screen F11", "F&our-Colour Deck ", "-", "History Ctrl+H",
                          "Statistics ", "-", "Rules and hand rankings F1",
                          "Keyboard shortcuts Ctrl+?", "-", "Quit Ctrl+Q"}));

    QTest::mouseClick(tb.menu().button(), Qt::LeftButton);
    QVERIFY(m->isVisible());
    // Below its button, its right edge on the button's.
    const QRect button(tb.menu().button()->mapToGlobal(QPoint()), tb.menu().button()->size());
    QCOMPARE(m->geometry().top(), button.bottom() + 1);
    QVERIFY(m->geometry().right() <= button.right() + 1);
    m->close();

    for (int k : {Qt::Key_F10, Qt::Key_Menu}) {
        tb.w->button(Control::btnstay)->setFocus();
        tb.key(k);
        QVERIFY2(m->isVisible(), qPrintable(QKeySequence(k).toString()));
        QCOMPARE(m->activeAction(), m->actions().first());
        // Escape closes it and leaves the table as it was.
        QTest::keyClick(m, Qt::Key_Escape);
        QVERIFY(!m->isVisible());
    }

    // Chosen from the open menu, the history item opens the history.
    tb.key(Qt::Key_F10);
    for (QAction* a : m->actions())
        if (a->text() == "History") m->setActiveAction(a);
    QTest::keyClick(m, Qt::Key_Return);
    QVERIFY(!m->isVisible());
    auto* history = tb.w->findChild<HistoryWindow*>();
    QVERIFY(history && history->isVisible());
    history->close();

    // The rules item asks for the rules once.
    QSignalSpy rules(&tb.menu(), &GameMenu::rulesRequested);
    tb.w->activateWindow();
    tb.key(Qt::Key_F10);
    m->setActiveAction(tb.menu().rulesAction());
    QTest::keyClick(m, Qt::Key_Return);
    QCOMPARE(rules.count(), 1);
    QVERIFY(!m->isVisible());
}

void GameMenuTest::itemKeysWorkWithTheMenuClosed() {
    Table tb;
    QVERIFY(tb.startAndShow());
    QSignalSpy rules(&tb.menu(), &GameMenu::rulesRequested);
    QSignalSpy keys(&tb.menu(), &GameMenu::shortcutsRequested);
    tb.key(Qt::Key_F1);
    QCOMPARE(rules.count(), 1);
    // "?" needs Shift on most keyboards; the X11 platform offers the key
    // without it as well, and that is what the window sees here.
    tb.key(Qt::Key_Question, Qt::ControlModifier);
    QCOMPARE(keys.count(), 1);
    // Nothing is connected to the rules here: the table goes on as before.
    QVERIFY(tb.w->isVisible());
    QVERIFY(tb.menu().shortcutsWindow()->isVisible());
    tb.w->activateWindow();
    QApplication::setActiveWindow(tb.w.get());
    tb.key(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!tb.w->isVisible());
}

void GameMenuTest::laterItemsGoInTheirSections() {
    Table tb;
    GameMenu& m = tb.menu();
    // After the window's own View items (zoom, full screen, deck).
    QAction* grid = m.addItem(GameMenu::Section::View, "Grid", QKeySequence(Qt::CTRL | Qt::Key_G));
    m.addItem(GameMenu::Section::History, "History", QKeySequence(Qt::CTRL | Qt::Key_H));
    m.addItem(GameMenu::Section::View, "Ruler", QKeySequence(Qt::Key_F12));
    m.addItem(GameMenu::Section::History, "Statistics");
    QCOMPARE(tb.items().mid(5),
             (QStringList{"Grid Ctrl+G", "Ruler F12", "-", "History Ctrl+H", "Statistics ",
                          "History Ctrl+H", "Statistics ", "-", "Rules and hand rankings F1",
                          "Keyboard shortcuts Ctrl+?", "-", "Quit Ctrl+Q"}));
    QVERIFY(tb.startAndShow());
    QSignalSpy chosen(grid, &QAction::triggered);
    tb.key(Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(chosen.count(), 1);
}

void GameMenuTest::shortcutsWindowListsEveryKey() {
    Table tb;
    // An item added later is listed with its key, without being told.
    tb.menu().addItem(GameMenu::Section::History, "History", QKeySequence(Qt::CTRL | Qt::Key_H));
    QVERIFY(tb.startAndShow());
    tb.key(Qt::Key_Question, Qt::ControlModifier);
    ShortcutsWindow* sw = tb.menu().shortcutsWindow();
    QVERIFY(sw->isVisible());
    QVERIFY(!sw->isModal());
    QStringList listed;
    for (const ShortcutsWindow::Group& g : sw->groups())
        for (const ShortcutsWindow::Row& r : g.rows)
            for (const QKeySequence& k : r.keys)
                listed << k.toString(QKeySequence::PortableText) + QLatin1Char(' ') + r.what;
    for (const MoveKey& m : moveKeys())
        QVERIFY2(listed.contains(m.key.toString() + QLatin1Char(' ') + m.captions.join(" / ")),
                 qPrintable(listed.join('|')));
    for (const char* want :
         {"F1 Rules and hand rankings", "Ctrl+? Keyboard shortcuts", "Ctrl+Q Quit",
          "Ctrl+H History", "F10 Open the menu", "Menu Open the menu", "Esc Close this window"})
        QVERIFY2(listed.contains(QLatin1String(want)), want);
    // Each key is drawn on its caps: "Ctrl" and "?" for Ctrl+?.
    QStringList caps;
    for (QLabel* l : sw->findChildren<QLabel*>())
        if (l->isVisibleTo(sw)) caps << l->text();
    QVERIFY(caps.contains("Ctrl") && caps.contains("?") && caps.contains("F10"));
    // The table keeps the keyboard's moves while it is open beside it...
    tb.w->activateWindow();
    QApplication::setActiveWindow(tb.w.get());
    tb.key(Qt::Key_C);
    QCOMPARE(tb.w->game().state().street, 2);
    // ...and opening it again brings the same window forward; Escape closes it.
    tb.key(Qt::Key_Question, Qt::ControlModifier);
    QCOMPARE(tb.menu().shortcutsWindow(), sw);
    QCOMPARE(tb.w->findChildren<ShortcutsWindow*>().size(), 1);
    QTest::keyClick(sw, Qt::Key_Escape);
    QVERIFY(!sw->isVisible());
}

QTEST_MAIN(GameMenuTest)
#include "gamemenu_test.moc"
