// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "AltLetterGuard.h"

#include <QKeyEvent>
#include <QWidget>

void AltLetterGuard::guard(QWidget& box) { box.installEventFilter(new AltLetterGuard(&box)); }

bool AltLetterGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers held = key->modifiers();
    const bool altAlone = held.testFlag(Qt::AltModifier) && !held.testFlag(Qt::ControlModifier) &&
                          !held.testFlag(Qt::MetaModifier);
    return altAlone && !key->text().isEmpty() && key->text().front().isPrint();
}
