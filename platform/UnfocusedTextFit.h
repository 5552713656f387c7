// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QObject>

class QLineEdit;

// Shows a box's whole text while the box has no focus: a text wider than the box shrinks the
// box's font just enough to fit, down to a smallest size, and keeps the box's size and face.
// With the focus the box has its own size again and its text scrolls as usual, so that the
// cursor stays where the user types.
class UnfocusedTextFit : public QObject {
    Q_OBJECT
  public:
    // Fits `box`'s text from now on, at most at the point size its font has now; the fit is a
    // child of `box`.
    static void attach(QLineEdit& box, double smallestPointSize);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    UnfocusedTextFit(QLineEdit& box, double smallestPointSize);
    void refit();

    QLineEdit& box_;
    const double designedPointSize_;
    const double smallestPointSize_;
};
