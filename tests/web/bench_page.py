#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Figures of the page in headless Chromium (a benchmark, not a test):
- what the page loads: the bytes of WebAssembly and JavaScript, uncompressed;
- from navigation to all 226 fields filled, against a static page of 226 plain
  labelled inputs with values, in the same browser, alternately, median of N.
Usage: bench_page.py SITE [N]"""
import json
import pathlib
import statistics
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import harness  # noqa: E402

site = pathlib.Path(sys.argv[1]).resolve()
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7

# The time of the page's own mark once every field holds its value.
FILLED = """
const [mark] = performance.getEntriesByName('zeru-ready');
const all = document.querySelectorAll('select, input[type=text], textarea');
return mark && all.length >= 226 && [...all].every((c) => c.tagName !== 'SELECT' || c.selectedIndex >= 0)
  ? mark.startTime : null;"""


def plain_page(folder):
    """226 labelled inputs with values and a script that marks the page ready."""
    rows = "\n".join(f'<div><label for="f{i}">Field {i}:</label> <input type="text" id="f{i}" '
                     f'maxlength="6" value="V{i}"></div>' for i in range(226))
    (folder / "plain.html").write_text(
        f"<!DOCTYPE html><html><head><meta charset=utf-8><title>plain</title></head><body>{rows}"
        "<script src=plain.js></script></body></html>")
    (folder / "plain.js").write_text("document.body.dataset.ready = 'true';\nperformance.mark('zeru-ready');\n")


with tempfile.TemporaryDirectory() as folder:
    folder = pathlib.Path(folder)
    plain = folder / "plain"
    plain.mkdir()
    plain_page(plain)
    server, url = harness.serve(site)
    plain_server, plain_url = harness.serve(plain)
    driver, _ = harness.start_browser(str(folder), fake_hid=False)
    try:
        def timed(address):
            driver.get("about:blank")
            driver.get(address)
            return harness.WebDriverWait(driver, 60, poll_frequency=0.01).until(lambda d: d.execute_script(FILLED))

        timed(url)  # the first load fills the HTTP cache and the service worker; not counted
        loaded = driver.execute_script(
            "return performance.getEntriesByType('resource').map((e) => [e.name, e.decodedBodySize])")
        page_times, plain_times = [], []
        for _ in range(runs):
            page_times.append(timed(url))
            plain_times.append(timed(plain_url + "plain.html"))
    finally:
        driver.quit()
        server.shutdown()
        plain_server.shutdown()

code = {name.split("/", 3)[-1]: size for name, size in loaded if name.endswith((".js", ".wasm", ".mjs"))}
page_ms, plain_ms = statistics.median(page_times), statistics.median(plain_times)
print(json.dumps({
    "wasm_and_js_bytes": sum(code.values()),
    "wasm_and_js_files": code,
    "navigation_to_filled_ms": {"page": round(page_ms, 1), "plain": round(plain_ms, 1),
                                "ratio": round(page_ms / plain_ms, 2), "runs": runs,
                                "page_all": [round(t, 1) for t in page_times],
                                "plain_all": [round(t, 1) for t in plain_times]},
}, indent=1))
