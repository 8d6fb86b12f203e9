// The game's menu on the real window: its button and where it sits, opening
// it by mouse, F10 and the Menu key, its items and their keys (which work
// with the menu closed), sections added later in their place, and Quit.

#include "tablerun.h"
#include "ui/gamemenu.h"
#include "ui/gradientbutton.h"

#include <QAction>
#include <QApplication>
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
    void quitClosesTheWindow();
};

void GameMenuTest::buttonAtTheEndOfTheTopStrip() {
    Table tb;
    QVERIFY(tb.startAndShow());
    GradientButton* b = tb.menu().button();
    QCOMPARE(b->geometry(), QRect(883, 3, 24, 17));
    // As tall as the three buttons beside it and in their row, clear of them
    // and of the window's edge.
    const QRect about = tb.w->button(Control::About1)->geometry();
    QCOMPARE(b->y(), about.y());
    QCOMPARE(b->height(), about.height());
    QVERIFY(b->x() > about.right());
    QVERIFY(tb.w->rect().contains(b->geometry().adjusted(-1, -1, 1, 1)));
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
    QCOMPARE(tb.items(), (QStringList{"Zoom &In Ctrl++", "Zoom &Out Ctrl+-", "&Normal Size Ctrl+0",
                                      "&Full Screen F11", "F&our-Colour Deck ", "-",
                                      "Rules and hand rankings F1", "Keyboard shortcuts Ctrl+?",
                                      "-", "Quit Ctrl+Q"}));

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

    // Chosen from the open menu, the rules item asks for the rules once.
    QSignalSpy rules(&tb.menu(), &GameMenu::rulesRequested);
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
    // Nothing is connected to them here: the table goes on as before.
    QVERIFY(tb.w->isVisible());
    QVERIFY(tb.w->button(Control::btnstay)->hasFocus());
}

void GameMenuTest::laterItemsGoInTheirSections() {
    Table tb;
    GameMenu& m = tb.menu();
    // After the window's own View items (zoom, full screen, deck).
    QAction* grid = m.addItem(GameMenu::Section::View, "Grid", QKeySequence(Qt::CTRL | Qt::Key_G));
    m.addItem(GameMenu::Section::History, "History", QKeySequence(Qt::CTRL | Qt::Key_H));
    m.addItem(GameMenu::Section::View, "Ruler", QKeySequence(Qt::Key_F12));
    m.addItem(GameMenu::Section::History, "Statistics");
    QCOMPARE(tb.items().mid(5), (QStringList{"Grid Ctrl+G", "Ruler F12", "-", "History Ctrl+H",
                                             "Statistics ", "-", "Rules and hand rankings F1",
                                             "Keyboard shortcuts Ctrl+?", "-", "Quit Ctrl+Q"}));
    QVERIFY(tb.startAndShow());
    QSignalSpy chosen(grid, &QAction::triggered);
    tb.key(Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(chosen.count(), 1);
}

void GameMenuTest::quitClosesTheWindow() {
    Table tb;
    QVERIFY(tb.startAndShow());
    tb.key(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!tb.w->isVisible());
}

QTEST_MAIN(GameMenuTest)
#include "gamemenu_test.moc"
