#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Inside the test guest: "Read config" through Chromium's real WebHID, the
device granted by a managed policy. Chromium runs with --dump-dom, without a
driver (which does not always reach a browser that takes a minute to start
under emulation): the server hands out a small page that loads the site's
core and runs the read (kernel-read.js), and holds back one image of it until
the script has reported, so that the dump waits for the result. (The whole
page, its form and buttons, is driven by the tests on the host, over the
simulator.)
Usage: kernel_read.py SITE PORT CALLSIGN. Exit 0 when the read succeeded and
brought the device's CALLSIGN."""
import functools
import http.server
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import threading
import time

site, port, callsign = pathlib.Path(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
here = pathlib.Path(__file__).resolve().parent
reported = threading.Event()
result = {}
# A transparent 1x1 GIF.
PIXEL = bytes.fromhex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b")


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):
        # What the browser asked for and when: the trace of a slow or stuck run.
        print(f"{time.monotonic() - start:6.1f} s  {format % args}", flush=True)

    def do_GET(self):
        if self.path == "/kernel-read.html":
            page = ('<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Read config</title>'
                    '<script type="module" src="kernel-read.js"></script></head>'
                    '<body><img src="hold.gif" alt=""></body></html>')
            return self.reply(page.encode(), "text/html")
        if self.path == "/kernel-read.js":
            return self.reply((here / "kernel-read.js").read_bytes(), "text/javascript")
        if self.path == "/hold.gif":
            reported.wait(1200)
            return self.reply(PIXEL, "image/gif")
        return super().do_GET()

    def do_POST(self):
        if self.path == "/progress":
            print(f"{time.monotonic() - start:6.1f} s  page: {self.rfile.read(int(self.headers['Content-Length'])).decode()}",
                  flush=True)
            return self.reply(b"{}", "application/json")
        result.update(json.loads(self.rfile.read(int(self.headers["Content-Length"]))))
        reported.set()
        self.reply(b"{}", "application/json")

    def reply(self, body, kind):
        self.send_response(200)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


start = time.monotonic()
server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=str(site)))
threading.Thread(target=server.serve_forever, daemon=True).start()
with tempfile.TemporaryDirectory() as profile:
    browser = subprocess.run(
        # Under emulation, compiling the WebAssembly whole takes minutes: it is
        # compiled function by function as first called, and never optimised.
        ["/usr/bin/chromium", "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--js-flags=--wasm-lazy-compilation --no-wasm-tier-up",
         f"--user-data-dir={profile}", "--timeout=1250000", "--dump-dom",
         f"http://127.0.0.1:{port}/kernel-read.html"],
        capture_output=True, text=True, timeout=1300, env=dict(os.environ, HOME=profile))
server.shutdown()
print(f"browser ended after {time.monotonic() - start:.0f} s (status {browser.returncode})")
if not result:
    print("FAIL: the page reported nothing")
    print(browser.stderr[-3000:])
    sys.exit(1)
print("\n".join(result.get("log", [])))
print(f"box: {result.get('box')!r}")
print(f"callsign: {result.get('callsign')!r}")
ok = ("Eeprom read success." in result.get("log", []) and str(result.get("box", "")).startswith("Firmware version: 1.02")
      and result.get("callsign") == callsign)
print(("ok" if ok else "FAIL") + ": Read config through the kernel's HID stack")
sys.exit(0 if ok else 1)
