// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "CachedPanelStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionFrame>
#include <algorithm>

namespace {

// The colour the widget's parents paint behind it, or an invalid colour where that is not one
// opaque plain colour.
QColor plainColourBehind(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    while (parent && !parent->isWindow() && !parent->autoFillBackground())
        parent = parent->parentWidget();
    if (!parent) return {};
    const QBrush brush = parent->palette().brush(parent->backgroundRole());
    if (brush.style() != Qt::SolidPattern || brush.color().alpha() != 255) return {};
    return brush.color();
}

constexpr std::size_t kPicturesKept = 12;

}  // namespace

CachedPanelStyle::CachedPanelStyle() : QProxyStyle(QApplication::style()->name()) {}

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_PanelLineEdit && frame && widget && !frame->rect.isEmpty() &&
        painter->transform().type() <= QTransform::TxTranslate) {
        const QColor behind = plainColourBehind(*widget);
        if (behind.isValid()) {
            painter->drawPixmap(
                frame->rect.topLeft(),
                pictureOf(*frame, behind, painter->device()->devicePixelRatio(), widget));
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

const QPixmap& CachedPanelStyle::pictureOf(const QStyleOptionFrame& frame, const QColor& behind,
                                           qreal ratio, const QWidget* widget) const {
    const PanelLook look{frame.rect.size(), frame.state,   frame.palette.cacheKey(),
                         behind.rgba(),     ratio,         frame.direction,
                         frame.lineWidth,   frame.features};
    const auto found = std::find_if(pictures_.begin(), pictures_.end(),
                                    [&](const Picture& picture) { return picture.look == look; });
    if (found != pictures_.end()) return found->pixmap;

    QPixmap pixmap(frame.rect.size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(behind);
    QStyleOptionFrame atOrigin = frame;
    atOrigin.rect.moveTo(0, 0);
    QPainter inPicture(&pixmap);
    QProxyStyle::drawPrimitive(PE_PanelLineEdit, &atOrigin, &inPicture, widget);
    inPicture.end();
    if (pictures_.size() == kPicturesKept) pictures_.erase(pictures_.begin());
    pictures_.push_back({look, pixmap});
    return pictures_.back().pixmap;
}
