// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// Time from the start of main() to the first clock text, over repeated in-process runs.
// Prints each run and the median in milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "MainModule.h"
#include "OfflineBrowser.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    keepBrowserOnThisMachine();
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    const qint64 applicationReady = sinceStart.elapsed();

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> results;
    for (int run = 0; run < runs; ++run) {
        MainModule::reset();
        QElapsedTimer elapsed;
        elapsed.start();
        frmMain window;
        auto* clock = window.findChild<QLineEdit*>("txtebaytime");
        QObject::connect(clock, &QLineEdit::textChanged, &app, [&] {
            results.push_back(static_cast<double>(elapsed.nsecsElapsed()) / 1e6);
            QCoreApplication::exit(0);
        });
        window.start();
        QApplication::exec();
        std::printf("run %2d: %.1f ms\n", run + 1, results.back());
    }
    std::sort(results.begin(), results.end());
    std::printf("QApplication ready after %lld ms\n", static_cast<long long>(applicationReady));
    std::printf("window created to first clock text: median %.1f ms, max %.1f ms (%d runs)\n",
                results[results.size() / 2], results.back(), runs);
    return 0;
}
