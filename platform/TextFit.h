// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QRect>
#include <QStringList>
#include <span>

class QWidget;

// Keeps a control's text whole when the font on hand is wider than the one its rectangle was
// designed for: the control widens to the right into free space, and where that is not enough
// its font shrinks to the largest size that fits. A control whose texts fit keeps its design.
namespace text_fit {

// The room a one-line text needs around it inside `control`: across, the style's padding;
// down, what the frame and the control's own margins take from the area the text is drawn in.
QSize padding(const QWidget& control);

// The width `control` needs to show the widest of `texts` on one line in its font.
int neededWidth(const QWidget& control, const QStringList& texts);

// Whether every one of `texts` fits `control` as it is now sized and set; a word-wrapped label
// is checked for its own text, which must fit the label's height.
bool fits(const QWidget& control, const QStringList& texts);

// The right edge (exclusive) up to which a control at `rect` may grow: a gap short of the
// nearest of `others` that shares a row with it and lies to its right, or of the client's edge.
int rightLimit(const QRect& rect, std::span<const QRect> others, int clientWidth);

// Widens `control` to the right, no further than `rightLimit`, as far as the widest of `texts`
// needs; its font stays.
void widen(QWidget& control, const QStringList& texts, int rightLimit);

// Widens `control` as above and then shrinks its font until every one of `texts` fits.
// Word-wrapped labels keep their width and only shrink their font.
void fit(QWidget& control, const QStringList& texts, int rightLimit);

// The largest point size, from `largest` down in quarter points to no less than `smallest`, at
// which `text` fits across `control` in its font's face; `smallest` when none does.
double largestFittingPointSize(const QWidget& control, const QString& text, double largest,
                               double smallest);

}  // namespace text_fit
