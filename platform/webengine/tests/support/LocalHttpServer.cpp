// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "LocalHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace testing_support {

QByteArray LocalHttpServer::Request::header(const QByteArray& name) const {
    for (const QByteArray& line : head.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

LocalHttpServer::LocalHttpServer() {
    if (!server_.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen on 127.0.0.1");
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) serve(socket);
    });
}

void LocalHttpServer::route(const QString& path, Handler handler) {
    handlers_.insert(path, std::move(handler));
}

void LocalHttpServer::page(const QString& path, const QString& title, const QString& body) {
    const QByteArray html =
        QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head><body>%2</body></html>")
            .arg(title, body)
            .toUtf8();
    route(path, [html](const Request&) { return Response{200, html, {}, 0}; });
}

QUrl LocalHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path));
}

QUrl LocalHttpServer::unreachableUrl() {
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/nothing-listens").arg(port));
}

void LocalHttpServer::serve(QTcpSocket* socket) {
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
        if (received->contains("\r\n\r\n")) return;  // answered already
        received->append(socket->readAll());
        if (received->contains("\r\n\r\n")) respond(socket, *received);
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void LocalHttpServer::respond(QTcpSocket* socket, const QByteArray& head) {
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const Request request{QString::fromUtf8(requestLine.value(1)), head};
    requests_[request.path] += 1;
    const auto handler = handlers_.constFind(request.path);
    const Response response = handler != handlers_.cend()
                                  ? (*handler)(request)
                                  : Response{404, "<title>Not found</title>", {}, 0};

    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + " Test\r\n" +
                     "Content-Type: text/html; charset=utf-8\r\nConnection: close\r\n" +
                     "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    for (const auto& [name, value] : response.headers) out += name + ": " + value + "\r\n";
    out += "\r\n" + response.body;

    QPointer<QTcpSocket> target(socket);
    QTimer::singleShot(response.delayMs, this, [target, out] {
        if (!target) return;
        target->write(out);
        target->disconnectFromHost();
    });
}

}  // namespace testing_support
