#!/usr/bin/python3
"""Serves the web page's site folder on 127.0.0.1 as a static host should: .wasm as
application/wasm, the pre-compressed tables as application/gzip with no Content-Encoding
(the worker decompresses them), byte ranges (206 and Content-Range), the tables named by
their checksum cached for good, every other file revalidated; the page's documents, style,
scripts and WebAssembly compressed with gzip for a browser that accepts it.

usage: serve_site.py SITE_DIR [PORT]    (PORT 0 or none: any free port)

The browser tests import it: `Site.requests` lists every request served (path, status and
bytes sent), and `Site.cut[suffix] = n` ends the next response for a path ending so after n
bytes of its body, as a dropped connection does; `Site.rate`, when set, sends at most that
many bytes a second in each response, as a slow link does; `Site.compress = False` sends
every file as it stands."""
import functools
import gzip
import http.server
import io
import os
import re
import socket
import sys
import threading
import time

TYPES = {".wasm": "application/wasm", ".gz": "application/gzip", ".js": "text/javascript",
         ".webmanifest": "application/manifest+json", ".mo": "application/octet-stream"}
IMMUTABLE = re.compile(r"quarvel-shortest[^/]*-[0-9a-f]{16}\.tables\.gz$")
COMPRESSED = (".html", ".css", ".js", ".wasm", ".webmanifest", ".svg")


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def __init__(self, *args, site, **kwargs):
        self.site = site
        super().__init__(*args, **kwargs)

    def log_message(self, *args):
        pass

    def end_headers(self):
        immutable = IMMUTABLE.search(self.path.split("?")[0])
        self.send_header("Cache-Control", "public, max-age=31536000, immutable" if immutable else "no-cache")
        self.send_header("Accept-Ranges", "bytes")
        super().end_headers()

    def do_GET(self):
        path = self.translate_path(self.path)
        name = self.path.split("?")[0]
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            self.site.count(name, 404, 0, None)
            return super().do_GET()
        if (self.site.compress and path.endswith(COMPRESSED) and "Range" not in self.headers
                and "gzip" in self.headers.get("Accept-Encoding", "")):
            return self.send_compressed(name, path)
        size = os.path.getsize(path)
        start, end, status = 0, size - 1, 200
        asked = re.fullmatch(r"bytes=(\d*)-(\d*)", self.headers.get("Range", ""))
        if asked and (asked[1] or asked[2]):
            start = int(asked[1]) if asked[1] else max(0, size - int(asked[2]))
            end = min(int(asked[2]), size - 1) if asked[1] and asked[2] else size - 1
            if start >= size or start > end:
                self.send_response(416)
                self.send_header("Content-Range", f"bytes */{size}")
                self.send_header("Content-Length", "0")
                self.end_headers()
                self.site.count(name, 416, 0, self.headers.get("Range"))
                return
            status = 206
        self.send_response(status)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Length", str(end - start + 1))
        if status == 206:
            self.send_header("Content-Range", f"bytes {start}-{end}/{size}")
        self.end_headers()
        with open(path, "rb") as f:
            f.seek(start)
            sent = self.send_body(f, end - start + 1, name)
        self.site.count(name, status, sent, self.headers.get("Range"))

    def send_body(self, stream, left, name):
        """Sends `left` bytes of `stream`, at most Site.rate bytes a second, the connection
        dropped after the bytes Site.cut allows; returns how many were sent."""
        limit = self.site.take_cut(name)
        sent = 0
        try:
            left = left if limit is None else min(limit, left)
            while left > 0:
                chunk = stream.read(min(left, 1 << 14 if self.site.rate else 1 << 16))
                self.wfile.write(chunk)
                sent += len(chunk)
                left -= len(chunk)
                if self.site.rate:
                    time.sleep(len(chunk) / self.site.rate)
            if limit is not None:  # the connection drops mid-body
                self.wfile.flush()
                self.close_connection = True
                self.connection.shutdown(socket.SHUT_RDWR)
        except OSError:  # the browser went away
            self.close_connection = True
        return sent

    def send_compressed(self, name, path):
        body = self.site.packed(path)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.site.count(name, 200, self.send_body(io.BytesIO(body), len(body), name), None)


class Site:
    def __init__(self, directory, port=0):
        self.requests, self.cut, self.rate, self.lock = [], {}, None, threading.Lock()
        self.compress, self.compressed = True, {}  # path -> (modified, gzip body)
        handler = functools.partial(Handler, directory=directory, site=self)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def count(self, path, status, sent, asked):
        with self.lock:
            self.requests.append({"path": path, "status": status, "sent": sent, "range": asked})

    def packed(self, path):
        """The file at `path` compressed, made again when the file changes."""
        modified = os.path.getmtime(path)
        with self.lock:
            kept = self.compressed.get(path)
        if kept and kept[0] == modified:
            return kept[1]
        with open(path, "rb") as file:
            body = gzip.compress(file.read(), 6)
        with self.lock:
            self.compressed[path] = (modified, body)
        return body

    def take_cut(self, path):
        with self.lock:
            for suffix in list(self.cut):
                if path.endswith(suffix):
                    return self.cut.pop(suffix)
        return None

    def start(self):
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        return self

    def stop(self):
        self.server.shutdown()


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    site = Site(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 0)
    print(f"Serving {sys.argv[1]} on {site.url} (Ctrl+C stops it)", flush=True)
    try:
        site.server.serve_forever()
    except KeyboardInterrupt:
        pass
