// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <map>
#include <string>
#include <vector>

#include "Registry.h"

namespace platform {

// A registry held in memory, byte for byte: each value keeps its exact data and type, and
// queries report sizes and statuses as Windows does. Key and value names are matched without
// regard to ASCII case. Every call is logged so that tests can check what was read and that
// each opened key was closed.
class InMemoryRegistry : public Registry {
  public:
    void setValue(std::int32_t root, const std::string& keyPath, const std::string& valueName,
                  std::uint32_t type, std::vector<std::uint8_t> data);
    void setString(std::int32_t root, const std::string& keyPath, const std::string& valueName,
                   const std::string& text);  // REG_SZ with its terminating zero byte
    void removeValue(std::int32_t root, const std::string& keyPath, const std::string& valueName);

    std::int32_t RegOpenKeyExA(KeyHandle key, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, KeyHandle* result) override;
    std::int32_t RegQueryValueExA(KeyHandle key, const std::string& valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* size) override;
    std::int32_t RegCloseKey(KeyHandle key) override;

    // One line per call: "open <path> options=<n> access=0x<hex>", "query <name> size=<n>",
    // "close" (or "close <invalid>" for a handle that is not open).
    const std::vector<std::string>& log() const { return log_; }
    std::size_t openKeyCount() const { return open_.size(); }

  private:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    using KeyId = std::pair<KeyHandle, std::string>;  // root and folded path

    std::map<KeyId, std::map<std::string, Value>> keys_;
    std::map<KeyHandle, KeyId> open_;
    KeyHandle nextHandle_ = 0x1000;
    std::vector<std::string> log_;
};

}  // namespace platform
