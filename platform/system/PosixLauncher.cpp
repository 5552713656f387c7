// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "ProgramLauncher.h"

extern char** environ;

namespace platform {
namespace {

// posix_spawn's attributes and file actions, released on every path out.
class SpawnSettings {
  public:
    SpawnSettings() {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

}  // namespace

void SystemLauncher::launch(const std::string& path, int /*windowStyle*/) {
    // A path with a zero byte in it would start a different, shorter path.
    if (path.find('\0') != std::string::npos) throw LaunchError(path, EINVAL);

    SpawnSettings settings;
    // The tool runs on its own: in a session of its own, with no signal blocked or ignored
    // that this program blocks or ignores, and without this program's open files.
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&settings.attributes_, &none);
    posix_spawnattr_setsigdefault(&settings.attributes_, &all);
    posix_spawnattr_setflags(&settings.attributes_,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    posix_spawn_file_actions_addclosefrom_np(&settings.actions_, 3);

    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    // glibc's posix_spawn reports a failed exec (missing file, no permission, not a program)
    // as its own result.
    const int status =
        posix_spawn(&pid, path.c_str(), &settings.actions_, &settings.attributes_, argv, environ);
    if (status != 0) throw LaunchError(path, status);

    // Nobody waits for the tool, but its exit status must be collected or it stays a zombie
    // for as long as this program runs.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
}

}  // namespace platform
