// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QLocale>

#include "RegionalSettings.h"

namespace platform {

// The date conventions of a Qt locale: the order and separators of its short formats, its AM/PM
// texts and its month and day names. The C locale, which has no conventions of its own, gives
// US English.
countdown::RegionalSettings regionalSettingsOf(const QLocale& locale);

// Those of the system locale.
countdown::RegionalSettings systemRegionalSettings();

}  // namespace platform
