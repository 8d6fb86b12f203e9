// The real table window, offscreen: what it shows at start-up, whole deals
// clicked through with a replayable generator (cards checked on the canvas
// pixel by pixel), the table bitmap and its absence, the animation timers,
// sound, message boxes and the error display, keyboard play and scaling.

#include "rundir.h"
#include "servicesseam.h"
#include "support/gamesteps.h"
#include "table/seattable.h"
#include "tablerun.h"
#include "ui/aboutbox.h"
#include "ui/gamemenu.h"
#include "ui/gradientbutton.h"
#include "ui/imagesets.h"
#include "ui/optionspanel.h"
#include "ui/qtservices.h"
#include "ui/soundplayer.h"
#include "ui/tablewindow.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <vector>

using namespace stud;

namespace {

// The run folder shipped with the game: table bitmap and sounds.
using stud::testing::dataDir;
const QString kDataDir = dataDir();

constexpr int kCardW = 71, kCardH = 96;

// One window on a fresh working directory and a fresh settings folder.
struct Table : stud::testing::TableRun {
    std::vector<MessageRequest> boxes;

    explicit Table(bool withData = true, std::uint64_t seed = 7, int scale = 1)
        : TableRun(seed, withData, scale) {}
    void record(const MessageRequest& r) override { boxes.push_back(r); }
    // The animation timers would draw the generator's numbers in between
    // clicks; the deal tests click without them.
    void stopTimers() {
        for (Timer t : {Timer::randomwink, Timer::winkanim, Timer::wintimer})
            stud::testing::QtServicesSeam(w->services()).timer(t)->stop();
    }
    TableState& state() { return GameSteps{w->game()}.table(); }
    GradientButton* button(Control c) { return w->button(c); }
    QLabel* label(Control c) { return w->label(c); }
    void click(Control c) { QTest::mouseClick(button(c), Qt::LeftButton); }
};

QImage tableBitmap() {
    return QImage(kDataDir + QStringLiteral("/kaveltable.bmp"))
        .convertToFormat(QImage::Format_RGB32);
}

// Compares a window rectangle of the canvas with an image, leaving out the
// pixels listed in `skip` (window coordinates). Reports the first difference.
bool sameRegion(const QImage& canvas, const QRect& r, const QImage& want, QPoint wantOrigin,
                const std::vector<QPoint>& skip, QString* why) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (std::find(skip.begin(), skip.end(), QPoint(x, y)) != skip.end()) continue;
            const QRgb got = canvas.pixel(x, y) | 0xff000000;
            const QRgb exp =
                want.pixel(x - r.left() + wantOrigin.x(), y - r.top() + wantOrigin.y()) |
                0xff000000;
            if (got != exp) {
                *why = QStringLiteral("pixel (%1,%2) is %3, expected %4")
                           .arg(x)
                           .arg(y)
                           .arg(got, 8, 16)
                           .arg(exp, 8, 16);
                return false;
            }
        }
    return true;
}

// Which image the table must show in slot `i` of seat `s`, or -1 for none.
int expectedImage(const TableState& t, SeatId s, int i) {
    const Seat& seat = t.seats[s];
    const int shown = t.street >= 5 ? 7 : t.street + 2;
    if (i >= shown || seat.folded || seat.cash <= 0) return -1;
    if (s == player) return seat.hand[i].image();
    if (t.street >= 6) return t.revealblock ? -1 : seat.hand[i].image();
    const bool down = i == 0 || i == 1 || i == 6;
    return down ? t.cardback : seat.hand[i].image();
}

