// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockCheckServer.h"

#include "FixedAddresses.h"

QUrl clockCheckServer(const QUrl& page, bool pageFailed) {
    QUrl server;
    if (!pageFailed && page.isValid() && !page.host().isEmpty() &&
        (page.scheme() == QLatin1String("http") || page.scheme() == QLatin1String("https"))) {
        server.setScheme(page.scheme());
        server.setHost(page.host());
        server.setPort(page.port());
    } else {
        server.setScheme(QStringLiteral("https"));
        server.setHost(QUrl(QString::fromUtf8(browser::kEbayHomePage)).host());
    }
    server.setPath(QStringLiteral("/"));
    return server;
}
