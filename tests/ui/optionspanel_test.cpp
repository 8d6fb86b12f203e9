// The options panel offscreen: its layout and colours on the grabbed pixels,
// what each control reports as used and what it keeps quiet about, the
// up-down's ends, the radio groups and the keyboard.

#include "rundir.h"
#include "servicesseam.h"
#include "support/gamesteps.h"
#include "table/seattable.h"
#include "tablerun.h"
#include "ui/aboutbox.h"
#include "ui/gradientbutton.h"
#include "ui/imagesets.h"
#include "ui/optionspanel.h"
#include "ui/qtservices.h"
#include "ui/tablewindow.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace stud;

Q_DECLARE_METATYPE(stud::Control)

namespace {

// The panel on a dark table-coloured window, as the game shows it.
struct Host {
    QWidget window;
    OptionsPanel* panel;
    std::unique_ptr<QSignalSpy> spy;

    Host() {
        window.setFixedSize(910, 691);
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, Qt::black); // the table's palette must not leak in
        window.setPalette(pal);
        panel = new OptionsPanel(&window);
        panel->move(232, 96);
        panel->setText(Control::money, QStringLiteral("1200"));
        panel->setText(Control::until, QStringLiteral("1000"));
        panel->selectItem(Control::Levels, 0);
        panel->selectItem(Control::background, 0);
        panel->setPosition(Control::UpDown1, 1);
        spy = std::make_unique<QSignalSpy>(panel, &OptionsPanel::activated);
    }

    bool show() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
    }

    std::vector<Control> used() const {
        std::vector<Control> out;
        for (const auto& args : *spy) out.push_back(args.at(0).value<Control>());
        return out;
    }
    QWidget* w(Control c) const { return panel->control(c); }
    QRadioButton* radio(Control group, int item) const {
        return w(group)->findChildren<QRadioButton*>().at(item);
    }
    // Clicks the left or right half of the up-down.
    void arrow(int side) const {
        QWidget* u = w(Control::UpDown1);
        QTest::mouseClick(u, Qt::LeftButton, {},
                          QPoint(side < 0 ? 8 : u->width() - 8, u->height() / 2));
    }
};

QColor pixelAt(const QImage& img, int x, int y) {
    return img.pixelColor(x, y);
}

// ---- the whole window ----------------------------------------------------------

// The run folder shipped with the game: table bitmap and sounds.
using stud::testing::dataDir;

// The real table on a fresh working folder and settings folder; message
// boxes are answered at once and remembered.
struct Table : stud::testing::TableRun {
    std::vector<QString> boxes;

    Table() : TableRun(11) {}
    void record(const MessageRequest& r) override { boxes.push_back(r.text); }

