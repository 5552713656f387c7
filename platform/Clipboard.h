// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QString>

namespace platform {

// The system clipboard, in its text format only.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual bool hasText() const = 0;
    virtual QString text() const = 0;
    // Puts the text on the clipboard in place of what it held.
    virtual void setText(const QString& text) = 0;
};

// The real clipboard, through QClipboard.
class SystemClipboard : public Clipboard {
  public:
    bool hasText() const override;
    QString text() const override;
    void setText(const QString& text) override;
};

}  // namespace platform