// Every card of every seat where the state says it lies: the visible strip of
// each covered card, the whole of the top one, and its four black corners.
void checkCards(Table& tb) {
    const TableState& t = tb.state();
    const QImage& canvas = tb.w->canvas();
    const ImageSets& sets = tb.w->services().images();
    for (SeatId s : kAllSeats) {
        const SeatInfo& info = kSeatInfo[s];
        int last = -1;
        for (int i = 0; i < 7; ++i)
            if (expectedImage(t, s, i) >= 0) last = i;
        for (int i = 0; i <= last; ++i) {
            const int left = info.cardLeft + i * info.cardStep, top = info.cardTop;
            const int width = i == last ? kCardW : info.cardStep;
            const QRect r(left, top, width, kCardH);
            const std::vector<QPoint> corners{{left, top},
                                              {left + kCardW - 1, top},
                                              {left, top + kCardH - 1},
                                              {left + kCardW - 1, top + kCardH - 1}};
            QString why;
            const bool same =
                sameRegion(canvas, r, sets.image(ImageSet::cards, expectedImage(t, s, i)), {0, 0},
                           corners, &why);
            QVERIFY2(same, qPrintable(QStringLiteral("seat %1 slot %2 street %3: %4")
                                          .arg(s)
                                          .arg(i)
                                          .arg(t.street)
                                          .arg(why)));
            if (i == last)
                for (const QPoint& p : corners) QCOMPARE(canvas.pixel(p) & 0xffffff, 0u);
        }
    }
}

// The seats that won the showdown (or took the pot when all others left).
bool isWinner(const TableState& t, SeatId s) {
    return t.finalscore[s] == t.bestscore;
}

QColor textColour(QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startupShowsTheFirstDeal();
    void everyControlIsNamedAndInTabOrder();
    void wholeDealsClickedThrough();
    void foldLeavesBareTable();
    void showdownStatusLines();
    void missingTableBitmapBeepsAndStaysBlack();
    void portraitsSurviveLabelRepaints();
    void cardBackChangeRedrawsTheBacks();
    void messageBoxesAndErrorDisplay();
    void startupFailureEndsTheProgram();
    void winAnimationRunsOnTheTimer();
    void keyboardPlaysADeal();
    void buttonsOnTheTable();
    void doubleDensityScreen();
    void soundPlayerNeverBlocks();
};

