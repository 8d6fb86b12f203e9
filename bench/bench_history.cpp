// What the history costs: opening a file of 10,000 deals at start-up, writing
// one deal into it (and the syncs that reach the disk), the history and
// statistics windows opening over it, and the start of the real window up to
// its first frame with and without it. The real window runs offscreen.

#include "support/fakeservices.h"
#include "support/faultvfs.h"
#include "support/tempdir.h"
#include "tests/ui/tablerun.h"

#include "cards/random.h"
#include "game/game.h"
#include "history/recorder.h"
#include "history/store.h"
#include "table/settings.h"
#include "ui/historywindow.h"
#include "ui/imagesets.h"
#include "ui/tablewindow.h"

#include <QApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

using namespace stud;

constexpr int kDeals = 10000;

QApplication& application() {
    return *static_cast<QApplication*>(QCoreApplication::instance());
}

// Real deals, played by the engine, kept in memory.
struct Collect final : HistorySink {
    std::vector<DealRecord> deals;
    void dealfinished(const DealRecord& d) override { deals.push_back(d); }
    void matchended(MatchEnd, SeatId) override {}
};

// A folder whose sevenstud/history.sqlite holds 10,000 deals: 200 played
// ones, written fifty times over.
const testing::TempDir& fullHistory() {
    static testing::TempDir dir("studbench");
    static bool made = false;
    if (!made) {
        made = true;
        Collect sink;
        testing::FakeServices ui(testing::FakeServices::Record::nothing);
        ui.showForm();
        Xoshiro rng(3);
        MemorySettings ini("");
        Game game(ui, rng, ini);
        Recorder rec(game, sink, [] { return std::int64_t{1700000000}; });
        game.watch(&rec);
        game.startup();
        while (sink.deals.size() < 200) {
            if (ui.isEnabled(Control::btnpass))
                game.click(Control::btnstay);
            else
                game.click(ui.isEnabled(Control::btnnew) ? Control::btnnew : Control::NewGame1);
        }
        HistoryStore store(dir.file("sevenstud/history.sqlite"));
        for (int i = 0; i < kDeals; ++i) store.dealfinished(sink.deals[i % sink.deals.size()]);
    }
    return dir;
}

std::string fullFile() {
    return fullHistory().file("sevenstud/history.sqlite");
}

void BM_HistoryOpen(benchmark::State& state) {
    const std::string path = fullFile();
    for (auto _ : state) {
        HistoryStore store(path);
        benchmark::DoNotOptimize(store.recording());
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(BM_HistoryOpen)->Unit(benchmark::kMillisecond);

// One finished deal written into the full history (the oldest trimmed), and
// the syncs it makes.
void BM_HistoryWriteDeal(benchmark::State& state) {
    testing::FaultVfs& vfs = testing::FaultVfs::install();
    testing::TempDir dir("studbench");
    const std::string path = dir.file("history.sqlite");
    std::filesystem::copy_file(fullFile(), path);
    const long long before = vfs.syncs;
    long long deals = 0;
    {
        HistoryStore store(path);
        const long long opened = vfs.syncs;
        state.counters["syncs_at_open"] = static_cast<double>(opened - before);
        const auto d = store.deal(store.deals().front().number);
        for (auto _ : state) {
            store.dealfinished(*d);
            ++deals;
        }
        state.counters["syncs_per_deal"] =
            static_cast<double>(vfs.syncs - opened) / static_cast<double>(deals);
        const long long written = vfs.syncs;
        benchmark::DoNotOptimize(written);
    }
}
BENCHMARK(BM_HistoryWriteDeal)->Unit(benchmark::kMillisecond);

void BM_HistoryWindowOpens(benchmark::State& state) {
    HistoryStore store(fullFile());
    const ImageSets images(1);
    for (auto _ : state) {
        HistoryWindow w(store, images);
        w.show();
        application().processEvents();
        benchmark::DoNotOptimize(w.current());
    }
}
BENCHMARK(BM_HistoryWindowOpens)->Unit(benchmark::kMillisecond);

void BM_StatisticsWindowOpens(benchmark::State& state) {
    HistoryStore store(fullFile());
    for (auto _ : state) {
        StatisticsWindow w(store);
        w.show();
        application().processEvents();
    }
}
BENCHMARK(BM_StatisticsWindowOpens)->Unit(benchmark::kMillisecond);

class FirstPaint : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// The window built, the game started and the first frame painted; with 0 an
// empty history folder, with 1 the 10,000 deals.
void BM_StartToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        testing::TempDir data("studbench");
        if (state.range(0)) {
            std::filesystem::create_directories(data.path() / "sevenstud");
            std::filesystem::copy_file(fullFile(), data.file("sevenstud/history.sqlite"));
        }
        testing::TableRun run(std::make_unique<SplitMix>(1), true, 1);
        run.w.reset();
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.path().string()));
        state.ResumeTiming();
        auto w = std::make_unique<TableWindow>(std::make_unique<SplitMix>(1), 1);
        FirstPaint paint;
        w->installEventFilter(&paint);
        w->start();
        w->show();
        while (!paint.painted) application().processEvents();
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
