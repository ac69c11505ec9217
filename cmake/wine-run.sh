#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one Windows program under Wine, as CMake's emulator for the cross build:
#   wine-run.sh PROGRAM.exe [ARGS]
#   wine-run.sh --make-prefix      only makes $WINEPREFIX when it is missing
# WINEPREFIX defaults to a prefix in the program's build folder; it is made
# once (under a lock, so that tests started in parallel wait for it). With
# ZERU_WINE_CACHE naming a folder, a fresh prefix is kept there and later ones
# are copies of it: seconds, where making one takes tens of seconds.
set -euo pipefail
export WINEDEBUG=-all
# Wine takes Unix paths in the locale's character set: in one that is not
# UTF-8, a folder named with a letter outside ASCII would not reach it.
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8
# No Mono or Gecko installers: the programs are console tools.
export WINEDLLOVERRIDES="mscoree,mshtml="
make_only=false
[ "${1:-}" = --make-prefix ] && make_only=true
if [ -z "${WINEPREFIX:-}" ]; then
  $make_only && { echo "wine-run.sh: --make-prefix needs WINEPREFIX" >&2; exit 125; }
  dir="$(cd "$(dirname "$1")" && pwd)"
  # The build folder: the nearest folder up that holds CMakeCache.txt.
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir="$(dirname "$dir")"; done
  [ "$dir" != / ] || { echo "wine-run.sh: $1 is not inside a build folder; set WINEPREFIX" >&2; exit 125; }
  export WINEPREFIX="$dir/wine-prefix"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      kept="${ZERU_WINE_CACHE:+$ZERU_WINE_CACHE/prefix-$(wine --version 2>/dev/null | tr -c 'a-zA-Z0-9.\n-' _)}"
      if [ -n "$kept" ] && [ -f "$kept/system.reg" ]; then
        rm -rf "$WINEPREFIX"
        cp -a "$kept" "$WINEPREFIX"
      else
        wineboot --init >/dev/null 2>&1 || true
        wineserver -w
        [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-run.sh: cannot make the Wine prefix $WINEPREFIX" >&2; exit 125; }
        # Kept while still fresh; a copy that fails costs only the next run's time.
        if [ -n "$kept" ] && mkdir -p "$ZERU_WINE_CACHE" 2>/dev/null; then
          cp -a "$WINEPREFIX" "$kept.$$" 2>/dev/null && mv -T "$kept.$$" "$kept" 2>/dev/null || rm -rf "$kept.$$"
        fi
      fi
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# Wine's own services start with the first program and outlive it, holding
# on to its standard output: a caller that reads a program's output to its
# end (ctest) would wait for them. So a server is started here when none runs
# (status 0; 2 when one does), kept up for a minute after its last program,
# and its services are started with no output of ours.
if wineserver -p 60 2>/dev/null; then
  wineboot </dev/null >/dev/null 2>&1 || true
fi
$make_only && exit 0
exec wine "$@"