    OptionsPanel* panel() { return w->panel(); }
    QWidget* control(Control c) { return w->panel()->control(c); }
    void click(Control c) {
        QWidget* b = w->button(c);
        if (!b) b = control(c);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void arrow(int side) {
        QWidget* u = control(Control::UpDown1);
        QTest::mouseClick(u, Qt::LeftButton, {},
                          QPoint(side < 0 ? 8 : u->width() - 8, u->height() / 2));
    }
    void type(Control box, const QString& text) {
        auto* e = qobject_cast<QLineEdit*>(control(box));
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
    QString ini() const {
        QFile f(QDir(config).filePath(QStringLiteral("sevenstud/tarvo.ini")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    QStringList cashLabels() const {
        QStringList out;
        for (SeatId s : kAllSeats) out << w->label(kSeatInfo[s].cashLabel)->text();
        return out;
    }
};

// Everything of a game that a look at the About box must not change.
struct Snapshot {
    TableState t;
    QStringList labels;

    explicit Snapshot(Table& tb) : t(tb.state()) {
        // Every label of the table and the panel, the boxes, the choices.
        for (QLabel* l : tb.w->findChildren<QLabel*>()) labels << l->text();
        for (Control c : {Control::money, Control::until, Control::SoundOff1})
            labels << tb.panel()->text(c);
        labels << QString::number(tb.panel()->selectedItem(Control::Levels))
               << QString::number(tb.panel()->selectedItem(Control::background))
               << QString::number(tb.panel()->position(Control::UpDown1));
        for (QAbstractButton* b : tb.w->findChildren<QAbstractButton*>())
            labels << b->text() + (b->isEnabled() ? "+" : "-");
    }

    // The game's record, leaving out the portrait blinks, which the timers
    // are meant to go on changing.
    static bool sameGame(const TableState& a, const TableState& b) {
        for (int s = 0; s < kSeats; ++s) {
            const Seat &x = a.seats[s], &y = b.seats[s];
            if (x.cash != y.cash || x.folded != y.folded || x.raised != y.raised ||
                x.hand != y.hand || x.status != y.status)
                return false;
        }
        return a.deck == b.deck && a.street == b.street && a.pot == b.pot && a.ante == b.ante &&
               a.smallbet == b.smallbet && a.bigbet == b.bigbet && a.tocall == b.tocall &&
               a.folds == b.folds && a.seated == b.seated && a.opener == b.opener &&
               a.rotation == b.rotation && a.initialcash == b.initialcash &&
               a.playuntil == b.playuntil && a.complevel == b.complevel && a.soundon == b.soundon &&
               a.cardback == b.cardback && a.decided == b.decided;
    }
};

} // namespace

class OptionsPanelTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qRegisterMetaType<Control>("stud::Control"); }

    void controlsSitWhereTheTableExpectsThem() {
        Host h;
        struct Place {
            Control c;
            QRect geometry; // in the inner panel that holds it
        };
        const Place places[]{
            {Control::money, {112, 16, 73, 21}},   {Control::enter, {184, 16, 57, 17}},
            {Control::until, {112, 56, 73, 21}},   {Control::unenter, {184, 56, 57, 17}},
            {Control::Levels, {24, 40, 89, 113}},  {Control::background, {24, 40, 65, 153}},
            {Control::UpDown1, {32, 144, 73, 17}}, {Control::SoundOff1, {24, 48, 65, 17}},
            {Control::Close, {184, 328, 81, 25}},
        };
        for (const Place& p : places) QCOMPARE(h.w(p.c)->geometry(), p.geometry);
        QCOMPARE(h.panel->size(), QSize(449, 377));
        // Inner panels, by where their controls land in the panel.
        QCOMPARE(h.w(Control::money)->parentWidget()->geometry(), QRect(32, 24, 273, 105));
        QCOMPARE(h.w(Control::Levels)->parentWidget()->geometry(), QRect(32, 128, 137, 177));
        QCOMPARE(h.w(Control::UpDown1)->parentWidget()->geometry(), QRect(168, 128, 137, 177));
        QCOMPARE(h.w(Control::background)->parentWidget()->geometry(), QRect(304, 96, 113, 209));
        QCOMPARE(h.w(Control::SoundOff1)->parentWidget()->geometry(), QRect(304, 24, 113, 73));
        QCOMPARE(h.w(Control::Close)->parentWidget(), h.panel);
        QCOMPARE(h.w(Control::Label1)->pos(), QPoint(80, 48));
        QCOMPARE(h.w(Control::Label3)->pos(), QPoint(104, 80));
        QCOMPARE(h.w(Control::Label4)->pos(), QPoint(96, 112));
        // Every button of the panel is the game's own.
        for (Control c : {Control::enter, Control::unenter, Control::SoundOff1, Control::Close})
            QVERIFY(qobject_cast<GradientButton*>(h.w(c)));
        QVERIFY(h.w(Control::Close)->font().bold());
        QVERIFY(!h.w(Control::enter)->font().bold());
        QVERIFY(!h.panel->handles(Control::btnnew));
        QVERIFY(!h.panel->control(Control::cash));
    }

    void coloursAndBevelsOnScreen() {
        Host h;
        QVERIFY(h.show());
        const QImage img = h.panel->grab().toImage();
        QCOMPARE(pixelAt(img, 10, 200), QColor(255, 221, 237));  // the panel
        QCOMPARE(pixelAt(img, 40, 110), QColor(255, 255, 230));  // cash panel
        QCOMPARE(pixelAt(img, 200, 290), QColor(255, 255, 230)); // limits panel
        QCOMPARE(pixelAt(img, 400, 60), QColor(255, 255, 236));  // sound panel
        QCOMPARE(pixelAt(img, 400, 290), QColor(255, 255, 230)); // card-back panel
        // Lowered bevel of the cash panel: dark top and left, light bottom.
        const QColor shadow = pixelAt(img, 32 + 100, 24);
        QVERIFY2(shadow.lightness() < 200, qPrintable(shadow.name()));
        QCOMPARE(pixelAt(img, 32, 24 + 50), shadow);
        QCOMPARE(pixelAt(img, 32 + 100, 24 + 104 - 1), QColor(255, 255, 230)); // inside
        // The panel's own bevel is raised: its bottom edge is the dark one.
        QCOMPARE(pixelAt(img, 200, 376), shadow);
        QCOMPARE(pixelAt(img, 200, 0), QColor(Qt::white));
        // Labels are black on the light panels.
        const QLabel* ante = qobject_cast<QLabel*>(h.w(Control::Label1));
        QCOMPARE(ante->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void limitLabelsFollowTheirText() {
        Host h;
        auto* big = qobject_cast<QLabel*>(h.w(Control::Label4));
        const int narrow = big->width();
        h.panel->setText(Control::Label4, QStringLiteral("60"));
        QCOMPARE(h.panel->text(Control::Label4), QStringLiteral("60"));
        QVERIFY(big->width() > narrow); // "60" must not be clipped to the width of "4"
        QVERIFY(big->width() >= big->sizeHint().width());
        QVERIFY(big->accessibleName().contains(QStringLiteral("60")));
    }

    void buttonsAndReturnReportTheirControl() {
        Host h;
        QVERIFY(h.show());
        for (Control c : {Control::enter, Control::unenter, Control::SoundOff1, Control::Close})
            QTest::mouseClick(h.w(c), Qt::LeftButton);
        QTest::keyClick(h.w(Control::money), Qt::Key_Return);
        QTest::keyClick(h.w(Control::until), Qt::Key_Enter);
        QCOMPARE(h.used(),
                 (std::vector<Control>{Control::enter, Control::unenter, Control::SoundOff1,
                                       Control::Close, Control::enter, Control::unenter}));
    }

    void upDownStopsAtBothEnds() {
        Host h;
        QVERIFY(h.show());
        h.arrow(-1); // already at 1
        QCOMPARE(h.panel->position(Control::UpDown1), 1);
        QVERIFY(h.used().empty());
        h.arrow(+1);
        QCOMPARE(h.panel->position(Control::UpDown1), 2);
        QCOMPARE(h.used(), std::vector<Control>{Control::UpDown1});
        h.arrow(-1);
        QCOMPARE(h.panel->position(Control::UpDown1), 1);
        QCOMPARE(h.spy->count(), 2);

        h.panel->setPosition(Control::UpDown1, 15);
        QCOMPARE(h.spy->count(), 2); // the game moving it is not a click
        h.arrow(+1);
        QCOMPARE(h.panel->position(Control::UpDown1), 15);
        QCOMPARE(h.spy->count(), 2);
        h.arrow(-1);
        QCOMPARE(h.panel->position(Control::UpDown1), 14);
        QCOMPARE(h.spy->count(), 3);

        // Out-of-range requests land on the nearest end.
        h.panel->setPosition(Control::UpDown1, 0);
        QCOMPARE(h.panel->position(Control::UpDown1), 1);
        h.panel->setPosition(Control::UpDown1, 99);
        QCOMPARE(h.panel->position(Control::UpDown1), 15);
        QCOMPARE(h.spy->count(), 3);
    }

    void upDownRepeatsWhileHeldAndAnswersTheKeyboard() {
        Host h;
        QVERIFY(h.show());
        QWidget* u = h.w(Control::UpDown1);
        const QPoint right(u->width() - 8, u->height() / 2);
        QTest::mousePress(u, Qt::LeftButton, {}, right);
        QTRY_VERIFY_WITH_TIMEOUT(h.panel->position(Control::UpDown1) >= 4, 5000);
        QTest::mouseRelease(u, Qt::LeftButton, {}, right);
        const int stopped = h.panel->position(Control::UpDown1);
        QTest::qWait(300);
        QCOMPARE(h.panel->position(Control::UpDown1), stopped);

        u->setFocus();
        h.panel->setPosition(Control::UpDown1, 3);
        h.spy->clear();
        QTest::keyClick(u, Qt::Key_Left);
        QTest::keyClick(u, Qt::Key_Left);
        QTest::keyClick(u, Qt::Key_Left); // stops at 1
        QCOMPARE(h.panel->position(Control::UpDown1), 1);
        QCOMPARE(h.spy->count(), 2);
        QTest::keyClick(u, Qt::Key_Right);
        QCOMPARE(h.panel->position(Control::UpDown1), 2);
        // A wheel turn over the panel never changes the stakes.
        QWheelEvent wheel(QPointF(10, 8), u->mapToGlobal(QPointF(10, 8)), {}, QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(u, &wheel);
        QCOMPARE(h.panel->position(Control::UpDown1), 2);
    }

    void radioGroupsReportOnlyAChoiceByTheUser() {
        Host h;
        QVERIFY(h.show());
        QTest::mouseClick(h.radio(Control::background, 7), Qt::LeftButton);
        QCOMPARE(h.panel->selectedItem(Control::background), 7);
        QCOMPARE(h.used(), std::vector<Control>{Control::background});
        // Clicking the chosen item again changes nothing and says nothing.
        QTest::mouseClick(h.radio(Control::background, 7), Qt::LeftButton);
        QCOMPARE(h.spy->count(), 1);

        QTest::mouseClick(h.radio(Control::Levels, 3), Qt::LeftButton);
        QCOMPARE(h.panel->selectedItem(Control::Levels), 3);
        QCOMPARE(h.panel->selectedItem(Control::background), 7); // groups are separate
        QCOMPARE(h.spy->count(), 2);

        // The game selecting is not a click.
        h.panel->selectItem(Control::Levels, 1);
        h.panel->selectItem(Control::background, 2);
        QCOMPARE(h.panel->selectedItem(Control::Levels), 1);
        QCOMPARE(h.spy->count(), 2);

        // A stored value out of range selects nothing rather than failing.
        h.panel->selectItem(Control::background, 8);
        QCOMPARE(h.panel->selectedItem(Control::background), -1);
        h.panel->selectItem(Control::background, -52);
        QCOMPARE(h.panel->selectedItem(Control::background), -1);
        h.panel->selectItem(Control::background, 4);
        QCOMPARE(h.panel->selectedItem(Control::background), 4);
        QCOMPARE(h.spy->count(), 2);

        // The arrow keys choose within a group, as a click does.
        h.radio(Control::Levels, 1)->setFocus();
        QTest::keyClick(h.radio(Control::Levels, 1), Qt::Key_Down);
        QCOMPARE(h.panel->selectedItem(Control::Levels), 2);
        QCOMPARE(h.used().back(), Control::Levels);
        QCOMPARE(h.spy->count(), 3);
    }

    void tabVisitsThePanelsInTheirOrder() {
        Host h;
        h.panel->selectItem(Control::Levels, 2);
        h.panel->selectItem(Control::background, 5);
        QVERIFY(h.show());
        h.radio(Control::Levels, 2)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), h.radio(Control::Levels, 2));
        const std::vector<QWidget*> expected{
            h.w(Control::money),   h.w(Control::until),     h.w(Control::enter),
            h.w(Control::unenter), h.w(Control::UpDown1),   h.radio(Control::background, 5),
            h.w(Control::Close),   h.w(Control::SoundOff1),
        };
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QVERIFY(h.used().empty()); // moving the focus uses nothing
    }

    void everyControlHasANameForScreenReaders() {
        Host h;
        QVERIFY(h.show());
        const auto widgets = h.panel->findChildren<QWidget*>();
        int named = 0;
        for (QWidget* w : widgets) {
            if (!(w->focusPolicy() & Qt::ClickFocus)) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), w->metaObject()->className());
            ++named;
        }
        QCOMPARE(named, 7 + 4 + 8); // edits, buttons, up-down, and every radio item
        for (Control c : {Control::Levels, Control::background, Control::UpDown1})
            QVERIFY(!h.w(c)->accessibleName().isEmpty());
    }

    // ---- in the table window ----------------------------------------------

    void optionsButtonTogglesAndTheTableStaysPlayable() {
        Table tb;
        QVERIFY(tb.startAndShow());
        QVERIFY(!tb.panel()->isVisible());
        tb.click(Control::Options1);
        QVERIFY(tb.panel()->isVisible());
        tb.click(Control::Close);
        QVERIFY(!tb.panel()->isVisible());
        tb.click(Control::Options1);
        QVERIFY(tb.panel()->isVisible());
        // It covers the table's labels under it.
        int covered = 0;
        for (QLabel* l : tb.w->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!l->isVisible() || !tb.panel()->geometry().contains(l->geometry().center()))
                continue;
            QWidget* top = tb.w->childAt(l->geometry().center());
            QVERIFY2(top == tb.panel() || tb.panel()->isAncestorOf(top), qPrintable(l->text()));
            ++covered;
        }
        QVERIFY(covered > 0);

        // Not modal: the deal goes on underneath, the panel stays open.
        QVERIFY(tb.w->button(Control::btnstay)->isEnabled());
        tb.click(Control::btnstay);
        QVERIFY(tb.state().street > 1 || !tb.state().seats[player].status.empty());
        QVERIFY(tb.w->button(Control::btnbet)->isEnabled());
        tb.click(Control::btnpass);
        QCOMPARE(tb.state().street, 6);
        QVERIFY(tb.w->button(Control::btnnew)->isEnabled());
        tb.click(Control::btnnew);
        QCOMPARE(tb.state().street, 1);
        QVERIFY(tb.panel()->isVisible());
        tb.click(Control::Options1);
        QVERIFY(!tb.panel()->isVisible());
        QVERIFY(tb.boxes.empty());
    }

