// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// How late the clock box shows each new second: the real window driven by its own tick source,
// next to an identical box in the same window driven by a free-running 100 ms precise timer.
// With --clock-checks, clock checks run one after the other throughout, against a loopback
// server 80 ms of round trip away, to show whether a check running delays the clock. With
// --last-seconds, countdowns of 12 s run one after another with "Sound the Last Seconds" on
// (set in settings of this run alone), so that its figures can be set beside a run without; the
// sound server is the one PULSE_SERVER names (see last_seconds.sh).
// With --corrected, the clock runs corrected by a measurement (2.345678 s ahead, on the step-free
// clock), as with the clock check window's box on; lags then count from the corrected seconds.
// Usage: clock_lag_bench [--seconds N] [--warmup S] [--rephase-ms M] [--clock-checks]
//                        [--last-seconds] [--corrected]
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <variant>

#include "ClockCheckRun.h"
#include "ClockCorrection.h"
#include "ClockPair.h"
#include "ClockTick.h"
#include "LoopbackDateServer.h"
#include "OfflineBrowser.h"
#include "Percentiles.h"
#include "RepeatedCountdowns.h"
#include "SecondLags.h"
#include "ShownTexts.h"
#include "SystemLocalClock.h"
#include "SystemRegionalSettings.h"
#include "TickSource.h"
#include "TwinClockView.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

namespace {

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("?");
    return QString::fromLatin1(file.readLine()).section(u' ', 0, 2);
}

void printRow(const char* name, const std::vector<double>& lagsMs, int missed) {
    const Percentiles summary = percentilesOf(lagsMs);
    std::printf("%-30s %6zu %7d %8.2f %8.2f %8.2f\n", name, lagsMs.size(), missed, summary.p50,
                summary.p99, summary.max);
}

double ratio(double a, double b) { return b > 0 ? a / b : 0; }

}  // namespace

