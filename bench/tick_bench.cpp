// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// Main-thread cost of one tick: the clock logic alone, idle and with a countdown running, and
// the real window's handler with its text updates and immediate repaint (offscreen platform).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <array>

#include "ClockTick.h"
#include "MainModule.h"
#include "OfflineBrowser.h"
#include "SystemLocalClock.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

namespace {

// The auction site's end-time form, which takes the longest path through the conversion.
constexpr const char* kEndText = "(Tuesday, Dec 08, 2026 17:30:00 PST)";

// Keeps the box texts, which the countdown step reads back; draws nothing.
class TextOnlyView : public countdown::MainView {
  public:
    std::string text(countdown::TimeBox box) const override {
        return texts_[static_cast<std::size_t>(box)];
    }
    void setText(countdown::TimeBox box, const std::string& text) override {
        texts_[static_cast<std::size_t>(box)] = text;
    }
    void repaintNow(countdown::TimeBox) override {}
    void setIndicatorVisible(bool visible) override { benchmark::DoNotOptimize(visible); }
    void setIndicatorColour(countdown::Colour colour) override { benchmark::DoNotOptimize(colour); }
    void focusBox(countdown::TimeBox) override {}
    void showCriticalMessage(const std::string&, const std::string&) override {}
    void setStatusPanelText(int, const std::string& text) override {
        benchmark::DoNotOptimize(text.data());
    }

  private:
    std::array<std::string, 3> texts_;
};

void TickLogicWithSystemClock(benchmark::State& state) {
    TextOnlyView view;
    platform::SystemLocalClock clock;
    for (auto _ : state) countdown::runTick(view, clock, countdown::usEnglishSettings());
}
BENCHMARK(TickLogicWithSystemClock);

void TickLogicCountingDown(benchmark::State& state) {
    TextOnlyView view;
    view.setText(countdown::TimeBox::AuctionEnd, kEndText);
    platform::SystemLocalClock clock;
    for (auto _ : state) {
        // The countdown would end once a day, at the end's time of day.
        MainModule::RunFlag = 1;
        countdown::runTick(view, clock, countdown::usEnglishSettings());
    }
}
BENCHMARK(TickLogicCountingDown);

void WindowTick(benchmark::State& state) {
    frmMain window;
    window.show();
    window.Form_Load();
    MainModule::RunFlag = 0;
    for (auto _ : state) window.Timer1_Timer();
}
BENCHMARK(WindowTick);

void WindowTickCountingDown(benchmark::State& state) {
    frmMain window;
    window.show();
    window.Form_Load();
    window.findChild<QLineEdit*>("txtauctionend")->setText(kEndText);
    for (auto _ : state) {
        MainModule::RunFlag = 1;
        window.Timer1_Timer();
    }
    MainModule::RunFlag = 0;
}
BENCHMARK(WindowTickCountingDown);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    keepBrowserOnThisMachine();
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
