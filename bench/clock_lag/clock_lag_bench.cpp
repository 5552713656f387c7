// How late the clock box shows each new second: the real window driven by its own tick source,
// next to an identical box driven in the same process by a free-running 100 ms precise timer.
// Usage: clock_lag_bench [--seconds N] [--rephase-ms M]
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTimer>
#include <cstdio>

#include "ClockTick.h"
#include "Percentiles.h"
#include "SecondLags.h"
#include "ShownTexts.h"
#include "SystemLocalClock.h"
#include "SystemRegionalSettings.h"
#include "TwinClockView.h"
#include "frmMain.h"

namespace {

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("?");
    return QString::fromLatin1(file.readLine()).section(u' ', 0, 2);
}

void printRow(const char* name, const SecondLags& lags, const Percentiles& summary) {
    std::printf("%-22s %6zu %7d %8.2f %8.2f %8.2f\n", name, lags.lagsMs.size(), lags.missedSeconds,
                summary.p50, summary.p99, summary.max);
}

double ratio(double a, double b) { return b > 0 ? a / b : 0; }

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption secondsOption("seconds", "Length of the run.", "N", "60");
    // A plain 100 ms timer keeps the phase it started with, so within one run its lag would be
    // one arbitrary value. Moving it to a random phase now and then samples the lags a
    // user would meet over many program starts; 0 keeps one phase for the whole run.
    const QCommandLineOption rephaseOption("rephase-ms",
                                           "Move the free-running timer to a random phase "
                                           "about this often (0: never).",
                                           "M", "1000");
    parser.addOptions({secondsOption, rephaseOption});
    parser.process(app);
    const int seconds = std::max(1, parser.value(secondsOption).toInt());
    const int rephaseMs = std::max(0, parser.value(rephaseOption).toInt());

    frmMain window;
    auto* realBox = window.findChild<QLineEdit*>("txtebaytime");

    QWidget twinWindow;
    twinWindow.setWindowTitle(QStringLiteral("free-running twin"));
    auto* twinBox = new QLineEdit(&twinWindow);
    twinBox->setFont(realBox->font());
    twinBox->setAlignment(realBox->alignment());
    twinBox->setReadOnly(realBox->isReadOnly());
    twinBox->setGeometry(QRect(QPoint(0, 0), realBox->size()));
    twinWindow.resize(realBox->size());

    ShownTexts realShown(realBox);
    ShownTexts twinShown(twinBox);
    TwinClockView twinView(twinBox);
    platform::SystemLocalClock clock;
    const countdown::RegionalSettings regional = platform::systemRegionalSettings();

    // When a re-phase is due, one interval is shortened to a random length, so no gap between
    // two ticks of the free-running timer ever exceeds 100 ms.
    QTimer freeRunning;
    freeRunning.setTimerType(Qt::PreciseTimer);
    bool rephaseDue = false;
    QObject::connect(&freeRunning, &QTimer::timeout, [&] {
        countdown::runTick(twinView, clock, regional);
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

    const QString loadBefore = loadAverage();
    window.start();
    twinWindow.show();
    freeRunning.start(100);
    if (rephaseMs > 0) rephase.start(rephaseMs);
    QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
    QApplication::exec();

    const SecondLags realLags = secondLags(realShown.shown());
    const SecondLags twinLags = secondLags(twinShown.shown());
    const Percentiles real = percentilesOf(realLags.lagsMs);
    const Percentiles twin = percentilesOf(twinLags.lagsMs);
    std::printf("platform %s, %d s, free-running timer re-phased every ~%d ms, load %s -> %s\n",
                qPrintable(QGuiApplication::platformName()), seconds, rephaseMs,
                qPrintable(loadBefore), qPrintable(loadAverage()));
    std::printf("%-22s %6s %7s %8s %8s %8s\n", "lag of a new second", "shown", "missed", "p50 ms",
                "p99 ms", "max ms");
    printRow("tick source", realLags, real);
    printRow("free-running timer", twinLags, twin);
    std::printf("%-22s %6s %7s %8.1f %8.1f %8.1f\n", "ratio free / tick", "", "",
                ratio(twin.p50, real.p50), ratio(twin.p99, real.p99), ratio(twin.max, real.max));
    std::printf("target p99 <= 5 ms for the tick source: %s\n", real.p99 <= 5.0 ? "met" : "MISSED");
    return real.p99 <= 5.0 ? 0 : 1;
}
