#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The configurator in the browser.
#
#   scripts/web.sh [--port N]   installs what is missing, builds the site and
#                               serves it on http://127.0.0.1:N (8000 unless told)
#   scripts/web.sh --build DIR  only builds the site into DIR
#   scripts/web.sh --single FILE.html
#                               builds the whole configurator into one file
#                               that works opened from disk (no server)
#
# The site is one folder of static files: the page (web/), the core compiled
# to WebAssembly (web/core/) and a service worker that keeps them all for
# working offline. Any static web server can serve it as it is; WebHID needs a
# secure context, so over the network it must be HTTPS (localhost is exempt).
set -euo pipefail
cd "$(dirname "$0")/.."

out=""
port=8000
single=""
while [ $# -gt 0 ]; do
  case "$1" in
    --build) out="${2:?--build needs a folder}"; shift 2 ;;
    --port) port="${2:?--port needs a number}"; shift 2 ;;
    --single) single="${2:?--single needs a file name}"; shift 2 ;;
    -h|--help) sed -n '3,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "web.sh: unknown option $1" >&2; exit 1 ;;
  esac
done
serve=false
if [ -n "$single" ]; then
  # The site is built as usual in a folder of its own, then made one file.
  out=build-web/single-site
elif [ -z "$out" ]; then
  serve=true
  out=build-web/site
fi

# What building needs: emscripten (the core), esbuild (the page's modules in
# one file) and python3 (the build's helper and the server).
packages=(emscripten nodejs esbuild python3 cmake make)
. scripts/install-missing.sh
install_missing "${packages[@]}"

mkdir -p "$out"
out="$(cd "$out" && pwd)"

# The core module: web/core/ builds it into $out/core.
if [ -x web/core/build.sh ]; then
  web/core/build.sh "$out/core"
fi

# The page's own files; web/core/ holds the module's sources, which the
# build above has turned into $out/core.
(cd web && find . -path ./core -prune -o -type f -print) | while read -r f; do
  mkdir -p "$out/$(dirname "$f")"
  cp "web/$f" "$out/$f"
done
# The page's modules and the core's JavaScript bundled into one file that the
# page loads (js/page.js): one request instead of two dozen, which was most of
# the time the page took to start. (node's own modules, which the core's
# loader asks for only under node, stay out.)
if [ -n "$single" ]; then
  # The WebAssembly goes inside the bundle, which then fetches nothing.
  { sed -n '1p' web/js/core-binary.js
    printf 'export const coreBinaryBase64 = "%s";\n' "$(base64 -w0 "$out/core/zeru-core.wasm")"
  } >"$out/js/core-binary.js"
fi
esbuild "$out/js/main.js" --bundle --minify --format=esm --external:fs --external:path \
  --outfile="$out/page.js" --log-level=warning
rm -rf "$out/js"
mkdir "$out/js"
mv "$out/page.js" "$out/js/page.js"
python3 scripts/web-stamp.py "$out"

if [ -n "$single" ]; then
  python3 scripts/web-single.py "$out" "$single"
  echo "The configurator as one file: $single"
  exit 0
fi
if ! $serve; then
  echo "Site built in $out"
  exit 0
fi
echo "Serving the configurator on http://127.0.0.1:$port/ (Ctrl+C stops)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$out" "$port"
