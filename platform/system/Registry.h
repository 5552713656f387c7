// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A registry key handle. Predefined roots are 32-bit values that Windows sign-extends to the
// pointer width, so HKEY_LOCAL_MACHINE (0x80000002) is the same handle on 32- and 64-bit builds.
using KeyHandle = std::intptr_t;

constexpr KeyHandle rootHandle(std::int32_t root) { return static_cast<KeyHandle>(root); }

inline constexpr std::int32_t kHKeyLocalMachine = static_cast<std::int32_t>(0x80000002u);

// Value types.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// Status codes, as the Windows registry calls return them.
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;

// The three registry calls the program makes, with the Windows ANSI calls' arguments and
// results (status 0 is success).
class Registry {
  public:
    virtual ~Registry() = default;

    virtual std::int32_t RegOpenKeyExA(KeyHandle key, const std::string& subKey,
                                       std::uint32_t options, std::uint32_t access,
                                       KeyHandle* result) = 0;

    // `data` holds *size bytes. On success *size becomes the value's length and *type its
    // type; a value longer than *size gives kErrorMoreData and its length in *size.
    virtual std::int32_t RegQueryValueExA(KeyHandle key, const std::string& valueName,
                                          std::uint32_t* type, std::uint8_t* data,
                                          std::uint32_t* size) = 0;

    virtual std::int32_t RegCloseKey(KeyHandle key) = 0;
};

}  // namespace platform
