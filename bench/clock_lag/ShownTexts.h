// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

class QLineEdit;

// Watches one clock box and records, for each new text, the moment on the program's clock (the
// system clock, or the corrected one) at which the box had painted it and the one at which the
// tick that set it had returned: by then the window has been flushed to the screen as well.
class ShownTexts : public QObject {
  public:
    struct Shown {
        QString text;
        std::int64_t paintedNs;       // ns since the epoch, program's clock, just after the paint
        std::int64_t returnedNs = 0;  // just after the tick that set it returned
    };

    explicit ShownTexts(QLineEdit* box);

    const std::vector<Shown>& shown() const { return shown_; }

    // Called when a tick has returned.
    void tickReturned();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box_;
    bool painting_ = false;
    std::vector<Shown> shown_;
};
