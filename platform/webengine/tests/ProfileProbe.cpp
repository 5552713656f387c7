// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

// Opens one address in the browser with its on-disk profile, prints the title of the page it
// lands on and ends as the program ends: two runs in a row behave like two runs of the program.
#include <QApplication>
#include <cstdio>

#include "WebEngineBrowser.h"
#include "WebEngineProcess.h"

int main(int argc, char* argv[]) {
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    int status = 0;
    {
        platform::WebEngineBrowser browser;
        browser.onNavigateComplete2([&] {
            std::printf("%s\n", browser.LocationName().c_str());
            QApplication::quit();
        });
        browser.Navigate(argv[1]);
        browser.show();
        browser.startEngine();
        status = QApplication::exec();
    }
    platform::letWebEngineFinishWriting();
    return status;
}
