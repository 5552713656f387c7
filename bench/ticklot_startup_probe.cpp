// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// The Ticklot window started as main() starts it, with the start-up page replaced by the local
// page given as argument. Prints, in one line: milliseconds from process launch to the first
// clock text and to the address bar showing the local page (its navigation completed), and the
// main process's peak resident set one second after that.
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>

#include "ProcessFigures.h"
#include "WebEngineBrowser.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

int main(int argc, char* argv[]) {
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ticklot");
    if (argc != 2) return 2;
    const QString page = QString::fromLocal8Bit(argv[1]);

    frmMain window;
    double firstClockMs = -1;
    double firstPageMs = -1;
    auto* clock = window.findChild<QLineEdit*>("txtebaytime");
    QObject::connect(clock, &QLineEdit::textChanged, &app, [&] {
        if (firstClockMs < 0) firstClockMs = process_figures::msSinceLaunch();
    });
    auto* address = window.findChild<QLineEdit*>("txtAddress");
    QObject::connect(address, &QLineEdit::textChanged, &app, [&](const QString& text) {
        if (firstPageMs >= 0 || text != page) return;
        firstPageMs = process_figures::msSinceLaunch();
        QTimer::singleShot(1000, &app, [&] {
            std::printf("first_clock_ms=%.1f first_page_ms=%.1f peak_rss_kb=%ld\n", firstClockMs,
                        firstPageMs, process_figures::peakResidentKb());
            QApplication::quit();
        });
    });
    window.start();
    window.findChild<platform::WebEngineBrowser*>("WebBrowser1")->Navigate(page.toStdString());
    return QApplication::exec();
}
