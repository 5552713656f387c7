// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "TextFit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace text_fit {
namespace {

// Free space kept between a grown control and its neighbour or the client's edge, in pixels.
constexpr int kGap = 6;
constexpr double kSmallestPointSize = 6.0;
constexpr double kPointSizeStep = 0.25;
// QLineEdit keeps this much beside and above/below its text inside the frame.
constexpr QSize kLineEditMargins(2 * 2, 2 * 1);
// A content width far above the styles' minimum button widths, so only the padding remains.
constexpr int kWideContent = 1000;

QSize buttonPadding(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button.isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    option.text = button.text();
    const QStyle* style = button.style();
    const int across =
        style->sizeFromContents(QStyle::CT_PushButton, &option, QSize(kWideContent, 0), &button)
            .width() -
        kWideContent;
    const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return {across, button.height() - contents.height()};
}

QSize lineEditPadding(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    const QRect contents =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins text = edit.textMargins();
    return edit.size() - contents.size() + kLineEditMargins +
           QSize(text.left() + text.right(), text.top() + text.bottom());
}

// A label draws its text in its contents rectangle; inside a frame it keeps the width of an "x"
// beside it, as its size hint does.
QSize labelPadding(const QLabel& label) {
    int indent = label.indent();
    if (indent < 0)
        indent = label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(u'x') : 0;
    return label.size() - label.contentsRect().size() + QSize(indent, 0);
}

bool wordWrapped(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    return label && label->wordWrap();
}

}  // namespace

QSize padding(const QWidget& control) {
    if (const auto* button = qobject_cast<const QPushButton*>(&control))
        return buttonPadding(*button);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) return lineEditPadding(*edit);
    if (const auto* label = qobject_cast<const QLabel*>(&control)) return labelPadding(*label);
    return {};
}

int neededWidth(const QWidget& control, const QStringList& texts) {
    const QFontMetrics metrics = control.fontMetrics();
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.size(Qt::TextShowMnemonic, text).width());
    return widest + padding(control).width();
}

bool fits(const QWidget& control, const QStringList& texts) {
    if (wordWrapped(control)) {
        const auto& label = static_cast<const QLabel&>(control);
        return label.heightForWidth(label.width()) <= label.height();
    }
    return neededWidth(control, texts) <= control.width() &&
           control.fontMetrics().height() + padding(control).height() <= control.height();
}

int rightLimit(const QRect& rect, std::span<const QRect> others, int clientWidth) {
    int limit = clientWidth;
    for (const QRect& other : others) {
        const bool sharesARow = other.top() <= rect.bottom() && rect.top() <= other.bottom();
        if (sharesARow && other.left() > rect.right()) limit = std::min(limit, other.left());
    }
    return limit - kGap;
}

void widen(QWidget& control, const QStringList& texts, int rightLimit) {
    if (wordWrapped(control)) return;
    const int room = std::max(control.width(), rightLimit - control.x());
    control.resize(std::clamp(neededWidth(control, texts), control.width(), room),
                   control.height());
}

void fit(QWidget& control, const QStringList& texts, int rightLimit) {
    if (fits(control, texts)) return;
    widen(control, texts, rightLimit);
    QFont font = control.font();
    while (!fits(control, texts) && font.pointSizeF() - kPointSizeStep >= kSmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - kPointSizeStep);
        control.setFont(font);
    }
}

double largestFittingPointSize(const QWidget& control, const QString& text, double largest,
                               double smallest) {
    const int room = control.width() - padding(control).width();
    // The common case, a text that fits in the control's own font, without a new font's metrics.
    if (control.font().pointSizeF() == largest &&
        control.fontMetrics().horizontalAdvance(text) <= room)
        return largest;
    QFont font = control.font();
    for (double size = largest; size > smallest; size -= kPointSizeStep) {
        font.setPointSizeF(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) return size;
    }
    return smallest;
}

}  // namespace text_fit
