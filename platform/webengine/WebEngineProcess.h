// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <ostream>

namespace platform {

// What Qt WebEngine needs before the QApplication is created: shared OpenGL contexts, the
// scene graph and the sandbox rules below for this process. Call it first thing in main().
void prepareWebEngineProcess();

// Chromium writes the browser profile, the cookies of a sign-in among it, on its own threads
// and finishes the last writes only after the profile is gone. With Qt 6.8 under load, a process
// that ended at once lost a cookie set in its last seconds in one run of fifteen; given 0.3 s
// or more of event loop after the profile was gone, in none of 250. Runs the event loop for
// half a second: call it after the last browser is deleted, when the window is already gone.
void letWebEngineFinishWriting();

// Qt WebEngine draws the page through Qt Quick. With Quick's default, OpenGL scene graph the
// whole main window is composed through OpenGL, so every immediate repaint of the clock box
// redraws and flushes the entire window, page included: measured under Xvfb, a new second then
// reached the screen 10 ms late at the median and 120 ms at worst, against 1.6 and 2.9 ms with
// Quick's software scene graph, under which a repaint flushes only the box. Chooses the
// software one (QT_QUICK_BACKEND) unless a choice was made before; returns whether it chose.
bool useSoftwareSceneGraph();

// Chromium refuses to start as root with its sandbox on. Only then is the sandbox turned off
// (QTWEBENGINE_DISABLE_SANDBOX), and the user is told so once on `messages`. Returns whether it
// turned the sandbox off; when the variable is already set, the choice was made before us.
bool turnOffSandboxWhenRoot(bool runningAsRoot, std::ostream& messages);

// Chromium hands a page's accessible tree (headings, links, fields) to the Linux accessibility
// bus only when QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY is set as the engine starts; without it a
// screen reader finds an empty page. Keeping the tree costs CPU and memory (see the README), so
// it is set only while an assistive technology is active. Call it before the engine starts;
// returns whether it set the variable, which it leaves alone when it was set before.
bool exposePagesToAssistiveTechnology(bool assistiveTechnologyActive);

}  // namespace platform
