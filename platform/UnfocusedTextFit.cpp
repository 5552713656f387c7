// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "UnfocusedTextFit.h"

#include <QEvent>
#include <QLineEdit>

#include "TextFit.h"

void UnfocusedTextFit::attach(QLineEdit& box, double smallestPointSize) {
    new UnfocusedTextFit(box, smallestPointSize);
}

UnfocusedTextFit::UnfocusedTextFit(QLineEdit& box, double smallestPointSize)
    : QObject(&box),
      box_(box),
      designedPointSize_(box.font().pointSizeF()),
      smallestPointSize_(smallestPointSize) {
    box.installEventFilter(this);
    connect(&box, &QLineEdit::textChanged, this, &UnfocusedTextFit::refit);
    refit();
}

bool UnfocusedTextFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) refit();
    return QObject::eventFilter(watched, event);
}

// Runs on every text change, so once a second for the timer box.
void UnfocusedTextFit::refit() {
    const double size = box_.hasFocus()
                            ? designedPointSize_
                            : text_fit::largestFittingPointSize(
                                  box_, box_.text(), designedPointSize_, smallestPointSize_);
    if (box_.font().pointSizeF() == size) return;
    QFont font = box_.font();
    font.setPointSizeF(size);
    box_.setFont(font);
}
