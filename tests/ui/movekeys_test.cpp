// The move keys on the real window: each key is one click of its button with
// one spoken report, a disabled button's key does nothing, and no key acts
// while a message box or the options panel has the keyboard. (That a whole
// session played on the keys is heard as the clicked one is the speech
// trace's.)

#include "servicesseam.h"
#include "support/gamesteps.h"
#include "tablerun.h"
#include "ui/accessibility.h"
#include "ui/gradientbutton.h"
#include "ui/movekeys.h"
#include "ui/optionspanel.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace stud;

namespace {

struct Table : stud::testing::TableRun {
    Table() : TableRun(9) {}
    const TableState& state() { return w->game().state(); }
    int said() const { return w->announcer()->count(); }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    // What a move changes: the street, the pot, the player's cash.
    QString table() {
        const TableState& t = state();
        return QStringLiteral("street %1 pot %2 cash %3")
            .arg(t.street)
            .arg(t.pot)
            .arg(t.seats[player].cash);
    }
};

} // namespace

class MoveKeysTest : public QObject {
    Q_OBJECT
  private slots:
    void aKeyIsOneClick();
    void notWhileTheOptionsPanelHasTheKeyboard();
    void notWhileAMessageBoxIsOpen();
};

void MoveKeysTest::aKeyIsOneClick() {
    Table tb;
    QVERIFY(tb.startAndShow());
    // "Deal" is disabled in a deal: its key does nothing, and says nothing.
    QVERIFY(!tb.w->button(Control::btnnew)->isEnabled());
    const QString before = tb.table();
    int said = tb.said();
    tb.key(Qt::Key_D);
    QCOMPARE(tb.table(), before);
    QCOMPARE(tb.said(), said);
    // "C" calls: the street moves on and one report tells it. The focus
    // stays where it was, as the keyboard player left it.
    QWidget* focus = QApplication::focusWidget();
    tb.key(Qt::Key_C);
    QCOMPARE(tb.state().street, 2);
    QCOMPARE(tb.said(), said + 1);
    QCOMPARE(QApplication::focusWidget(), focus);
    // "F" folds the deal; then "D" deals the next one.
    tb.key(Qt::Key_F);
    QVERIFY(tb.state().seats[player].folded);
    QVERIFY(tb.w->button(Control::btnnew)->isEnabled());
    said = tb.said();
    tb.key(Qt::Key_D);
    QCOMPARE(tb.state().street, 1);
    QVERIFY(!tb.state().seats[player].folded);
    QCOMPARE(tb.said(), said + 1);
}

void MoveKeysTest::notWhileTheOptionsPanelHasTheKeyboard() {
    Table tb;
    QVERIFY(tb.startAndShow());
    tb.key(Qt::Key_O);
    QVERIFY(tb.w->panel()->isVisible());
    QVERIFY(tb.w->panel()->isAncestorOf(QApplication::focusWidget()));
    const QString before = tb.table();
    for (Qt::Key k : {Qt::Key_C, Qt::Key_R, Qt::Key_F, Qt::Key_N}) tb.key(k);
    QCOMPARE(tb.table(), before);
    // A text box keeps its letters.
    auto* edit = tb.w->panel()->findChild<QLineEdit*>();
    QVERIFY(edit);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("CRFD"));
    QCOMPARE(edit->text(), QStringLiteral("CRFD"));
    QCOMPARE(tb.table(), before);
    // Escape still closes the panel; then the keys play again.
    tb.key(Qt::Key_Escape);
    QVERIFY(!tb.w->panel()->isVisible());
    tb.key(Qt::Key_C);
    QCOMPARE(tb.state().street, 2);
}

void MoveKeysTest::notWhileAMessageBoxIsOpen() {
    Table tb;
    stud::testing::QtServicesSeam(tb.w->services()).setAnswerer(nullptr);
    QVERIFY(tb.startAndShow());
    const QString before = tb.table();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = true;
        for (Qt::Key k : {Qt::Key_C, Qt::Key_R, Qt::Key_F, Qt::Key_O}) QTest::keyClick(box, k);
        box->button(QMessageBox::No)->click();
    });
    tb.key(Qt::Key_N); // "Are you sure?"
    QVERIFY(seen);
    QCOMPARE(tb.table(), before);
    QVERIFY(!tb.w->panel()->isVisible());
}

QTEST_MAIN(MoveKeysTest)
#include "movekeys_test.moc"
