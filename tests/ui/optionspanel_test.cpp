// The options panel offscreen: its layout and colours on the grabbed pixels,
// what each control reports as used and what it keeps quiet about, the
// up-down's ends, the radio groups and the keyboard.

#include "ui/gradientbutton.h"
#include "ui/optionspanel.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>
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

    void textsGoWhereTheGameSendsThem() {
        Host h;
        h.panel->setText(Control::money, QStringLiteral("12a"));
        QCOMPARE(qobject_cast<QLineEdit*>(h.w(Control::money))->text(), QStringLiteral("12a"));
        QCOMPARE(h.panel->text(Control::money), QStringLiteral("12a"));
        QCOMPARE(h.panel->text(Control::until), QStringLiteral("1000"));
        h.panel->setText(Control::SoundOff1, QStringLiteral("Off"));
        QCOMPARE(h.panel->text(Control::SoundOff1), QStringLiteral("Off"));
        QCOMPARE(qobject_cast<GradientButton*>(h.w(Control::SoundOff1))->text(),
                 QStringLiteral("Off"));
        QVERIFY(h.w(Control::SoundOff1)->accessibleName().contains(QStringLiteral("Off")));
        QVERIFY(h.used().empty()); // setting texts is not using the controls
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

    void upDownGreysTheArrowThatCannotMove() {
        Host h;
        QVERIFY(h.show());
        QWidget* u = h.w(Control::UpDown1);
        const auto darkest = [&](int x0, int x1) {
            const QImage img = u->grab().toImage();
            int dark = 255;
            for (int x = x0; x < x1; ++x)
                for (int y = 3; y < img.height() - 3; ++y)
                    dark = std::min(dark, qGray(img.pixel(x, y)));
            return dark;
        };
        const int half = u->width() / 2;
        QVERIFY(darkest(4, half - 4) > 60);              // left arrow greyed at 1
        QVERIFY(darkest(half + 4, u->width() - 4) < 30); // right arrow black
        h.panel->setPosition(Control::UpDown1, 15);
        QVERIFY(darkest(4, half - 4) < 30);
        QVERIFY(darkest(half + 4, u->width() - 4) > 60);
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
    }

    void arrowKeysChooseWithinAGroup() {
        Host h;
        QVERIFY(h.show());
        h.panel->selectItem(Control::Levels, 1);
        h.radio(Control::Levels, 1)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(h.panel->selectedItem(Control::Levels), 2);
        QCOMPARE(h.used(), std::vector<Control>{Control::Levels});
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
};

QTEST_MAIN(OptionsPanelTest)
#include "optionspanel_test.moc"