void TableWindowTest::startupShowsTheFirstDeal() {
    Table tb;
    QVERIFY(tb.startAndShow());
    TableWindow& w = *tb.w;

    QCOMPARE(w.size(), QSize(910, 691));
    QCOMPARE(w.minimumSize(), QSize(910, 691));
    QCOMPARE(w.maximumSize(), QSize(910, 691));
    QVERIFY(w.windowTitle().isEmpty());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!w.windowIcon().isNull());

    // Buttons: captions and states after start-up.
    struct B {
        Control c;
        const char* caption;
        bool enabled;
    };
    for (const B& b : {B{Control::btnnew, "Deal", false}, B{Control::btnstay, "Call", true},
                       B{Control::btnbet, "Raise", true}, B{Control::btnpass, "Fold", true},
                       B{Control::NewGame1, "New Game", true},
                       B{Control::Options1, "Options", true}, B{Control::About1, "About", true}}) {
        QCOMPARE(tb.button(b.c)->text(), QString::fromLatin1(b.caption));
        QCOMPARE(tb.button(b.c)->isEnabled(), b.enabled);
    }
    QCOMPARE(tb.button(Control::btnnew)->geometry(), QRect(333, 618, 65, 33));
    QCOMPARE(tb.button(Control::btnpass)->geometry(), QRect(525, 618, 65, 33));
    QCOMPARE(tb.button(Control::About1)->geometry(), QRect(491, 3, 73, 17));
    QVERIFY(tb.button(Control::btnbet)->font().bold());
    QVERIFY(!tb.button(Control::Options1)->font().bold());

    // Labels: fixed names, the cash and pot as plain numbers, empty status
    // lines, all white, transparent, sized to their text.
    const TableState& t = tb.state();
    struct L {
        Control c;
        QPoint at;
        QString text;
    };
    const std::vector<L> labels{
        {Control::Label2, {424, 448}, "You:"},
        {Control::cash, {460, 448}, QString::number(t.seats[player].cash)},
        {Control::freakcash, {184, 344}, "Peter:"},
        {Control::lblfcash, {232, 344}, QString::number(t.seats[freak].cash)},
        {Control::geekcash, {296, 104}, "Anna:"},
        {Control::lblgcash, {342, 104}, QString::number(t.seats[geek].cash)},
        {Control::mastercash, {528, 104}, "George:"},
        {Control::lblmcash, {587, 104}, QString::number(t.seats[master].cash)},
        {Control::champcash, {632, 344}, "Maria:"},
        {Control::lblccash, {680, 344}, QString::number(t.seats[champ].cash)},
        {Control::betsize, {446, 304}, QString::number(t.pot)},
        {Control::playerstatus, {424, 464}, ""},
        {Control::freakstatus, {184, 360}, ""},
        {Control::geekstatus, {296, 120}, ""},
        {Control::masterstatus, {528, 120}, ""},
        {Control::champstatus, {632, 360}, ""},
    };
    for (const L& l : labels) {
        QLabel* lab = tb.label(l.c);
        QCOMPARE(lab->pos(), l.at);
        QCOMPARE(lab->text(), l.text);
        QCOMPARE(textColour(lab), QColor(Qt::white));
        QVERIFY(!lab->autoFillBackground());
        if (!l.text.isEmpty()) QCOMPARE(lab->size(), lab->sizeHint());
    }
    QCOMPARE(t.pot, 5);
    QCOMPARE(t.seats[player].cash, 1199);
    QVERIFY(tb.label(Control::lblfcash)->font().bold());
    QVERIFY(!tb.label(Control::freakstatus)->font().bold());
    QCOMPARE(tb.label(Control::betsize)->font().pixelSize(), 12);
    QCOMPARE(tb.label(Control::cash)->font().pixelSize(), 11);

    QVERIFY(tb.w->panel()->isHidden());
    QCOMPARE(tb.w->panel()->pos(), QPoint(232, 96));
    QVERIFY(tb.w->aboutBox()->isHidden());

    // Street 1 on the canvas: three cards a seat, the table under them, and
    // the bottom row black.
    QCOMPARE(t.street, 1);
    checkCards(tb);
    const QImage table = tableBitmap();
    QString why;
    QVERIFY2(sameRegion(w.canvas(), QRect(0, 0, 910, 150), table, {0, 0}, {}, &why),
             qPrintable(why));
    for (int x = 0; x < 910; x += 7) QCOMPARE(w.canvas().pixel(x, 690) & 0xffffff, 0u);
    QCOMPARE(stud::testing::QtServicesSeam(tb.w->services()).beeps(), 0);
    QVERIFY(tb.boxes.empty());

    // What is on screen is the canvas with the labels over it.
    const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.pixel(400, 560), w.canvas().pixel(400, 560));
}

void TableWindowTest::everyControlIsNamedAndInTabOrder() {
    Table tb;
    QVERIFY(tb.startAndShow());
    for (QWidget* child : tb.w->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(tb.w.get()) || child->isWindow()) continue;
        if (qobject_cast<QLabel*>(child) && qobject_cast<QLabel*>(child)->text().isEmpty())
            continue;
        QVERIFY2(
            !child->accessibleName().isEmpty() ||
                !QAccessible::queryAccessibleInterface(child)->text(QAccessible::Name).isEmpty(),
            qPrintable(child->metaObject()->className()));
    }
    // A cash label tells whose cash it is, and keeps up with the amount.
    QCOMPARE(tb.label(Control::lblgcash)->accessibleName(),
             QStringLiteral("Anna's cash: %1").arg(tb.state().seats[geek].cash));

    // Tab order: Raise, Fold, Call, Deal, New Game, Options, About, and the
    // game's menu last; the focus starts on the safe move, Call, not on Raise.
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnstay));
    QWidget* menu = tb.w->gameMenu()->button();
    const std::vector<QWidget*> order{tb.button(Control::NewGame1), tb.button(Control::Options1),
                                      tb.button(Control::About1),   menu,
                                      tb.button(Control::btnbet),   tb.button(Control::btnpass),
                                      tb.button(Control::btnstay)};
    for (QWidget* next : order) { // "Deal" is disabled and skipped
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // With the options panel open, its controls come first: Tab from the
    // menu enters the panel, and leaving the panel comes back to Raise.
    tb.click(Control::Options1);
    menu->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(tb.w->panel()->isAncestorOf(QApplication::focusWidget()));
    for (int i = 0; i < 40 && tb.w->panel()->isAncestorOf(QApplication::focusWidget()); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnbet));
}

