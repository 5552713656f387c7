// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <functional>
#include <vector>

namespace testing_support {

// A small HTTP server for browser tests, on a free high port of 127.0.0.1, run by the test's own
// event loop. Each path (with its query) has a handler; unknown paths get 404. Every response
// closes its connection.
class LocalHttpServer : public QObject {
  public:
    struct Request {
        QString path;
        QByteArray head;  // request line and headers
        QByteArray header(const QByteArray& name) const;
    };
    struct Response {
        int status = 200;
        QByteArray body;
        std::vector<std::pair<QByteArray, QByteArray>> headers;
        int delayMs = 0;  // held back this long before it is sent
    };
    using Handler = std::function<Response(const Request&)>;

    LocalHttpServer();

    void route(const QString& path, Handler handler);
    // A page with this title and body.
    void page(const QString& path, const QString& title, const QString& body = {});
    QUrl url(const QString& path) const;
    int requestCount(const QString& path) const { return requests_.value(path); }

    // An address on 127.0.0.1 where nothing listens.
    static QUrl unreachableUrl();

  private:
    void serve(class QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& head);

    QTcpServer server_;
    QMap<QString, Handler> handlers_;
    QMap<QString, int> requests_;
};

}  // namespace testing_support
