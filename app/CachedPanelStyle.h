// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <vector>

// The application's style, with a line edit's panel (its background and frame) drawn from a
// picture made once per size, state and palette. Fusion draws that panel with antialiased
// rounded rectangles, the costliest part of painting a box whose text changes every second.
// The picture is made over the plain colour behind the box, so its antialiased corners come out
// as if drawn in place; where what is behind is not one plain colour, the panel is drawn in
// place.
class CachedPanelStyle : public QProxyStyle {
  public:
    CachedPanelStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

  private:
    // Everything of a panel that its picture depends on.
    struct PanelLook {
        QSize size;
        QStyle::State state;
        qint64 palette;
        QRgb behind;
        qreal ratio;
        int direction;
        int lineWidth;
        QStyleOptionFrame::FrameFeatures features;
        bool operator==(const PanelLook&) const = default;
    };
    struct Picture {
        PanelLook look;
        QPixmap pixmap;
    };

    const QPixmap& pictureOf(const QStyleOptionFrame& frame, const QColor& behind, qreal ratio,
                             const QWidget* widget) const;

    // A few boxes in a few states each: the newest pictures, the oldest dropped first.
    mutable std::vector<Picture> pictures_;
};
