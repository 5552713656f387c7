// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>

namespace platform::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        do {
            path_ =
                std::filesystem::temp_directory_path() / ("ticklot-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
    }
    // A program started from the folder may still be ending, and Windows keeps a running
    // program's file: removal is retried for a while before the folder is left behind.
    ~TempFolder() {
        std::error_code error;
        for (int attempt = 0; attempt < 100; ++attempt) {
            if (std::filesystem::remove_all(path_, error) != static_cast<std::uintmax_t>(-1))
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a file below the folder and gives it the permission bits `mode`.
    std::string write(const std::string& name, const std::string& content,
                      std::filesystem::perms mode = std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write) const {
        const std::filesystem::path file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << content;
        std::filesystem::permissions(file, mode);
        return file.string();
    }

    std::string executable(const std::string& name, const std::string& content) const {
        using std::filesystem::perms;
        return write(name, content, perms::owner_read | perms::owner_write | perms::owner_exec);
    }

  private:
    std::filesystem::path path_;
};

}  // namespace platform::testing
