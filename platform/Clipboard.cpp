// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

bool SystemClipboard::hasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

QString SystemClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void SystemClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace platform
