// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QColor>
#include <QWidget>

// One element of a line control array: a horizontal line filling the widget, in one colour.
class LineControl : public QWidget {
    Q_OBJECT
  public:
    LineControl(int index, QColor colour, QWidget* parent);

    int index() const { return index_; }
    QColor colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int index_;
    QColor colour_;
};
