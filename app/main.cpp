// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <QApplication>
#include <QPointer>

#include "AssistiveTechnology.h"
#include "TicklotVersion.h"
#include "WebEngineProcess.h"
#include "frmMain.h"

int main(int argc, char* argv[]) {
    platform::prepareWebEngineProcess();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ticklot_version::kTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(ticklot_version::kVersionText));
    // The installed desktop entry's name, so that a Wayland dock shows this program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ticklot.Ticklot"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/clock.svg")));
    // Asked once the application exists, since Qt's D-Bus connection wants it, and before the
    // window is made, whose browser starts the engine.
    platform::exposePagesToAssistiveTechnology(platform::assistiveTechnologyActive());

    // Closing the main window discards it; the program ends when its last window is closed.
    QPointer<frmMain> window = new frmMain();
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->start();
    const int status = QApplication::exec();
    delete window.data();
    platform::letWebEngineFinishWriting();
    return status;
}
