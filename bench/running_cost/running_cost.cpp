// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// Main-thread cost of running: the real main window with its page and a countdown, or with
// --floor a bare window whose one line edit is set every 100 ms, or with --floor-repaint the same
// edit painted at once when its text changes, as the clock box is. After a warm-up it
// measures the main thread's CPU over the given time and the time of each tick.
// Usage: running_cost [--window | --floor | --floor-repaint] [--seconds N] [--warmup S]
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QTime>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "MainModule.h"
#include "OfflineBrowser.h"
#include "PanelStatusBar.h"
#include "Percentiles.h"
#include "ThreadCpu.h"
#include "TickSource.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

namespace {

// Far ahead, so the countdown runs for the whole measurement; in the auction site's form,
// which takes the longest path through the date conversion.
constexpr const char* kEndText = "(Thursday, Dec 31, 2099 17:30:00 PST)";

// Times each tick while measuring, in microseconds of wall time and of thread CPU time: from
// the start of the timer or timer-file event that fires it (noted by an application-wide event
// filter) to the return of its handler (a slot connected after the handler).
class TickTimes : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Timer || event->type() == QEvent::SockAct) {
            wallStart_ = std::chrono::steady_clock::now();
            cpuStart_ = thread_cpu::now();
        }
        return false;
    }

    void tickDone() {
        if (!measuring) return;
        cpuUs.push_back(static_cast<double>((thread_cpu::now() - cpuStart_).count()) / 1e3);
        wallUs.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - wallStart_)
                .count());
    }

    bool measuring = false;
    std::vector<double> wallUs;
    std::vector<double> cpuUs;

  private:
    std::chrono::steady_clock::time_point wallStart_;
    std::chrono::nanoseconds cpuStart_{};
};

}  // namespace

int main(int argc, char** argv) {
    keepBrowserOnThisMachine();
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ticklot"));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption windowOption("window", "The main window (the default).");
    const QCommandLineOption floorOption("floor", "A bare window with one line edit instead.");
    const QCommandLineOption floorRepaintOption("floor-repaint",
                                                "The bare window, its edit painted at once.");
    const QCommandLineOption secondsOption("seconds", "Length of the measurement.", "N", "60");
    const QCommandLineOption warmupOption("warmup", "Seconds before it starts.", "S", "5");
    parser.addOptions({windowOption, floorOption, floorRepaintOption, secondsOption, warmupOption});
    parser.process(app);
    const bool repaintAtOnce = parser.isSet(floorRepaintOption);
    const bool floor = parser.isSet(floorOption) || repaintAtOnce;

    TickTimes times;
    app.installEventFilter(&times);
    std::unique_ptr<QWidget> window;
    QTimer floorTimer;
    frmMain* ticklot = nullptr;
    if (floor) {
        window = std::make_unique<QWidget>();
        auto* edit = new QLineEdit(window.get());
        QObject::connect(&floorTimer, &QTimer::timeout, edit, [edit, repaintAtOnce] {
            const QString text = QTime::currentTime().toString("h:mm:ss");
            const bool changed = text != edit->text();
            edit->setText(text);
            if (repaintAtOnce && changed) edit->repaint();
        });
        QObject::connect(&floorTimer, &QTimer::timeout, &times, &TickTimes::tickDone);
        window->show();
        floorTimer.start(100);
    } else {
        window = std::make_unique<frmMain>();
        ticklot = static_cast<frmMain*>(window.get());
        ticklot->start();
        QObject::connect(ticklot->findChild<platform::TickSource*>("Timer1"),
                         &platform::TickSource::tick, &times, &TickTimes::tickDone);
        // Start compares the end with the clock's text, which the first tick writes.
        QTimer::singleShot(500, ticklot, [ticklot] {
            ticklot->findChild<QLineEdit*>("txtauctionend")->setText(kEndText);
            ticklot->cmdStart_Click();
        });
    }

    std::chrono::nanoseconds cpuStart{};
    std::chrono::steady_clock::time_point wallStart;
    QTimer::singleShot(parser.value(warmupOption).toInt() * 1000, [&] {
        times.measuring = true;
        cpuStart = thread_cpu::now();
        wallStart = std::chrono::steady_clock::now();
        QTimer::singleShot(parser.value(secondsOption).toInt() * 1000, [&] {
            times.measuring = false;
            const double cpu = std::chrono::duration<double>(thread_cpu::now() - cpuStart).count();
            const double wall =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
            const Percentiles tickWall = percentilesOf(times.wallUs);
            const Percentiles tickCpu = percentilesOf(times.cpuUs);
            std::printf("%s on %s: main thread %.3f %% of one core over %.0f s\n",
                        repaintAtOnce ? "floor (one line edit, painted at once)"
                        : floor       ? "floor (one line edit)"
                                      : "ticklot window",
                        qPrintable(QGuiApplication::platformName()), 100.0 * cpu / wall, wall);
            std::printf(
                "  %zu ticks: wall p50 %.0f us, p99 %.0f us; thread CPU p50 %.0f us, "
                "p99 %.0f us\n",
                times.wallUs.size(), tickWall.p50, tickWall.p99, tickCpu.p50, tickCpu.p99);
            if (ticklot) {
                std::printf("  countdown %s (timer box \"%s\"), page title \"%s\"\n",
                            MainModule::RunFlag == 1 ? "running" : "NOT RUNNING",
                            qPrintable(ticklot->findChild<QLineEdit*>("txtTimer")->text()),
                            qPrintable(ticklot->findChild<PanelStatusBar*>()->panelText(1)));
            }
            QCoreApplication::exit(ticklot && MainModule::RunFlag != 1 ? 1 : 0);
        });
    });
    return QApplication::exec();
}
