// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "TwinClockView.h"

#include <QLineEdit>

using countdown::TimeBox;

std::string TwinClockView::text(TimeBox box) const {
    if (box == TimeBox::EbayTime) return clockBox_->text().toStdString();
    return texts_[static_cast<std::size_t>(box)];
}

void TwinClockView::setText(TimeBox box, const std::string& text) {
    if (box == TimeBox::EbayTime)
        clockBox_->setText(QString::fromStdString(text));
    else
        texts_[static_cast<std::size_t>(box)] = text;
}

void TwinClockView::repaintNow(TimeBox box) {
    if (box == TimeBox::EbayTime) clockBox_->repaint();
}
