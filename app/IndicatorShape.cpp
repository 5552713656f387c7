// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "IndicatorShape.h"

#include <QPainter>

namespace {

QColor toQColor(countdown::Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace

IndicatorShape::IndicatorShape(QWidget* parent) : QWidget(parent) {
    setAccessibleDescription(colourName(backColor_));
}

// Each tick of a running countdown sets the colour; only a new one is painted and announced.
void IndicatorShape::setBackColor(countdown::Colour colour) {
    if (colour == backColor_) return;
    backColor_ = colour;
    setAccessibleDescription(colourName(colour));
    update();
}

QString IndicatorShape::colourName(countdown::Colour colour) {
    if (colour == countdown::kGreen) return QStringLiteral("green");
    if (colour == countdown::kRed) return QStringLiteral("red");
    return toQColor(colour).name();
}

void IndicatorShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(toQColor(backColor_));
    painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}
