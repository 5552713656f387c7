// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "LaunchTesting.h"
#include "ProgramLauncher.h"
#include "TempFolder.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using testing::waitForMarker;

// Children of this process that have ended but whose exit status nobody collected.
int zombieChildren() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // "pid (name) state ppid ...": the name may hold spaces, so read after its ')'.
        std::istringstream rest(line.substr(line.rfind(')') + 1));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        if (parent == getpid() && state == 'Z') ++zombies;
    }
    return zombies;
}

class SystemLauncherTest : public ::testing::Test {
  protected:
    // A program that writes its argument count, its own path and whether it has the file
    // descriptor `fd` open ("-" when not asked) into the marker file, then ends.
    std::string markerProgram(const std::string& name, int fd = -1) {
        const std::string marker = (folder.path() / "marker").string();
        const std::string checkFd = fd < 0 ? "open=-\n"
                                           : "if [ -e /proc/$$/fd/" + std::to_string(fd) +
                                                 " ]; then open=yes; else open=no; fi\n";
        return folder.executable(name, "#!/bin/sh\n" + checkFd + "echo \"$#|$0|$open\" > '" +
                                           marker + ".tmp'\n" + "mv '" + marker + ".tmp' '" +
                                           marker + "'\n");
    }
    std::filesystem::path marker() const { return folder.path() / "marker"; }

    int launchError(const std::string& path) { return testing::launchError(launcher, path); }

    testing::TempFolder folder;
    SystemLauncher launcher;
};

TEST_F(SystemLauncherTest, StartsTheProgramByItsPathWithoutArgumentsOrShell) {
    // Spaces and a shell's special characters are part of the file name, nothing more.
    const std::string program = markerProgram("Shared Tools/sys info; $(x) &.sh");
    launcher.launch(program, kNormalFocus);
    EXPECT_EQ(waitForMarker(marker()), "0|" + program + "|-\n");
}

TEST_F(SystemLauncherTest, TheProgramInheritsNoOpenFilesBeyondTheStandardThree) {
    const int inherited = open("/dev/null", O_RDONLY);  // deliberately without O_CLOEXEC
    ASSERT_GT(inherited, 2);
    launcher.launch(markerProgram("fds.sh", inherited), kNormalFocus);
    const std::string shown = waitForMarker(marker());
    close(inherited);
    EXPECT_TRUE(shown.ends_with("|no\n")) << shown;
}

TEST_F(SystemLauncherTest, CollectsTheEndedProgramSoNoZombieRemains) {
    launcher.launch(markerProgram("quick.sh"), kNormalFocus);
    ASSERT_NE(waitForMarker(marker()), "<no marker>");
    auto waited = 0ms;
    while (zombieChildren() > 0 && waited < 10s) {
        std::this_thread::sleep_for(20ms);
        waited += 20ms;
    }
    EXPECT_EQ(zombieChildren(), 0);
}

TEST_F(SystemLauncherTest, FailureToStartIsAnErrorNotASuccess) {
    const std::string base = folder.path().string();
    folder.write("plain.txt", "not a program");
    // A text file marked executable but with no interpreter line is not run through a shell.
    folder.executable("noshebang", "touch '" + base + "/ran'\n");
    markerProgram("real.sh");

    struct Row {
        std::string path;
        int error;
    };
    const Row rows[] = {
        {base + "/missing", ENOENT},
        {base + "/plain.txt", EACCES},
        {base, EACCES},
        {base + "/noshebang", ENOEXEC},
        {"", ENOENT},
        {base + "/real.sh" + std::string(1, '\0') + "x", EINVAL},
        // A whole command line is one (missing) path, not a program and its arguments.
        {base + "/real.sh --flag", ENOENT},
    };
    for (const Row& row : rows) EXPECT_EQ(launchError(row.path), row.error) << row.path;
    std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(std::filesystem::exists(base + "/ran"));
    EXPECT_FALSE(std::filesystem::exists(marker()));
}

}  // namespace
}  // namespace platform