void TableWindowTest::wholeDealsClickedThrough() {
    Table tb(true, 11);
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    TableState& t = tb.state();
    // Several deals: Call/Check to the end, alternating with Raise where it
    // is allowed, then Deal.
    for (int deal = 0; deal < 4; ++deal) {
        int clicks = 0;
        while (!tb.button(Control::btnnew)->isEnabled() && clicks < 40) {
            const bool raise = (clicks + deal) % 3 == 1 && tb.button(Control::btnbet)->isEnabled();
            tb.click(raise ? Control::btnbet : Control::btnstay);
            ++clicks;
            checkCards(tb);
            QCOMPARE(tb.label(Control::betsize)->text(), QString::number(t.pot));
            QCOMPARE(tb.label(Control::cash)->text(), QString::number(t.seats[player].cash));
            QCOMPARE(tb.label(Control::playerstatus)->text(),
                     QString::fromStdString(t.seats[player].status));
        }
        QVERIFY(tb.button(Control::btnnew)->isEnabled());
        QVERIFY(!tb.button(Control::btnstay)->isEnabled());
        QCOMPARE(t.street >= 6 || t.decided, true);
        tb.click(Control::btnnew);
        QCOMPARE(t.street, 1);
        checkCards(tb);
    }
    QVERIFY(tb.boxes.empty());
}

void TableWindowTest::foldLeavesBareTable() {
    Table tb(true, 3);
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    tb.click(Control::btnstay);
    tb.click(Control::btnpass);
    const TableState& t = tb.state();
    QVERIFY(t.seats[player].folded);
    QCOMPARE(t.street, 6);
    // The player's area shows the table it was wiped with, and the others'
    // hands are uncovered (unless everybody else had gone).
    QString why;
    const QRect area(335, 500, 300, 100);
    QVERIFY2(sameRegion(tb.w->canvas(), area, tableBitmap(), area.topLeft(), {}, &why),
             qPrintable(why));
    checkCards(tb);
    QVERIFY(tb.button(Control::btnnew)->isEnabled());
}

void TableWindowTest::showdownStatusLines() {
    // Several generators, so that both the human and the opponents win some.
    int humanWins = 0, opponentWins = 0;
    for (std::uint64_t seed = 20; seed < 32 && (humanWins == 0 || opponentWins == 0); ++seed) {
        Table tb(true, seed);
        QVERIFY(tb.startAndShow());
        tb.stopTimers();
        const TableState& t = tb.state();
        for (int i = 0; i < 40 && !tb.button(Control::btnnew)->isEnabled(); ++i)
            tb.click(Control::btnstay);
        QVERIFY(tb.button(Control::btnnew)->isEnabled());
        if (t.decided) continue; // everybody else left: no showdown
        for (SeatId s : kAllSeats) {
            QLabel* l = tb.label(kSeatInfo[s].statusLabel);
            QCOMPARE(l->text(), QString::fromStdString(t.seats[s].status));
            const QColor want = isWinner(t, s) ? QColor(255, 255, 0) : QColor(255, 255, 255);
            QCOMPARE(textColour(l), want);
            if (!l->text().isEmpty()) {
                QCOMPARE(l->size(), l->sizeHint()); // the whole name, never clipped
                // Nothing of the window covers a status line.
                QVERIFY(QRect(QPoint(0, 0), tb.w->size()).contains(l->geometry()));
            }
            QCOMPARE(tb.label(kSeatInfo[s].cashLabel)->text(), QString::number(t.seats[s].cash));
        }
        if (isWinner(t, player)) ++humanWins;
        for (SeatId s : kOpponents)
            if (isWinner(t, s)) ++opponentWins;
        checkCards(tb);
    }
    QVERIFY(humanWins > 0);
    QVERIFY(opponentWins > 0);
}

