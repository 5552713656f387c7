# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Ticklot Developers

"""Serves one page for every request, on a free loopback port, which it prints first: a blank
page, or the HTML file given as argument. Used as the browser's proxy, it stands in for every
web page the program asks for."""
import http.server
import pathlib
import sys

PAGE = (pathlib.Path(sys.argv[1]).read_bytes() if len(sys.argv) > 1 else
        b"<!DOCTYPE html><html><head><title>blank</title></head><body></body></html>")


class BlankPage(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(PAGE)))
        self.end_headers()
        self.wfile.write(PAGE)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), BlankPage)
print(server.server_address[1], flush=True)
sys.stdout.close()
server.serve_forever()
