#pragma once

#include "cards/random.h"
#include "rundir.h"
#include "servicesseam.h"
#include "support/gamesteps.h"
#include "ui/gradientbutton.h"
#include "ui/qtservices.h"
#include "ui/tablewindow.h"

#include <QDir>
#include <QTest>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>

namespace stud::testing {

// The real table window on a fresh working folder (with the shipped run
// files, or without) and a fresh settings folder. Message boxes are answered
// at once, from `answers` front first, else with Ok or Yes; each is shown to
// record() first.
struct TableRun {
    TempDir runDir{"studrun"}, configDir{"studconfig"};
    const QString run = qPath(runDir), config = qPath(configDir);
    QString oldDir = QDir::currentPath();
    std::unique_ptr<TableWindow> w;
    std::deque<Answer> answers;

    explicit TableRun(std::uint64_t seed, bool withData = true, int scale = 1)
        : TableRun(std::make_unique<SplitMix>(seed), withData, scale) {}
    TableRun(std::unique_ptr<Random> random, bool withData, int scale) {
        if (withData) copyRunFiles(run);
        QDir::setCurrent(run);
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        // The history too lives in the test's own folder, never the user's.
        qputenv("XDG_DATA_HOME", config.toLocal8Bit());
        w = std::make_unique<TableWindow>(std::move(random), scale);
        stud::testing::QtServicesSeam(w->services()).setAnswerer([this](const MessageRequest& r) {
            record(r);
            if (!answers.empty()) {
                const Answer a = answers.front();
                answers.pop_front();
                return a;
            }
            return r.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
        });
    }
    virtual ~TableRun() {
        w.reset();
        QDir::setCurrent(oldDir);
    }
    TableRun(const TableRun&) = delete;
    TableRun& operator=(const TableRun&) = delete;

    virtual void record(const MessageRequest&) {}

    bool startAndShow() {
        if (!w->start()) return false;
        w->show();
        return QTest::qWaitForWindowExposed(w.get());
    }
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

} // namespace stud::testing
