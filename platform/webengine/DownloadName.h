// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QString>
#include <functional>

namespace platform {

// The name a download is saved under, made from the name the server suggests. The result is one
// plain file name inside the download folder: path separators become "_", control characters are
// dropped, and leading dots (".." and hidden files) and trailing dots and blanks are cut off.
// A name with nothing left is "download".
QString cleanDownloadName(const QString& suggested);

// `name`, or the first of "name (1).ext", "name (2).ext", ... that `taken` says is free.
QString freeDownloadName(const QString& name, const std::function<bool(const QString&)>& taken);

}  // namespace platform
