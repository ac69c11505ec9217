#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the site's version and file list into its service worker (sw.js),
so that the page works offline and a new build replaces the old files."""
import hashlib
import json
import pathlib
import re
import sys

site = pathlib.Path(sys.argv[1])
worker = site / "sw.js"
files = sorted(p.relative_to(site).as_posix() for p in site.rglob("*")
               if p.is_file() and p != worker)
digest = hashlib.sha256()
for name in files:
    digest.update(name.encode() + b"\0" + (site / name).read_bytes())
text = worker.read_text()
text = re.sub(r"^const VERSION = .*;$", f"const VERSION = '{digest.hexdigest()[:16]}';", text, count=1, flags=re.M)
text = re.sub(r"^const FILES = .*;$", "const FILES = " + json.dumps(["./"] + files) + ";", text,
              count=1, flags=re.M)
worker.write_text(text)
