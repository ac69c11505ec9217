#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (checks in .clang-tidy) over the sources of the folders
# given, in parallel; any finding fails. A file found clean is remembered by
# a digest of everything its result depends on: the checks, clang-tidy's
# version, the file's compile command and the content of the file and of
# every header it includes (as its object's dependency file lists them, so
# the build must have run). A later run checks again only what changed.
#
#   scripts/check_tidy.py BUILD_DIR CACHE_DIR FOLDER...
import concurrent.futures
import hashlib
import json
import os
import re
import shlex
import subprocess
import sys

build, cache, folders = sys.argv[1], sys.argv[2], sys.argv[3:]
root = os.getcwd()
pattern = re.compile("^" + re.escape(root) + "/(" + "|".join(map(re.escape, folders)) + ")/")
entries = [e for e in json.load(open(os.path.join(build, "compile_commands.json"))) if pattern.match(e["file"])]
entries = list({e["file"]: e for e in entries}.values())  # a source built twice is checked once

version = subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True, check=True).stdout
common = hashlib.sha256((version + open(".clang-tidy").read()).encode())
file_digests = {}


def content_digest(path):
    if path not in file_digests:
        try:
            with open(path, "rb") as f:
                file_digests[path] = hashlib.sha256(f.read()).hexdigest()
        except OSError:
            file_digests[path] = "missing"
    return file_digests[path]


def dependencies(entry):
    """The headers the object was built from; None when there is no dependency file."""
    words = shlex.split(entry["command"])
    if "-o" not in words:
        return None
    depfile = os.path.join(entry["directory"], words[words.index("-o") + 1] + ".d")
    try:
        text = open(depfile).read().replace("\\\n", " ")
    except OSError:
        return None
    return sorted(set(os.path.normpath(os.path.join(entry["directory"], p)) for p in text.split(":", 1)[-1].split()))


def key(entry):
    deps = dependencies(entry)
    if deps is None:
        return None
    h = common.copy()
    # Paths of the checkout and the build count relative to them: a clone elsewhere finds the same keys.
    h.update(entry["command"].replace(os.path.abspath(build), "BUILD").replace(root, "SRC").encode())
    for path in [entry["file"]] + deps:
        h.update(path.replace(os.path.abspath(build), "BUILD").replace(root, "SRC").encode())
        h.update(content_digest(path).encode())
    return h.hexdigest()


def tidy(entry):
    result = subprocess.run(
        ["clang-tidy", "-p", build, "--quiet", "--extra-arg=-Wno-unknown-warning-option", entry["file"]],
        capture_output=True, text=True)
    return result.returncode, result.stdout + result.stderr


os.makedirs(cache, exist_ok=True)
todo = []
for e in entries:
    k = key(e)
    if k is None or not os.path.exists(os.path.join(cache, k)):
        todo.append((e, k))

failed = 0
noise = re.compile(r"^(Suppressed|Use -header-filter|[0-9]+ warnings? generated|[0-9]+ warnings? and [0-9]+ errors? generated)")
with open(os.path.join(build, "clang-tidy.log"), "w") as log, \
        concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
    for (e, k), (status, output) in zip(todo, pool.map(lambda t: tidy(t[0]), todo)):
        log.write(f"== {e['file']}\n{output}")
        if status != 0:
            failed += 1
            sys.stderr.write("".join(line for line in output.splitlines(True) if not noise.match(line)))
        elif k is not None:
            open(os.path.join(cache, k), "w").close()

if failed:
    sys.exit(f"clang-tidy finds faults in {failed} files (all of it: {build}/clang-tidy.log)")
print(f"clang-tidy ok: {len(entries)} files of {', '.join(folders)} ({len(todo)} checked, the rest unchanged)")
