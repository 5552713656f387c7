"""Serves "Secret page" over HTTPS on a free port of 127.0.0.1 with a self-signed certificate
made by openssl for this run; prints the port once it listens."""
import http.server
import ssl
import subprocess
import tempfile


class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.end_headers()
        self.wfile.write(b"<title>Secret page</title>")


with tempfile.TemporaryDirectory() as folder:
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1",
                    "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1",
                    "-keyout", folder + "/key.pem", "-out", folder + "/cert.pem"],
                   check=True, capture_output=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(folder + "/cert.pem", folder + "/key.pem")
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Page)
    server.socket = context.wrap_socket(server.socket, server_side=True)
    print(server.server_port, flush=True)
    server.serve_forever()
