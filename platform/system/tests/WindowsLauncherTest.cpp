// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

#include "LaunchTesting.h"
#include "ProgramLauncher.h"
#include "TempFolder.h"
#include "WindowsTestSupport.h"

namespace platform {
namespace {

using testing::copyLaunchMarker;
using testing::markerOf;
using testing::waitForMarker;

class WindowsLauncher : public ::testing::Test {
  protected:
    int launchError(const std::string& path) { return testing::launchError(launcher, path); }

    testing::TempFolder folder;
    SystemLauncher launcher;
};

TEST_F(WindowsLauncher, StartsTheProgramByItsPathInANormalFocusedWindow) {
    // Spaces and a shell's special characters are part of the file name, nothing more; the
    // program that a split command line would name exists too and must not start.
    const std::string decoy = copyLaunchMarker(folder.path() / "Shared.exe");
    const std::string program =
        copyLaunchMarker(folder.path() / "Shared Tools & more" / "sys info.exe");
    launcher.launch(program, kNormalFocus);
    EXPECT_EQ(waitForMarker(markerOf(program)), "window=1\ncommand=\"" + program + "\"\n");
    EXPECT_FALSE(std::filesystem::exists(markerOf(decoy)));
}

TEST_F(WindowsLauncher, FailureToStartIsAnErrorNotASuccess) {
    const std::string base = folder.path().string();
    folder.write("plain.txt", "not a program");
    const std::string program = copyLaunchMarker(folder.path() / "real.exe");

    const std::string rows[] = {
        base + "\\missing.exe",
        base + "\\plain.txt",
        base,
        "",
        program + std::string(1, '\0') + "x",
        // A whole command line is one (missing) path, not a program and its arguments.
        program + " --flag",
    };
    for (const std::string& path : rows) EXPECT_NE(launchError(path), 0) << path;
    EXPECT_EQ(launchError(base + "\\missing.exe"), ERROR_FILE_NOT_FOUND);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(std::filesystem::exists(markerOf(program)));
}

}  // namespace
}  // namespace platform
