// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// A bare QWebEngineView of the browser pane's size showing the page given as argument, for
// comparison with the Ticklot window. Prints milliseconds from process launch to the page's
// loadFinished and the peak resident set one second after that. Given a number of seconds as
// second argument, it only shows the page for that long.
#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ProcessFigures.h"

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) return 2;
    QWebEngineView view;
    view.resize(785, 633);
    if (argc == 3)
        QTimer::singleShot(std::chrono::seconds(std::atoi(argv[2]) + 20), &app,
                           &QApplication::quit);
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [&] {
        if (argc == 3) return;
        const double firstPageMs = process_figures::msSinceLaunch();
        QTimer::singleShot(1000, &app, [&app, firstPageMs] {
            std::printf("first_page_ms=%.1f peak_rss_kb=%ld\n", firstPageMs,
                        process_figures::peakResidentKb());
            app.quit();
        });
    });
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    view.show();
    return QApplication::exec();
}
