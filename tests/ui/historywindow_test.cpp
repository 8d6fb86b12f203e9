// The history window over deals played in the real window: a deal appears
// with every move, replays street by street, copies as text; the statistics
// agree with it and Reset asks first; a damaged file is told of once.

#include "tablerun.h"
#include "ui/gradientbutton.h"
#include "ui/historywindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>

using namespace stud;

namespace {

// Plays until the deal is over, calling.
void playDeal(testing::TableRun& run) {
    for (int i = 0; i < 20 && run.w->button(Control::btnstay)->isEnabled(); ++i)
        run.w->button(Control::btnstay)->click();
}

// Answers the next box with `button` as soon as it shows.
void answerNextBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(0, [=] {
        QMessageBox* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!box && w->isVisible() && qobject_cast<QMessageBox*>(w))
                box = qobject_cast<QMessageBox*>(w);
        if (!box) return answerNextBox(button, text);
        if (text) *text = box->text();
        box->button(button)->click();
    });
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aPlayedDealIsThereMoveByMove();
    void statisticsAgreeAndResetAsksFirst();
    void aDamagedFileIsToldOfOnce();
};

void HistoryWindowTest::aPlayedDealIsThereMoveByMove() {
    testing::TableRun run(5);
    QVERIFY(run.startAndShow());
    playDeal(run);
    run.w->button(Control::btnnew)->click();
    playDeal(run);

    QTest::keyClick(run.w.get(), Qt::Key_H, Qt::ControlModifier);
    auto* h = run.w->findChild<HistoryWindow*>();
    QVERIFY(h && h->isVisible());
    QCOMPARE(h->list()->model()->rowCount(), 2);
    const DealRecord* d = h->current();
    QVERIFY(d);
    QCOMPARE(d->number, 2); // the newest first, shown at its end
    QCOMPARE(h->step(), d->streets());

    // Every human move of the deal is a click on Call: one a street.
    int mine = 0;
    for (const MoveRecord& m : d->moves)
        if (m.seat == player) ++mine;
    QVERIFY(mine >= 1);
    QCOMPARE(d->pot, run.w->game().state().pot);
    QCOMPARE(std::int64_t{d->seats[player].cashbefore} + d->result(),
             std::int64_t{run.w->game().state().seats[player].cash});

    // The replay, by the keyboard.
    h->showStep(0);
    QCOMPARE(h->step(), 0);
    QTest::keyClick(h, Qt::Key_Right);
    QCOMPARE(h->step(), std::min(1, d->streets()));
    QTest::keyClick(h, Qt::Key_Left);
    QCOMPARE(h->step(), 0);
    QVERIFY(streetText(*d, 0).startsWith(QStringLiteral("Street 1")));

    // Copy: the whole deal as text, every street and its end.
    for (QPushButton* b : h->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("&Copy")) b->click();
    const QString copied = QApplication::clipboard()->text();
    QCOMPARE(copied, dealText(*d));
    for (int s = 1; s <= d->streets(); ++s)
        QVERIFY(copied.contains(QStringLiteral("Street %1").arg(s)));
    QVERIFY(copied.contains(QStringLiteral("Your result: ")));

    // The older deal, chosen with the arrow key in the list.
    h->list()->setFocus();
    QTest::keyClick(h->list(), Qt::Key_Down);
    QCOMPARE(h->current()->number, 1);
}

void HistoryWindowTest::statisticsAgreeAndResetAsksFirst() {
    testing::TableRun run(9);
    QVERIFY(run.startAndShow());
    playDeal(run);
    StatisticsWindow* s = run.w->showStatistics();
    auto* figures = s->findChild<QLabel*>();
    QVERIFY(figures->text().contains(QStringLiteral("Deals played: 1")));

    answerNextBox(QMessageBox::No);
    s->resetAsked();
    QVERIFY(figures->text().contains(QStringLiteral("Deals played: 1")));
    answerNextBox(QMessageBox::Yes);
    s->resetAsked();
    QVERIFY(figures->text().contains(QStringLiteral("Deals played: 0")));
    QCOMPARE(run.w->showHistory()->list()->model()->rowCount(), 0);
}

void HistoryWindowTest::aDamagedFileIsToldOfOnce() {
    // The history's folder is the test's settings folder (tablerun.h).
    testing::TempDir data;
    qputenv("XDG_DATA_HOME", qPath(data).toLocal8Bit());
    std::filesystem::create_directories(data.path() / "sevenstud");
    std::ofstream(data.file("sevenstud/history.sqlite")) << "not a database";
    testing::TableRun run(3);
    qputenv("XDG_DATA_HOME", qPath(data).toLocal8Bit());
    run.w.reset(new TableWindow(std::make_unique<SplitMix>(3), 1));
    QString told;
    answerNextBox(QMessageBox::Ok, &told);
    QVERIFY(run.startAndShow());
    QTRY_VERIFY(!told.isEmpty());
    QVERIFY2(told.contains(QStringLiteral("damaged")), qPrintable(told));
    playDeal(run);
    run.w->button(Control::btnnew)->click();
    playDeal(run);
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!(w->isVisible() && qobject_cast<QMessageBox*>(w)), "told again");
    QCOMPARE(run.w->showHistory()->list()->model()->rowCount(), 2);
}

QTEST_MAIN(HistoryWindowTest)
#include "historywindow_test.moc"
