// The window as a screen reader meets it, offscreen, through Qt's own
// accessibility interfaces: the hands and seat summaries after scripted
// deals, the one report of each click, the options panel and the About box,
// where the focus rests, and that none of it shows on the screen.

#include "servicesseam.h"
#include "support/gamesteps.h"
#include "tablerun.h"
#include "ui/aboutbox.h"
#include "ui/accessibility.h"
#include "ui/gradientbutton.h"
#include "ui/language.h"
#include "ui/optionspanel.h"
#include "ui/qtservices.h"
#include "ui/tablespeech.h"
#include "ui/tablewindow.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>

using namespace stud;

namespace {

const char* const kOwners[] = {"Your cards", "Peter's cards", "Anna's cards", "George's cards",
                               "Maria's cards"};
const char* const kNames[] = {"You", "Peter", "Anna", "George", "Maria"};

struct Table : stud::testing::TableRun {
    std::vector<QString> boxes;

    explicit Table(std::uint64_t seed = 7) : TableRun(seed) {}
    void record(const MessageRequest& r) override { boxes.push_back(r.text); }
    bool startAndShow() {
        if (!TableRun::startAndShow()) return false;
        for (Timer t : {Timer::randomwink, Timer::winkanim, Timer::wintimer})
            stud::testing::QtServicesSeam(w->services()).timer(t)->stop();
        return true;
    }
    TableState& state() { return GameSteps{w->game()}.table(); }
    GradientButton* button(Control c) { return w->button(c); }
    void click(Control c) { QTest::mouseClick(button(c), Qt::LeftButton); }
    bool dealOver() { return button(Control::btnnew)->isEnabled(); }
};

QAccessibleInterface* iface(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

// A hand's text as a screen reader reads it: the accessible name and the
// text interface must agree.
QString spokenHand(Table& tb, int seat) {
    QAccessibleInterface* a = iface(tb.w->hand(seat));
    const QString name = a->text(QAccessible::Name);
    QAccessibleTextInterface* text = a->textInterface();
    if (!text) return QStringLiteral("<no text>");
    if (text->text(0, text->characterCount()) != name)
        return QStringLiteral("<mismatch: %1>").arg(text->text(0, text->characterCount()));
    return name;
}

// What the table shows of a seat's hand, from the game's own state.
QString expectedHand(const TableState& t, int s) {
    const Seat& seat = t.seats[s];
    const int shown = t.street >= 5 ? 7 : t.street + 2;
    QStringList faces;
    int down = 0;
    if (!seat.folded && seat.cash > 0 && !(s != player && t.street >= 6 && t.revealblock)) {
        for (int i = 0; i < shown; ++i) {
            const bool hidden = s != player && t.street < 6 && (i == 0 || i == 1 || i == 6);
            if (hidden)
                ++down;
            else
                faces << TableSpeech::cardName(seat.hand[i].image());
        }
    }
    QString text;
    if (down > 0)
        text = down == 2 ? QStringLiteral("two cards face down")
                         : QStringLiteral("three cards face down");
    if (!faces.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + faces.join(", ");
    if (text.isEmpty()) text = QStringLiteral("no cards");
    return QString::fromLatin1(kOwners[s]) + QStringLiteral(": ") + text;
}

void checkHands(Table& tb, const char* when) {
    for (int s = 0; s < 5; ++s)
        QVERIFY2(spokenHand(tb, s) == expectedHand(tb.state(), s),
                 qPrintable(QStringLiteral("%1: %2 != %3")
                                .arg(QLatin1String(when), spokenHand(tb, s),
                                     expectedHand(tb.state(), s))));
}

QString statusWord(const std::string& s) {
    const QString q = QString::fromStdString(s);
    return q == "Calls" || q == "Checks" || q == "Raises" || q == "Folds" ? q.toLower() : q;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void windowAndSeatsAreNamed();
    void handsFollowTheDrawingDealAfterDeal();
    void foldsEmptyTheHand();
    void eachClickIsReportedOnce();
    void reportsTellTheShowdown();
    void reportWording();
    void showdownReadsInEveryLanguage();
    void focusRestsOnTheNextMove();
    void optionsPanelIsReadable();
    void aboutBoxText();
    void screenReaderObjectsShowNothing();
};

void AccessibilityTest::windowAndSeatsAreNamed() {
    Table tb;
    QVERIFY(tb.startAndShow());
    QAccessibleInterface* w = iface(tb.w.get());
    QCOMPARE(w->role(), QAccessible::Window);
    QCOMPARE(w->text(QAccessible::Name), QStringLiteral("Seven Stud"));
    QVERIFY(tb.w->windowTitle().isEmpty()); // the title bar itself stays empty
    tb.click(Control::btnstay);
    const TableState& t = tb.state();
    const Control names[] = {Control::Label2, Control::freakcash, Control::geekcash,
                             Control::mastercash, Control::champcash};
    for (int s = 0; s < 5; ++s) {
        QString want = QStringLiteral("%1: %2").arg(QLatin1String(kNames[s])).arg(t.seats[s].cash);
        if (!t.seats[s].status.empty())
            want += QStringLiteral(", ") + statusWord(t.seats[s].status);
        QCOMPARE(iface(tb.w->label(names[s]))->text(QAccessible::Name), want);
    }
}

void AccessibilityTest::handsFollowTheDrawingDealAfterDeal() {
    // Several seeds and deals: after every click each hand reads what the
    // state says the table shows, street by street and at the showdown.
    for (std::uint64_t seed : {3u, 7u, 21u}) {
        Table tb(seed);
        QVERIFY(tb.startAndShow());
        checkHands(tb, "start");
        for (int deal = 0; deal < 3; ++deal) {
            for (int i = 0; i < 30 && !tb.dealOver(); ++i) {
                tb.click(Control::btnstay);
                checkHands(tb, "street");
            }
            QVERIFY(tb.dealOver());
            tb.click(Control::btnnew);
            checkHands(tb, "new deal");
        }
    }
}

void AccessibilityTest::foldsEmptyTheHand() {
    Table tb(11);
    QVERIFY(tb.startAndShow());
    tb.click(Control::btnpass);
    QCOMPARE(spokenHand(tb, 0), QStringLiteral("Your cards: no cards"));
    checkHands(tb, "after your fold");
    // An opponent's fold: find a deal where one folds, its hand reads nothing.
    bool seen = false;
    for (int i = 0; i < 60 && !seen; ++i) {
        tb.click(tb.dealOver() ? Control::btnnew : Control::btnstay);
        for (int s = 1; s < 5; ++s)
            if (tb.state().seats[s].folded && tb.state().street < 6) {
                QCOMPARE(spokenHand(tb, s), QString::fromLatin1(kOwners[s]) + ": no cards");
                seen = true;
            }
    }
    QVERIFY(seen);
}

void AccessibilityTest::eachClickIsReportedOnce() {
    Table tb;
    QVERIFY(tb.startAndShow());
    const TableState& t = tb.state();
    // The start-up report: the new deal, your three cards, the pot, the call.
    const QString start = tb.w->startReport();
    QVERIFY2(start.startsWith(QStringLiteral("New deal. Your cards: ")), qPrintable(start));
    for (int i = 0; i < 3; ++i)
        QVERIFY(start.contains(TableSpeech::cardName(t.seats[player].hand[i].image())));
    for (int s = 1; s < 5; ++s)
        QVERIFY(start.contains(
            QStringLiteral("%1 shows %2")
                .arg(QLatin1String(kNames[s]), TableSpeech::cardName(t.seats[s].hand[2].image()))));
    QVERIFY(start.contains(QStringLiteral("Pot %1, %2 to call").arg(t.pot).arg(t.smallbet)));

    for (int i = 0; i < 30 && !tb.dealOver(); ++i) {
        const int before = tb.w->announcer()->count();
        const int street = t.street;
        tb.click(Control::btnstay);
        QCOMPARE(tb.w->announcer()->count(), before + 1);
        const QString said = tb.w->announcer()->last();
        // Every opponent's move of this click, by name; the pot as shown.
        for (int s = 1; s < 5; ++s) {
            const QString st = QString::fromStdString(t.seats[s].status);
            if (st == "Calls" || st == "Raises" || st == "Checks" || st == "Folds")
                QVERIFY2(said.contains(
                             QStringLiteral("%1 %2").arg(QLatin1String(kNames[s]), st.toLower())),
                         qPrintable(said));
        }
        if (!tb.dealOver()) {
            QVERIFY2(
                said.endsWith(
                    QStringLiteral("Pot %1, ").arg(t.pot) +
                    (tb.button(Control::btnstay)->text() == "Call"
                         ? QStringLiteral("%1 to call.").arg(t.street == 1 ? t.smallbet : t.tocall)
                         : QStringLiteral("nothing to call."))),
                qPrintable(said));
        }
        // A new street: your new card by name.
        if (t.street > street && t.street <= 5 && !t.seats[player].folded)
            QVERIFY2(
                said.contains(QStringLiteral("You get ") +
                              TableSpeech::cardName(t.seats[player].hand[t.street + 1].image())),
                qPrintable(said));
    }
    QVERIFY(tb.dealOver());
    // Options and About say nothing of their own.
    const int before = tb.w->announcer()->count();
    tb.click(Control::Options1);
    tb.click(Control::Options1);
    QCOMPARE(tb.w->announcer()->count(), before);
}

void AccessibilityTest::reportsTellTheShowdown() {
    // Deal after deal to the end: the last report names the winners with
    // their gain, as the cash labels moved; split pots say so.
    int showdowns = 0, foldwins = 0;
    Table tb(5);
    QVERIFY(tb.startAndShow());
    for (int deal = 0; deal < 12; ++deal) {
        std::array<std::int32_t, 5> cash{};
        for (int i = 0; i < 30 && !tb.dealOver(); ++i) {
            for (int s = 0; s < 5; ++s) cash[s] = tb.state().seats[s].cash;
            tb.click(deal % 3 == 2 && i == 0 ? Control::btnbet : Control::btnstay);
        }
        QVERIFY(tb.dealOver());
        const TableState& t = tb.state();
        const QString said = tb.w->announcer()->last();
        QVERIFY2(said.endsWith(QStringLiteral("Deal over.")), qPrintable(said));
        QStringList winners;
        for (int s = 0; s < 5; ++s) {
            // What a seat paid in the last click is gone before it wins.
            if (t.seats[s].cash > cash[s]) winners << kNames[s];
        }
        if (t.decided) {
            ++foldwins;
            QVERIFY2(
                said.contains(QStringLiteral("Everybody else has folded: you take the pot of ")),
                qPrintable(said));
        } else {
            ++showdowns;
            QVERIFY2(said.contains(QStringLiteral("Showdown: ")), qPrintable(said));
            for (int s = 0; s < 5; ++s)
                if (!t.seats[s].folded && t.seats[s].cash > 0)
                    QVERIFY2(said.contains(QString::fromStdString(t.seats[s].status)),
                             qPrintable(said));
            QVERIFY(!winners.isEmpty());
            for (const QString& w : winners)
                QVERIFY2(said.contains(w + (w == "You" ? " win " : " wins ")), qPrintable(said));
            QCOMPARE(said.contains(QStringLiteral("Split pot")), winners.size() > 1);
        }
        tb.click(Control::btnnew);
    }
    QVERIFY(showdowns > 0);
    Q_UNUSED(foldwins);
}

void AccessibilityTest::reportWording() {
    // The report's sentences straight from the table's state and the moves
    // and wins the game reports.
    TableState t;
    TableSpeech sp(t);
    const auto status = [&](SeatId s, Told told, const char* text) {
        t.seats[s].told = told;
        t.seats[s].status = text;
        sp.told(s);
    };
    for (SeatId s : kAllSeats) {
        t.seats[s].cash = 100;
        for (int i = 0; i < 6; ++i)
            t.shown[s][i] = static_cast<std::int8_t>(s == player || i >= 2 ? s * 6 + i : 52);
    }
    t.pot = 24;
    // The seventh card: yours face up, the others' face down.
    sp.begin();
    t.shown[player][6] = 51;
    for (SeatId s : kOpponents) t.shown[s][6] = 52;
    status(freak, Told::raises, "Raises");
    QCOMPARE(
        sp.finish(8, false),
        QStringLiteral("Seventh street. You get Ace of spades. Peter, Anna, George and Maria get "
                       "a card face down. Peter raises. Pot 24, 8 to call."));
    QCOMPARE(sp.handText(1), QStringLiteral("three cards face down, Ten of clubs, Jack of clubs, "
                                            "Queen of clubs, King of clubs"));
    // A repaint (wipe and redraw of the same cards) is no news.
    sp.begin();
    const ShownCards before = t.shown;
    t.shown = noCardsShown();
    QCOMPARE(sp.handText(0), QStringLiteral("no cards"));
    t.shown = before;
    QCOMPARE(sp.finish(0, false), QString());
    // A split pot: two seats take a share at the showdown.
    sp.begin();
    status(geek, Told::hand, "Flush Ace High");
    status(champ, Told::hand, "Flush Ace High");
    t.seats[geek].cash = t.seats[champ].cash = 113;
    sp.won(geek, 13);
    sp.won(champ, 13);
    QCOMPARE(
        sp.finish(0, true),
        QStringLiteral("Showdown: Anna has Flush Ace High, Maria has Flush Ace High. Split pot: "
                       "Anna wins 13 with Flush Ace High and Maria wins 13 with Flush Ace High. "
                       "Deal over."));
    QCOMPARE(sp.seatSummary(2), QStringLiteral("Anna: 113, Flush Ace High"));
    // The last opponent folds: the pot goes to the human.
    sp.begin();
    status(master, Told::folds, "Folds");
    t.seats[player].cash = 140;
    sp.won(player, 40);
    QCOMPARE(sp.finish(0, true),
             QStringLiteral(
                 "George folds. Everybody else has folded: you take the pot of 40. Deal over."));
    QCOMPARE(sp.seatSummary(3), QStringLiteral("George: 100, folds"));
    QCOMPARE(sp.handLabel(3), QStringLiteral("George's cards: three cards face down, Nine of "
                                             "diamonds, Ten of diamonds, Jack of diamonds, Queen "
                                             "of diamonds"));
    // Nothing at all happened: nothing is said.
    sp.begin();
    QCOMPARE(sp.finish(4, false), QString());
}

void AccessibilityTest::showdownReadsInEveryLanguage() {
    // German hand names hold commas of their own ("Zwei Paare, Asse oben"):
    // in every language the showdown's list must still split into its
    // hands, each said in its mid-sentence form, and a split pot must put
    // the amount and the hand where the language's sentence has them.
    const auto tr = [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text);
    };
    // What a list message holds between its %1 and its %2 or its end.
    const auto inside = [](const QString& form) {
        return form.section(QStringLiteral("%1"), 1).section(QStringLiteral("%2"), 0, 0);
    };
    const auto after = [](const QString& sentence, const QString& form) {
        return sentence.mid(form.indexOf(QStringLiteral("%1")));
    };
    for (const QString& code : shippedLanguages()) {
        installLanguage(code);
        TableState t;
        TableSpeech sp(t);
        sp.begin();
        for (SeatId s : {player, geek, champ}) {
            t.seats[s].told = Told::hand;
            t.seats[s].status = s == player ? "One pair Kings" : "Two pairs Aces";
            sp.told(s);
        }
        sp.won(geek, 13);
        sp.won(champ, 13);
        const QString report = sp.finish(0, true);
        const QStringList sentences = report.split(tr("TableSpeech", ". "));
        QCOMPARE(sentences.size(), 3);
        const QString aces = tr("SpokenHand", "Two pairs Aces");
        const QString kings = tr("SpokenHand", "One pair Kings");
        QVERIFY2(aces[0].isLower() && kings[0].isLower(), qPrintable(aces + " / " + kings));

        const QStringList shown =
            after(sentences[0], tr("TableSpeech", "Showdown: %1")).split(tr("ShowdownList", ", "));
        QVERIFY2(shown.size() == 3 && shown[0].contains(kings) && shown[1].contains(aces) &&
                     shown[2].contains(aces),
                 qPrintable(report));

        const QString win = tr("TableSpeech", "%1 wins %2 with %3");
        const bool amountFirst =
            win.indexOf(QStringLiteral("%2")) < win.indexOf(QStringLiteral("%3"));
        const QStringList wins = after(sentences[1], tr("TableSpeech", "Split pot: %1"))
                                     .split(inside(tr("SplitPotList", "%1 and %2")));
        QVERIFY2(wins.size() == 2, qPrintable(report));
        for (const QString& w : wins)
            QVERIFY2(w.contains(aces) && w.contains(QStringLiteral("13")) &&
                         (w.indexOf(QStringLiteral("13")) < w.indexOf(aces)) == amountFirst,
                     qPrintable(report));
    }
    installLanguage({});
}

void AccessibilityTest::focusRestsOnTheNextMove() {
    Table tb;
    QVERIFY(tb.startAndShow());
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnstay));
    // "New Game", answered No and then Yes: the focus goes to the next move.
    for (Answer a : {Answer::No, Answer::Yes}) {
        tb.button(Control::NewGame1)->setFocus();
        tb.answers.push_back(a);
        QTest::keyClick(tb.button(Control::NewGame1), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnstay));
    }
    // A match lost: "Deal" shows the end-of-match box, every play button is
    // off, and the focus waits on "New Game", the only way on.
    for (int i = 0; i < 30 && !tb.dealOver(); ++i) tb.click(Control::btnstay);
    QVERIFY(tb.dealOver());
    GameSteps{tb.w->game()}.setcash(player, 0);
    tb.button(Control::btnnew)->setFocus();
    QTest::keyClick(tb.button(Control::btnnew), Qt::Key_Space);
    QVERIFY(tb.boxes.back() == QStringLiteral("You lose!"));
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::NewGame1));
    // New Game from there: the new match's first move has the focus.
    QTest::keyClick(tb.button(Control::NewGame1), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnstay));
}

