// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

namespace platform {

// Whether an assistive technology, such as a screen reader, is active on this desktop: when
// Qt's own switch QT_LINUX_ACCESSIBILITY_ALWAYS_ON is set, or when the accessibility bus's
// status (org.a11y.Status of the session bus's org.a11y.Bus object, which Qt reads too) says
// ScreenReaderEnabled or IsEnabled. Asks the bus once and waits at most a quarter of a second;
// without a session bus, or with no answer, none is active.
bool assistiveTechnologyActive();

}  // namespace platform
