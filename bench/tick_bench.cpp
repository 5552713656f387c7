// Main-thread cost of one tick: the clock logic alone, and the real window's handler with its
// text updates and immediate repaint (offscreen platform).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ClockTick.h"
#include "MainModule.h"
#include "SystemLocalClock.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

namespace {

class NullView : public countdown::MainView {
  public:
    std::string text(countdown::TimeBox) const override { return {}; }
    void setText(countdown::TimeBox, const std::string& text) override {
        benchmark::DoNotOptimize(text.data());
    }
    void repaintNow(countdown::TimeBox) override {}
    void setIndicatorVisible(bool) override {}
    void setStatusPanelText(int, const std::string& text) override {
        benchmark::DoNotOptimize(text.data());
    }
};

void TickLogicWithSystemClock(benchmark::State& state) {
    NullView view;
    platform::SystemLocalClock clock;
    for (auto _ : state) countdown::runTick(view, clock);
}
BENCHMARK(TickLogicWithSystemClock);

void WindowTick(benchmark::State& state) {
    frmMain window;
    window.show();
    window.Form_Load();
    for (auto _ : state) window.Timer1_Timer();
}
BENCHMARK(WindowTick);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
