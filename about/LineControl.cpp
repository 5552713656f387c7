// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "LineControl.h"

#include <QPainter>

LineControl::LineControl(int index, QColor colour, QWidget* parent)
    : QWidget(parent), index_(index), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), colour_); }