void TableWindowTest::missingTableBitmapBeepsAndStaysBlack() {
    Table tb(false);
    QVERIFY(tb.startAndShow());
    QCOMPARE(stud::testing::QtServicesSeam(tb.w->services()).beeps(), 1);
    const QImage& c = tb.w->canvas();
    for (QPoint p : {QPoint(5, 5), QPoint(900, 100), QPoint(450, 300), QPoint(0, 689)})
        QCOMPARE(c.pixel(p) & 0xffffff, 0u);
    checkCards(tb); // the cards are there all the same
    QVERIFY(tb.boxes.empty());
    // Every repaint beeps once; the window still plays.
    tb.w->services().repaintWindow();
    QCOMPARE(stud::testing::QtServicesSeam(tb.w->services()).beeps(), 2);
    tb.stopTimers();
    tb.click(Control::btnpass);
    QCOMPARE(c.pixel(400, 550) & 0xffffff, 0u); // wiped to black
}

void TableWindowTest::portraitsSurviveLabelRepaints() {
    Table tb;
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    const ImageSets& sets = tb.w->services().images();
    GameSteps{tb.w->game()}.drawportrait(freak, 12);
    // A label changing its text repaints the canvas behind it, not the game's
    // drawing: the portrait stays, and nothing was loaded or drawn again.
    tb.w->services().setText(Control::freakstatus, "Calls with a long status line here");
    tb.w->repaint();
    QString why;
    QVERIFY2(sameRegion(tb.w->canvas(), QRect(48, 268, 120, 130), sets.image(ImageSet::players, 12),
                        {0, 0}, {}, &why),
             qPrintable(why));
    const QImage shot = tb.w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.pixel(60, 280), tb.w->canvas().pixel(60, 280));
    // The game's own repaint does wipe it: the table bitmap is back there.
    tb.w->services().repaintWindow();
    QVERIFY2(
        sameRegion(tb.w->canvas(), QRect(48, 268, 120, 130), tableBitmap(), {48, 268}, {}, &why),
        qPrintable(why));
}

void TableWindowTest::cardBackChangeRedrawsTheBacks() {
    Table tb;
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    tb.w->services().selectItem(Control::background, 5);
    emit tb.w->panel()->activated(Control::background);
    QCOMPARE(tb.state().cardback, 57);
    checkCards(tb); // every face-down card now shows back 57
    const QImage back = tb.w->services().images().image(ImageSet::cards, 57);
    QString why;
    QVERIFY2(sameRegion(tb.w->canvas(), QRect(41, 401, 20, 90), back, {1, 1}, {}, &why),
             qPrintable(why));
}

