// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "ClockCheckServer.h"

#include "FixedAddresses.h"

QUrl clockCheckServer(const QUrl& page) {
    const QUrl source =
        page.isValid() && !page.host().isEmpty() &&
                (page.scheme() == QLatin1String("http") || page.scheme() == QLatin1String("https"))
            ? page
            : QUrl(QString::fromUtf8(browser::kEbayHomePage));
    QUrl server;
    server.setScheme(source.scheme());
    server.setHost(source.host());
    server.setPort(source.port());
    server.setPath(QStringLiteral("/"));
    return server;
}
