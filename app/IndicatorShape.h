// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QWidget>

#include "MainView.h"

// The countdown indicator: a disc painted opaquely in its back colour (0x00BBGGRR).
class IndicatorShape : public QWidget {
    Q_OBJECT
  public:
    explicit IndicatorShape(QWidget* parent = nullptr);

    void setBackColor(countdown::Colour colour);
    countdown::Colour backColor() const { return backColor_; }

    // "green", "red", or the colour as #rrggbb.
    static QString colourName(countdown::Colour colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    countdown::Colour backColor_ = countdown::kGreen;
};