void TableWindowTest::messageBoxesAndErrorDisplay() {
    Table tb;
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    const std::int32_t cashBefore = tb.state().seats[player].cash;

    // "New Game" asks first; No changes nothing.
    tb.answers.push_back(Answer::No);
    tb.click(Control::NewGame1);
    QCOMPARE(tb.boxes.size(), std::size_t(1));
    QCOMPARE(tb.boxes[0].text, QStringLiteral("Are you sure?"));
    QCOMPARE(tb.boxes[0].caption, QStringLiteral("New game"));
    QCOMPARE(tb.boxes[0].buttons, Buttons::YesNo);
    QCOMPARE(tb.state().seats[player].cash, cashBefore);

    // Yes with a text that is no number: the standard error display shows
    // the conversion error, and the match goes on unchanged.
    tb.w->services().setText(Control::money, "12x");
    tb.click(Control::NewGame1);
    QCOMPARE(tb.boxes.size(), std::size_t(3));
    QCOMPARE(tb.boxes[2].kind, MessageRequest::Kind::Error);
    QCOMPARE(tb.boxes[2].text, QStringLiteral("'12x' is not a valid integer value"));
    QCOMPARE(tb.boxes[2].caption, QStringLiteral("Seven Stud"));
    QCOMPARE(tb.state().seats[player].cash, cashBefore);

    // Yes with a number: a new match.
    tb.w->services().setText(Control::money, "5000");
    tb.click(Control::NewGame1);
    QCOMPARE(tb.state().seats[player].cash, 4999);
    QCOMPARE(tb.label(Control::cash)->text(), QStringLiteral("4999"));
    QCOMPARE(tb.button(Control::btnbet)->text(), QStringLiteral("Bet"));
    checkCards(tb);

    // The simple message carries the program's title.
    tb.w->services().showMessage("Hello");
    QCOMPARE(tb.boxes.back().caption, QStringLiteral("Seven Stud"));
    QCOMPARE(tb.boxes.back().buttons, Buttons::Ok);

    // A broke human: "Deal" ends the match with "You lose!".
    tb.state().seats[player].cash = 0;
    tb.state().street = 6;
    tb.w->services().setEnabled(Control::btnnew, true);
    tb.click(Control::btnnew);
    QCOMPARE(tb.boxes.back().text, QStringLiteral("You lose!"));
    QCOMPARE(tb.boxes.back().caption, QStringLiteral("Game over"));
    for (Control c : {Control::btnnew, Control::btnbet, Control::btnpass, Control::btnstay})
        QVERIFY(!tb.button(c)->isEnabled());
}

void TableWindowTest::startupFailureEndsTheProgram() {
    // The settings folder cannot be made: a file stands where it should be.
    Table tb;
    QFile blocker(QDir(tb.config).filePath("sevenstud"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!tb.w->start());
    QCOMPARE(tb.boxes.size(), std::size_t(1));
    QCOMPARE(tb.boxes[0].kind, MessageRequest::Kind::Error);
    QVERIFY(tb.boxes[0].text.contains(QStringLiteral("tarvo.ini")));
}

void TableWindowTest::winAnimationRunsOnTheTimer() {
    // Find a deal the human wins by calling down, then let the timer run it.
    for (std::uint64_t seed = 40; seed < 80; ++seed) {
        Table tb(true, seed);
        QVERIFY(tb.startAndShow());
        tb.stopTimers();
        for (int i = 0; i < 40 && !tb.button(Control::btnnew)->isEnabled(); ++i)
            tb.click(Control::btnstay);
        const TableState& t = tb.state();
        if (!isWinner(t, player)) continue;
        QTimer* win = stud::testing::QtServicesSeam(tb.w->services()).timer(Timer::wintimer);
        QCOMPARE(t.winstep, 0);
        win->start();
        // The coin pile shows up and glints (frames 0 to 2), at 170 ms a step.
        const ImageSets& sets = tb.w->services().images();
        QTRY_VERIFY_WITH_TIMEOUT(t.winstep >= 1, 2000);
        QString why;
        if (t.winstep < 9) {
            QCOMPARE(win->interval(), 170);
            bool pile = false;
            for (int frame : {0, 1, 2})
                pile = pile || sameRegion(tb.w->canvas(), QRect(498, 350, 134, 126),
                                          sets.image(ImageSet::coins, frame), {0, 0}, {}, &why);
            QVERIFY2(pile, qPrintable(why));
        }
        // Ten steps in all, ending on the bare tray and a stopped timer.
        QTRY_VERIFY_WITH_TIMEOUT(!win->isActive(), 4000);
        QCOMPARE(t.winstep, 9);
        QCOMPARE(win->interval(), 150);
        QVERIFY2(sameRegion(tb.w->canvas(), QRect(498, 350, 134, 126),
                            sets.image(ImageSet::coins, 3), {0, 0}, {}, &why),
                 qPrintable(why));
        return;
    }
    QFAIL("no deal won by the human");
}

void TableWindowTest::keyboardPlaysADeal() {
    Table tb(true, 5);
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    // Focus starts on Call; Space plays it.
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnstay));
    const std::int32_t pot = tb.state().pot;
    QTest::keyClick(tb.button(Control::btnstay), Qt::Key_Space);
    QVERIFY(tb.state().pot > pot); // champ's opening bet was called
    // Play on by keyboard to the end of the deal: Space on whatever has the
    // focus, which stays on the next move.
    for (int i = 0; i < 40 && !tb.button(Control::btnnew)->isEnabled(); ++i) {
        QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnstay));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QVERIFY(tb.button(Control::btnnew)->isEnabled());
    checkCards(tb);
    // The deal is over: the focus is on "Deal", and Space deals.
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnnew));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(tb.state().street, 1);
    QVERIFY(tb.boxes.empty()); // never "New Game" by accident
    QCOMPARE(QApplication::focusWidget(), tb.button(Control::btnstay));
    checkCards(tb);
}

