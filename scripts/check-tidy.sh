#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (checks in .clang-tidy) over the core's sources, the
# folders without Qt; any finding fails. The window (app/) and the tests are
# left out. Needs a configured build folder for its compile_commands.json.
#
#   scripts/check-tidy.sh [BUILD_DIR]   (default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-test}"
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json: configure $build first" >&2; exit 1; }

core='interaction|settings|rules|image|cfgfile|compare|changes|backup|problems|device|trace|report|sim|aprs|cli'
# The build's GCC-only warning switches mean nothing to clang; run-clang-tidy
# always colours its output, the log keeps plain text.
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option \
  "^$(pwd)/($core)/" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' >"$build/clang-tidy.log" || {
  grep -v '^\(Suppressed\|Use -header-filter\|[0-9]* warnings\? generated\|clang-tidy-14 \)' "$build/clang-tidy.log" >&2 || true
  echo "clang-tidy finds faults in the core (all of it: $build/clang-tidy.log)" >&2
  exit 1
}
echo "clang-tidy ok: $(grep -c '^clang-tidy' "$build/clang-tidy.log" || true) files of the core"
