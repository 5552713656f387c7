// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <set>
#include <string>
#include <vector>

#include "FileSystem.h"
#include "InMemoryRegistry.h"
#include "MessageBoxes.h"
#include "ProgramLauncher.h"
#include "SysInfoLauncher.h"

namespace sysinfo::testing {

// Starts only the programs it is told are installed and records every attempt.
class RecordingLauncher : public platform::ProgramLauncher {
  public:
    struct Attempt {
        std::string path;
        int windowStyle;
        bool operator==(const Attempt&) const = default;
    };

    void launch(const std::string& path, int windowStyle) override {
        attempts.push_back({path, windowStyle});
        if (!installed.contains(path)) throw platform::LaunchError(path, 2);
    }

    std::set<std::string> installed;
    std::vector<Attempt> attempts;
};

class FakeFileSystem : public platform::FileSystem {
  public:
    bool fileExists(const std::string& path) override {
        asked.push_back(path);
        return files.contains(path);
    }

    std::set<std::string> files;
    std::vector<std::string> asked;
};

class RecordingMessageBoxes : public platform::MessageBoxes {
  public:
    struct Shown {
        std::string prompt;
        int style;
        std::string title;
        bool operator==(const Shown&) const = default;
    };

    void show(const std::string& prompt, int style, const std::string& title) override {
        shown.push_back({prompt, style, title});
    }

    std::vector<Shown> shown;
};

// A launcher over an in-memory registry and the fakes above.
struct FakeSysInfo {
    platform::InMemoryRegistry registry;
    FakeFileSystem files;
    RecordingLauncher programs;
    RecordingMessageBoxes messages;
    SysInfoLauncher launcher{registry, files, programs, messages};
};

}  // namespace sysinfo::testing
