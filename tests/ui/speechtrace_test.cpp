// Everything a screen reader hears, over whole scripted matches: each click's
// report, the hands and seat summaries whenever they change, the message
// boxes, through blinks, win animations, folds, seats going broke, a new card
// back and new matches. Compared line by line with a recorded trace, so a
// change to the window's speech or to the engine's events shows up as the
// first line that differs. STUD_SPEECH_RECORD=path writes the trace instead.
// The same matches played on the move keys instead of clicks must be heard
// word for word the same.

#include "tablerun.h"
#include "ui/accessibility.h"
#include "ui/gradientbutton.h"
#include "ui/movekeys.h"
#include "ui/optionspanel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdint>

using namespace stud;

namespace {

constexpr std::array<Control, 5> kNameLabels{Control::Label2, Control::freakcash, Control::geekcash,
                                             Control::mastercash, Control::champcash};

struct Recorder : stud::testing::TableRun {
    QStringList lines;
    std::array<QString, 5> hands, seats;
    int said = 0;
    std::uint64_t lcg;
    bool byKeys;

    Recorder(std::uint64_t seed, bool keys)
        : TableRun(seed), lcg(seed * 2654435761u + 1), byKeys(keys) {}
    void record(const MessageRequest& r) override {
        sayNew();
        lines << QStringLiteral("box [%1] %2").arg(r.caption, r.text);
    }
    // What was announced since last looked at (before a box opens, what
    // happened so far is told first).
    void sayNew() {
        if (w->announcer()->count() == said) return;
        said = w->announcer()->count();
        lines << QStringLiteral("say %1").arg(w->announcer()->last());
    }

    int pick(int n) {
        lcg = lcg * 6364136223846793005u + 1442695040888963407u;
        return static_cast<int>((lcg >> 33) % static_cast<std::uint64_t>(n));
    }

    // Runs what the event queued (the speech's deferred updates), never a
    // timer: ticks come only from tick(), so a run is the same every time.
    void settle() {
        QCoreApplication::sendPostedEvents();
        sayNew();
        for (int s = 0; s < 5; ++s) {
            const QString h = w->hand(s)->text();
            if (h != hands[s]) lines << QStringLiteral("hand %1").arg(hands[s] = h);
            const QString n = w->label(kNameLabels[s])->accessibleName();
            if (n != seats[s]) lines << QStringLiteral("seat %1").arg(seats[s] = n);
        }
    }

    void click(Control c) {
        lines << QStringLiteral("click %1").arg(w->button(c)->text());
        if (byKeys) {
            for (const MoveKey& m : moveKeys())
                if (m.control == c) QTest::keySequence(QApplication::focusWidget(), m.key);
        } else {
            w->button(c)->click();
        }
        settle();
    }
    void panel(Control c) {
        lines << QStringLiteral("panel %1").arg(static_cast<int>(c));
        emit w->panel()->activated(c);
        settle();
    }
    // One tick of each running timer, as the window's own timers give them.
    void tick(int times) {
        for (int i = 0; i < times; ++i)
            for (Timer t : {Timer::randomwink, Timer::winkanim, Timer::wintimer}) {
                QTimer* timer = stud::testing::QtServicesSeam(w->services()).timer(t);
                if (!timer->isActive()) continue;
                QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
                settle();
            }
    }
    bool on(Control c) { return w->button(c)->isEnabled(); }

    // A match played by a careless but busy player.
    void play(int steps, bool lowCash) {
        QVERIFY(w->start());
        if (byKeys) {
            // Keys reach only the active window. Shown without running the
            // event loop, so that no timer ticks on its own.
            w->show();
            QApplication::setActiveWindow(w.get());
            QVERIFY(QApplication::focusWidget());
        }
        settle();
        lines << QStringLiteral("start %1").arg(w->startReport());
        if (lowCash) {
            click(Control::Options1);
            w->panel()->setText(Control::money, QStringLiteral("100"));
            panel(Control::enter);
            w->panel()->setText(Control::until, QStringLiteral("100"));
            panel(Control::unenter);
            w->panel()->setPosition(Control::UpDown1, 5);
            panel(Control::UpDown1);
            w->panel()->selectItem(Control::background, 3);
            panel(Control::background);
            panel(Control::Close);
            answers.push_back(Answer::Yes);
            click(Control::NewGame1);
        }
        for (int step = 0; step < steps; ++step) {
            tick(pick(3));
            if (on(Control::btnstay)) {
                const int r = pick(20);
                click(r < 11 ? Control::btnstay : r < 17 ? Control::btnbet : Control::btnpass);
            } else if (on(Control::btnnew)) {
                tick(6);
                click(Control::btnnew);
            } else {
                click(Control::NewGame1);
            }
            if (pick(40) == 0) {
                answers.push_back(pick(2) ? Answer::Yes : Answer::No);
                click(Control::NewGame1);
            }
        }
    }
};

QString trace(bool byKeys) {
    QStringList all;
    const struct {
        std::uint64_t seed;
        int steps;
        bool lowCash;
    } sessions[] = {{1, 120, false}, {2, 120, false}, {3, 150, true}, {11, 150, true}};
    for (const auto& s : sessions) {
        Recorder r(s.seed, byKeys);
        r.play(s.steps, s.lowCash);
        all << QStringLiteral("== session %1").arg(s.seed) << r.lines;
    }
    return all.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

class SpeechTraceTest : public QObject {
    Q_OBJECT
  private slots:
    void sameAsRecorded_data();
    void sameAsRecorded();
};

void SpeechTraceTest::sameAsRecorded_data() {
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("clicks") << false;
    QTest::newRow("move keys") << true;
}

void SpeechTraceTest::sameAsRecorded() {
    QFETCH(bool, byKeys);
    const QString got = trace(byKeys);
    const QString out = qEnvironmentVariable("STUD_SPEECH_RECORD");
    if (!out.isEmpty()) {
        if (byKeys) return;
        QFile f(out);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(got.toUtf8());
        return;
    }
    QFile f(QStringLiteral("%1/tests/ui/data/speech.trace")
                .arg(qEnvironmentVariable("STUD_SOURCE_DIR")));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const QStringList want = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    const QStringList have = got.split(QLatin1Char('\n'));
    for (int i = 0; i < std::min(want.size(), have.size()); ++i)
        QVERIFY2(want[i] == have[i],
                 qPrintable(QStringLiteral("line %1:\n  recorded %2\n  now      %3")
                                .arg(i + 1)
                                .arg(want[i], have[i])));
    QCOMPARE(have.size(), want.size());
}

QTEST_MAIN(SpeechTraceTest)
#include "speechtrace_test.moc"
