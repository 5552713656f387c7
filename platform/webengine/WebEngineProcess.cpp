// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "WebEngineProcess.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QtGlobal>
#include <iostream>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace platform {
namespace {

constexpr const char* kDisableSandbox = "QTWEBENGINE_DISABLE_SANDBOX";
constexpr const char* kQuickBackend = "QT_QUICK_BACKEND";
constexpr const char* kPageAccessibility = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY";
constexpr int kFinishWritingMs = 500;

bool runningAsRoot() {
#if defined(Q_OS_UNIX)
    return geteuid() == 0;
#else
    return false;
#endif
}

}  // namespace

bool turnOffSandboxWhenRoot(bool asRoot, std::ostream& messages) {
    if (!asRoot || qEnvironmentVariableIsSet(kDisableSandbox)) return false;
    qputenv(kDisableSandbox, "1");
    messages << "Ticklot: running as root, so the web browser's sandbox is turned off.\n";
    return true;
}

bool useSoftwareSceneGraph() {
    if (qEnvironmentVariableIsSet(kQuickBackend)) return false;
    qputenv(kQuickBackend, "software");
    return true;
}

bool exposePagesToAssistiveTechnology(bool assistiveTechnologyActive) {
    if (!assistiveTechnologyActive || qEnvironmentVariableIsSet(kPageAccessibility)) return false;
    qputenv(kPageAccessibility, "1");
    return true;
}

void prepareWebEngineProcess() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    useSoftwareSceneGraph();
    turnOffSandboxWhenRoot(runningAsRoot(), std::cerr);
}

void letWebEngineFinishWriting() {
    QEventLoop loop;
    QTimer::singleShot(kFinishWritingMs, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace platform
