// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "UserAddress.h"

#include <QStringList>

namespace platform {
namespace {

bool needsHost(const QString& scheme) {
    static const QStringList kNetworkSchemes{"http", "https", "ftp", "ws", "wss"};
    return kNetworkSchemes.contains(scheme);
}

}  // namespace

QUrl loadableUrlFromUserInput(const QString& text) {
    const QUrl url = QUrl::fromUserInput(text);
    if (!url.isValid() || url.isEmpty()) return {};
    if (needsHost(url.scheme()) && url.host().isEmpty()) return {};
    return url;
}

}  // namespace platform
