// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "QtMessageBoxes.h"

#include <QMessageBox>

#include "TicklotVersion.h"

namespace platform {
namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

void QtMessageBoxes::show(const std::string& prompt, int style, const std::string& title) {
    const QString caption = QString::fromStdString(title.empty() ? ticklot_version::kTitle : title);
    QMessageBox box(iconOf(style), caption, QString::fromStdString(prompt), QMessageBox::Ok,
                    parent_);
    box.setObjectName("MsgBox");
    box.exec();
}

}  // namespace platform