int main(int argc, char** argv) {
    keepBrowserOnThisMachine();
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption secondsOption("seconds", "Length of the measurement.", "N", "60");
    // Start-up (the browser engine starting, the first page loading) is not what is measured.
    const QCommandLineOption warmupOption("warmup", "Seconds before it starts.", "S", "5");
    // A plain 100 ms timer keeps the phase it started with, so within one run its lag would be
    // one arbitrary value. Moving it to a random phase now and then samples the lags a
    // user would meet over many program starts; 0 keeps one phase for the whole run.
    const QCommandLineOption rephaseOption("rephase-ms",
                                           "Move the free-running timer to a random phase "
                                           "about this often (0: never).",
                                           "M", "1000");
    const QCommandLineOption checksOption("clock-checks", "Run clock checks all the while.");
    const QCommandLineOption soundOption("last-seconds",
                                         "Sound the last seconds of countdowns all the while.");
    const QCommandLineOption correctedOption("corrected",
                                             "Run the clock corrected, as with the box on.");
    parser.addOptions(
        {secondsOption, warmupOption, rephaseOption, checksOption, soundOption, correctedOption});
    parser.process(app);
    const int seconds = std::max(1, parser.value(secondsOption).toInt());
    const int rephaseMs = std::max(0, parser.value(rephaseOption).toInt());
    const int warmup = std::max(0, parser.value(warmupOption).toInt());

    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    frmMain window;
    RepeatedCountdowns countdowns(window, 12, 0);
    if (parser.isSet(soundOption)) {
        window.findChild<QAction*>("mnuSoundLastSeconds")->setChecked(true);
        countdowns.begin(1000);
    }
    auto* realBox = window.findChild<QLineEdit*>("txtebaytime");

    // The twin sits in the same window, below the countdown buttons, so that showing it costs
    // the same repaint and flush.
    auto* twinBox = new QLineEdit(realBox->parentWidget());
    twinBox->setFont(realBox->font());
    twinBox->setAlignment(realBox->alignment());
    twinBox->setReadOnly(realBox->isReadOnly());
    twinBox->setGeometry(realBox->geometry().translated(0, 5 * realBox->height() + 150));

    ShownTexts realShown(realBox);
    ShownTexts twinShown(twinBox);
    TwinClockView twinView(twinBox);
    QObject::connect(window.findChild<platform::TickSource*>("Timer1"), &platform::TickSource::tick,
                     [&] { realShown.tickReturned(); });
    platform::SystemLocalClock clock;
    const countdown::RegionalSettings regional = platform::systemRegionalSettings();

    // When a re-phase is due, one interval is shortened to a random length, so no gap between
    // two ticks of the free-running timer ever exceeds 100 ms.
    QTimer freeRunning;
    freeRunning.setTimerType(Qt::PreciseTimer);
    bool rephaseDue = false;
    QObject::connect(&freeRunning, &QTimer::timeout, [&] {
        countdown::runTick(twinView, clock, regional);
        twinShown.tickReturned();
        if (rephaseDue) {
            freeRunning.start(1 + QRandomGenerator::global()->bounded(100));
            rephaseDue = false;
        } else if (freeRunning.interval() != 100) {
            freeRunning.start(100);
        }
    });
    QTimer rephase;
    rephase.setSingleShot(true);
    QObject::connect(&rephase, &QTimer::timeout, [&] {
        rephaseDue = true;
        rephase.start(rephaseMs + QRandomGenerator::global()->bounded(100));
    });

    // The program's own check runs, on its thread, one after another; each outcome arrives on
    // the main thread as it does for the clock check window.
    std::unique_ptr<LoopbackDateServer> dateServer;
    std::unique_ptr<ClockCheckRun> check;
    int checksDone = 0;
    std::function<void()> startCheck = [&] {
        check = std::make_unique<ClockCheckRun>(
            QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(dateServer->port())), &window,
            [&](const clockcheck::CheckOutcome& outcome) {
                checksDone += std::holds_alternative<clockcheck::ClockOffset>(outcome);
                QTimer::singleShot(0, &window, startCheck);
            });
    };
    if (parser.isSet(checksOption)) {
        dateServer = std::make_unique<LoopbackDateServer>(
            LoopbackDateServer::Behaviour{2'345'678, 40'000, 40'000});
        startCheck();
    }

    constexpr std::int64_t kCorrectionUs = 2'345'678;
    if (parser.isSet(correctedOption))
        platform::clockCorrection().correct(
            platform::siteAheadOfStepFree(kCorrectionUs, platform::readClockPair()));

    const QString loadBefore = loadAverage();
    window.start();
    freeRunning.start(100);
    if (rephaseMs > 0) rephase.start(rephaseMs);
    const std::int64_t fromNs =
        (platform::correctedClockNow() + warmup * std::int64_t{1'000'000}) * 1000;
    QTimer::singleShot((warmup + seconds) * 1000, &app, &QCoreApplication::quit);
    QApplication::exec();
    check.reset();

    const SecondLags real = secondLags(realShown.shown(), fromNs);
    const SecondLags twin = secondLags(twinShown.shown(), fromNs);
    std::printf("platform %s, %d s, free-running timer re-phased every ~%d ms, load %s -> %s\n",
                qPrintable(QGuiApplication::platformName()), seconds, rephaseMs,
                qPrintable(loadBefore), qPrintable(loadAverage()));
    if (dateServer) std::printf("clock checks completed with an offset: %d\n", checksDone);
    if (parser.isSet(soundOption))
        std::printf("countdowns with the last seconds sounded: %d\n", countdowns.started());
    if (platform::clockCorrection().isOn())
        std::printf("clock corrected by %+.6f s, lags on the corrected clock\n",
                    kCorrectionUs / 1e6);
    std::printf("%-30s %6s %7s %8s %8s %8s\n", "lag of a new second", "shown", "missed", "p50 ms",
                "p99 ms", "max ms");
    printRow("tick source, painted", real.paintedMs, real.missedSeconds);
    printRow("tick source, tick returned", real.returnedMs, real.missedSeconds);
    printRow("free-running, painted", twin.paintedMs, twin.missedSeconds);
    printRow("free-running, tick returned", twin.returnedMs, twin.missedSeconds);
    const Percentiles realReturned = percentilesOf(real.returnedMs);
    const Percentiles twinReturned = percentilesOf(twin.returnedMs);
    std::printf("%-30s %6s %7s %8.1f %8.1f %8.1f\n", "ratio free / tick, returned", "", "",
                ratio(twinReturned.p50, realReturned.p50),
                ratio(twinReturned.p99, realReturned.p99),
                ratio(twinReturned.max, realReturned.max));
    const bool met = realReturned.p99 <= 5.0;
    std::printf("target p99 <= 5 ms for the tick source: %s\n", met ? "met" : "MISSED");
    return met ? 0 : 1;
}
