// The zoomed and full-screen table: a whole redraw of the table at 3840 x 2160
// (the game's drawing into the canvas and the window's paint) once its
// pictures are prepared, a change of zoom until the frame is painted, and the
// memory the program holds full screen at 4K. The window runs offscreen on a
// 3840 x 2160 screen in a scratch working directory.

#include "tests/ui/servicesseam.h"
#include "tests/ui/tablerun.h"
#include "ui/tablewindow.h"
#include "ui/viewcontrol.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

QApplication& application() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

void quiet(stud::TableWindow& w) {
    for (stud::Timer t : {stud::Timer::randomwink, stud::Timer::winkanim, stud::Timer::wintimer})
        stud::testing::QtServicesSeam(w.services()).timer(t)->stop();
}

// Resident memory of the process, in megabytes.
double residentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void BM_FullScreenRedraw4K(benchmark::State& state) {
    QApplication& app = application();
    stud::testing::TableRun run(std::make_unique<stud::Xoshiro>(1), true, 1);
    stud::TableWindow& w = *run.w;
    if (!w.start()) {
        state.SkipWithError("start-up failed");
        return;
    }
    w.show();
    w.view().setFullScreen(true);
    app.processEvents();
    quiet(w);
    if (w.canvas().height() < 2160) {
        state.SkipWithError("no 3840 x 2160 screen");
        return;
    }
    // The pictures at this resolution are made once, at the zoom change.
    w.services().repaintWindow();
    w.repaint();
    const bool paint = state.range(0) != 0;
    for (auto _ : state) {
        w.services().repaintWindow(); // the table and every card, into the canvas
        if (paint) w.repaint();       // and onto the window, now
    }
    state.counters["rss_mb"] = residentMb();
    state.counters["canvas_px"] = w.canvas().width() * double(w.canvas().height());
}
// 0: into the canvas only; 1: and the window painted.
BENCHMARK(BM_FullScreenRedraw4K)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// From the key to the painted frame: the pictures made for the new size, the
// canvas drawn again, every control placed and the window painted; and to
// the frame with the sharpest table (sharp_ms).
void BM_ZoomChange(benchmark::State& state) {
    QApplication& app = application();
    stud::testing::TableRun run(std::make_unique<stud::Xoshiro>(1), true, 1);
    stud::TableWindow& w = *run.w;
    if (!w.start()) {
        state.SkipWithError("start-up failed");
        return;
    }
    w.show();
    app.processEvents();
    quiet(w);
    // Three levels in turn, so that every change makes its pictures afresh
    // (the size before is kept, and going back to it would cost nothing).
    const int levels[] = {100, static_cast<int>(state.range(0)) - 50,
                          static_cast<int>(state.range(0))};
    QElapsedTimer first;
    first.start();
    w.view().setZoom(levels[2]); // the larger strips decoded, once per run
    app.processEvents();
    w.repaint();
    state.counters["first_ms"] = double(first.nsecsElapsed()) / 1e6;
    // Above 200 % the four-times table is decoded aside: until it shows, the
    // frame above has the double one enlarged.
    const stud::testing::QtServicesSeam seam(w.services());
    while (seam.decodingTable()) app.processEvents(QEventLoop::WaitForMoreEvents);
    w.repaint();
    state.counters["sharp_ms"] = double(first.nsecsElapsed()) / 1e6;
    int next = 0;
    for (auto _ : state) {
        w.view().setZoom(levels[next]);
        app.processEvents();
        w.repaint();
        next = (next + 1) % 3;
    }
    if (w.view().zoom() != levels[(next + 2) % 3])
        state.SkipWithError("the screen does not hold the zoom");
}
BENCHMARK(BM_ZoomChange)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // Offscreen, on a 4K screen of scale 1, unless the caller chose another
    // platform or screen.
    const QString screen = QDir::temp().filePath(QStringLiteral("studbench-4k.json"));
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        QFile f(screen);
        if (f.open(QIODevice::WriteOnly))
            f.write(R"({"screens": [{"name": "4k", "x": 0, "y": 0, "width": 3840,)"
                    R"( "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96}]})");
        f.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).toLocal8Bit());
    }
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