    void initialCashTypedIntoTheWindow() {
        Table tb;
        QVERIFY(tb.startAndShow());
        tb.click(Control::Options1);
        tb.arrow(+1); // ante 2
        QCOMPARE(tb.state().ante, 2);
        QCOMPARE(tb.panel()->text(Control::Label1), QStringLiteral("2"));

        const QStringList before = tb.cashLabels();
        const std::pair<QString, QString> rejected[]{
            {QStringLiteral("12a"), QStringLiteral("Invalid value")},
            {QString(), QStringLiteral("Invalid value")},
            {QStringLiteral("99"), QStringLiteral("the value is off limits")},
            {QStringLiteral("1000001"), QStringLiteral("the value is off limits")},
        };
        for (const auto& [typed, message] : rejected) {
            tb.boxes.clear();
            tb.type(Control::money, typed);
            tb.click(Control::enter);
            QCOMPARE(tb.boxes, std::vector<QString>{message});
            QCOMPARE(tb.cashLabels(), before);
            QCOMPARE(tb.state().initialcash, 1200);
            QCOMPARE(tb.panel()->text(Control::money), typed); // kept for correcting
        }
        QVERIFY(!tb.ini().contains(QStringLiteral("initial=99")));

        tb.boxes.clear();
        tb.type(Control::money, QStringLiteral("1000"));
        tb.click(Control::enter);
        QCOMPARE(tb.boxes, std::vector<QString>{"New initial cash value confirmation"});
        QCOMPARE(tb.cashLabels(), QStringList(5, QStringLiteral("998")));
        QVERIFY2(tb.ini().contains(QStringLiteral("initial=1000")), qPrintable(tb.ini()));

        // Return in the play-until box confirms it as its button does.
        tb.boxes.clear();
        tb.type(Control::until, QStringLiteral("500"));
        QTest::keyClick(tb.control(Control::until), Qt::Key_Return);
        QCOMPARE(tb.boxes, std::vector<QString>{"New until value confirmation"});
        QCOMPARE(tb.state().playuntil, 500);
        QVERIFY(tb.ini().contains(QStringLiteral("until=500")));
    }

