// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// Window styles of a launched program.
inline constexpr int kNormalFocus = 1;  // a normal window that is given the focus

class LaunchError : public std::runtime_error {
  public:
    LaunchError(const std::string& path, int systemError);
    int systemError() const { return systemError_; }

  private:
    int systemError_;
};

class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;

    // Starts the program file `path` without waiting for it. The path is the program itself:
    // it goes to no shell and is not split into arguments. Throws LaunchError when the
    // program cannot be started.
    virtual void launch(const std::string& path, int windowStyle) = 0;
};

// Starts programs on the machine the program runs on: CreateProcess on Windows, posix_spawn
// elsewhere (where the window style is the desktop's business).
class SystemLauncher : public ProgramLauncher {
  public:
    void launch(const std::string& path, int windowStyle) override;
};

}  // namespace platform