void TableWindowTest::buttonsOnTheTable() {
    Table tb;
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    GradientButton* call = tb.button(Control::btnstay);
    QSignalSpy calls(call, &QAbstractButton::clicked);

    // Pressed, dragged off and released: no click, nothing played.
    QTest::mousePress(call, Qt::LeftButton, {}, QPoint(30, 15));
    QTest::mouseMove(call, QPoint(200, 15));
    QTest::mouseRelease(call, Qt::LeftButton, {}, QPoint(200, 15));
    QCOMPARE(calls.count(), 0);
    QCOMPARE(tb.state().seats[player].status, std::string());

    // A disabled button takes neither mouse nor keys.
    GradientButton* deal = tb.button(Control::btnnew);
    QSignalSpy deals(deal, &QAbstractButton::clicked);
    QTest::mouseClick(deal, Qt::LeftButton);
    deal->setFocus();
    QTest::keyClick(deal, Qt::Key_Space);
    QCOMPARE(deals.count(), 0);
    QCOMPARE(tb.state().street, 1);

    // Disabled, "Deal" draws its caption embossed in greys; enabled, in the
    // dark font colour.
    const auto darkest = [](QWidget* b) {
        const QImage img = b->grab().toImage();
        int least = 255;
        for (int y = 5; y < img.height() - 5; ++y)
            for (int x = 5; x < img.width() - 5; ++x)
                least = std::min(least, qGray(img.pixel(x, y)));
        return least;
    };
    QVERIFY(darkest(deal) > 90);
    deal->setEnabled(true);
    QVERIFY(darkest(deal) < 60);
    deal->setEnabled(false);

    // Space clicks on release, not on press.
    call->setFocus();
    QTest::keyPress(call, Qt::Key_Space);
    QCOMPARE(calls.count(), 0);
    QTest::keyRelease(call, Qt::Key_Space);
    QCOMPARE(calls.count(), 1);

    // The About box opens modally from its button and closes again.
    QTimer::singleShot(0, tb.w->aboutBox(), [&] { tb.w->aboutBox()->accept(); });
    tb.click(Control::About1);
    QVERIFY(tb.w->aboutBox()->isHidden());

    // Options shows and hides the panel.
    tb.click(Control::Options1);
    QVERIFY(!tb.w->panel()->isHidden());
    // It lies over the table's labels, which belong to the table below it.
    for (Control c : {Control::betsize, Control::geekcash, Control::lblfcash, Control::Label2}) {
        QWidget* top = tb.w->childAt(tb.label(c)->geometry().topLeft() + QPoint(2, 2));
        QVERIFY(top == tb.w->panel() || tb.w->panel()->isAncestorOf(top));
    }
    tb.click(Control::Options1);
    QVERIFY(tb.w->panel()->isHidden());
}

