// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "Registry.h"

namespace platform {

// The Windows registry through its ANSI entry points.
class WindowsRegistry : public Registry {
  public:
    std::int32_t RegOpenKeyExA(KeyHandle key, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, KeyHandle* result) override;
    std::int32_t RegQueryValueExA(KeyHandle key, const std::string& valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) override;
    std::int32_t RegCloseKey(KeyHandle key) override;
};

}  // namespace platform
