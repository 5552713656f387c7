// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ProgramLauncher.h"

namespace platform {

LaunchError::LaunchError(const std::string& path, int systemError)
    : std::runtime_error("cannot start \"" + path + "\" (system error " +
                         std::to_string(systemError) + ")"),
      systemError_(systemError) {}

}  // namespace platform
