// The game's own windows beside the table follow its zoom and full screen on
// a 4K screen: their text doubles at 200 %, the card pictures of the rules
// have twice the pixels, the key caps grow, the history stays within the
// screen at a full screen's large scale, and back at 100 % everything is as
// it was.

#include "tablerun.h"
#include "ui/gamemenu.h"
#include "ui/historywindow.h"
#include "ui/ruleswindow.h"
#include "ui/shortcutswindow.h"
#include "ui/viewcontrol.h"

#include <QLabel>
#include <QListView>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace stud;

namespace {

qreal fontSize(const QFont& f) {
    return f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF();
}

QImage handPicture(const RulesWindow* rules) {
    return rules->browser()
        ->document()
        ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("hand:0")))
        .value<QImage>();
}

bool fitsScreen(const QWidget* w) {
    return w->screen()->availableGeometry().contains(w->frameGeometry());
}

// One key cap of the shortcuts window.
QLabel* keyCap(const ShortcutsWindow* s) {
    for (QLabel* l : s->findChildren<QLabel*>())
        if (l->property(kKeyNameProperty).toBool() && l->text() == QStringLiteral("Esc")) return l;
    return nullptr;
}

} // namespace

class WindowScaleTest : public QObject {
    Q_OBJECT
  private slots:
    void rulesFollowTheTable();
    void shortcutsFollowTheTable();
    void historyFollowsTheTable();
};

void WindowScaleTest::rulesFollowTheTable() {
    testing::TableRun run(5);
    QVERIFY(run.startAndShow());
    ViewControl& view = run.w->view();
    RulesWindow* rules = run.w->rulesWindow();
    QTest::keyClick(run.w.get(), Qt::Key_F1);
    QVERIFY(QTest::qWaitForWindowExposed(rules));
    const qreal font = fontSize(rules->browser()->font());
    const QImage picture = handPicture(rules);
    const QSize size = rules->size();
    const QString text = rules->plainText();
    QScrollBar* bar = rules->browser()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);

    view.setZoom(200);
    QCOMPARE(rules->scale(), 2.0);
    QCOMPARE(fontSize(rules->browser()->font()), 2 * font);
    QCOMPARE(handPicture(rules).size(), picture.size() * 2);
    QCOMPARE(rules->size(), size * 2);
    // The reader is still about half way through.
    QVERIFY2(qAbs(qreal(bar->value()) / bar->maximum() - 0.5) < 0.03,
             qPrintable(QString::number(qreal(bar->value()) / bar->maximum())));
    QCOMPARE(rules->plainText(), text);

    // A full screen's scale as it is, the window within the screen.
    view.setFullScreen(true);
    QVERIFY(view.scale() > 3);
    QCOMPARE(rules->scale(), view.scale());
    QCOMPARE(fontSize(rules->browser()->font()), font * view.scale());
    QVERIFY(fitsScreen(rules));

    view.setFullScreen(false);
    view.setZoom(100);
    QCOMPARE(rules->scale(), 1.0);
    QCOMPARE(fontSize(rules->browser()->font()), font);
    QCOMPARE(handPicture(rules), picture);
    QCOMPARE(rules->plainText(), text);
}

void WindowScaleTest::shortcutsFollowTheTable() {
    testing::TableRun run(5);
    QVERIFY(run.startAndShow());
    ShortcutsWindow* keys = run.w->gameMenu()->shortcutsWindow();
    keys->present();
    QVERIFY(QTest::qWaitForWindowExposed(keys));
    const QSize size = keys->sizeHint();
    const qreal font = fontSize(keyCap(keys)->font());
    const int cap = keyCap(keys)->minimumWidth();

    run.w->view().setZoom(200);
    QCOMPARE(keys->scale(), 2.0);
    QCOMPARE(fontSize(keyCap(keys)->font()), 2 * font);
    QVERIFY(keyCap(keys)->minimumWidth() >= 2 * cap - 1);
    QVERIFY(keys->sizeHint().width() > size.width() * 1.8);

    // Closed meanwhile, it opens at the table's scale.
    keys->close();
    run.w->view().setZoom(100);
    keys->present();
    QCOMPARE(keys->scale(), 1.0);
    QCOMPARE(keys->sizeHint(), size);
    QCOMPARE(fontSize(keyCap(keys)->font()), font);
    QCOMPARE(keyCap(keys)->minimumWidth(), cap);
}

void WindowScaleTest::historyFollowsTheTable() {
    testing::TableRun run(5);
    QVERIFY(run.startAndShow());
    for (int i = 0; i < 20 && run.w->button(Control::btnstay)->isEnabled(); ++i)
        run.w->button(Control::btnstay)->click();
    HistoryWindow* history = run.w->showHistory();
    QVERIFY(QTest::qWaitForWindowExposed(history));
    const qreal font = fontSize(history->list()->font());
    const QSize least = history->minimumSizeHint();
    StatisticsWindow* statistics = run.w->showStatistics();

    run.w->view().setZoom(200);
    QCOMPARE(history->scale(), 2.0);
    QCOMPARE(fontSize(history->list()->font()), 2 * font);
    QCOMPARE(fontSize(statistics->font()), 2 * font);
    QVERIFY(history->minimumSizeHint().height() > least.height() * 1.8);

    // A full screen's 3.13 as it is, the window kept on the screen.
    run.w->view().setFullScreen(true);
    QCOMPARE(history->scale(), run.w->view().scale());
    QVERIFY(fitsScreen(history));
    // A larger one, as on a screen with more pixels than this one, would
    // outgrow it: the window takes the largest scale that fits.
    emit run.w->view().scaleChanged(5);
    QVERIFY(history->scale() > 3 && history->scale() < 5);
    QVERIFY(fitsScreen(history));
    QVERIFY(fitsScreen(statistics));

    run.w->view().setFullScreen(false);
    run.w->view().setZoom(100);
    QCOMPARE(history->scale(), 1.0);
    QCOMPARE(fontSize(history->list()->font()), font);
    QCOMPARE(history->minimumSizeHint(), least);
    // The statistics too.
    QCOMPARE(fontSize(statistics->font()), font);
}

QTEST_MAIN(WindowScaleTest)
#include "windowscale_test.moc"