void TableWindowTest::doubleDensityScreen() {
    Table tb(true, 7, 2);
    QVERIFY(tb.startAndShow());
    tb.stopTimers();
    const QImage& c = tb.w->canvas();
    QCOMPARE(c.size(), QSize(1820, 1382));
    // The human's third card, drawn from the sharp set at twice the size,
    // with 2 x 2 black corners.
    const ImageSets& sets = tb.w->services().images();
    QCOMPARE(sets.scale(), 2);
    const int idx = tb.state().seats[player].hand[2].image();
    const QImage want = sets.image(ImageSet::cards, idx);
    QCOMPARE(want.size(), QSize(142, 192));
    QImage file(QStringLiteral(":/images/cards@2x.png"));
    file = file.convertToFormat(QImage::Format_RGB32).copy(idx * 142, 0, 142, 192);
    file.setDevicePixelRatio(1);
    QCOMPARE(want, file); // the sharp picture itself, not a scaled one
    const QRect r(2 * (335 + 60), 2 * 500, 142, 192);
    QString why;
    std::vector<QPoint> corners; // each corner pixel is 2 x 2 device pixels here
    for (int x : {r.left(), r.left() + 1, r.right() - 1, r.right()})
        for (int y : {r.top(), r.top() + 1, r.bottom() - 1, r.bottom()}) corners.emplace_back(x, y);
    QVERIFY2(sameRegion(c, r, want, {0, 0}, corners, &why), qPrintable(why));
    for (const QPoint& p : corners) QCOMPARE(c.pixel(p) & 0xffffff, 0u);
    // The table comes from the sharp bitmap when there is one.
    const QImage table2 =
        QImage(kDataDir + "/kaveltable@2x.bmp").convertToFormat(QImage::Format_RGB32);
    if (!table2.isNull())
        QVERIFY2(sameRegion(c, QRect(0, 0, 1820, 200), table2, {0, 0}, {}, &why), qPrintable(why));
}

void TableWindowTest::soundPlayerNeverBlocks() {
    const stud::testing::TempDir tmp("studsound");
    const QDir dir(stud::testing::qPath(tmp));
    const QString oldDir = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QFile::copy(kDataDir + "/chip1.wav", dir.filePath("chip1.wav"));
    QFile junk(dir.filePath("junk.wav"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a sound");
    junk.close();
    QFile bad(dir.filePath("bad.wav"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("RIFF\x40\0\0\0WAVE", 12) + QByteArray(200, 'x'));
    bad.close();

    int beeps = 0;
    {
        SoundPlayer sp([&] { ++beeps; });
        // A missing file beeps at once.
        sp.play("missing.wav");
        QCOMPARE(beeps, 1);
        // So does a file that is no sound at all.
        sp.play("junk.wav");
        QCOMPARE(beeps, 2);
        // A damaged one beeps as soon as the sound system finds out.
        sp.play("bad.wav");
        QTRY_COMPARE_WITH_TIMEOUT(beeps, 3, 5000);
        // A good file, started over and over, cuts itself and never waits.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i) sp.play("chip1.wav");
        QVERIFY(clock.elapsed() < 2000);
        QTest::qWait(300);
        QCOMPARE(beeps, 3);
        // A missing file that appears later is played from then on.
        QFile::copy(kDataDir + "/chip1.wav", dir.filePath("late.wav"));
        sp.play("late.wav");
        QTest::qWait(300);
        QCOMPARE(beeps, 3);
    }
    QDir::setCurrent(oldDir);
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TableWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tablewindow_test.moc"
