// The rules window: every example hand ranked by the evaluator as the text
// says, the comparisons it explains true of the evaluator, and the window
// itself beside the table: opened with F1, brought forward when open, the
// limits followed while it is open, closed with Escape.

#include "cards/evaluator.h"
#include "cards/handscore.h"
#include "showdown/award.h"
#include "tablerun.h"
#include "ui/gradientbutton.h"
#include "ui/optionspanel.h"
#include "ui/ruleswindow.h"
#include "ui/tablespeech.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace stud;

namespace {

std::int32_t key(const Hand& h) {
    const HandValue v = evaluate(h);
    return v.handscore * kCategoryWeight + v.kickscore;
}

QString cards(const Hand& h) {
    QStringList names;
    for (const Card& c : h) names << TableSpeech::cardName(c.image());
    return names.join(QStringLiteral(", "));
}

} // namespace

class RulesWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void examplesRankedAsTheTextSays();
    void opensBesideTheTableAndFollowsIt();
};

void RulesWindowTest::examplesRankedAsTheTextSays() {
    RulesWindow rules;
    rules.refresh(TableState{});
    const QString text = rules.plainText();
    std::int32_t previous = 0;
    for (std::size_t i = 0; i < kExampleHands.size(); ++i) {
        const ExampleHand& e = kExampleHands[i];
        const HandValue v = evaluate(e.cards);
        QVERIFY2(v.handscore >= e.lowest && v.handscore <= e.highest, e.kind);
        // Best first: every example beats the one after it.
        if (i > 0) QVERIFY2(key(e.cards) < previous, e.kind);
        previous = key(e.cards);
        const QString name = QString::fromUtf8(showdownname(v.handscore).data());
        QVERIFY2(!name.isEmpty(), e.kind);
        // Shown under the picture as text too, with the table's name for it.
        QVERIFY2(text.contains(QStringLiteral("Example: %1. The table shows it as “%2”.")
                                   .arg(cards(e.cards), name)),
                 e.kind);
    }
    // Where this game's ranking differs from the usual one.
    const HandValue missed = evaluate(kMissedStraightFlush);
    QVERIFY(missed.handscore >= category::kFlush && missed.handscore < category::kFullHouse);
    QVERIFY(text.contains(QString::fromUtf8(showdownname(missed.handscore).data())));
    QCOMPARE(key(kEqualFlushes.first), key(kEqualFlushes.second));
    QVERIFY(kEqualFlushes.tie);
    for (const HandPair* p : {&kTwoPairsByKicker, &kOnePairByKickers}) {
        QVERIFY(!p->tie);
        QCOMPARE(evaluate(p->first).handscore, evaluate(p->second).handscore);
        QVERIFY(key(p->first) > key(p->second));
    }
    for (const HandPair* p : {&kEqualFlushes, &kTwoPairsByKicker, &kOnePairByKickers}) {
        QVERIFY(text.contains(cards(p->first)));
        QVERIFY(text.contains(cards(p->second)));
    }
    QVERIFY(text.contains(QStringLiteral("“Straight Five High”")));
}

void RulesWindowTest::opensBesideTheTableAndFollowsIt() {
    stud::testing::TableRun run(5);
    QVERIFY(run.startAndShow());
    TableWindow& w = *run.w;
    RulesWindow* rules = w.rulesWindow();
    QVERIFY(!rules->isVisible());
    QTest::keyClick(&w, Qt::Key_F1);
    QVERIFY(rules->isVisible());
    QVERIFY(rules->isWindow());
    QVERIFY(!rules->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(rules->plainText().contains(QStringLiteral("ante 1, small bet 2, big bet 4")));

    // Open beside it, the table still plays.
    w.button(Control::btnstay)->click();
    QVERIFY(rules->isVisible());

    // The limits changed on the panel show at once in the open rules, and
    // the reading place stays.
    auto* bar = rules->browser()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const int at = bar->value();
    w.button(Control::Options1)->click();
    w.panel()->setPosition(Control::UpDown1, kMaxLimit);
    emit w.panel()->activated(Control::UpDown1);
    const QString limits = QStringLiteral("ante %1, small bet %2, big bet %3")
                               .arg(kMaxLimit)
                               .arg(kMaxLimit * kSmallBetAntes)
                               .arg(kMaxLimit * kBigBetAntes);
    QVERIFY(rules->plainText().contains(limits));
    QCOMPARE(bar->value(), at);

    // Once more: the same window, not a second one.
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(w.findChildren<RulesWindow*>().size(), qsizetype(1));
    QVERIFY(rules->isVisible());
    QTest::keyClick(rules->browser(), Qt::Key_Escape);
    QVERIFY(!rules->isVisible());
}

QTEST_MAIN(RulesWindowTest)
#include "ruleswindow_test.moc"
