// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Ticklot Developers

#include "TestSite.h"

namespace testing_support {

using Request = LocalHttpServer::Request;
using Response = LocalHttpServer::Response;

void serveTestSite(LocalHttpServer& server) {
    server.page("/first", "First page");
    server.page("/second", "Second page");
    const QByteArray second = server.url("/second").toEncoded();
    server.route("/redirect", [second](const Request&) {
        return Response{302, {}, {{"Location", second}}, 0};
    });
    server.route("/frames", [](const Request&) {
        return Response{200,
                        "<html><head><title>Two frames</title></head><frameset rows='50%,50%'>"
                        "<frame src='/first'><frame src='/second'></frameset></html>",
                        {},
                        0};
    });
    server.page("/links", "Links",
                "<a id='blank' target='_blank' href='/second'>in a new window</a> "
                "<a id='part' href='#bids'>bids</a>");
    server.page("/late-title", "Early title",
                "<script>setTimeout(() => document.title = 'Late title', 200)</script>");
    server.page("/moves-later", "Moving page",
                "<script>setTimeout(() => history.pushState({}, '', '/moved'), 300)</script>");
    server.route("/slow", [](const Request&) {
        return Response{200, "<title>Slow page</title>", {}, 4000};
    });
    server.route("/counter", [&server](const Request&) {
        const int visits = server.requestCount("/counter");
        return Response{200, "<title>Visit " + QByteArray::number(visits) + "</title>", {}, 0};
    });
}

}  // namespace testing_support
