"""The site folder over HTTP on 127.0.0.1, on a free port, in a thread, for
the browser tests and the site's figures. `replaced` maps a path to None
(served as not found) or to other bytes (served in its place), and the same
for the file's packed twin (NAME.gz) where the site holds one. A port given again serves the same site (origin) anew."""
import functools
import gzip
import http.server
import mimetypes
import threading


class SiteServer:
    def __init__(self, folder, replaced=None, port=0):
        replaced = dict(replaced or {})
        # A file the site also holds packed (the core, a picture) is replaced in both forms.
        for path, data in list(replaced.items()):
            if path.endswith((".wasm", ".bmp")):
                replaced.setdefault(path + ".gz", None if data is None else gzip.compress(data))

        class Handler(http.server.SimpleHTTPRequestHandler):
            def do_GET(self):
                path = self.path.split("?")[0]
                if path not in replaced:
                    super().do_GET()
                    return
                if replaced[path] is None:
                    self.send_error(404)
                    return
                self.send_response(200)
                self.send_header("Content-Type", mimetypes.guess_type(path)[0] or "application/octet-stream")
                self.send_header("Content-Length", str(len(replaced[path])))
                self.end_headers()
                self.wfile.write(replaced[path])

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def close(self):
        self.server.shutdown()
        self.server.server_close()