    void cardBackEightIsStoredAndShownAtOnce() {
        Table tb;
        QVERIFY(tb.startAndShow());
        tb.click(Control::Options1);
        const QImage back = tb.w->services().images().image(ImageSet::cards, 59);
        const SeatInfo& freakCards = kSeatInfo[freak];
        // The first hole card's visible strip, clear of its corner pixels.
        const auto showsBack = [&] {
            const QImage& canvas = tb.w->canvas();
            for (int y = 2; y < 90; ++y)
                for (int x = 2; x < freakCards.cardStep; ++x)
                    if ((canvas.pixel(freakCards.cardLeft + x, freakCards.cardTop + y) |
                         0xff000000) != (back.pixel(x, y) | 0xff000000))
                        return false;
            return true;
        };
        QVERIFY(!showsBack());
        QTest::mouseClick(
            tb.panel()->control(Control::background)->findChildren<QRadioButton*>().at(7),
            Qt::LeftButton);
        QCOMPARE(tb.state().cardback, 59);
        QVERIFY2(tb.ini().contains(QStringLiteral("Color=59")), qPrintable(tb.ini()));
        QVERIFY(showsBack());
    }

    void soundSwitchedTwiceEndsAsItBegan() {
        Table tb;
        QVERIFY(tb.startAndShow());
        tb.click(Control::Options1);
        QVERIFY(tb.state().soundon);
        tb.click(Control::SoundOff1);
        QCOMPARE(tb.panel()->text(Control::SoundOff1), QStringLiteral("Off"));
        QVERIFY(!tb.state().soundon);
        QVERIFY2(tb.ini().contains(QStringLiteral("Sound=0")), qPrintable(tb.ini()));
        tb.click(Control::SoundOff1);
        QCOMPARE(tb.panel()->text(Control::SoundOff1), QStringLiteral("On"));
        QVERIFY(tb.state().soundon);
        QVERIFY2(tb.ini().contains(QStringLiteral("Sound=1")), qPrintable(tb.ini()));
    }

