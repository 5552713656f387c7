// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "EditMenu.h"

#include <QLineEdit>

#include "Clipboard.h"

namespace edit_menu {

ItemsEnabled enabledItems(const QWidget* focused, const platform::Clipboard& clipboard) {
    const bool textBox = qobject_cast<const QLineEdit*>(focused) != nullptr;
    return {textBox, textBox, clipboard.hasText()};
}

// A text box's read-only state is not consulted: the clock and timer boxes can be cut from and
// pasted into, and the next tick writes them again.
void runItem(int index, QWidget* focused, platform::Clipboard& clipboard) {
    auto* box = qobject_cast<QLineEdit*>(focused);
    if (box == nullptr) return;
    switch (index) {
        case Cut:
            clipboard.setText(box->text());
            box->setText(QString());
            break;
        case Copy:
            clipboard.setText(box->selectedText());
            break;
        case Paste:
            if (clipboard.hasText()) box->setText(clipboard.text());
            break;
        default:
            break;
    }
}

}  // namespace edit_menu
