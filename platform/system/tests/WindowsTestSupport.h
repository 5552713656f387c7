// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform::testing {

// A key below HKEY_LOCAL_MACHINE that a test writes and removes again. When the key or some
// of its parents are missing, the topmost missing one is created and deleted afterwards with
// everything below it; in a key that existed already only the values written are removed,
// and a value that existed is never overwritten.
class ScopedRegistryKey {
  public:
    explicit ScopedRegistryKey(const std::string& path) {
        for (std::size_t end = path.find('\\'); created_.empty(); end = path.find('\\', end + 1)) {
            const std::string part = path.substr(0, end);
            HKEY probe = nullptr;
            if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, part.c_str(), 0, KEY_READ, &probe) ==
                ERROR_SUCCESS)
                RegCloseKey(probe);
            else
                created_ = part;
            if (end == std::string::npos) break;
        }
        check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key_, nullptr),
              "create " + path);
    }
    ~ScopedRegistryKey() {
        if (created_.empty())
            for (const std::string& name : written_) RegDeleteValueA(key_, name.c_str());
        RegCloseKey(key_);
        if (!created_.empty()) RegDeleteTreeA(HKEY_LOCAL_MACHINE, created_.c_str());
    }
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;

    // Stores exactly these bytes with this type, through the ANSI call the program reads with.
    void set(const std::string& name, DWORD type, const std::vector<std::uint8_t>& data) {
        if (created_.empty() && RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr,
                                                 nullptr) == ERROR_SUCCESS)
            throw std::logic_error("the value " + name + " exists already; it is left alone");
        // RegSetValueExA looks one byte past a string that lacks its terminating zero and, when
        // that byte is zero, stores it too. A non-zero byte there keeps the data as given.
        std::vector<std::uint8_t> guarded = data;
        guarded.push_back('#');
        check(RegSetValueExA(key_, name.c_str(), 0, type, guarded.data(),
                             static_cast<DWORD>(data.size())),
              "set " + name);
        written_.push_back(name);
    }
    // A REG_SZ value with its terminating zero byte.
    void setString(const std::string& name, const std::string& text) {
        std::vector<std::uint8_t> data(text.begin(), text.end());
        data.push_back(0);
        set(name, REG_SZ, data);
    }

  private:
    static void check(LONG status, const std::string& what) {
        if (status != ERROR_SUCCESS)
            throw std::runtime_error(what + " failed with status " + std::to_string(status));
    }

    HKEY key_ = nullptr;
    std::string created_;
    std::vector<std::string> written_;
};

// The path of a program built into the same folder as the running test.
inline std::filesystem::path besideThisProgram(const std::string& name) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(std::string(path, length)).parent_path() / name;
}

// The launch marker program (LaunchMarker.cpp) copied to `target`; started, it writes
// "<target>.started".
inline std::string copyLaunchMarker(const std::filesystem::path& target) {
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(besideThisProgram("launch_marker.exe"), target);
    return target.string();
}

inline std::filesystem::path markerOf(const std::string& program) { return program + ".started"; }

}  // namespace platform::testing
