// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>

class QWidget;

// Keeps an Alt-modified key that is no access key out of a text box. Qt hands such a key to the
// focused box when no shortcut takes it, and the box types its letter: Alt+D in the end-time box
// would write a "d". Access keys and menu keys are shortcuts and are taken before the box sees
// the key; what is left does nothing, as on Windows. Ctrl+Alt (AltGr on Windows) still types.
class AltLetterGuard : public QObject {
    Q_OBJECT
  public:
    // Guards `box` for as long as both live; the guard is a child of `box`.
    static void guard(QWidget& box);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};
