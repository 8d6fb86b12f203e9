// The worst wait a player sees: a click on Check/Call at the Genius level
// (900 trials per estimate) until the table's frame has been painted again.
// The real window runs offscreen in a scratch working directory holding the
// table bitmap; its settings go to a scratch folder too.

#include "support/gamesteps.h"
#include "tests/ui/servicesseam.h"
#include "tests/ui/tablerun.h"
#include "ui/gradientbutton.h"
#include "ui/tablewindow.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The application object lives in main, on its stack: a function-local static
// would be destroyed after Qt's own globals and crash the program at exit.
QApplication& application() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Counts the window's paint events, to show that every timed click ends
// with a painted frame.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void BM_CallClickToFrame(benchmark::State& state) {
    QApplication& app = application();
    // Scratch working and settings folders; boxes are answered Yes or OK.
    stud::testing::TableRun run(std::make_unique<stud::Xoshiro>(1), true, 0);
    const std::unique_ptr<stud::TableWindow>& w = run.w;
    if (!w->start()) {
        state.SkipWithError("start-up failed");
        return;
    }
    stud::GameSteps{w->game()}.table().complevel = static_cast<std::int32_t>(state.range(0));
    stud::GameSteps{w->game()}.table().soundon = false;
    w->show();
    app.processEvents();
    for (stud::Timer t : {stud::Timer::randomwink, stud::Timer::winkanim, stud::Timer::wintimer})
        stud::testing::QtServicesSeam(w->services()).timer(t)->stop();

    PaintCounter counter;
    w->installEventFilter(&counter);
    int timedPaints = 0;

    stud::GradientButton* call = w->button(stud::Control::btnstay);
    stud::GradientButton* deal = w->button(stud::Control::btnnew);
    stud::GradientButton* newGame = w->button(stud::Control::NewGame1);
    for (auto _ : state) {
        if (!call->isEnabled()) {
            state.PauseTiming();
            if (deal->isEnabled())
                deal->click();
            else
                newGame->click(); // the match is over
            app.processEvents();
            state.ResumeTiming();
        }
        const int before = counter.paints;
        call->click();       // the game's whole answer runs inside the click
        app.processEvents(); // and the frame is painted on the next pass
        timedPaints += counter.paints - before;
    }
    state.counters["paints_per_click"] =
        benchmark::Counter(timedPaints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CallClickToFrame)->Arg(200)->Arg(900)->Unit(benchmark::kMillisecond);

} // namespace

// Its own main (the library's is then left out at link time), so that the
// application object is on main's stack and ends before Qt's globals.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
