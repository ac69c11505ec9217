#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (checks in .clang-tidy) over the core's sources and the
# window's (app/); any finding fails. The tests are left out. Needs a build
# folder configured with the window and built (compile_commands.json and the
# objects' dependency files): a file whose checks, compile command, source and
# headers are those of a clean earlier run is not checked again (scripts/check_tidy.py).
#
#   scripts/check-tidy.sh [BUILD_DIR]   (default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-test}"
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json: configure $build first" >&2; exit 1; }
grep -q '"file": "[^"]*/app/' "$build/compile_commands.json" ||
  { echo "$build is configured without the window (-DZERU_BUILD_GUI=ON)" >&2; exit 1; }

# What was found clean is kept outside the checkout, as the Wine prefix is.
cache="${ZERU_TIDY_CACHE:-/var/cache/zeru-tidy}"
mkdir -p "$cache" 2>/dev/null && [ -w "$cache" ] || cache="${TMPDIR:-/tmp}/zeru-tidy-$(id -u)"
folders=(core sim cli app)
python3 scripts/check_tidy.py "$build" "$cache" "${folders[@]}"
