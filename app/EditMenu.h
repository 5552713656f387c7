// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

class QWidget;

namespace platform {
class Clipboard;
}

// The Edit menu's Cut, Copy and Paste between the clipboard and the focused text box.
namespace edit_menu {

enum Item { Cut = 0, Copy = 1, Paste = 2 };

struct ItemsEnabled {
    bool cut = false;
    bool copy = false;
    bool paste = false;
};

// Cut and Copy when the focused widget is a text box; Paste whenever the clipboard holds text,
// whatever has the focus.
ItemsEnabled enabledItems(const QWidget* focused, const platform::Clipboard& clipboard);

// Runs the item on the focused text box: Cut moves its whole text to the clipboard, Copy puts
// the selected text there (an empty selection too), Paste replaces the whole text with the
// clipboard's. Any other focused widget, and any other index, do nothing.
void runItem(int index, QWidget* focused, platform::Clipboard& clipboard);

}  // namespace edit_menu
