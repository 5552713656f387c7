// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ShownTexts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

#include "ClockCorrection.h"

namespace {

// The program's clock, whose seconds the box shows: the system clock, or the corrected clock
// while a correction is on.
std::int64_t nowNs() { return platform::correctedClockNow() * 1000; }

}  // namespace

ShownTexts::ShownTexts(QLineEdit* box) : QObject(box), box_(box) { box->installEventFilter(this); }

void ShownTexts::tickReturned() {
    if (!shown_.empty() && shown_.back().returnedNs == 0) shown_.back().returnedNs = nowNs();
}

bool ShownTexts::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::Paint || painting_) return false;
    // Paint now, inside the filter, so the moment taken is the one after the box has drawn
    // its text; the original delivery is then swallowed.
    painting_ = true;
    QCoreApplication::sendEvent(watched, event);
    painting_ = false;
    const std::int64_t now = nowNs();
    const QString text = box_->text();
    if (shown_.empty() || shown_.back().text != text) shown_.push_back({text, now});
    return true;
}
