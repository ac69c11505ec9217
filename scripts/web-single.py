#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the whole configurator one HTML file from a built site whose bundle
(js/page.js) holds the core with its WebAssembly inlined: the style sheet and
the script go inside the page, the icon becomes a data: URL, and the page's
Content-Security-Policy allows exactly those two by their hashes. The file
asks nothing of any server and works when opened from disk; it has no
service worker and no manifest, which a page on disk cannot have.

    web-single.py SITE OUT.html"""
import base64
import hashlib
import pathlib
import re
import sys


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def replace_once(pattern, replacement, text):
    result, count = re.subn(pattern, lambda _: replacement, text, count=1)
    if count != 1:
        sys.exit(f"web-single.py: the page has no {pattern}")
    return result


def main():
    site, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    page = (site / "index.html").read_text()
    style = (site / "css" / "page.css").read_text()
    # A module's text may hold "</script" inside a string, which would end the element.
    script = (site / "js" / "page.js").read_text().replace("</script", "<\\/script")
    icon = "data:image/svg+xml;base64," + base64.b64encode((site / "icons" / "zeru.svg").read_bytes()).decode()

    policy = ("default-src 'none'; script-src " + digest(script) + " 'wasm-unsafe-eval'; style-src "
              + digest(style) + "; img-src data: blob:; object-src 'none'; base-uri 'none'; form-action 'none'")
    page = replace_once(r'<meta http-equiv="Content-Security-Policy" content="[^"]*">',
                        f'<meta http-equiv="Content-Security-Policy" content="{policy}">', page)
    page = replace_once(r'<link rel="manifest"[^>]*>\n', "", page)
    page = replace_once(r'<link rel="preload"[^>]*>\n', "", page)
    page = replace_once(r'<!-- Fetched while the script loads. -->\n', "", page)
    page = replace_once(r'<link rel="icon" href="[^"]*"', f'<link rel="icon" href="{icon}"', page)
    page = replace_once(r'<link rel="stylesheet" href="css/page.css">', f"<style>{style}</style>", page)
    page = replace_once(r'<script type="module" src="js/page.js"></script>',
                        f'<script type="module">{script}</script>', page)
    if re.search(r'(src|href)="(?!data:|#)', page):
        sys.exit("web-single.py: the page still names a file: " + re.search(r'(src|href)="[^"]*"', page)[0])
    out.write_text(page)


main()
