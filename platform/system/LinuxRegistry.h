// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <string>

#include "InMemoryRegistry.h"

namespace platform {

// A read-only registry view for Linux desktops. Its one key,
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, is present when one of the
// desktops' system-information programs is installed; its value "PATH" (REG_SZ) then holds the
// full path of the first of them found in a folder of the search path, in this order:
//   hardinfo2, hardinfo       system profilers, the nearest kin of MSINFO32
//   kinfocenter               KDE's Info Center
//   gnome-system-monitor      GNOME's system overview
//   mate-system-monitor       MATE's system overview
// The programs are looked up afresh each time the key is opened, so a tool installed while
// the program runs is found on the next open.
class LinuxRegistry : public Registry {
  public:
    // `searchPath` is a PATH-style list of folders; folders given relative to the working
    // directory (and empty entries) are skipped, so no program is taken from wherever the
    // program happens to run.
    explicit LinuxRegistry(std::string searchPath);

    std::int32_t RegOpenKeyExA(KeyHandle key, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, KeyHandle* result) override;
    std::int32_t RegQueryValueExA(KeyHandle key, const std::string& valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) override;
    std::int32_t RegCloseKey(KeyHandle key) override;

  private:
    void refresh();

    std::string searchPath_;
    InMemoryRegistry view_;
};

}  // namespace platform
