"""Loopback servers for the URL loading tests.

  serve.py http FOLDER   serves FOLDER and a few special answers over HTTP
  serve.py ftp FOLDER    serves FOLDER read-only to anonymous FTP users

Both listen on 127.0.0.1 at a free port and print the port on the first
line of standard output. They run until they are terminated.
"""
import http.server
import os
import sys
import time

LARGE_BYTES = (64 << 20) + 4096


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    folder = "."

    def log_message(self, *args):
        pass

    def answer(self, status, body, content_type="application/octet-stream", length=True):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        if length:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def file_bytes(self, name):
        path = os.path.join(self.folder, os.path.basename(name))
        with open(path, "rb") as f:
            return f.read()

    def stream_zeros(self, total, announce):
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        if announce:
            self.send_header("Content-Length", str(total))
        self.end_headers()
        chunk = bytes(65536)
        sent = 0
        try:
            while sent < total:
                self.wfile.write(chunk)
                sent += len(chunk)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def do_GET(self):
        path = self.path.split("?")[0]
        parts = path.strip("/").split("/")
        kind, name = parts[0], parts[-1]
        if kind == "files" and os.path.isfile(os.path.join(self.folder, name)):
            self.answer(200, self.file_bytes(name))
        elif kind == "html":
            self.answer(200, b"<html><body>Server error</body></html>", "text/html")
        elif kind == "html-untyped":
            self.answer(200, b"<!DOCTYPE html>\n<HTML lang=cs><p>Chyba</p></HTML>")
        elif kind == "empty":
            self.answer(200, b"")
        elif kind == "slow":
            body = self.file_bytes(name)
            self.send_response(200)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            for at in range(0, len(body), 700):
                self.wfile.write(body[at:at + 700])
                self.wfile.flush()
                time.sleep(0.02)
        elif kind == "drip":
            # A byte every fifth of a second: never a stall, never done
            # within the test's deadline; it gives up after 30 seconds.
            self.send_response(200)
            self.send_header("Content-Length", "150")
            self.end_headers()
            try:
                for _ in range(150):
                    self.wfile.write(b"\0")
                    self.wfile.flush()
                    time.sleep(0.2)
            except (BrokenPipeError, ConnectionResetError):
                pass
        elif kind == "redirect":
            self.send_response(302)
            self.send_header("Location", "/files/" + name)
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif kind == "to-local-file":
            self.send_response(302)
            self.send_header("Location", "file:///etc/hostname")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif kind == "large":
            self.stream_zeros(LARGE_BYTES, announce=True)
        elif kind == "large-unannounced":
            self.stream_zeros(LARGE_BYTES, announce=False)
        else:
            self.answer(404, b"not here", "text/plain")


def serve_http(folder):
    Handler.folder = folder
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    print(server.server_address[1], flush=True)
    server.serve_forever()


def serve_ftp(folder):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer
    import logging
    logging.disable(logging.CRITICAL)
    authorizer = DummyAuthorizer()
    authorizer.add_anonymous(folder)
    handler = FTPHandler
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), handler)
    print(server.address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    (serve_http if sys.argv[1] == "http" else serve_ftp)(sys.argv[2])