void AccessibilityTest::optionsPanelIsReadable() {
    Table tb;
    QVERIFY(tb.startAndShow());
    OptionsPanel* panel = tb.w->panel();
    // A plain pane with a name, not a frame that would pass for a window.
    QCOMPARE(iface(panel)->role(), QAccessible::Pane);
    QCOMPARE(iface(panel)->text(QAccessible::Name), QStringLiteral("Options"));

    tb.button(Control::Options1)->setFocus();
    QTest::keyClick(tb.button(Control::Options1), Qt::Key_Space);
    QVERIFY(panel->isVisible());
    auto* first = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    QVERIFY(first && panel->isAncestorOf(first));
    QCOMPARE(first->text(), QStringLiteral("Amateur"));

    // The betting limits read as money, step by step.
    auto* slider = qobject_cast<QAbstractSlider*>(panel->control(Control::UpDown1));
    QAccessibleInterface* a = iface(slider);
    QCOMPARE(a->role(), QAccessible::SpinBox);
    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("Ante 1, small bet 2, big bet 4"));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("Ante 2, small bet 4, big bet 8"));
    QAccessibleTextInterface* text = a->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()),
             QStringLiteral("Ante 2, small bet 4, big bet 8"));
    QCOMPARE(a->valueInterface()->currentValue().toInt(), 2);

    // Escape closes like Ok, and the focus goes back to "Options".
    QTest::keyClick(slider, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::Options1));
    // Ok does the same.
    QTest::keyClick(tb.button(Control::Options1), Qt::Key_Space);
    QVERIFY(panel->isVisible());
    QTest::mouseClick(qobject_cast<QAbstractButton*>(panel->control(Control::Close)),
                      Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::Options1));
    QCOMPARE(tb.state().ante, 2); // Escape took nothing back
}

