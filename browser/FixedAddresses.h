// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

namespace browser {

// The three pages the program opens by itself.
inline constexpr const char* kEbayHomePage = "http://www.ebay.com";
inline constexpr const char* kEbayTimePage = "http://cgi.ebay.com/aw-cgi/eBayISAPI.dll?TimeShow";
// Ticklot has no web site: its help page ships inside the program and works offline.
inline constexpr const char* kHelpPage = "qrc:/help/contents.html";

}  // namespace browser
