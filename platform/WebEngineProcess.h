#pragma once

#include <ostream>

namespace platform {

// What Qt WebEngine needs before the QApplication is created: shared OpenGL contexts, and the
// sandbox rule below for this process. Call it first thing in main().
void prepareWebEngineProcess();

// Chromium refuses to start as root with its sandbox on. Only then is the sandbox turned off
// (QTWEBENGINE_DISABLE_SANDBOX), and the user is told so once on `messages`. Returns whether it
// turned the sandbox off; when the variable is already set, the choice was made before us.
bool turnOffSandboxWhenRoot(bool runningAsRoot, std::ostream& messages);

}  // namespace platform
