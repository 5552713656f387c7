// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include "MessageBoxes.h"

class QWidget;

namespace platform {

// Message boxes as Qt dialogs, modal and centred over their parent window. Styles are the
// OK-only ones: 0, optionally with an icon value (16 critical, 32 question, 48 exclamation,
// 64 information).
class QtMessageBoxes : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* parent) : parent_(parent) {}

    void show(const std::string& prompt, int style, const std::string& title) override;

  private:
    QWidget* parent_;
};

}  // namespace platform