    void aboutBoxLeavesTheGameAsItWasWhileTheTimersRun() {
        Table tb;
        QVERIFY(tb.startAndShow());
        tb.click(Control::Options1);
        tb.click(Control::btnstay); // something on the table besides the opening bet
        const Snapshot before(tb);
        QSignalSpy ticks(stud::testing::QtServicesSeam(tb.w->services()).timer(Timer::randomwink),
                         &QTimer::timeout);
        QSignalSpy steps(stud::testing::QtServicesSeam(tb.w->services()).timer(Timer::winkanim),
                         &QTimer::timeout);
        for (int round = 0; round < 3; ++round) {
            bool closed = false;
            QTimer::singleShot(450, tb.w.get(), [&] {
                QVERIFY(tb.w->aboutBox()->isVisible());
                QTest::mouseClick(tb.w->aboutBox()->findChild<GradientButton*>(), Qt::LeftButton);
                closed = true;
            });
            tb.click(Control::About1); // returns when the box is closed
            QVERIFY(closed);
            QVERIFY(!tb.w->aboutBox()->isVisible());
        }
        // The portraits went on blinking behind the box.
        QVERIFY(ticks.count() + steps.count() >= 2);
        const Snapshot after(tb);
        QVERIFY(Snapshot::sameGame(before.t, after.t));
        QCOMPARE(after.labels, before.labels);
        QVERIFY(tb.panel()->isVisible());
        QVERIFY(tb.boxes.empty());
    }
};

QTEST_MAIN(OptionsPanelTest)
#include "optionspanel_test.moc"
