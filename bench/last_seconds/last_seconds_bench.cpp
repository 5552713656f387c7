// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// How punctual the last seconds' sounds are: the real window counts down to "Ended" again and
// again with "Sound the Last Seconds" on, against the sound server named by PULSE_SERVER (a
// null sink, see last_seconds.sh); `parec` records the sink's monitor, and each sound's onset
// is set against the moment its text showed in the countdown box and against its second's edge.
// All moments are on the system clock (no clock correction is in force).
// With --ahead below 11, the first text that sounds shows unforeseen, at the first tick after
// Start, and its sound follows as soon as the output allows.
// Usage: last_seconds_bench [--countdowns N] [--ahead S] [--monitor SOURCE] [--label TEXT]
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "MonitorRecording.h"
#include "OfflineBrowser.h"
#include "Onsets.h"
#include "Percentiles.h"
#include "RepeatedCountdowns.h"
#include "ShownTexts.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

namespace {

constexpr std::int64_t kNsPerSecond = 1'000'000'000;
constexpr double kTickLongestMs = 150;

bool sounds(const QString& text) {
    return text == QStringLiteral("Ended") ||
           (text.startsWith(QStringLiteral("0:00:")) && text != QStringLiteral("0:00:00") &&
            text.mid(5).toInt() <= 10);
}

struct Matched {
    std::vector<double> afterShownMs;
    std::vector<double> afterEdgeMs;
    int expected = 0;
    int missing = 0;
    int extra = 0;
    int wrongKind = 0;
};

// Each text that sounds takes the nearest onset within half a second; onsets left over are extra.
Matched match(const std::vector<ShownTexts::Shown>& shown, const std::vector<Onset>& onsets,
              std::int64_t startNs) {
    Matched result;
    std::vector<bool> taken(onsets.size());
    for (const ShownTexts::Shown& text : shown) {
        if (!sounds(text.text)) continue;
        ++result.expected;
        std::size_t best = onsets.size();
        std::int64_t bestNs = kNsPerSecond / 2;
        for (std::size_t i = 0; i < onsets.size(); ++i) {
            const std::int64_t at = startNs + static_cast<std::int64_t>(onsets[i].sample) *
                                                  kNsPerSecond / MonitorRecording::kRate;
            if (!taken[i] && std::llabs(at - text.paintedNs) < bestNs)
                best = i, bestNs = std::llabs(at - text.paintedNs);
        }
        if (best == onsets.size()) {
            ++result.missing;
            continue;
        }
        taken[best] = true;
        const std::int64_t at = startNs + static_cast<std::int64_t>(onsets[best].sample) *
                                              kNsPerSecond / MonitorRecording::kRate;
        const std::int64_t edge = text.paintedNs / kNsPerSecond * kNsPerSecond;
        result.afterShownMs.push_back(static_cast<double>(at - text.paintedNs) / 1e6);
        result.afterEdgeMs.push_back(static_cast<double>(at - edge) / 1e6);
        const bool tone = onsets[best].lengthMs > kTickLongestMs;
        result.wrongKind += tone != (text.text == QStringLiteral("Ended"));
    }
    for (bool used : taken) result.extra += !used;
    return result;
}

// The median, and the value farthest from zero.
std::pair<double, double> medianAndWorst(const std::vector<double>& values) {
    double worst = 0;
    for (double value : values)
        if (std::abs(value) > std::abs(worst)) worst = value;
    return {percentilesOf(values).p50, worst};
}

}  // namespace

int main(int argc, char** argv) {
    keepBrowserOnThisMachine();
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption countdownsOption("countdowns", "Countdowns to run.", "N", "4");
    const QCommandLineOption monitorOption("monitor", "The sink's monitor source.", "SOURCE",
                                           "cap.monitor");
    const QCommandLineOption labelOption("label", "What the row is called.", "TEXT", "idle");
    const QCommandLineOption aheadOption("ahead", "Seconds from Start to the end.", "S", "12");
    parser.addOptions({countdownsOption, aheadOption, monitorOption, labelOption});
    parser.process(app);
    const int countdowns = std::max(1, parser.value(countdownsOption).toInt());

    // The option is set in settings of this run alone.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    frmMain window;
    auto* item = window.findChild<QAction*>("mnuSoundLastSeconds");
    ShownTexts shown(window.findChild<QLineEdit*>("txtTimer"));
    item->setChecked(true);

    MonitorRecording recording(parser.value(monitorOption).toUtf8().constData());
    RepeatedCountdowns runs(window, std::max(1, parser.value(aheadOption).toInt()), countdowns);
    window.start();
    // The browser's engine starts after the first tick; the countdowns begin after it settled.
    runs.begin(3000);
    QApplication::exec();
    recording.stop();

    const std::vector<Onset> onsets = onsetsIn(recording.samples(), MonitorRecording::kRate);
    const Matched matched = match(shown.shown(), onsets, recording.startNs());
    const auto [shownMedian, shownWorst] = medianAndWorst(matched.afterShownMs);
    const auto [edgeMedian, edgeWorst] = medianAndWorst(matched.afterEdgeMs);
    const double latest = percentilesOf(matched.afterShownMs).max;
    std::printf(
        "%s: %d countdowns, item %s, %d sounds expected, %zu heard, %d missing, "
        "%d extra, %d of the wrong kind\n",
        qPrintable(parser.value(labelOption)), runs.started(),
        item->isEnabled() ? "enabled" : "DISABLED", matched.expected, onsets.size(),
        matched.missing, matched.extra, matched.wrongKind);
    std::printf("%-28s %10s %10s\n", "onset (ms)", "median", "worst");
    std::printf("%-28s %+10.1f %+10.1f\n", "after its text showed", shownMedian, shownWorst);
    std::printf("%-28s %+10.1f %+10.1f\n", "after its second's edge", edgeMedian, edgeWorst);
    const bool met = matched.missing == 0 && matched.extra == 0 && matched.wrongKind == 0 &&
                     !matched.afterShownMs.empty() && std::abs(shownMedian) <= 20 && latest <= 50;
    std::printf("target (all heard, median within 20 ms, none later than 50 ms): %s\n",
                met ? "met" : "MISSED");
    return met ? 0 : 1;
}
