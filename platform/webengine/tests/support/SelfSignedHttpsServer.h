// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include "EventLoopWait.h"
#include "LocalHttpServer.h"

namespace testing_support {

// `openssl s_server` on a free port of 127.0.0.1, with a self-signed certificate made for the run.
class SelfSignedHttpsServer {
  public:
    SelfSignedHttpsServer() {
        QProcess::execute(
            "openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1",
                        "-keyout", folder_.filePath("key"), "-out", folder_.filePath("cert")});
        process_.start("openssl",
                       {"s_server", "-accept", QString::number(url_.port()), "-www", "-cert",
                        folder_.filePath("cert"), "-key", folder_.filePath("key")});
    }

    bool listensWithin(int timeoutMs) {
        return waitUntil([&] { return (said_ += process_.readAll()).contains("ACCEPT"); },
                         timeoutMs);
    }
    QUrl url() const { return url_; }

  private:
    QTemporaryDir folder_;
    const QUrl url_ =
        QUrl(QStringLiteral("https://127.0.0.1:%1/").arg(LocalHttpServer::unreachableUrl().port()));
    QProcess process_;
    QByteArray said_;
};

}  // namespace testing_support