void AccessibilityTest::aboutBoxText() {
    AboutBox box;
    QString all;
    QAccessibleInterface* a = iface(&box);
    for (int i = 0; i < a->childCount(); ++i) {
        QAccessibleInterface* c = a->child(i);
        if (c->role() == QAccessible::StaticText && c->textInterface())
            all += c->textInterface()->text(0, c->textInterface()->characterCount());
    }
    for (const char* part :
         {"Seven Stud", "Version 1.0", "Bets are small in the first two rounds",
          "Check: stay in without betting", "Fold: give up the hand", "Call: match the bet",
          "Pot: the money bet in the deal", "the Seven Stud developers"})
        QVERIFY2(all.contains(QLatin1String(part)), part);
}

void AccessibilityTest::screenReaderObjectsShowNothing() {
    // The hands and the announcer lie over the table: with them hidden the
    // window looks the same to the pixel.
    Table tb;
    QVERIFY(tb.startAndShow());
    tb.click(Control::btnstay);
    tb.w->button(Control::btnstay)->clearFocus();
    const QImage with = tb.w->grab().toImage();
    for (int s = 0; s < 5; ++s) tb.w->hand(s)->hide();
    tb.w->announcer()->hide();
    const QImage without = tb.w->grab().toImage();
    QCOMPARE(with, without);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
