// A monkey on the real window: tens of thousands of random clicks and key
// presses on every control of the table and the options panel, message boxes
// answered at random, the About box opened and closed, the animation timers
// ticking in between, at each of the four levels. After every event the
// game's invariants must hold, and nothing may hang or crash.
//
// STUD_MONKEY_EVENTS sets the number of events (20000 by default).

#include "rundir.h"
#include "servicesseam.h"
#include "support/invariants.h"
#include "table/seattable.h"
#include "ui/gradientbutton.h"
#include "ui/optionspanel.h"
#include "ui/qtservices.h"
#include "ui/tablewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>
#include <random>
#include <vector>

using namespace stud;

namespace {

using stud::testing::dataDir;

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        stud::testing::copyRunFiles(stud::testing::qPath(run));
        QDir::setCurrent(stud::testing::qPath(run));
        qputenv("XDG_CONFIG_HOME", stud::testing::qPath(config).toLocal8Bit());
        qputenv("XDG_DATA_HOME", stud::testing::qPath(config).toLocal8Bit());
        events = qEnvironmentVariableIntValue("STUD_MONKEY_EVENTS");
        if (events <= 0) events = 20000;
    }

    void monkey_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("seed");
        QTest::newRow("Amateur") << 0 << 11;
        QTest::newRow("Expert") << 1 << 23;
        QTest::newRow("Master") << 2 << 37;
        QTest::newRow("Genius") << 3 << 41;
    }

    void monkey() {
        QFETCH(int, level);
        QFETCH(int, seed);
        std::mt19937 pick(static_cast<unsigned>(seed));
        auto chance = [&](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };

        TableWindow w(std::make_unique<SplitMix>(static_cast<std::uint64_t>(seed)), 1);
        int boxes = 0;
        stud::testing::QtServicesSeam(w.services()).setAnswerer([&](const MessageRequest& r) {
            ++boxes;
            if (r.buttons == Buttons::YesNo) return chance(2) ? Answer::Yes : Answer::No;
            return Answer::Ok;
        });
        QVERIFY(w.start());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Game& game = w.game();
        const TableState& s = game.state();

        // Choose the level through the panel itself.
        QTest::mouseClick(w.button(Control::Options1), Qt::LeftButton);
        auto levelButtons = w.panel()->control(Control::Levels)->findChildren<QRadioButton*>();
        QCOMPARE(levelButtons.size(), static_cast<qsizetype>(kLevels.size()));
        QTest::mouseClick(levelButtons[level], Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(s.complevel, kLevels[level]);

        // The handlers that may move money other than by betting.
        bool moneyReset = false;
        for (Control c : {Control::btnnew, Control::NewGame1})
            connect(w.button(c), &QAbstractButton::clicked, this, [&] { moneyReset = true; });
        // The initial cash's Enter, clicked or reached by Return in its edit box.
        connect(w.panel(), &OptionsPanel::activated, this, [&](Control c) {
            if (c == Control::enter) moneyReset = true;
        });

        const QList<QAbstractButton*> buttons = w.findChildren<QAbstractButton*>();
        const QList<QLineEdit*> edits = w.findChildren<QLineEdit*>();
        const std::array<const char*, 8> junk{"12a",  "",    "-5",   "99999999999",
                                              "1000", "  7", "0x10", "abc"};
        // The move keys among them: a key played at any moment, panel open or not.
        const std::array<Qt::Key, 13> keys{
            Qt::Key_Tab,   Qt::Key_Space,   Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left,
            Qt::Key_Right, Qt::Key_Backtab, Qt::Key_C,      Qt::Key_R,      Qt::Key_F,
            Qt::Key_D,     Qt::Key_N,       Qt::Key_O};

        const int perLevel = std::max(1, events / 4);
        int deals = 0, matches = 0, showdowns = 0;
        InvariantChecker checker;
        for (int e = 0; e < perLevel; ++e) {
            checker.before(game);
            const bool decidedBefore = game.dealdecided();
            moneyReset = false;

            const int kind = chance(100);
            QString what;
            if (kind < 60) {
                // A click on any visible, enabled button of the window or the panel.
                std::vector<QAbstractButton*> live;
                for (QAbstractButton* b : buttons)
                    if (b->isVisible() && b->isEnabled()) live.push_back(b);
                if (live.empty()) continue;
                QAbstractButton* b = live[pick() % live.size()];
                what = QStringLiteral("click ") + b->text();
                if (b == w.button(Control::About1)) {
                    // The About box is modal: close it from inside its own loop.
                    QTimer::singleShot(chance(20), [] {
                        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
                    });
                }
                if (b == w.button(Control::btnnew)) ++deals;
                QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
            } else if (kind < 75) {
                QWidget* focus = QApplication::focusWidget();
                if (focus == w.button(Control::About1))
                    QTimer::singleShot(1, [] {
                        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
                    });
                const Qt::Key key = keys[pick() % keys.size()];
                what = QStringLiteral("key %1").arg(key);
                QTest::keyClick(focus ? focus : static_cast<QWidget*>(&w), key);
            } else if (kind < 85) {
                if (!w.panel()->isVisible()) continue;
                QLineEdit* edit = edits[pick() % edits.size()];
                what = QStringLiteral("type into ") + edit->objectName();
                edit->selectAll();
                QTest::keyClicks(edit, QString::fromLatin1(junk[pick() % junk.size()]));
            } else {
                // A tick of whichever animation timer is running.
                const Timer t =
                    std::array{Timer::randomwink, Timer::winkanim, Timer::wintimer}[pick() % 3];
                if (!w.services().isTimerEnabled(t)) continue;
                what = QStringLiteral("tick %1").arg(static_cast<int>(t));
                w.guarded([&] { game.tick(t); });
            }
            QCoreApplication::processEvents();

            // ---- invariants -------------------------------------------------
            const QByteArray where = QStringLiteral("event %1 (%2)").arg(e).arg(what).toUtf8();
            const std::string broken = checker.after(game, w.services(), moneyReset);
            QVERIFY2(broken.empty(), (where + ": " + broken.c_str()).constData());
            if (checker.showdownNow) ++showdowns;
            if (game.dealdecided() && !decidedBefore && !moneyReset) ++matches; // ended deals
        }
        qInfo("level %d: %d events, %d Deal clicks, %d deals ended, %d showdowns, %d boxes",
              s.complevel, perLevel, deals, matches, showdowns, boxes);
    }

  private:
    stud::testing::TempDir run{"studmonkey"}, config{"studconfig"};
    int events = 20000;
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
