// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "FileSystem.h"
#include "MessageBoxes.h"
#include "ProgramLauncher.h"
#include "Registry.h"

namespace sysinfo {

// Raised by GetKeyValue when the registry reports a successful read with a length that the
// value buffer cannot hold (0, or more than the buffer).
class KeyValueError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kUnavailableMessage = "System Information Is Unavailable At This Time";

// Finds the operating system's system-information tool through the registry and starts it,
// or tells the user that it is unavailable.
class SysInfoLauncher {
  public:
    SysInfoLauncher(platform::Registry& registry, platform::FileSystem& files,
                    platform::ProgramLauncher& launcher, platform::MessageBoxes& messages);

    // Looks the tool up under its own key, then in the shared tools' folder, and launches it;
    // every failure, whatever raised it, ends in the one message. Nothing escapes.
    void StartSysInfo();

    // Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal as text: REG_SZ
    // as it is (less one terminating zero byte), REG_DWORD as decimal digits; any other type
    // leaves KeyVal as it was. Returns false, with KeyVal "", when the key or the value
    // cannot be read (including a value of more than 1024 bytes). Throws KeyValueError for a
    // value read with a length of 0.
    bool GetKeyValue(std::int32_t KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

  private:
    bool launchFromRegistry();

    platform::Registry& registry_;
    platform::FileSystem& files_;
    platform::ProgramLauncher& launcher_;
    platform::MessageBoxes& messages_;
};

}  // namespace sysinfo
